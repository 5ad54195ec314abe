#include "FakePlattform.h"
#include "Form_Info.h"
#include "Modul1.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString ErsteZeilen = QStringLiteral("Ziehbuch  Version 1.1  für Windows (32 Bit)\r\n*\r\n");

Ziehungssatz Satz(const char *datum, const char *runde)
{
    return Ziehungssatz(QString::fromLatin1(datum) + QString::fromLatin1(runde) +
                        QStringLiteral("01020304050607123456"));
}

TEST(FormInfo, TextNamesFirstAndLastEntryAndTheCount)
{
    Modul1 m;
    m.Ziehungen << Satz("05.03.2000", "020") << Satz("08.03.2000", "021")
                << Satz("07.01.2001", "002");
    EXPECT_EQ(InfoText(m),
              ErsteZeilen + QStringLiteral("Erster Eintrag:  05.03.2000 (Runde 2000-020)\r\n"
                                           "Letzter Eintrag:  07.01.2001 (Runde 2001-002)\r\n"
                                           "Anzahl Einträge (Runden):  3"));
}

TEST(FormInfo, TextWithOneDrawNamesItTwice)
{
    Modul1 m;
    m.Ziehungen << Satz("31.12.2235", "255");
    EXPECT_EQ(InfoText(m),
              ErsteZeilen + QStringLiteral("Erster Eintrag:  31.12.2235 (Runde 2235-255)\r\n"
                                           "Letzter Eintrag:  31.12.2235 (Runde 2235-255)\r\n"
                                           "Anzahl Einträge (Runden):  1"));
}

TEST(FormInfo, TextOfAnEmptyArchive)
{
    EXPECT_EQ(InfoText(Modul1()), ErsteZeilen + QStringLiteral("Erster Eintrag:  \r\n"
                                                               "Letzter Eintrag:  \r\n"
                                                               "Anzahl Einträge (Runden):  0"));
}

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        m.ProgrammPfad = QStringLiteral("/programm/");
        m.Ziehungen << Satz("05.03.2000", "020");
    }
    Modul1 m;
    FakePlattform fake;
};

TEST_F(AboutBox, ShowsItsTextBlockOnThePicture)
{
    Form_Info info(m, fake.plattform);
    EXPECT_EQ(info.objectName(), QStringLiteral("Form_Info"));
    EXPECT_EQ(info.windowTitle(), QStringLiteral("Ziehbuch - Info"));
    EXPECT_EQ(info.size(), QSize(309, 320));
    EXPECT_EQ(info.minimumSize(), info.maximumSize());

    auto *label = info.findChild<QLabel *>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), QRect(8, 120, 297, 121));
    EXPECT_EQ(label->text().split(QLatin1Char('\n')), InfoText(m).split(QStringLiteral("\r\n")));
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);

    auto *ok = info.findChild<QPushButton *>(QStringLiteral("CommandExit"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(ok->geometry(), QRect(120, 272, 73, 33));
    EXPECT_TRUE(ok->isDefault());
}

TEST_F(AboutBox, EachShowingPlaysItsSoundWithoutWaiting)
{
    for (int i = 1; i <= 2; ++i) {
        Form_Info info(m, fake.plattform);
        ASSERT_EQ(fake.sound.aufrufe.size(), i);
        EXPECT_EQ(fake.sound.aufrufe.last().pfad, QStringLiteral("/programm/kugel-1.wav"));
        EXPECT_EQ(fake.sound.aufrufe.last().flags, 1);
    }
}

TEST_F(AboutBox, OkEnterAndEscCloseIt)
{
    const std::function<void(Form_Info &)> wege[] = {
        [](Form_Info &info) {
            QTest::mouseClick(info.findChild<QPushButton *>(QStringLiteral("CommandExit")),
                              Qt::LeftButton);
        },
        [](Form_Info &info) { QTest::keyClick(&info, Qt::Key_Return); },
        [](Form_Info &info) { QTest::keyClick(&info, Qt::Key_Escape); }};
    for (const auto &weg : wege) {
        Form_Info info(m, fake.plattform);
        info.show();
        ASSERT_TRUE(info.isVisible());
        weg(info);
        EXPECT_FALSE(info.isVisible());
    }
}

} // namespace
