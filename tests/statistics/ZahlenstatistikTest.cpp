#include "Zahlenstatistik.h"
#include "ZahlenstatistikArchiv.h"

using namespace zahlenstatistik_test;

namespace {

const QString Vorlauf(36, QLatin1Char(' '));

// Three draws of 2001: 7 is the Zusatzzahl of the first and a number of the second.
Modul1 EinJahr()
{
    Modul1 m;
    m.Ziehungen << Ziehung(QStringLiteral("07.01.2001"), 1, {1, 2, 3, 4, 5, 6}, 7)
                << Ziehung(QStringLiteral("10.01.2001"), 2, {7, 8, 9, 10, 11, 12}, 13)
                << Ziehung(QStringLiteral("14.01.2001"), 3, {20, 21, 22, 23, 24, 25}, 1);
    return m;
}

} // namespace

TEST(Zahlenstatistik, OneYearWithAndWithoutZusatzzahl)
{
    const struct {
        int zahl;
        bool mitZZ;
        const char *gezogen, *durchschnitt, *differenz, *zuletzt, *marken;
    } faelle[] = {
        {7, true, "2", "0,5", "1,5", "2001-002, vor 1 Runden", "OO-"},
        {7, false, "1", "0,4", "0,6", "2001-002, vor 1 Runden", "-O-"},
        {1, true, "2", "0,5", "1,5", "2001-003, vor 0 Runden", "O-O"}, // newest draw holds it
        {45, true, "0", "0,5", "-0,5", "noch nie", "---"},
    };
    for (const auto &f : faelle) {
        const QString erwartet =
            QStringLiteral("Zahl:            %1\r\nGezogen:         %2 mal\r\n"
                           "Durchschnitt:    %3\r\nDifferenz:       %4\r\n"
                           "Zuletzt gezogen: %5\r\nLetzte Eingabe:  2001-003, 14.01.2001\r\n"
                           "\r\nVerteilung:\r\n2001  %2x  ")
                .arg(QString::number(f.zahl), QLatin1String(f.gezogen),
                     QLatin1String(f.durchschnitt), QLatin1String(f.differenz),
                     QLatin1String(f.zuletzt)) +
            Vorlauf + QLatin1String(f.marken) + QStringLiteral("\r\n");
        EXPECT_EQ(Zahlenstatistik(EinJahr(), f.zahl, f.mitZZ), erwartet) << f.zahl << f.mitZZ;
    }
}

TEST(Zahlenstatistik, YearsNewestFirstAndAYearOutOfOrderGetsARowPerRun)
{
    Modul1 m;
    m.Ziehungen << Ziehung(QStringLiteral("02.12.2000"), 50, {5, 10, 15, 20, 25, 30}, 31)
                << Ziehung(QStringLiteral("06.12.2000"), 51, {1, 2, 3, 4, 6, 7}, 8)
                << Ziehung(QStringLiteral("03.01.2001"), 1, {1, 2, 3, 4, 5, 6}, 7)
                << Ziehung(QStringLiteral("09.12.2000"), 52, {5, 40, 41, 42, 43, 44}, 45)
                << Ziehung(QStringLiteral("04.01.2002"), 1, {11, 12, 13, 14, 15, 16}, 17);
    const QString erwartet = QStringLiteral("Zahl:            5\r\n"
                                            "Gezogen:         3 mal\r\n"
                                            "Durchschnitt:    0,8\r\n"
                                            "Differenz:       2,2\r\n"
                                            "Zuletzt gezogen: 2000-052, vor 1 Runden\r\n"
                                            "Letzte Eingabe:  2002-001, 04.01.2002\r\n"
                                            "\r\n"
                                            "Verteilung:\r\n"
                                            "2002  0x  -\r\n"
                                            "2000  1x  O \r\n"
                                            "2001  1x  O \r\n"
                                            "2000  1x  ") +
                             Vorlauf + QStringLiteral("O- \r\n");
    EXPECT_EQ(Zahlenstatistik(m, 5, true), erwartet);
}

TEST(Zahlenstatistik, YearCountsFillThreeCharacters)
{
    Modul1 m;
    for (int runde = 1; runde <= 105; ++runde)
        m.Ziehungen << Ziehung(QStringLiteral("01.01.2000"), runde, {9, 10, 11, 12, 13, 14}, 15);
    for (int runde = 1; runde <= 7; ++runde)
        m.Ziehungen << Ziehung(QStringLiteral("01.01.2001"), runde, {1, 9, 20, 30, 40, 44}, 2);
    const QStringList zeilen = Zeilen(Zahlenstatistik(m, 9, false));
    ASSERT_EQ(zeilen.size(), 10);
    EXPECT_EQ(zeilen.at(2), QStringLiteral("Durchschnitt:    14,9")); // 112 * 6 / 45 = 14.93
    EXPECT_EQ(zeilen.at(3), QStringLiteral("Differenz:       97,1"));
    EXPECT_EQ(zeilen.at(8), QStringLiteral("2001  7x  OOOOOOO"));
    EXPECT_EQ(zeilen.at(9), QStringLiteral("2000105x  ") + Vorlauf +
                                QString(105, QLatin1Char('O')) + QLatin1Char(' '));
}

TEST(Zahlenstatistik, FieldsOutsideOneToFortyFiveCountForNoNumber)
{
    // Numbers 00, blank, 46, 99, 1, 2 and Zusatzzahl 3.
    const Modul1 m = Archiv({"00  4699010203"});
    EXPECT_EQ(Zeilen(Zahlenstatistik(m, 1, true)).at(1), QStringLiteral("Gezogen:         1 mal"));
    const QStringList verteilung = Zeilen(Verteilung(m, true)); // against 7 / 45 = 0.16
    ASSERT_EQ(verteilung.size(), 46);
    EXPECT_EQ(verteilung.at(1), QStringLiteral("01    ,8 O "));
    EXPECT_EQ(verteilung.at(45), QStringLiteral("45   -,2 - "));
}

TEST(Verteilung, SmallArchiveHeadingNamesTheOldestRoundAndCount)
{
    const QStringList mit = Zeilen(Verteilung(EinJahr(), true)); // against 0.47
    ASSERT_EQ(mit.size(), 46);
    EXPECT_EQ(mit.at(0),
              QStringLiteral("Zahl VzD Runde 2001-003 bis 2001-001 (die letzten 3 Runden)"));
    EXPECT_EQ(mit.at(1), QStringLiteral("01   1,5 O-O "));
    EXPECT_EQ(mit.at(7), QStringLiteral("07   1,5 -OO "));
    EXPECT_EQ(mit.at(13), QStringLiteral("13    ,5 -O- "));
    EXPECT_EQ(mit.at(45), QStringLiteral("45   -,5 --- "));
    const QStringList ohne = Zeilen(Verteilung(EinJahr(), false)); // against 0.4
    EXPECT_EQ(ohne.at(1), QStringLiteral("01    ,6 --O "));
    EXPECT_EQ(ohne.at(7), QStringLiteral("07    ,6 -O- "));
    EXPECT_EQ(ohne.at(13), QStringLiteral("13   -,4 --- "));
}

TEST(Verteilung, CountsAllDrawsButMarksTheNewestHundred)
{
    const QString nie = QString(100, QLatin1Char('-')) + QLatin1Char(' ');
    const QStringList hundert = Zeilen(Verteilung(Wechselarchiv(100), true)); // 50 against 15.56
    ASSERT_EQ(hundert.size(), 46);
    EXPECT_EQ(hundert.at(0),
              QStringLiteral("Zahl VzD Runde 2000-100 bis 2000-001 (die letzten 100 Runden)"));
    EXPECT_EQ(hundert.at(1),
              QStringLiteral("01  34,4 ") + QStringLiteral("-O").repeated(50) + QLatin1Char(' '));
    EXPECT_EQ(hundert.at(14),
              QStringLiteral("14  34,4 ") + QStringLiteral("O-").repeated(50) + QLatin1Char(' '));
    EXPECT_EQ(hundert.at(15), QStringLiteral("15 -15,6 ") + nie);

    const QStringList viele = Zeilen(Verteilung(Wechselarchiv(250), true)); // 125 against 38.89
    ASSERT_EQ(viele.size(), 46);
    EXPECT_EQ(viele.at(0),
              QStringLiteral("Zahl VzD Runde 2002-050 bis 2001-051 (die letzten 100 Runden)"));
    EXPECT_EQ(viele.at(7),
              QStringLiteral("07  86,1 ") + QStringLiteral("-O").repeated(50) + QLatin1Char(' '));
    EXPECT_EQ(viele.at(45), QStringLiteral("45 -38,9 ") + nie);
}

TEST(Verteilung, DeviationsNearZeroHaveNoSign)
{
    // {draws, draws holding the number, number, expected start of its line}
    const struct {
        int ziehungen, treffer, zahl;
        const char *zeile;
    } faelle[] = {
        {19, 3, 1, "01    ,0"},      // 3 against 2.956
        {26, 4, 1, "01    ,0"},      // 4 against 4.044
        {1500, 220, 45, "45 -13,3"}, // 220 against 233.33
    };
    for (const auto &f : faelle) {
        Modul1 m;
        for (int i = 1; i <= f.ziehungen; ++i)
            m.Ziehungen << Erzeugt(i, {i <= f.treffer ? f.zahl : 2, 10, 11, 12, 13, 14}, 15);
        EXPECT_EQ(Zeilen(Verteilung(m, true)).at(f.zahl).left(8), QLatin1String(f.zeile))
            << f.ziehungen;
    }
}

TEST(Verteilung, ADrawHoldingANumberTwiceMarksItOnce)
{
    Modul1 m;
    m.Ziehungen << Ziehung(QStringLiteral("01.01.2000"), 1, {1, 2, 3, 4, 5, 6}, 6)
                << Ziehung(QStringLiteral("05.01.2000"), 2, {1, 2, 3, 4, 5, 7}, 8);
    const QStringList zeilen = Zeilen(Verteilung(m, true)); // against 14 / 45 = 0.31
    EXPECT_EQ(zeilen.at(6), QStringLiteral("06   1,7 -O "));
    EXPECT_EQ(zeilen.at(7), QStringLiteral("07    ,7 O- "));
}
