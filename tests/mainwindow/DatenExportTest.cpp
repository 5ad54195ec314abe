#include "DatenExport.h"
#include "Testhilfe.h"

#include <QDir>

namespace {

// The information box names the file as it stands on disk; a failure is a critical box instead.
TEST(DatenExport, TellsWhereTheFileLiesOrWhyItCouldNotBeWritten)
{
    for (const bool gelingt : {true, false}) {
        Umgebung u;
        const TempFolder &ordner = u.ordner;
        const FakePlattform &fake = u.fake;
        Dazu(u.m, "03.01.200100102061517334107139957");
        if (!gelingt)
            u.m.ProgrammPfad += S("fehlt/");
        DatenExport(u.m, u.fake.plattform, nullptr);
        ASSERT_EQ(fake.prompts.boxen.size(), 1);
        const auto &box = fake.prompts.boxen.first();
        if (gelingt) {
            EXPECT_EQ(fake.prompts.ablauf, L("MsgBox: Export"));
            EXPECT_EQ(box.symbol, Prompts::Symbol::Information);
            EXPECT_EQ(box.text,
                      S("Die Daten wurden nach\r\n     %1\r\nexportiert.")
                          .arg(QDir::toNativeSeparators(ordner.Datei(S("ziehbuch.txt")))));
            EXPECT_TRUE(ordner.Existiert(S("ziehbuch.txt")));
        } else {
            EXPECT_EQ(fake.prompts.ablauf, L("Beep|MsgBox: Fehler"));
            EXPECT_EQ(box.symbol, Prompts::Symbol::Kritisch);
            EXPECT_TRUE(box.text.startsWith(
                S("Die Datei ZIEHBUCH.TXT konnte nicht geschrieben werden.\r\n")));
            EXPECT_GT(box.text.size(), 60);
        }
    }
}

} // namespace
