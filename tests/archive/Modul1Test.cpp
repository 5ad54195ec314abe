#include "Modul1.h"
#include "QtPrinters.h"
#include "Schreibgrenze.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

Ziehungssatz satz(int tag, int runde)
{
    const QString tt = QStringLiteral("%1").arg(tag, 2, 10, QLatin1Char('0'));
    const QString rrr = QStringLiteral("%1").arg(runde, 3, 10, QLatin1Char('0'));
    return Ziehungssatz(tt + QStringLiteral(".03.2001") + rrr +
                        QStringLiteral("031117263341071234") + tt);
}

class Dateien : public ::testing::Test {
protected:
    void SetUp() override { modul.ProgrammPfad = ordner.Pfad(); }

    TempFolder ordner;
    Modul1 modul;
};

TEST_F(Dateien, DrawsSurviveWritingAndReading)
{
    for (int i = 1; i <= 20; ++i)
        modul.Ziehungen.append(satz(i, i));
    ASSERT_TRUE(modul.ZiehungenSchreiben().ok);
    EXPECT_EQ(ordner.Lesen(QStringLiteral("ziehbuch.dat")).size(), 20 * 16);

    Modul1 gelesen;
    gelesen.ProgrammPfad = ordner.Pfad();
    ASSERT_TRUE(gelesen.ZiehungenLesen().ok());
    EXPECT_EQ(gelesen.AnzahlZiehungen(), 20);
    EXPECT_EQ(gelesen.Ziehungen, modul.Ziehungen);
}

TEST_F(Dateien, BadDrawFileLeavesTheArchiveAsItWas)
{
    modul.Ziehungen.append(satz(1, 1));
    ordner.Schreiben(QStringLiteral("ziehbuch.dat"), "kaputt\r\n");
    const auto ergebnis = modul.ZiehungenLesen();
    EXPECT_EQ(ergebnis.art, Leseergebnis::Art::Fehlerhaft);
    EXPECT_EQ(ergebnis.zeile, 1);
    EXPECT_EQ(modul.AnzahlZiehungen(), 1);
}

TEST_F(Dateien, FailedDrawWriteLeavesTheOldFileWhole)
{
    modul.Ziehungen.append(satz(1, 1));
    ASSERT_TRUE(modul.ZiehungenSchreiben().ok);
    const QByteArray vorher = ordner.Lesen(QStringLiteral("ziehbuch.dat"));

    for (int i = 2; i <= 28; ++i)
        modul.Ziehungen.append(satz(i, i));
    const int code = MitSchreibgrenze(100, [&] { return modul.ZiehungenSchreiben().ok ? 1 : 0; });
    EXPECT_EQ(code, 0) << "the write must report its failure";
    EXPECT_EQ(ordner.Lesen(QStringLiteral("ziehbuch.dat")), vorher);
}

TEST_F(Dateien, RecordOutsideTheEncodingIsNotWritten)
{
    modul.Ziehungen.append(satz(1, 1));
    ASSERT_TRUE(modul.ZiehungenSchreiben().ok);
    const QByteArray vorher = ordner.Lesen(QStringLiteral("ziehbuch.dat"));
    modul.Ziehungen.append(Ziehungssatz(QStringLiteral("01.01.222200101020304050607123456")));
    EXPECT_FALSE(modul.ZiehungenSchreiben().ok);
    EXPECT_EQ(ordner.Lesen(QStringLiteral("ziehbuch.dat")), vorher);
}

TEST_F(Dateien, SettingsWithUmlautsAreWrittenBackByteIdentical)
{
    const QByteArray datei = "Zahlentip=01,02,03,04,05,06M\xfcller\r\n"
                             "Jokertip=123456Gl\xfc"
                             "ck \x80\r\n"
                             "irgendwas\r\n";
    ordner.Schreiben(QStringLiteral("ziehbuch.ini"), datei);
    ASSERT_TRUE(modul.IniLesen().ok);
    ASSERT_EQ(modul.AnzahlIniZeilen(), 3);
    EXPECT_EQ(modul.IniZeilen[1], QStringLiteral("Zahlentip=01,02,03,04,05,06Müller"));
    EXPECT_EQ(modul.IniZeilen[2], QStringLiteral("Jokertip=123456Glück €"));
    ASSERT_TRUE(modul.IniSchreiben().ok);
    EXPECT_EQ(ordner.Lesen(QStringLiteral("ziehbuch.ini")), datei);
}

TEST_F(Dateien, SettingsLinesMayEndInCrLfCrOrLfAndAnEmptyFileStaysEmpty)
{
    ordner.Schreiben(QStringLiteral("ziehbuch.ini"), "a\r\nb\rc\nd");
    ASSERT_TRUE(modul.IniLesen().ok);
    EXPECT_EQ(modul.IniZeilen.join(QLatin1Char('|')), QStringLiteral("|a|b|c|d"));

    ordner.Schreiben(QStringLiteral("ziehbuch.ini"), QByteArray());
    ASSERT_TRUE(modul.IniLesen().ok);
    EXPECT_EQ(modul.AnzahlIniZeilen(), 0);
    ASSERT_TRUE(modul.IniSchreiben().ok);
    EXPECT_TRUE(ordner.Lesen(QStringLiteral("ziehbuch.ini")).isEmpty());
}

TEST_F(Dateien, SettingsLineOutsideTheCodePageIsRefusedAndTheFileKept)
{
    ordner.Schreiben(QStringLiteral("ziehbuch.ini"), "Jokertip=123456alt\r\n");
    ASSERT_TRUE(modul.IniLesen().ok);
    modul.IniZeilen << QStringLiteral("Jokertip=123456\u4e2d");
    EXPECT_FALSE(modul.IniSchreiben().ok);
    EXPECT_EQ(ordner.Lesen(QStringLiteral("ziehbuch.ini")), QByteArray("Jokertip=123456alt\r\n"));
}

} // namespace
