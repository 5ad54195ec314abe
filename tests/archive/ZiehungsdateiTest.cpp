#include "Ziehungsdatei.h"
#include "Testhilfe.h"

namespace {

const QByteArray BeispielZeile = QByteArray::fromHex("ebfcfaebfcf4eee5ded6f8f3ddc7");

// The example line, the limits of each field, a draw without Joker; records outside the
// encoding have no line.
TEST(Ziehungszeile, RecordTranslatesToItsLineAndBackOrIsRefused)
{
    const std::pair<const char *, const char *> faelle[] = {
        {"05.03.200002003111726334107123456", "ebfcfaebfcf4eee5ded6f8f3ddc7"},
        {"01.01.198000101020304050607000000", "fffefefefefdfcfbfaf9f8ffffff"},
        {"31.12.223525501020304050607999999", "00f3e000fefdfcfbfaf9f89c9c9c"},
        {"05.03.200002003111726334107      ", "ebfcfaebfcf4eee5ded6f8202020"},
        {"01.01.197900101020304050607123456", ""},
        {"01.01.222200101020304050607123456", ""},
        {"01.01.223600101020304050607123456", ""},
        {"01.01.200024201020304050607123456", ""},
        {"01.01.200025601020304050607123456", ""},
        {"31.02.200000101020304050607123456", ""},
        {"01.01.2000001010203040506071234", ""},
        {"01.01.20000010102030405060x123456", ""},
        {"01.01.200000101020304050607 23456", ""}};
    for (const auto &[satz, zeile] : faelle) {
        const auto geschrieben = Ziehungsdatei::ZeileSchreiben(Ziehungssatz(S(satz)));
        EXPECT_EQ(geschrieben ? geschrieben->toHex() : QByteArray(), QByteArray(zeile)) << satz;
        if (geschrieben) {
            EXPECT_EQ(Ziehungsdatei::ZeileLesen(*geschrieben)->text(), S(satz));
        }
    }
}

TEST(Ziehungsdatei, LoneLineFeedIsDataAndTrailingEmptyLinesArePassedOver)
{
    const Modul1 m = Archiv({"01.01.200024501020304050607123456", "01.01.222500101020304050607"});
    const auto datei = Ziehungsdatei::DateiSchreiben(m.Ziehungen);
    ASSERT_TRUE(datei);
    EXPECT_EQ(datei->size(), 2 * 16);
    for (const QByteArray &inhalt : {*datei, *datei + "\r\n\r\n", datei->chopped(2)}) {
        const auto gelesen = Ziehungsdatei::DateiLesen(inhalt);
        EXPECT_TRUE(gelesen.ergebnis.ok());
        EXPECT_EQ(gelesen.saetze, m.Ziehungen.mid(1));
    }
    EXPECT_TRUE(Ziehungsdatei::DateiLesen(QByteArray()).ergebnis.ok());
}

QByteArray mitByte(int byte, int wert, QByteArray zeile = BeispielZeile)
{
    zeile[byte - 1] = char(wert);
    return zeile + "\r\n";
}

TEST(Ziehungsdatei, BadLineIsReportedWithItsNumber)
{
    const QByteArray gut = BeispielZeile + "\r\n";
    const std::pair<QByteArray, int> faelle[] = {
        {gut + BeispielZeile.left(13) + "\r\n", 2},       // short
        {BeispielZeile + "x\r\n", 1},                     // long
        {gut + "\r\n" + gut, 2},                          // an empty line inside
        {mitByte(5, 150), 1},                             // a number above 99
        {mitByte(13, 100), 1},                            // a Joker pair above 99
        {mitByte(13, 32, mitByte(14, 32).chopped(2)), 1}, // the last two Joker pairs blank
        {mitByte(2, 253, mitByte(3, 225).chopped(2)), 1}, // no calendar date
        {mitByte(4, 13), 1}};                             // a lone CR as the round
    for (const auto &[datei, zeile] : faelle) {
        const auto inhalt = Ziehungsdatei::DateiLesen(datei);
        EXPECT_EQ(inhalt.ergebnis.art, Leseergebnis::Art::Fehlerhaft) << datei.toHex().data();
        EXPECT_EQ(inhalt.ergebnis.zeile, zeile) << datei.toHex().data();
        EXPECT_TRUE(inhalt.saetze.isEmpty());
    }
}

TEST(Ziehungsdatei, MoreThanTheArchiveHoldsIsRefused)
{
    QByteArray datei = (BeispielZeile + "\r\n").repeated(Modul1::MaxZiehungen + 1);
    EXPECT_EQ(Ziehungsdatei::DateiLesen(datei).ergebnis.art, Leseergebnis::Art::ZuViele);
    datei.chop(16);
    EXPECT_EQ(Ziehungsdatei::DateiLesen(datei).saetze.size(), Modul1::MaxZiehungen);
}

} // namespace
