#include "DatenExport.h"
#include "Testhilfe.h"

#include <QDir>

namespace {

// The information box names the file as it stands on disk; a failure is a critical box instead.
TEST(DatenExport, TellsWhereTheFileLiesOrWhyItCouldNotBeWritten)
{
    for (const bool gelingt : {true, false}) {
        Umgebung u;
        Dazu(u.m, "03.01.200100102061517334107139957");
        if (!gelingt)
            u.m.ProgrammPfad += S("fehlt/");
        DatenExport(u.m, u.fake.plattform, nullptr);
        const QString text = u.fake.prompts.boxen.value(0).text;
        const QString ziel = QDir::toNativeSeparators(u.ordner.Datei(S("ziehbuch.txt")));
        const QString kopf = S("Die Datei ZIEHBUCH.TXT konnte nicht geschrieben werden.\r\n");
        EXPECT_EQ(u.fake.prompts.ablauf, L(gelingt ? "MsgBox: Export" : "Beep|MsgBox: Fehler"));
        EXPECT_EQ(u.fake.prompts.boxen.value(0).symbol,
                  gelingt ? Prompts::Symbol::Information : Prompts::Symbol::Kritisch);
        if (gelingt)
            EXPECT_EQ(text, S("Die Daten wurden nach\r\n     %1\r\nexportiert.").arg(ziel));
        else
            EXPECT_TRUE(text.startsWith(kopf) && text.size() > kopf.size()) << text.toStdString();
    }
}

} // namespace
