#include "Export.h"
#include "QtPrinters.h"
#include "Schreibgrenze.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

struct ExportFall {
    const char *satz;
    const char *zeile;
};

class Exportzeilen : public ::testing::TestWithParam<ExportFall> {};

TEST_P(Exportzeilen, LineHoldsTheRecordsFieldsWithLeadingZerosBlanked)
{
    const QString zeile = Export::Exportzeile(Ziehungssatz(QString::fromLatin1(GetParam().satz)));
    EXPECT_EQ(zeile, QString::fromLatin1(GetParam().zeile));
    EXPECT_EQ(zeile.size(), 49);
}

INSTANTIATE_TEST_SUITE_P(
    Export, Exportzeilen,
    ::testing::Values(ExportFall{"03.01.200100102061517334107139957",
                                 "20010103,2001.001,\" 2, 6,15,17,33,41; 7\",\"139957\""},
                      ExportFall{"24.12.202010210203040050607      ",
                                 "20201224,2020.102,\"10,20,30,40, 5, 6; 7\",\"      \""},
                      ExportFall{"31.12.199909901091019454430012345",
                                 "19991231,1999.099,\" 1, 9,10,19,45,44;30\",\"012345\""}));

class ExportDatei : public ::testing::Test {
protected:
    void SetUp() override
    {
        modul.ProgrammPfad = ordner.Pfad();
        modul.Ziehungen << Ziehungssatz(QStringLiteral("10.01.200100202061517334107139957"))
                        << Ziehungssatz(QStringLiteral("03.01.200100102061517334107      "));
    }
    TempFolder ordner;
    Modul1 modul;
};

TEST_F(ExportDatei, WritesOneLinePerDrawInArchiveOrder)
{
    ASSERT_TRUE(Export::Schreiben(modul).ok);
    const QByteArray datei = ordner.Lesen(QStringLiteral("ziehbuch.txt"));
    EXPECT_EQ(datei, QByteArray("20010110,2001.002,\" 2, 6,15,17,33,41; 7\",\"139957\"\r\n"
                                "20010103,2001.001,\" 2, 6,15,17,33,41; 7\",\"      \"\r\n"));
}

TEST_F(ExportDatei, SecondExportReplacesTheFirst)
{
    ASSERT_TRUE(Export::Schreiben(modul).ok);
    modul.Ziehungen.removeLast();
    ASSERT_TRUE(Export::Schreiben(modul).ok);
    EXPECT_EQ(ordner.Lesen(QStringLiteral("ziehbuch.txt")).size(), 51);
}

TEST_F(ExportDatei, FailedWriteKeepsTheOlderExport)
{
    ASSERT_TRUE(Export::Schreiben(modul).ok);
    const QByteArray vorher = ordner.Lesen(QStringLiteral("ziehbuch.txt"));
    for (int i = 0; i < 10; ++i)
        modul.Ziehungen << modul.Ziehungen.at(1);
    EXPECT_EQ(MitSchreibgrenze(200, [&] { return Export::Schreiben(modul).ok ? 1 : 0; }), 0);
    EXPECT_EQ(ordner.Lesen(QStringLiteral("ziehbuch.txt")), vorher);
}

} // namespace
