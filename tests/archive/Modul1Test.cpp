#include "Modul1.h"
#include "Testhilfe.h"

namespace {

class Dateien : public ::testing::Test, public Umgebung {};

// Draws survive writing and reading; a bad file, a failed write or a record outside the
// encoding leaves the archive in memory or the old file as it was.
TEST_F(Dateien, DrawFileIsReadWholeAndRewrittenWholeOrNotAtAll)
{
    Dazu(m, "03111726334107123456");
    Dazu(m, "01020304050607", 19);
    ASSERT_TRUE(m.ZiehungenSchreiben().ok);
    const QByteArray vorher = Datei("ziehbuch.dat");
    EXPECT_EQ(vorher.size(), 20 * 16);
    Modul1 gelesen;
    gelesen.ProgrammPfad = ordner.Pfad();
    ASSERT_TRUE(gelesen.ZiehungenLesen().ok());
    EXPECT_EQ(gelesen.Ziehungen, m.Ziehungen);

    Dazu(m, "01020304050607", 8);
    EXPECT_EQ(MitSchreibgrenze(400, [&] { return int(m.ZiehungenSchreiben().grund != ZuGross()); }),
              0);
    m.Ziehungen.resize(21);
    Dazu(m, "01.01.222200101020304050607123456");
    EXPECT_FALSE(m.ZiehungenSchreiben().ok);
    EXPECT_EQ(Datei("ziehbuch.dat"), vorher);

    Lege("ziehbuch.dat", "kaputt\r\n");
    const auto ergebnis = gelesen.ZiehungenLesen();
    EXPECT_TRUE(ergebnis.art == Leseergebnis::Art::Fehlerhaft && ergebnis.zeile == 1);
    EXPECT_EQ(gelesen.AnzahlZiehungen(), 20);
}

TEST_F(Dateien, SettingsWithUmlautsAreWrittenBackByteIdenticalAndForeignCharactersRefused)
{
    const QByteArray datei = "Zahlentip=01,02,03,04,05,06M\xfcller\r\n"
                             "Jokertip=123456Gl\xfc"
                             "ck \x80\r\nirgendwas\r\n";
    Lege("ziehbuch.ini", datei);
    ASSERT_TRUE(m.IniLesen().ok);
    EXPECT_EQ(m.IniZeilen.mid(1, 2), L("Zahlentip=01,02,03,04,05,06Müller|Jokertip=123456Glück €"));
    ASSERT_TRUE(m.IniSchreiben().ok);
    EXPECT_EQ(Datei("ziehbuch.ini"), datei);
    m.IniZeilen << S("Jokertip=123456\u4e2d");
    EXPECT_FALSE(m.IniSchreiben().ok);
    EXPECT_EQ(Datei("ziehbuch.ini"), datei);
}

TEST_F(Dateien, SettingsLinesMayEndInCrLfCrOrLfAndAnEmptyFileStaysEmpty)
{
    Lege("ziehbuch.ini", "a\r\nb\rc\nd");
    ASSERT_TRUE(m.IniLesen().ok);
    EXPECT_EQ(m.IniZeilen, L("|a|b|c|d"));
    Lege("ziehbuch.ini", QByteArray());
    ASSERT_TRUE(m.IniLesen().ok);
    EXPECT_EQ(m.AnzahlIniZeilen(), 0);
    ASSERT_TRUE(m.IniSchreiben().ok);
    EXPECT_TRUE(Datei("ziehbuch.ini").isEmpty());
}

} // namespace
