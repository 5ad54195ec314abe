#include "Ziehungsdatei.h"
#include "Modul1.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> werte)
{
    QByteArray b;
    for (int w : werte)
        b += char(w);
    return b;
}

const QByteArray BeispielZeile =
    bytes({235, 252, 250, 235, 252, 244, 238, 229, 222, 214, 248, 243, 221, 199});
const QString BeispielSatz = QStringLiteral("05.03.200002003111726334107123456");

TEST(Ziehungszeile, ExampleLineAndRecordTranslateBothWays)
{
    EXPECT_EQ(Ziehungsdatei::ZeileLesen(BeispielZeile), Ziehungssatz(BeispielSatz));
    EXPECT_EQ(Ziehungsdatei::ZeileSchreiben(Ziehungssatz(BeispielSatz)), BeispielZeile);
}

TEST(Ziehungszeile, DrawWithoutJokerHasThreeBlanks)
{
    const QByteArray zeile = BeispielZeile.left(11) + "   ";
    const QString satz = BeispielSatz.left(27) + QStringLiteral("      ");
    EXPECT_EQ(Ziehungsdatei::ZeileLesen(zeile)->text(), satz);
    EXPECT_EQ(Ziehungsdatei::ZeileSchreiben(Ziehungssatz(satz)), zeile);
    EXPECT_FALSE(Ziehungssatz(satz).HatJoker());
}

struct Grenzfall {
    const char *satz;
    int byte; // 1-based
    int wert;
};

class Grenzen : public ::testing::TestWithParam<Grenzfall> {};

TEST_P(Grenzen, FieldEncodesToExpectedByteAndBack)
{
    const QString satz = QString::fromLatin1(GetParam().satz);
    const auto zeile = Ziehungsdatei::ZeileSchreiben(Ziehungssatz(satz));
    ASSERT_TRUE(zeile);
    EXPECT_EQ(quint8(zeile->at(GetParam().byte - 1)), GetParam().wert);
    EXPECT_EQ(Ziehungsdatei::ZeileLesen(*zeile)->text(), satz);
}

INSTANTIATE_TEST_SUITE_P(Ziehungszeile, Grenzen,
                         ::testing::Values(Grenzfall{"01.01.198000101020304050607000000", 1, 255},
                                           Grenzfall{"31.12.223525501020304050607999999", 1, 0},
                                           Grenzfall{"01.01.200000101020304050607000000", 12, 255},
                                           Grenzfall{"01.01.200000101020304050607999999", 14, 156},
                                           Grenzfall{"01.01.200024501020304050607123456", 4, 10},
                                           Grenzfall{"01.01.222500101020304050607123456", 1, 10},
                                           Grenzfall{"01.01.200025501020304050607123456", 4, 0}));

TEST(Ziehungszeile, RecordsOutsideTheEncodingAreRefused)
{
    for (const char *satz :
         {"01.01.197900101020304050607123456", "01.01.222200101020304050607123456",
          "01.01.223600101020304050607123456", "01.01.200024201020304050607123456",
          "01.01.200025601020304050607123456", "31.02.200000101020304050607123456",
          "01.01.2000001010203040506071234", "01.01.20000010102030405060x123456",
          "01.01.200000101020304050607 23456"}) {
        EXPECT_FALSE(Ziehungsdatei::ZeileSchreiben(Ziehungssatz(QString::fromLatin1(satz))))
            << satz;
    }
}

TEST(Ziehungsdatei, LoneLineFeedIsDataNotALineEnd)
{
    // A round of 245 is byte 10, a year of 2225 too.
    QList<Ziehungssatz> archiv{Ziehungssatz(),
                               Ziehungssatz(QStringLiteral("01.01.200024501020304050607123456")),
                               Ziehungssatz(QStringLiteral("01.01.222500101020304050607123456"))};
    const auto datei = Ziehungsdatei::DateiSchreiben(archiv);
    ASSERT_TRUE(datei);
    EXPECT_EQ(datei->size(), 2 * 16);
    const auto inhalt = Ziehungsdatei::DateiLesen(*datei);
    ASSERT_TRUE(inhalt.ergebnis.ok());
    ASSERT_EQ(inhalt.saetze.size(), 2);
    EXPECT_EQ(inhalt.saetze[0], archiv[1]);
    EXPECT_EQ(inhalt.saetze[1], archiv[2]);
}

TEST(Ziehungsdatei, TrailingEmptyLinesArePassedOverAndAMissingLastLineEndIsAccepted)
{
    EXPECT_EQ(Ziehungsdatei::DateiLesen(BeispielZeile + "\r\n\r\n\r\n").saetze.size(), 1);
    EXPECT_EQ(Ziehungsdatei::DateiLesen(BeispielZeile).saetze.size(), 1);
    EXPECT_TRUE(Ziehungsdatei::DateiLesen(QByteArray()).ergebnis.ok());
    EXPECT_TRUE(Ziehungsdatei::DateiLesen(QByteArray()).saetze.isEmpty());
}

struct Schadensfall {
    const char *name;
    QByteArray datei;
    int zeile;
};

class Schaden : public ::testing::TestWithParam<Schadensfall> {};

TEST_P(Schaden, BadLineIsReportedWithItsNumber)
{
    const auto inhalt = Ziehungsdatei::DateiLesen(GetParam().datei);
    EXPECT_EQ(inhalt.ergebnis.art, Leseergebnis::Art::Fehlerhaft);
    EXPECT_EQ(inhalt.ergebnis.zeile, GetParam().zeile);
    EXPECT_TRUE(inhalt.saetze.isEmpty());
}

QByteArray mitByte(int byte, int wert)
{
    QByteArray zeile = BeispielZeile;
    zeile[byte - 1] = char(wert);
    return zeile;
}

INSTANTIATE_TEST_SUITE_P(
    Ziehungsdatei, Schaden,
    ::testing::Values(
        Schadensfall{"Short", BeispielZeile + "\r\n" + BeispielZeile.left(13) + "\r\n", 2},
        Schadensfall{"Long", BeispielZeile + "x\r\n", 1},
        Schadensfall{"EmptyLineInside", BeispielZeile + "\r\n\r\n" + BeispielZeile + "\r\n", 2},
        Schadensfall{"NumberAbove99", mitByte(5, 150) + "\r\n", 1},
        Schadensfall{"JokerPairAbove99", mitByte(13, 100) + "\r\n", 1},
        Schadensfall{"JokerHalfBlank", mitByte(13, 32) + "\r\n", 1},
        Schadensfall{"NoCalendarDate", mitByte(3, 255 - 30).replace(1, 1, bytes({253})) + "\r\n",
                     1},
        Schadensfall{"LoneCarriageReturnAsRound", mitByte(4, 13) + "\r\n", 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Ziehungsdatei, MoreThanTheArchiveHoldsIsRefused)
{
    QByteArray datei;
    for (int i = 0; i <= Modul1::MaxZiehungen; ++i)
        datei += BeispielZeile + "\r\n";
    EXPECT_EQ(Ziehungsdatei::DateiLesen(datei).ergebnis.art, Leseergebnis::Art::ZuViele);
    datei.chop(16);
    EXPECT_EQ(Ziehungsdatei::DateiLesen(datei).saetze.size(), Modul1::MaxZiehungen);
}

} // namespace
