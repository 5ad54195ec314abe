#include "Tipcheck.h"
#include "Testhilfe.h"

#include <QFontMetricsF>
#include <random>

namespace {

// Numbers 03 11 17 26 33 41, Zusatzzahl 07, Joker 123456.
const Ziehungssatz Ziehung(S("07.01.200100203111726334107123456"));

// Ten units per character, so that widths are easy to work out.
const auto Breite = [](const QString &text) { return 10.0 * text.size(); };

Tipcheck::Ergebnis Pruefen(const QStringList &zeilen, const Ziehungssatz &ziehung = Ziehung)
{
    return Tipcheck::TipsPruefen(ziehung, QStringList{QString()} + zeilen, 1000, Breite);
}

// Each column is a head line and one line per winning tip, all ended by CR LF.
std::array<QString, 3> Spalten(const char *namen, const char *zahlen, const char *gewinne)
{
    const auto spalte = [](const char *kopf, const char *zeilen) {
        return S(kopf) + S("\r\n") + S(zeilen).replace(QLatin1Char(';'), S("\r\n")) + S("\r\n");
    };
    return {spalte("TIPNAME", namen), spalte("TIPZAHLEN", zahlen), spalte("GEWINN", gewinne)};
}

const std::array<QString, 3> KeinGewinn{S("KEIN GEWINN"), QString(), QString()};

TEST(Tipcheck, EachWinningTipShowsItsClassInFileOrder)
{
    const struct {
        const char *zeilen, *namen, *zahlen, *gewinne; // ';' parts lines; namen nullptr: no win
    } faelle[] = {{"", nullptr, "", ""},
                  {"Zahlentip=03,11,20,21,22,23Anna", nullptr, "", ""},
                  {"Zahlentip=03,11,17,21,22,23Anna", "Z: Anna", "03,11,17,21,22,23", "3er"},
                  {"Zahlentip=03,11,17,07,22,23Anna", "Z: Anna", "03,11,17,07,22,23", "3er"},
                  {"Zahlentip=03,11,17,26,07,23Anna", "Z: Anna", "03,11,17,26,07,23", "4er"},
                  {"Zahlentip=03,11,17,26,33,23Anna", "Z: Anna", "03,11,17,26,33,23", "5er"},
                  {"Zahlentip=03,11,17,26,33,07Anna", "Z: Anna", "03,11,17,26,33,07", "5er+ZZ"},
                  {"Zahlentip=41,33,26,17,11,03Anna", "Z: Anna", "41,33,26,17,11,03", "6er"},
                  {"Zahlentip= 3,11,17,26,22,23Bea", "Z: Bea", " 3,11,17,26,22,23", "3er"},
                  {"ZAHLENTIP=03,11,17,21,22,23Anna", "Z: Anna", "03,11,17,21,22,23", "3er"},
                  {"Zahlentip=03,11,17", "Z: ", "03,11,17", "3er"},
                  {"Jokertip=999996Jo", nullptr, "", ""},
                  {"Jokertip=999956Jo", "J: Jo", "999956", "100,-"},
                  {"Jokertip=999456Jo", "J: Jo", "999456", "1.000,-"},
                  {"Jokertip=993456Jo", "J: Jo", "993456", "10.000,-"},
                  {"Jokertip=923456Jo", "J: Jo", "923456", "100.000,-"},
                  {"Jokertip=123456Jo", "J: Jo", "123456", "Joker"},
                  {"JOKERTIP=123456Jo", "J: Jo", "123456", "Joker"},
                  {"Name=03,11,17,26,33,41", nullptr, "", ""},
                  {"Jokertip=000056Erst;Zahlentip=01,02,04,05,06,08Nie;[Abschnitt];"
                   "zahlentip=03,11,17,26,01,02Dann;jokertip=123456Zuletzt",
                   "J: Erst;Z: Dann;J: Zuletzt", "000056;03,11,17,26,01,02;123456",
                   "100,-;4er;Joker"}};
    for (const auto &fall : faelle) {
        const auto ergebnis = Pruefen(S(fall.zeilen).split(QLatin1Char(';'), Qt::SkipEmptyParts));
        EXPECT_EQ(ergebnis.Gewonnen, fall.namen != nullptr) << fall.zeilen;
        EXPECT_EQ(ergebnis.GewinnSpalten,
                  fall.namen ? Spalten(fall.namen, fall.zahlen, fall.gewinne) : KeinGewinn)
            << fall.zeilen;
    }
}

TEST(Tipcheck, NoJokerTipWinsAgainstADrawWithoutJoker)
{
    const Ziehungssatz ohneJoker(S("07.01.200100203111726334107      "));
    EXPECT_FALSE(Pruefen({S("Jokertip=123456A"), S("Jokertip=      B"), S("Jokertip=")}, ohneJoker)
                     .Gewonnen);
}

TEST(Tipcheck, NameIsCutBelowTheLimitOrKeptWholeWhenItFits)
{
    const struct {
        const char *name;
        double grenze;
        const char *erwartet;
    } faelle[] = {{"Z: Abcdefghij", 122.4, "Z: Abcdef..."}, // 120 is below 122.4
                  {"Z: Abcdefghij", 120, "Z: Abcde..."},    // 120 is not below 120
                  {"Z: Abcdefghi", 120, "Z: Abcdefghi"},
                  {"J: Name", 5, "..."}};
    for (const auto &fall : faelle)
        EXPECT_EQ(Tipcheck::NamePassen(S(fall.name), fall.grenze, Breite), S(fall.erwartet))
            << fall.name << " " << fall.grenze;
}

// What the fitting must give: the last character removed while the name and "..." do not
// stay below the limit.
QString ZeichenweisePassen(QString t, double grenze, const Tipcheck::Textbreite &breite)
{
    if (breite(t) <= grenze)
        return t;
    while (!t.isEmpty() && breite(t + S("...")) >= grenze)
        t.chop(t.size() >= 2 && t.back().isLowSurrogate() ? 2 : 1);
    return t + S("...");
}

TEST(Tipcheck, NameIsCutAsRemovingACharacterAtATimeCutsIt)
{
    QFont schrift(S("Liberation Sans"));
    schrift.setPointSizeF(8.25);
    const QFontMetricsF masse(schrift);
    const auto breite = [&](const QString &t) { return masse.horizontalAdvance(t); };
    const QStringList zeichen = L("W|M|m|w|i|I|l|1|.|,|j| |ä|ö|ü|Ä|Ö|Ü|ß|€|𝄞");
    std::mt19937 zufall(13);
    for (int n = 0; n < 100; ++n) {
        QString name = S(n % 2 ? "Z: " : "J: ");
        for (auto k = zufall() % 201; k > 0; --k)
            name += zeichen.at(zufall() % zeichen.size());
        for (const double grenze : {20.0, 122.4, 500.0})
            EXPECT_EQ(Tipcheck::NamePassen(name, grenze, breite),
                      ZeichenweisePassen(name, grenze, breite))
                << grenze;
    }
}

} // namespace
