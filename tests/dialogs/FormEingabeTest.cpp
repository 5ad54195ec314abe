#include "Eingabebefehle.h"
#include "FakePlattform.h"
#include "Form_Eingabe.h"
#include "Modul1.h"
#include "TempFolder.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

const QString Datei = QStringLiteral("ziehbuch.dat");

QByteArray Zeile(std::initializer_list<int> bytes)
{
    QByteArray zeile;
    for (int b : bytes)
        zeile.append(char(b));
    return zeile + "\r\n";
}

// Wednesday 01.03.2000, round 19, numbers 1 to 6, Zusatzzahl 45, no Joker.
const QByteArray AlteZeile =
    Zeile({235, 252, 254, 236, 254, 253, 252, 251, 250, 249, 210, 32, 32, 32});
// Sunday 05.03.2000, round 20, 3 11 17 26 33 41, Zusatzzahl 7, Joker 123456.
const QByteArray NeueZeile =
    Zeile({235, 252, 250, 235, 252, 244, 238, 229, 222, 214, 248, 243, 221, 199});

QLineEdit *Feld(QDialog &d, const char *name)
{
    auto *feld = d.findChild<QLineEdit *>(QString::fromLatin1(name));
    EXPECT_NE(feld, nullptr) << name;
    return feld;
}

void Tippen(QDialog &d, const char *name, const char *text)
{
    QLineEdit *feld = Feld(d, name);
    feld->clear();
    QTest::keyClicks(feld, QString::fromLatin1(text));
}

void Klick(QDialog &d, const char *name)
{
    auto *knopf = d.findChild<QPushButton *>(QString::fromLatin1(name));
    ASSERT_NE(knopf, nullptr) << name;
    QTest::mouseClick(knopf, Qt::LeftButton);
}

void ZahlenTippen(QDialog &d, std::initializer_list<const char *> zahlen, const char *joker)
{
    int i = 0;
    for (const char *zahl : zahlen)
        Tippen(d, QStringLiteral("Text1_%1").arg(i++).toLatin1().constData(), zahl);
    Tippen(d, "TextJoker", joker);
}

// Lowers the largest file this process may write, so that a write fails even
// for root; restored when it goes out of scope.
class Schreibgrenze {
public:
    explicit Schreibgrenze(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_alt);
        rlimit neu = m_alt;
        neu.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &neu);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~Schreibgrenze()
    {
        setrlimit(RLIMIT_FSIZE, &m_alt);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_alt{};
    void (*m_signal)(int) = nullptr;
};

class FormEingabeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner.Schreiben(Datei, AlteZeile);
        m.ProgrammPfad = ordner.Pfad();
        ASSERT_TRUE(m.ZiehungenLesen().ok());
        m.AktZiehung = 1;
        fp.clock.heute = QDate(2000, 3, 5);
    }

    void Skript(ScriptedWindowOpener::Skript skript) { fp.fenster.skripte.append(skript); }
    bool Neu() { return NeueZiehungEingeben(m, fp.plattform, nullptr); }
    bool Korrektur() { return ZiehungKorrigieren(m, fp.plattform, nullptr); }

    TempFolder ordner;
    Modul1 m;
    FakePlattform fp;
};

TEST_F(FormEingabeTest, ControlsStandWhereTheTableSays)
{
    m.EingabeModus = QStringLiteral("neu");
    Form_Eingabe dialog(m, fp.plattform);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("Form_Eingabe"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ziehbuch - Eingabe"));
    EXPECT_EQ(dialog.size(), QSize(409, 146));

    struct Textfeld {
        const char *name;
        QRect rahmen;
        int maxLaenge; // 0: none
    };
    const Textfeld felder[] = {
        {"TextDatum", {80, 16, 69, 19}, 0}, {"TextRunde", {224, 16, 69, 19}, 8},
        {"Text1_0", {80, 48, 33, 19}, 2},   {"Text1_1", {116, 48, 33, 19}, 2},
        {"Text1_2", {152, 48, 33, 19}, 2},  {"Text1_3", {188, 48, 33, 19}, 2},
        {"Text1_4", {224, 48, 33, 19}, 2},  {"Text1_5", {260, 48, 33, 19}, 2},
        {"Text1_6", {80, 80, 33, 19}, 2},   {"TextJoker", {80, 112, 69, 19}, 6},
    };
    for (const Textfeld &f : felder) {
        QLineEdit *feld = Feld(dialog, f.name);
        ASSERT_NE(feld, nullptr);
        EXPECT_EQ(feld->geometry(), f.rahmen) << f.name;
        EXPECT_TRUE(feld->text().isEmpty()) << f.name;
        if (f.maxLaenge > 0)
            EXPECT_EQ(feld->maxLength(), f.maxLaenge) << f.name;
        else
            EXPECT_GE(feld->maxLength(), 32767) << f.name;
    }

    struct Beschriftung {
        const char *name;
        const char *text;
        QPoint ort;
    };
    const Beschriftung labels[] = {
        {"Label1", "Datum:", {16, 16}},      {"Label2", "Runde:", {168, 16}},
        {"Label3", "Zahlen:", {16, 48}},     {"Label7", "Zusatzzahl:", {16, 80}},
        {"LabelJoker", "Joker:", {16, 112}},
    };
    for (const Beschriftung &b : labels) {
        auto *label = dialog.findChild<QLabel *>(QString::fromLatin1(b.name));
        ASSERT_NE(label, nullptr) << b.name;
        EXPECT_EQ(label->text(), QString::fromLatin1(b.text));
        EXPECT_EQ(label->pos(), b.ort) << b.name;
    }

    struct Knopf {
        const char *name;
        QString text;
        int oben;
    };
    const Knopf knoepfe[] = {{"CommandSave", QStringLiteral("&Speichern"), 16},
                             {"CommandExit", QStringLiteral("S&chließen"), 56},
                             {"CommandHelp", QStringLiteral("&Hilfe"), 96}};
    for (const Knopf &k : knoepfe) {
        auto *knopf = dialog.findChild<QPushButton *>(QString::fromLatin1(k.name));
        ASSERT_NE(knopf, nullptr) << k.name;
        EXPECT_EQ(knopf->text(), k.text);
        EXPECT_EQ(knopf->geometry(), QRect(320, k.oben, 73, 33)) << k.name;
        EXPECT_EQ(knopf->isDefault(), k.oben == 16) << k.name;
    }
}

TEST_F(FormEingabeTest, TabOrderFollowsTheTable)
{
    m.EingabeModus = QStringLiteral("neu");
    Form_Eingabe dialog(m, fp.plattform);
    const QStringList erwartet{
        QStringLiteral("TextDatum"),  QStringLiteral("TextRunde"),   QStringLiteral("Text1_0"),
        QStringLiteral("Text1_1"),    QStringLiteral("Text1_2"),     QStringLiteral("Text1_3"),
        QStringLiteral("Text1_4"),    QStringLiteral("Text1_5"),     QStringLiteral("Text1_6"),
        QStringLiteral("TextJoker"),  QStringLiteral("CommandSave"), QStringLiteral("CommandExit"),
        QStringLiteral("CommandHelp")};
    QStringList reihe;
    QWidget *w = Feld(dialog, "TextDatum");
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            reihe << w->objectName();
        w = w->nextInFocusChain();
    } while (w->objectName() != QStringLiteral("TextDatum") && reihe.size() < 20);
    EXPECT_EQ(reihe, erwartet);
}

TEST_F(FormEingabeTest, NewDrawOpensWithProposalFocusAndHelpTopic)
{
    m.EingabeModus = QStringLiteral("edit");
    Skript([&](QDialog &d) {
        EXPECT_EQ(m.EingabeModus, QStringLiteral("neu"));
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Ziehbuch - Neuer Eintrag"));
        EXPECT_EQ(Feld(d, "TextDatum")->text(), QStringLiteral("05.03.2000"));
        EXPECT_EQ(Feld(d, "TextRunde")->text(), QStringLiteral("2000-020"));
        EXPECT_TRUE(Feld(d, "Text1_0")->text().isEmpty());
        EXPECT_TRUE(Feld(d, "TextJoker")->text().isEmpty());
        EXPECT_EQ(d.focusWidget(), Feld(d, "Text1_0"));
        Klick(d, "CommandHelp");
        ASSERT_EQ(fp.viewer.aufrufe.size(), 1);
        EXPECT_EQ(fp.viewer.aufrufe[0].befehl, 1);
        EXPECT_EQ(fp.viewer.aufrufe[0].kontext, 120);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_TRUE(Neu());
    EXPECT_EQ(fp.fenster.geoeffnet, QList<QString>{QStringLiteral("Form_Eingabe")});
}

TEST_F(FormEingabeTest, NewDrawIsRefusedBeforeTheNextDrawDay)
{
    fp.clock.heute = QDate(2000, 3, 4);
    m.EingabeModus = QStringLiteral("edit");
    EXPECT_FALSE(Neu());
    EXPECT_TRUE(fp.fenster.geoeffnet.isEmpty());
    EXPECT_EQ(fp.prompts.ablauf,
              QStringList({QStringLiteral("Beep"), QStringLiteral("MsgBox: Fehler")}));
    ASSERT_EQ(fp.prompts.boxen.size(), 1);
    EXPECT_EQ(fp.prompts.boxen[0].text,
              QStringLiteral("Die Zahlen der letzten Ziehung vom\r\n01.03.2000 wurden bereits "
                             "eingegeben."));
    EXPECT_EQ(fp.prompts.boxen[0].symbol, Prompts::Symbol::Kritisch);
    EXPECT_EQ(fp.prompts.boxen[0].knoepfe, Prompts::Knoepfe::Ok);
    EXPECT_EQ(m.EingabeModus, QStringLiteral("edit"));
}

TEST_F(FormEingabeTest, NewDrawIsRefusedWhenTheArchiveIsFull)
{
    while (m.AnzahlZiehungen() < Modul1::MaxZiehungen)
        m.Ziehungen.append(m.Ziehungen.at(1));
    EXPECT_FALSE(Neu());
    EXPECT_TRUE(fp.fenster.geoeffnet.isEmpty());
    EXPECT_EQ(fp.prompts.beeps, 1);
    ASSERT_EQ(fp.prompts.boxen.size(), 1);
    EXPECT_EQ(fp.prompts.boxen[0].text,
              QStringLiteral("Das Archiv ist voll: es fasst höchstens 32767 Ziehungen."));
    EXPECT_EQ(fp.prompts.boxen[0].titel, QStringLiteral("Fehler"));
}

TEST_F(FormEingabeTest, NewDrawIsWrittenAsItsBytesAndShown)
{
    Skript([&](QDialog &d) {
        ZahlenTippen(d, {"41", "3", "33", "11", "26", "17", "7"}, "123456");
        Klick(d, "CommandSave");
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    EXPECT_TRUE(Neu());
    EXPECT_TRUE(fp.prompts.ablauf.isEmpty());
    EXPECT_EQ(ordner.Lesen(Datei), AlteZeile + NeueZeile);
    ASSERT_EQ(m.AnzahlZiehungen(), 2);
    EXPECT_EQ(m.Ziehungen.at(2).text(), QStringLiteral("05.03.200002003111726334107123456"));
    EXPECT_EQ(m.AktZiehung, 2);
}

TEST_F(FormEingabeTest, SeveralDrawsBehindAreEnteredOneAtATime)
{
    fp.clock.heute = QDate(2000, 3, 20);
    Skript([&](QDialog &d) {
        EXPECT_EQ(Feld(d, "TextDatum")->text(), QStringLiteral("05.03.2000"));
        ZahlenTippen(d, {"41", "3", "33", "11", "26", "17", "7"}, "123456");
        Klick(d, "CommandSave");
    });
    Skript([&](QDialog &d) {
        EXPECT_EQ(Feld(d, "TextDatum")->text(), QStringLiteral("08.03.2000"));
        EXPECT_EQ(Feld(d, "TextRunde")->text(), QStringLiteral("2000-021"));
    });
    EXPECT_TRUE(Neu());
    EXPECT_TRUE(Neu());
    EXPECT_EQ(m.AnzahlZiehungen(), 2);
}

TEST_F(FormEingabeTest, EnterSavesAndEscapeClosesWithoutStoring)
{
    Skript([&](QDialog &d) {
        ZahlenTippen(d, {"41", "3", "33", "11", "26", "17", "7"}, "123456");
        QTest::keyClick(Feld(d, "Text1_3"), Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Rejected);
    });
    EXPECT_TRUE(Neu());
    EXPECT_EQ(m.AnzahlZiehungen(), 1);
    EXPECT_EQ(ordner.Lesen(Datei), AlteZeile);

    Skript([&](QDialog &d) {
        ZahlenTippen(d, {"41", "3", "33", "11", "26", "17", "7"}, "123456");
        QTest::keyClick(Feld(d, "TextJoker"), Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    EXPECT_TRUE(Neu());
    EXPECT_EQ(m.AnzahlZiehungen(), 2);

    Skript([&](QDialog &d) { Klick(d, "CommandExit"); });
    fp.clock.heute = QDate(2000, 3, 8);
    EXPECT_TRUE(Neu());
    EXPECT_EQ(m.AnzahlZiehungen(), 2);
    EXPECT_TRUE(fp.prompts.ablauf.isEmpty());
}

TEST_F(FormEingabeTest, FailedTestsShowOneMessageAndKeepTheDialogAsTyped)
{
    Skript([&](QDialog &d) {
        Tippen(d, "TextDatum", "30.02.2000");
        Tippen(d, "TextRunde", "2000-019");
        ZahlenTippen(d, {"41", "3", "33", "11", "26", "17", "3"}, "12345");
        Klick(d, "CommandSave");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Feld(d, "TextDatum")->text(), QStringLiteral("30.02.2000"));
        EXPECT_EQ(Feld(d, "TextJoker")->text(), QStringLiteral("12345"));
    });
    EXPECT_TRUE(Neu());
    EXPECT_EQ(fp.prompts.ablauf,
              QStringList({QStringLiteral("Beep"), QStringLiteral("MsgBox: Fehler")}));
    ASSERT_EQ(fp.prompts.boxen.size(), 1);
    EXPECT_EQ(fp.prompts.boxen[0].text, QStringLiteral("Fehler bei der Datumseingabe.\r\n"
                                                       "Fehler bei der Rundeneingabe.\r\n"
                                                       "Fehler bei der Zahleneingabe.\r\n"
                                                       "Fehler im Joker.\r\n"));
    EXPECT_EQ(fp.prompts.boxen[0].symbol, Prompts::Symbol::Kritisch);
    EXPECT_EQ(m.AnzahlZiehungen(), 1);
    EXPECT_EQ(ordner.Lesen(Datei), AlteZeile);
}

TEST_F(FormEingabeTest, CorrectingADrawWithoutJokerNeedsSixDigitsThenWritesInPlace)
{
    m.Ziehungen.append(Ziehungssatz(QStringLiteral("05.03.200002003111726334107123456")));
    ordner.Schreiben(Datei, AlteZeile + NeueZeile);
    m.AktZiehung = 1;
    Skript([&](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Ziehbuch - Eintrag korrigieren"));
        EXPECT_EQ(Feld(d, "TextDatum")->text(), QStringLiteral("01.03.2000"));
        EXPECT_EQ(Feld(d, "TextRunde")->text(), QStringLiteral("2000-019"));
        EXPECT_EQ(Feld(d, "Text1_0")->text(), QStringLiteral("01"));
        EXPECT_EQ(Feld(d, "Text1_6")->text(), QStringLiteral("45"));
        EXPECT_EQ(Feld(d, "TextJoker")->text(), QStringLiteral("      "));
        EXPECT_EQ(d.focusWidget(), Feld(d, "Text1_0"));
        Klick(d, "CommandSave");
        EXPECT_TRUE(d.isVisible());
        Tippen(d, "Text1_6", "7");
        Tippen(d, "TextJoker", "000099");
        Klick(d, "CommandHelp");
        Klick(d, "CommandSave");
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(Korrektur());
    EXPECT_EQ(m.EingabeModus, QStringLiteral("edit"));
    ASSERT_EQ(fp.prompts.boxen.size(), 1);
    EXPECT_EQ(fp.prompts.boxen[0].text, QStringLiteral("Fehler im Joker.\r\n"));
    ASSERT_EQ(fp.viewer.aufrufe.size(), 1);
    EXPECT_EQ(fp.viewer.aufrufe[0].kontext, 130);
    EXPECT_EQ(fp.viewer.aufrufe[0].befehl, 1);
    EXPECT_EQ(m.AktZiehung, 1);
    EXPECT_EQ(m.Ziehungen.at(1).text(), QStringLiteral("01.03.200001901020304050607000099"));
    EXPECT_EQ(ordner.Lesen(Datei),
              Zeile({235, 252, 254, 236, 254, 253, 252, 251, 250, 249, 248, 255, 255, 156}) +
                  NeueZeile);
}

TEST_F(FormEingabeTest, FailedWriteKeepsArchiveFileAndDialog)
{
    const auto vorher = m.Ziehungen;
    Skript([&](QDialog &d) {
        ZahlenTippen(d, {"41", "3", "33", "11", "26", "17", "7"}, "123456");
        {
            Schreibgrenze grenze(AlteZeile.size());
            Klick(d, "CommandSave");
        }
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Feld(d, "Text1_0")->text(), QStringLiteral("41"));
        EXPECT_EQ(Feld(d, "TextJoker")->text(), QStringLiteral("123456"));
    });
    EXPECT_TRUE(Neu());
    EXPECT_EQ(fp.prompts.ablauf,
              QStringList({QStringLiteral("Beep"), QStringLiteral("MsgBox: Fehler")}));
    ASSERT_EQ(fp.prompts.boxen.size(), 1);
    const QString kopf =
        QStringLiteral("Die Datei ZIEHBUCH.DAT konnte nicht geschrieben werden.\r\n");
    EXPECT_TRUE(fp.prompts.boxen[0].text.startsWith(kopf))
        << fp.prompts.boxen[0].text.toStdString();
    EXPECT_GT(fp.prompts.boxen[0].text.size(), kopf.size());
    EXPECT_EQ(m.Ziehungen, vorher);
    EXPECT_EQ(m.AktZiehung, 1);
    EXPECT_EQ(ordner.Lesen(Datei), AlteZeile);
    EXPECT_EQ(QDir(ordner.Pfad()).entryList(QDir::Files), QStringList{Datei});
}

TEST(EingabeLeeresArchiv, NewDrawProposesTodayAndCorrectionOnlyBeeps)
{
    Modul1 m;
    FakePlattform fp;
    fp.clock.heute = QDate(2005, 6, 1);
    fp.fenster.skripte.append([](QDialog &d) {
        EXPECT_EQ(Feld(d, "TextDatum")->text(), QStringLiteral("01.06.2005"));
        EXPECT_EQ(Feld(d, "TextRunde")->text(), QStringLiteral("2005-001"));
    });
    EXPECT_TRUE(NeueZiehungEingeben(m, fp.plattform, nullptr));
    EXPECT_TRUE(fp.prompts.ablauf.isEmpty());

    EXPECT_FALSE(ZiehungKorrigieren(m, fp.plattform, nullptr));
    EXPECT_EQ(fp.prompts.ablauf, QStringList{QStringLiteral("Beep")});
    EXPECT_EQ(fp.fenster.geoeffnet.size(), 1);
}

} // namespace
