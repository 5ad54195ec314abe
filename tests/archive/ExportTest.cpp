#include "Export.h"
#include "Testhilfe.h"

TEST(Export, LineHoldsTheRecordsFieldsWithLeadingZerosBlanked)
{
    for (const auto &[satz, zeile] :
         {std::pair{"24.12.202010210203040050607      ",
                    "20201224,2020.102,\"10,20,30,40, 5, 6; 7\",\"      \""},
          {"31.12.199909901091019454430012345",
           "19991231,1999.099,\" 1, 9,10,19,45,44;30\",\"012345\""}})
        EXPECT_EQ(Export::Exportzeile(Ziehungssatz(S(satz))), S(zeile));
}

// A line per draw in archive order; a second export replaces the first.
TEST(Export, FileHoldsALinePerDrawAndIsReplacedWhole)
{
    Umgebung u;
    Dazu(u.m, "10.01.200100202061517334107139957");
    Dazu(u.m, "03.01.200100102061517334107");
    ASSERT_TRUE(Export::Schreiben(u.m).ok);
    EXPECT_EQ(u.Datei("ziehbuch.txt"),
              QByteArray("20010110,2001.002,\" 2, 6,15,17,33,41; 7\",\"139957\"\r\n"
                         "20010103,2001.001,\" 2, 6,15,17,33,41; 7\",\"      \"\r\n"));
    u.m.Ziehungen.removeLast();
    ASSERT_TRUE(Export::Schreiben(u.m).ok);
    EXPECT_EQ(u.Datei("ziehbuch.txt").size(), 51);
}
