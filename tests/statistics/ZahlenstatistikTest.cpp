#include "Zahlenstatistik.h"
#include "ZahlenstatistikArchiv.h"

#include <gtest/gtest.h>

using namespace zahlenstatistik_test;

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString Vorlauf(36, QLatin1Char(' '));

QString Wiederholt(const QString &stueck, int mal)
{
    QString text;
    for (int k = 0; k < mal; ++k)
        text += stueck;
    return text;
}

QStringList Zeilen(const QString &text)
{
    EXPECT_TRUE(text.endsWith(CRLF));
    QStringList zeilen = text.split(CRLF);
    zeilen.removeLast();
    return zeilen;
}

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

TEST(Zahlenstatistik, OneYearWithZusatzzahlCountsItAndMarksIt)
{
    const QString erwartet = QStringLiteral("Zahl:            7\r\n"
                                            "Gezogen:         2 mal\r\n"
                                            "Durchschnitt:    0,5\r\n"
                                            "Differenz:       1,5\r\n"
                                            "Zuletzt gezogen: 2001-002, vor 1 Runden\r\n"
                                            "Letzte Eingabe:  2001-003, 14.01.2001\r\n"
                                            "\r\n"
                                            "Verteilung:\r\n"
                                            "2001  2x  ") +
                             Vorlauf + QStringLiteral("OO-\r\n");
    EXPECT_EQ(Zahlenstatistik(EinJahr(), 7, true), erwartet);
}

TEST(Zahlenstatistik, OneYearWithoutZusatzzahlIgnoresIt)
{
    const QString erwartet = QStringLiteral("Zahl:            7\r\n"
                                            "Gezogen:         1 mal\r\n"
                                            "Durchschnitt:    0,4\r\n"
                                            "Differenz:       0,6\r\n"
                                            "Zuletzt gezogen: 2001-002, vor 1 Runden\r\n"
                                            "Letzte Eingabe:  2001-003, 14.01.2001\r\n"
                                            "\r\n"
                                            "Verteilung:\r\n"
                                            "2001  1x  ") +
                             Vorlauf + QStringLiteral("-O-\r\n");
    EXPECT_EQ(Zahlenstatistik(EinJahr(), 7, false), erwartet);
}

TEST(Zahlenstatistik, NewestDrawHoldingTheNumberIsZeroRoundsAgo)
{
    // 1 is the Zusatzzahl of the newest draw.
    const QStringList zeilen = Zeilen(Zahlenstatistik(EinJahr(), 1, true));
    EXPECT_EQ(zeilen.at(4), QStringLiteral("Zuletzt gezogen: 2001-003, vor 0 Runden"));
    EXPECT_EQ(zeilen.at(8), QStringLiteral("2001  2x  ") + Vorlauf + QStringLiteral("O-O"));
}

TEST(Zahlenstatistik, NumberNeverDrawnSaysNochNie)
{
    const QStringList zeilen = Zeilen(Zahlenstatistik(EinJahr(), 45, true));
    EXPECT_EQ(zeilen.at(1), QStringLiteral("Gezogen:         0 mal"));
    EXPECT_EQ(zeilen.at(3), QStringLiteral("Differenz:       -0,5"));
    EXPECT_EQ(zeilen.at(4), QStringLiteral("Zuletzt gezogen: noch nie"));
    EXPECT_EQ(zeilen.at(8), QStringLiteral("2001  0x  ") + Vorlauf + QStringLiteral("---"));
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
    EXPECT_EQ(zeilen.at(1), QStringLiteral("Gezogen:         112 mal"));
    EXPECT_EQ(zeilen.at(2), QStringLiteral("Durchschnitt:    14,9")); // 112 * 6 / 45 = 14.93
    EXPECT_EQ(zeilen.at(3), QStringLiteral("Differenz:       97,1"));
    EXPECT_EQ(zeilen.at(8), QStringLiteral("2001  7x  OOOOOOO"));
    EXPECT_EQ(zeilen.at(9), QStringLiteral("2000105x  ") + Vorlauf +
                                QString(105, QLatin1Char('O')) + QLatin1Char(' '));
}

TEST(Zahlenstatistik, ExpectationFollowsTheZusatzzahlSwitch)
{
    const Modul1 m = Wechselarchiv(1500);
    EXPECT_EQ(Zeilen(Zahlenstatistik(m, 1, true)).at(2), QStringLiteral("Durchschnitt:    233,3"));
    EXPECT_EQ(Zeilen(Zahlenstatistik(m, 1, false)).at(2), QStringLiteral("Durchschnitt:    200,0"));
}

TEST(Zahlenstatistik, FieldsOutsideOneToFortyFiveCountForNoNumber)
{
    Modul1 m;
    // Numbers 00, blank, 46, 99, 1, 2 and Zusatzzahl 3.
    m.Ziehungen << Ziehungssatz(QStringLiteral("01.01.2000001") + QStringLiteral("00  46990102") +
                                QStringLiteral("03") + QStringLiteral("      "));
    ASSERT_EQ(m.Ziehungen.at(1).text().size(), Ziehungssatz::Laenge);
    EXPECT_EQ(Zeilen(Zahlenstatistik(m, 1, true)).at(1), QStringLiteral("Gezogen:         1 mal"));
    // Against 7 / 45 = 0.16.
    const QStringList verteilung = Zeilen(Verteilung(m, true));
    ASSERT_EQ(verteilung.size(), 46);
    EXPECT_EQ(verteilung.at(1), QStringLiteral("01    ,8 O "));
    EXPECT_EQ(verteilung.at(45), QStringLiteral("45   -,2 - "));
}

TEST(GewaehlteZahl, AcceptsOnlyWholeNumbersOneToFortyFive)
{
    const struct {
        const char *text;
        std::optional<int> zahl;
    } faelle[] = {
        {"45", 45},
        {"7", 7},
        {"07", 7},
        {" 7", 7},
        {"1", 1},
        {"46", std::nullopt},
        {"0", std::nullopt},
        {"", std::nullopt},
        {"x", std::nullopt},
        {"-1", std::nullopt},
        {".5", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto &fall : faelle)
        EXPECT_EQ(GewaehlteZahl(QString::fromLatin1(fall.text)), fall.zahl) << fall.text;
}

TEST(Verteilung, SmallArchiveHeadingNamesTheOldestRoundAndCount)
{
    const QStringList zeilen = Zeilen(Verteilung(EinJahr(), true));
    ASSERT_EQ(zeilen.size(), 46);
    EXPECT_EQ(zeilen.at(0),
              QStringLiteral("Zahl VzD Runde 2001-003 bis 2001-001 (die letzten 3 Runden)"));
    // Expectation 3 * 7 / 45 = 0.47; newest draw first in the marks.
    EXPECT_EQ(zeilen.at(1), QStringLiteral("01   1,5 O-O "));
    EXPECT_EQ(zeilen.at(2), QStringLiteral("02    ,5 --O "));
    EXPECT_EQ(zeilen.at(7), QStringLiteral("07   1,5 -OO "));
    EXPECT_EQ(zeilen.at(13), QStringLiteral("13    ,5 -O- "));
    EXPECT_EQ(zeilen.at(14), QStringLiteral("14   -,5 --- "));
    EXPECT_EQ(zeilen.at(20), QStringLiteral("20    ,5 O-- "));
    EXPECT_EQ(zeilen.at(45), QStringLiteral("45   -,5 --- "));
}

TEST(Verteilung, WithoutZusatzzahlTheLastFieldIsIgnored)
{
    const QStringList zeilen = Zeilen(Verteilung(EinJahr(), false));
    // Expectation 3 * 6 / 45 = 0.4.
    EXPECT_EQ(zeilen.at(1), QStringLiteral("01    ,6 --O "));
    EXPECT_EQ(zeilen.at(7), QStringLiteral("07    ,6 -O- "));
    EXPECT_EQ(zeilen.at(13), QStringLiteral("13   -,4 --- "));
}

TEST(Verteilung, ExactlyHundredDrawsMarksEveryDraw)
{
    const QStringList zeilen = Zeilen(Verteilung(Wechselarchiv(100), true));
    ASSERT_EQ(zeilen.size(), 46);
    EXPECT_EQ(zeilen.at(0),
              QStringLiteral("Zahl VzD Runde 2000-100 bis 2000-001 (die letzten 100 Runden)"));
    // 50 each for 1..14 against 15.56.
    EXPECT_EQ(zeilen.at(1), QStringLiteral("01  34,4 ") + Wiederholt(QStringLiteral("-O"), 50) +
                                QLatin1Char(' '));
    EXPECT_EQ(zeilen.at(14), QStringLiteral("14  34,4 ") + Wiederholt(QStringLiteral("O-"), 50) +
                                 QLatin1Char(' '));
    EXPECT_EQ(zeilen.at(15),
              QStringLiteral("15 -15,6 ") + QString(100, QLatin1Char('-')) + QLatin1Char(' '));
}

TEST(Verteilung, ManyDrawsCountAllButMarkTheNewestHundred)
{
    const QStringList mit = Zeilen(Verteilung(Wechselarchiv(250), true));
    ASSERT_EQ(mit.size(), 46);
    EXPECT_EQ(mit.at(0),
              QStringLiteral("Zahl VzD Runde 2002-050 bis 2001-051 (die letzten 100 Runden)"));
    // 125 each for 1..14 against 38.89.
    EXPECT_EQ(mit.at(7), QStringLiteral("07  86,1 ") + Wiederholt(QStringLiteral("-O"), 50) +
                             QLatin1Char(' '));
    EXPECT_EQ(mit.at(45),
              QStringLiteral("45 -38,9 ") + QString(100, QLatin1Char('-')) + QLatin1Char(' '));
}

TEST(Verteilung, DeviationsNearZeroAndBelowExpectation)
{
    // 19 draws: expectation 133 / 45 = 2.956, so a count of 3 deviates by +0.044.
    Modul1 neunzehn;
    for (int i = 1; i <= 19; ++i)
        neunzehn.Ziehungen << Erzeugt(i, {i <= 3 ? 1 : 2, 10, 11, 12, 13, 14}, 15);
    EXPECT_EQ(Zeilen(Verteilung(neunzehn, true)).at(1).left(8), QStringLiteral("01    ,0"));

    // 26 draws: expectation 182 / 45 = 4.044, so a count of 4 deviates by -0.044.
    Modul1 sechsundzwanzig;
    for (int i = 1; i <= 26; ++i)
        sechsundzwanzig.Ziehungen << Erzeugt(i, {i <= 4 ? 1 : 2, 10, 11, 12, 13, 14}, 15);
    EXPECT_EQ(Zeilen(Verteilung(sechsundzwanzig, true)).at(1).left(8), QStringLiteral("01    ,0"));

    // 1500 draws: expectation 233.33, a count of 220 deviates by -13.33.
    Modul1 m;
    for (int i = 1; i <= 1500; ++i)
        m.Ziehungen << Erzeugt(i, {i <= 220 ? 45 : 1, 2, 3, 4, 5, 6}, 7);
    EXPECT_EQ(Zeilen(Verteilung(m, true)).at(45).left(8), QStringLiteral("45 -13,3"));
}

TEST(Verteilung, ADrawHoldingANumberTwiceMarksItOnce)
{
    Modul1 m;
    m.Ziehungen << Ziehung(QStringLiteral("01.01.2000"), 1, {1, 2, 3, 4, 5, 6}, 6)
                << Ziehung(QStringLiteral("05.01.2000"), 2, {1, 2, 3, 4, 5, 7}, 8);
    const QStringList zeilen = Zeilen(Verteilung(m, true));
    // 6 counted twice in the oldest draw, against 14 / 45 = 0.31.
    EXPECT_EQ(zeilen.at(6), QStringLiteral("06   1,7 -O "));
    EXPECT_EQ(zeilen.at(7), QStringLiteral("07    ,7 O- "));
}
