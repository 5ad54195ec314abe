#include "DatenExport.h"
#include "FakePlattform.h"
#include "TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(DatenExport, TellsWhereTheFileLiesAsItStandsOnDisk)
{
    TempFolder ordner;
    FakePlattform fake;
    Modul1 modul;
    modul.ProgrammPfad = ordner.Pfad();
    modul.Ziehungen << Ziehungssatz(QStringLiteral("03.01.200100102061517334107139957"));

    DatenExport(modul, fake.plattform, nullptr);

    EXPECT_EQ(fake.prompts.beeps, 0);
    ASSERT_EQ(fake.prompts.boxen.size(), 1);
    const auto &box = fake.prompts.boxen.first();
    EXPECT_EQ(box.titel, QStringLiteral("Export"));
    EXPECT_EQ(box.symbol, Prompts::Symbol::Information);
    EXPECT_EQ(box.text, QStringLiteral("Die Daten wurden nach\r\n     ") +
                            QDir::toNativeSeparators(ordner.Datei(QStringLiteral("ziehbuch.txt"))) +
                            QStringLiteral("\r\nexportiert."));
    EXPECT_TRUE(ordner.Existiert(QStringLiteral("ziehbuch.txt")));
}

TEST(DatenExport, FailureIsACriticalBoxWithTheReason)
{
    TempFolder ordner;
    FakePlattform fake;
    Modul1 modul;
    modul.ProgrammPfad = ordner.Pfad() + QStringLiteral("fehlt/");
    modul.Ziehungen << Ziehungssatz(QStringLiteral("03.01.200100102061517334107139957"));

    DatenExport(modul, fake.plattform, nullptr);

    EXPECT_EQ(fake.prompts.ablauf,
              (QStringList{QStringLiteral("Beep"), QStringLiteral("MsgBox: Fehler")}));
    const auto &box = fake.prompts.boxen.first();
    EXPECT_EQ(box.symbol, Prompts::Symbol::Kritisch);
    EXPECT_TRUE(box.text.startsWith(
        QStringLiteral("Die Datei ZIEHBUCH.TXT konnte nicht geschrieben werden.\r\n")));
    EXPECT_GT(box.text.size(), 60);
}

} // namespace
