#include "Modul1.h"
#include "Testhilfe.h"

class Dateien : public ::testing::Test, public Umgebung {};

// Draws survive writing and reading; a bad file or a record outside the encoding leaves the
// archive in memory or the old file as it was.
TEST_F(Dateien, DrawFileIsReadWholeAndRewrittenWholeOrNotAtAll)
{
    Dazu(m, "03111726334107123456");
    Dazu(m, "01020304050607", 19);
    ASSERT_TRUE(m.ZiehungenSchreiben().ok);
    const QByteArray vorher = Datei("ziehbuch.dat");
    Modul1 gelesen;
    gelesen.ProgrammPfad = ordner.Pfad();
    ASSERT_TRUE(gelesen.ZiehungenLesen().ok());
    EXPECT_EQ(gelesen.Ziehungen, m.Ziehungen);

    Dazu(m, "01.01.222200101020304050607123456");
    EXPECT_FALSE(m.ZiehungenSchreiben().ok);
    EXPECT_EQ(Datei("ziehbuch.dat"), vorher);

    Lege("ziehbuch.dat", "kaputt\r\n");
    const auto ergebnis = gelesen.ZiehungenLesen();
    EXPECT_TRUE(ergebnis.art == Leseergebnis::Art::Fehlerhaft && ergebnis.zeile == 1);
    EXPECT_EQ(gelesen.AnzahlZiehungen(), 20);
}

// A line read may end in CR LF, CR or LF and is written back ending in CR LF; an empty line
// stays empty, and an empty file stays empty; umlauts and the euro sign are written back as they
// were read, and a character outside the code page refuses the write.
TEST_F(Dateien, SettingsLinesAreReadInAnyLineEndAndWrittenBackInCrLfWithTheirCharacters)
{
    const struct {
        QByteArray datei;
        const char *zeilen;
        QByteArray zurueck; // null: as read
    } faelle[] = {{"a\r\nb\rc\nd", "|a|b|c|d", "a\r\nb\r\nc\r\nd\r\n"},
                  {"\r\nJokertip=123456A\r\n", "||Jokertip=123456A", {}},
                  {"", "", {}},
                  {"Zahlentip=01M\xfcller\r\nJokertip=123456Gl\xfc"
                   "ck \x80\r\n",
                   "|Zahlentip=01Müller|Jokertip=123456Glück €",
                   {}}};
    for (const auto &f : faelle) {
        Lege("ziehbuch.ini", f.datei);
        ASSERT_TRUE(m.IniLesen().ok);
        EXPECT_EQ(m.IniZeilen, L(f.zeilen));
        ASSERT_TRUE(m.IniSchreiben().ok);
        EXPECT_EQ(Datei("ziehbuch.ini"), f.zurueck.isNull() ? f.datei : f.zurueck);
    }
    m.IniZeilen << S("Jokertip=123456\u4e2d");
    EXPECT_FALSE(m.IniSchreiben().ok);
    EXPECT_EQ(Datei("ziehbuch.ini"), faelle[3].datei);
}
