#include "FakePlattform.h"
#include "Form_Info.h"
#include "Modul1.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

Modul1 Archiv(std::initializer_list<const char *> saetze)
{
    Modul1 m;
    for (const char *satz : saetze)
        m.Ziehungen << Ziehungssatz(QString::fromLatin1(satz) +
                                    QStringLiteral("01020304050607123456"));
    return m;
}

TEST(FormInfo, TextNamesFirstAndLastEntryAndTheCount)
{
    const struct {
        Modul1 m;
        const char *erster, *letzter, *anzahl;
    } faelle[] = {{Archiv({"05.03.2000020", "08.03.2000021", "07.01.2001002"}),
                   "05.03.2000 (Runde 2000-020)", "07.01.2001 (Runde 2001-002)", "3"},
                  {Archiv({"31.12.2235255"}), "31.12.2235 (Runde 2235-255)",
                   "31.12.2235 (Runde 2235-255)", "1"},
                  {Archiv({}), "", "", "0"}};
    for (const auto &fall : faelle)
        EXPECT_EQ(InfoText(fall.m),
                  QStringLiteral("Ziehbuch  Version 1.1  für Windows (32 Bit)\r\n*\r\n"
                                 "Erster Eintrag:  %1\r\nLetzter Eintrag:  %2\r\n"
                                 "Anzahl Einträge (Runden):  %3")
                      .arg(QString::fromLatin1(fall.erster), QString::fromLatin1(fall.letzter),
                           QString::fromLatin1(fall.anzahl)));
}

TEST(FormInfo, ShowsItsTextPlaysItsSoundAndClosesByOkEnterOrEsc)
{
    Modul1 m = Archiv({"05.03.2000020"});
    m.ProgrammPfad = QStringLiteral("/programm/");
    FakePlattform fake;
    Form_Info info(m, fake.plattform);
    ASSERT_EQ(fake.sound.aufrufe.size(), 1);
    EXPECT_EQ(fake.sound.aufrufe[0].pfad, QStringLiteral("/programm/kugel-1.wav"));
    EXPECT_EQ(fake.sound.aufrufe[0].flags, 1);
    EXPECT_EQ(info.findChild<QLabel *>(QStringLiteral("Label1"))->text(),
              InfoText(m).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    for (const Qt::Key taste : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Escape}) {
        info.show();
        if (taste == Qt::Key_unknown) // the OK button
            info.findChild<QPushButton *>(QStringLiteral("CommandExit"))->click();
        else
            QTest::keyClick(&info, taste);
        EXPECT_FALSE(info.isVisible()) << taste;
    }
}

} // namespace
