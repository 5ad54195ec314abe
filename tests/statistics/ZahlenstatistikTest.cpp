#include "Zahlenstatistik.h"
#include "StatistikTesthilfe.h"

namespace {

const QString Vorlauf(36, QLatin1Char(' '));

// Three draws of 2001: 7 is the Zusatzzahl of the first and a number of the second.
Modul1 EinJahr()
{
    return Archiv({"07.01.200100101020304050607", "10.01.200100207080910111213",
                   "14.01.200100320212223242501"});
}

// The text of Zahlenstatistik from its six values and its distribution rows.
QString Text(const QString &werte, const QStringList &verteilung)
{
    const QStringList namen =
        L("Zahl:|Gezogen:|Durchschnitt:|Differenz:|Zuletzt gezogen:|Letzte Eingabe:");
    const QStringList w = werte.split(QLatin1Char('|'));
    QString text;
    for (int i = 0; i < 6; ++i)
        text += namen[i].leftJustified(17) + w.value(i) + S("\r\n");
    return text + S("\r\nVerteilung:\r\n") + verteilung.join(S("\r\n")) + S("\r\n");
}

} // namespace

TEST(Zahlenstatistik, OneYearWithAndWithoutZusatzzahl)
{
    const struct {
        int zahl;
        bool mitZZ;
        const char *werte, *jahr, *marken;
    } faelle[] = {
        {7, true, "2 mal|0,5|1,5|2001-002, vor 1 Runden", "2001  2x  ", "OO-"},
        {7, false, "1 mal|0,4|0,6|2001-002, vor 1 Runden", "2001  1x  ", "-O-"},
        {1, true, "2 mal|0,5|1,5|2001-003, vor 0 Runden", "2001  2x  ", "O-O"}, // newest draw
        {45, true, "0 mal|0,5|-0,5|noch nie", "2001  0x  ", "---"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(Zahlenstatistik(EinJahr(), f.zahl, f.mitZZ),
                  Text(QString::number(f.zahl) + QLatin1Char('|') + QLatin1String(f.werte) +
                           S("|2001-003, 14.01.2001"),
                       {QLatin1String(f.jahr) + Vorlauf + QLatin1String(f.marken)}))
            << f.zahl << f.mitZZ;
}

TEST(Zahlenstatistik, YearsNewestFirstAndAYearOutOfOrderGetsARowPerRun)
{
    const Modul1 m = Archiv({"02.12.200005005101520253031", "06.12.200005101020304060708",
                             "03.01.200100101020304050607", "09.12.200005205404142434445",
                             "04.01.200200111121314151617"});
    EXPECT_EQ(Zahlenstatistik(m, 5, true),
              Text(S("5|3 mal|0,8|2,2|2000-052, vor 1 Runden|2002-001, 04.01.2002"),
                   {S("2002  0x  -"), S("2000  1x  O "), S("2001  1x  O "),
                    S("2000  1x  ") + Vorlauf + S("O- ")}));
}

TEST(Verteilung, LinesOfSmallAndLargeArchives)
{
    const QStringList mit = Zeilen(Verteilung(EinJahr(), true));   // against 7 * 3 / 45
    const QStringList ohne = Zeilen(Verteilung(EinJahr(), false)); // against 6 * 3 / 45
    // Odd draws hold 1..6 with Zusatzzahl 7, even draws 8..13 with 14.
    const QStringList hundert =
        Zeilen(Verteilung(Archiv({"01020304050607", "08091011121314"}, 50), true));
    const QStringList viele =
        Zeilen(Verteilung(Archiv({"01020304050607", "08091011121314"}, 125), true));
    // A number twice in one draw; fields outside 1..45 (against 14 / 45 and 7 / 45).
    const QStringList zweimal =
        Zeilen(Verteilung(Archiv({"01020304050606", "01020304050708"}), true));
    const QStringList keine = Zeilen(Verteilung(Archiv({"00  4699010203"}), true));
    const QString nie = QString(100, QLatin1Char('-')) + QLatin1Char(' ');
    const struct {
        const QStringList &zeilen;
        int zeile;
        const char *anfang;
        QString rest;
    } faelle[] = {
        {mit, 0, "Zahl VzD Runde 2001-003 bis 2001-001 (die letzten 3 Runden)", {}},
        {mit, 1, "01   1,5 O-O ", {}},
        {mit, 7, "07   1,5 -OO ", {}},
        {ohne, 13, "13   -,4 --- ", {}},
        {hundert, 0, "Zahl VzD Runde 2000-100 bis 2000-001 (die letzten 100 Runden)", {}},
        {hundert, 1, "01  34,4 ", S("-O").repeated(50) + QLatin1Char(' ')},
        {hundert, 15, "15 -15,6 ", nie},
        {hundert, 46, "", {}},
        {viele, 0, "Zahl VzD Runde 2002-050 bis 2001-051 (die letzten 100 Runden)", {}},
        {viele, 7, "07  86,1 ", S("-O").repeated(50) + QLatin1Char(' ')},
        {viele, 45, "45 -38,9 ", nie},
        {zweimal, 6, "06   1,7 -O ", {}},
        {zweimal, 7, "07    ,7 O- ", {}},
        {keine, 1, "01    ,8 O ", {}},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(f.zeilen.value(f.zeile), QLatin1String(f.anfang) + f.rest) << f.anfang;
}
