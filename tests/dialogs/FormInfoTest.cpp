#include "Form_Info.h"
#include "Testhilfe.h"

#include <QLabel>
#include <QTest>

TEST(FormInfo, NamesFirstAndLastEntryAndTheCountPlaysItsSoundAndClosesByOkEnterOrEsc)
{
    const QString text = S("Ziehbuch  Version 1.1  für Windows (32 Bit)\r\n*\r\nErster Eintrag:  %1"
                           "\r\nLetzter Eintrag:  %2\r\nAnzahl Einträge (Runden):  %3");
    EXPECT_EQ(InfoText(Modul1()), text.arg(QString(), QString(), S("0")));
    Modul1 m = Archiv({"05.03.2000020", "08.03.2000021", "07.01.2001002"});
    m.ProgrammPfad = S("/programm/");
    FakePlattform fake;
    Form_Info info(m, fake.plattform);
    EXPECT_EQ(Kind<QLabel>(info, "Label1")->text(),
              text.arg(S("05.03.2000 (Runde 2000-020)"), S("07.01.2001 (Runde 2001-002)"), S("3"))
                  .replace(S("\r\n"), S("\n")));
    ASSERT_EQ(fake.sound.aufrufe.size(), 1);
    EXPECT_EQ(fake.sound.aufrufe[0].pfad + S(" %1").arg(fake.sound.aufrufe[0].flags),
              S("/programm/kugel-1.wav 1"));
    for (const Qt::Key taste : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Escape}) {
        info.show();
        if (taste == Qt::Key_unknown) // the OK button
            Klick(info, "CommandExit");
        else
            QTest::keyClick(&info, taste);
        EXPECT_FALSE(info.isVisible()) << taste;
    }
}
