#include "Tipcheck.h"

#include <gtest/gtest.h>

namespace {

// Numbers 03 11 17 26 33 41, Zusatzzahl 07, Joker 123456.
const Ziehungssatz Ziehung(QStringLiteral("07.01.2001002031117263341071234") +
                           QStringLiteral("56"));
const Ziehungssatz OhneJoker(QStringLiteral("07.01.2001002031117263341") +
                             QStringLiteral("07      "));

// Ten units per character, so that widths are easy to work out.
double Breite(const QString &text)
{
    return 10.0 * text.size();
}

Tipcheck::Ergebnis Pruefen(const Ziehungssatz &ziehung, const QStringList &zeilen,
                           double grenze = 1000)
{
    return Tipcheck::TipsPruefen(ziehung, QStringList{QString()} + zeilen, grenze, Breite);
}

QString Spalte(const QString &kopf, const QStringList &zeilen)
{
    QString text = kopf + QStringLiteral("\r\n");
    for (const QString &zeile : zeilen)
        text += zeile + QStringLiteral("\r\n");
    return text;
}

struct EinTip {
    const char *fall;
    QString zeile;
    QString name;   // column 0, empty when the tip does not win
    QString zahlen; // column 1
    QString gewinn; // column 2
};

// Cases are named by their `fall` in test output.
void PrintTo(const EinTip &fall, std::ostream *os)
{
    *os << fall.fall;
}

class EinzelnerTip : public ::testing::TestWithParam<EinTip> {};

TEST_P(EinzelnerTip, ShowsItsClassOrNoWin)
{
    const EinTip &fall = GetParam();
    const auto ergebnis = Pruefen(Ziehung, {fall.zeile});
    if (fall.name.isEmpty()) {
        EXPECT_FALSE(ergebnis.Gewonnen);
        EXPECT_EQ(ergebnis.GewinnSpalten[0], QStringLiteral("KEIN GEWINN"));
        EXPECT_EQ(ergebnis.GewinnSpalten[1], QString());
        EXPECT_EQ(ergebnis.GewinnSpalten[2], QString());
        return;
    }
    EXPECT_TRUE(ergebnis.Gewonnen);
    EXPECT_EQ(ergebnis.GewinnSpalten[0], Spalte(QStringLiteral("TIPNAME"), {fall.name}));
    EXPECT_EQ(ergebnis.GewinnSpalten[1], Spalte(QStringLiteral("TIPZAHLEN"), {fall.zahlen}));
    EXPECT_EQ(ergebnis.GewinnSpalten[2], Spalte(QStringLiteral("GEWINN"), {fall.gewinn}));
}

const QString Kein;

INSTANTIATE_TEST_SUITE_P(
    Tipcheck, EinzelnerTip,
    ::testing::Values(
        EinTip{"TwoHitsDoNotWin", QStringLiteral("Zahlentip=03,11,20,21,22,23Anna"), Kein, Kein,
               Kein},
        EinTip{"ThreeHits", QStringLiteral("Zahlentip=03,11,17,21,22,23Anna"),
               QStringLiteral("Z: Anna"), QStringLiteral("03,11,17,21,22,23"),
               QStringLiteral("3er")},
        EinTip{"ThreeHitsWithZusatzzahl", QStringLiteral("Zahlentip=03,11,17,07,22,23Anna"),
               QStringLiteral("Z: Anna"), QStringLiteral("03,11,17,07,22,23"),
               QStringLiteral("3er")},
        EinTip{"FourHitsWithZusatzzahl", QStringLiteral("Zahlentip=03,11,17,26,07,23Anna"),
               QStringLiteral("Z: Anna"), QStringLiteral("03,11,17,26,07,23"),
               QStringLiteral("4er")},
        EinTip{"FiveHits", QStringLiteral("Zahlentip=03,11,17,26,33,23Anna"),
               QStringLiteral("Z: Anna"), QStringLiteral("03,11,17,26,33,23"),
               QStringLiteral("5er")},
        EinTip{"FiveHitsWithZusatzzahl", QStringLiteral("Zahlentip=03,11,17,26,33,07Anna"),
               QStringLiteral("Z: Anna"), QStringLiteral("03,11,17,26,33,07"),
               QStringLiteral("5er+ZZ")},
        EinTip{"SixHits", QStringLiteral("Zahlentip=41,33,26,17,11,03Anna"),
               QStringLiteral("Z: Anna"), QStringLiteral("41,33,26,17,11,03"),
               QStringLiteral("6er")},
        EinTip{"BlankForLeadingZeroIsNoHit", QStringLiteral("Zahlentip= 3,11,17,26,22,23Bea"),
               QStringLiteral("Z: Bea"), QStringLiteral(" 3,11,17,26,22,23"),
               QStringLiteral("3er")},
        EinTip{"BlankForLeadingZeroLeavesTwoHits", QStringLiteral("Zahlentip= 3,11,17,20,21,22Bea"),
               Kein, Kein, Kein},
        EinTip{"NumbersKeyInCapitals", QStringLiteral("ZAHLENTIP=03,11,17,21,22,23Anna"),
               QStringLiteral("Z: Anna"), QStringLiteral("03,11,17,21,22,23"),
               QStringLiteral("3er")},
        EinTip{"ShortLineHasEmptyName", QStringLiteral("Zahlentip=03,11,17"), QStringLiteral("Z: "),
               QStringLiteral("03,11,17"), QStringLiteral("3er")},
        EinTip{"JokerLastDigitOnlyDoesNotWin", QStringLiteral("Jokertip=999996Jo"), Kein, Kein,
               Kein},
        EinTip{"JokerTwoDigits", QStringLiteral("Jokertip=999956Jo"), QStringLiteral("J: Jo"),
               QStringLiteral("999956"), QStringLiteral("100,-")},
        EinTip{"JokerThreeDigits", QStringLiteral("Jokertip=999456Jo"), QStringLiteral("J: Jo"),
               QStringLiteral("999456"), QStringLiteral("1.000,-")},
        EinTip{"JokerFourDigits", QStringLiteral("Jokertip=993456Jo"), QStringLiteral("J: Jo"),
               QStringLiteral("993456"), QStringLiteral("10.000,-")},
        EinTip{"JokerFiveDigits", QStringLiteral("Jokertip=923456Jo"), QStringLiteral("J: Jo"),
               QStringLiteral("923456"), QStringLiteral("100.000,-")},
        EinTip{"JokerAllSix", QStringLiteral("Jokertip=123456Jo"), QStringLiteral("J: Jo"),
               QStringLiteral("123456"), QStringLiteral("Joker")},
        EinTip{"JokerKeyInCapitals", QStringLiteral("JOKERTIP=123456Jo"), QStringLiteral("J: Jo"),
               QStringLiteral("123456"), QStringLiteral("Joker")},
        EinTip{"OtherLinesArePassedOver", QStringLiteral("Name=03,11,17,26,33,41"), Kein, Kein,
               Kein}),
    [](const auto &info) { return std::string(info.param.fall); });

TEST(Tipcheck, NoTipLinesShowNoWin)
{
    const auto ergebnis = Pruefen(Ziehung, {});
    EXPECT_FALSE(ergebnis.Gewonnen);
    EXPECT_EQ(ergebnis.GewinnSpalten,
              (std::array<QString, 3>{QStringLiteral("KEIN GEWINN"), QString(), QString()}));
}

TEST(Tipcheck, DrawWithoutJokerLetsNoJokerTipWin)
{
    const auto ergebnis =
        Pruefen(OhneJoker, {QStringLiteral("Jokertip=123456A"), QStringLiteral("Jokertip=      B"),
                            QStringLiteral("Jokertip=")});
    EXPECT_FALSE(ergebnis.Gewonnen);
}

TEST(Tipcheck, WinningTipsKeepFileOrderAndAlignedColumns)
{
    const auto ergebnis =
        Pruefen(Ziehung, {QStringLiteral("Jokertip=000056Erst"),
                          QStringLiteral("Zahlentip=01,02,04,05,06,08Nie"),
                          QStringLiteral("zahlentip=03,11,17,26,01,02Dann"),
                          QStringLiteral("[Abschnitt]"), QStringLiteral("jokertip=123456Zuletzt")});
    EXPECT_TRUE(ergebnis.Gewonnen);
    EXPECT_EQ(
        ergebnis.GewinnSpalten[0],
        Spalte(QStringLiteral("TIPNAME"), {QStringLiteral("J: Erst"), QStringLiteral("Z: Dann"),
                                           QStringLiteral("J: Zuletzt")}));
    EXPECT_EQ(ergebnis.GewinnSpalten[1],
              Spalte(QStringLiteral("TIPZAHLEN"),
                     {QStringLiteral("000056"), QStringLiteral("03,11,17,26,01,02"),
                      QStringLiteral("123456")}));
    EXPECT_EQ(ergebnis.GewinnSpalten[2],
              Spalte(QStringLiteral("GEWINN"),
                     {QStringLiteral("100,-"), QStringLiteral("4er"), QStringLiteral("Joker")}));
}

TEST(Tipcheck, LongNameIsCutBelowTheLimit)
{
    // 13 characters are 130 > 122.4; "Z: Abcdef..." is 12 characters, 120 < 122.4.
    EXPECT_EQ(Tipcheck::NamePassen(QStringLiteral("Z: Abcdefghij"), 122.4, Breite),
              QStringLiteral("Z: Abcdef..."));
    // With a limit of 120, a width of 120 is not below it: one more goes.
    EXPECT_EQ(Tipcheck::NamePassen(QStringLiteral("Z: Abcdefghij"), 120, Breite),
              QStringLiteral("Z: Abcde..."));
}

TEST(Tipcheck, NameExactlyAtTheLimitStaysWhole)
{
    EXPECT_EQ(Tipcheck::NamePassen(QStringLiteral("Z: Abcdefghi"), 120, Breite),
              QStringLiteral("Z: Abcdefghi"));
}

TEST(Tipcheck, FittingEndsEvenWhenNothingFits)
{
    EXPECT_EQ(Tipcheck::NamePassen(QStringLiteral("J: Name"), 5, Breite), QStringLiteral("..."));
}

TEST(Tipcheck, WinningNamesAreFittedInTheFirstColumn)
{
    const auto ergebnis =
        Pruefen(Ziehung, {QStringLiteral("Jokertip=123456Abcdefghijklmno")}, 122.4);
    EXPECT_EQ(ergebnis.GewinnSpalten[0],
              Spalte(QStringLiteral("TIPNAME"), {QStringLiteral("J: Abcdef...")}));
}

} // namespace
