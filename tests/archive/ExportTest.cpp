#include "Export.h"
#include "Testhilfe.h"

namespace {

TEST(Export, LineHoldsTheRecordsFieldsWithLeadingZerosBlanked)
{
    for (const auto &[satz, zeile] :
         {std::pair{"24.12.202010210203040050607      ",
                    "20201224,2020.102,\"10,20,30,40, 5, 6; 7\",\"      \""},
          {"31.12.199909901091019454430012345",
           "19991231,1999.099,\" 1, 9,10,19,45,44;30\",\"012345\""}})
        EXPECT_EQ(Export::Exportzeile(Ziehungssatz(S(satz))), S(zeile));
}

// A line per draw in archive order; a second export replaces the first; a failed one keeps it.
TEST(Export, FileHoldsALinePerDrawAndIsReplacedWholeOrNotAtAll)
{
    Umgebung u;
    Modul1 &m = u.m;
    Dazu(m, "10.01.200100202061517334107139957");
    Dazu(m, "03.01.200100102061517334107");
    const auto datei = [&] { return u.Datei("ziehbuch.txt"); };
    ASSERT_TRUE(Export::Schreiben(m).ok);
    EXPECT_EQ(datei(), QByteArray("20010110,2001.002,\" 2, 6,15,17,33,41; 7\",\"139957\"\r\n"
                                  "20010103,2001.001,\" 2, 6,15,17,33,41; 7\",\"      \"\r\n"));
    m.Ziehungen.removeLast();
    ASSERT_TRUE(Export::Schreiben(m).ok);
    const QByteArray vorher = datei();
    EXPECT_EQ(vorher.size(), 51);
    for (int i = 0; i < 10; ++i)
        m.Ziehungen << m.Ziehungen.at(1);
    EXPECT_EQ(MitSchreibgrenze(200, [&] { return int(Export::Schreiben(m).grund != ZuGross); }), 0);
    EXPECT_EQ(datei(), vorher);
}

} // namespace
