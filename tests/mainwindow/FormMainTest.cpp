#include "FormMain.h"
#include "FakePlattform.h"
#include "Modul1.h"
#include "PictureBox.h"
#include "TempFolder.h"
#include "Ziehungsdatei.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}
QStringList L(std::initializer_list<const char *> texte)
{
    QStringList liste;
    for (const char *text : texte)
        liste << S(text);
    return liste;
}

// Three draws in order of entry; the newest has no Joker.
const QList<Ziehungssatz> Drei{Ziehungssatz(S("06.01.200100103111726334107123456")),
                               Ziehungssatz(S("10.01.200100301020405060809654321")),
                               Ziehungssatz(S("13.01.200100412131415161718      "))};
const QByteArray GewinntMitDrei = "Zahlentip=12,13,14,20,21,22Glueck\r\n";

QByteArray Datei(const QList<Ziehungssatz> &saetze)
{
    return *Ziehungsdatei::DateiSchreiben(QList<Ziehungssatz>{Ziehungssatz()} + saetze);
}

// The main window on a temporary program folder, with every platform service faked.
struct Fenster {
    Fenster()
    {
        form.SetBeenden([this] { ++beendet; });
    }
    void Lege(const char *name, const QByteArray &inhalt) { ordner.Schreiben(S(name), inhalt); }
    bool Starten() { return form.Form_Load(ordner.Pfad()); }
    void Zeigen(const QList<Ziehungssatz> &saetze, const QByteArray &tips = {})
    {
        Lege("ziehbuch.dat", Datei(saetze));
        Lege("ziehbuch.ini", tips);
        ASSERT_TRUE(Starten());
        form.show();
    }
    template <typename T> T *Teil(const char *name) { return form.findChild<T *>(S(name)); }
    QString Text(const char *label) { return Teil<QLabel>(label)->text(); }
    int Klaenge(const char *datei) const
    {
        int anzahl = 0;
        for (const auto &aufruf : fake.sound.aufrufe)
            anzahl += aufruf.pfad == ordner.Datei(S(datei));
        return anzahl;
    }

    TempFolder ordner;
    Modul1 m;
    FakePlattform fake;
    FormMain form{m, fake.plattform};
    int beendet = 0;
};

class Hauptfenster : public ::testing::Test, public Fenster {};

TEST_F(Hauptfenster, StartUpStopsWithItsMessageAndChangesNothing)
{
    const struct {
        const char *grund;
        QByteArray dat;     // not written when null
        const char *ordner; // a data file that is a folder
    } faelle[] = {
        {"Die Datei ZIEHBUCH.DAT fehlt.", {}, nullptr},
        {"Die Datei ZIEHBUCH.DAT ist fehlerhaft (Zeile 2).",
         Datei({Drei[0]}) + "x\r\n" + Datei({Drei[1]}), nullptr},
        {"Die Datei ZIEHBUCH.DAT enthält mehr als 32767 Ziehungen.",
         Datei({Drei[0]}).repeated(32768), nullptr},
        {"Die Datei ZIEHBUCH.DAT kann nicht gelesen werden.", {}, "ziehbuch.dat"},
        // Rather than start without the tips and overwrite them later.
        {"Die Datei ZIEHBUCH.INI kann nicht gelesen werden.", Datei(Drei), "ziehbuch.ini"}};
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.grund);
        Fenster f;
        if (!fall.dat.isNull())
            f.Lege("ziehbuch.dat", fall.dat);
        if (fall.ordner)
            QDir(f.ordner.Pfad()).mkdir(S(fall.ordner));
        const QByteArray vorher = f.ordner.Lesen(S("ziehbuch.dat"));
        const bool ini = f.ordner.Existiert(S("ziehbuch.ini"));
        EXPECT_FALSE(f.Starten());
        EXPECT_EQ(f.fake.prompts.ablauf, L({"Beep", "MsgBox: Ziehbuch - Fehler"}));
        ASSERT_EQ(f.fake.prompts.boxen.size(), 1);
        const QString text = f.fake.prompts.boxen[0].text;
        EXPECT_TRUE(text.startsWith(S(fall.grund) + S("\r\n")) &&
                    text.endsWith(S("\r\nDas Programm wird abgebrochen.")))
            << text.toStdString();
        EXPECT_EQ(f.fake.prompts.boxen[0].symbol, Prompts::Symbol::Kritisch);
        EXPECT_EQ(f.ordner.Lesen(S("ziehbuch.dat")), vorher);
        EXPECT_EQ(f.ordner.Existiert(S("ziehbuch.ini")), ini);
        EXPECT_TRUE(f.fake.fenster.geoeffnet.isEmpty() && f.fake.sound.aufrufe.isEmpty());
    }
}

TEST_F(Hauptfenster, MissingSettingsFileIsCreatedEmptyOrReportedAndStartUpGoesOn)
{
    Lege("ziehbuch.dat", Datei(Drei));
    EXPECT_TRUE(Starten());
    EXPECT_EQ(fake.prompts.ablauf, L({"Beep", "MsgBox: Ziehbuch - Fehler"}));
    EXPECT_EQ(fake.prompts.boxen[0].text,
              S("Die Datei ZIEHBUCH.INI fehlte.\r\nSie wurde neu angelegt."));
    EXPECT_EQ(ordner.Lesen(S("ziehbuch.ini")), QByteArray(""));
    EXPECT_EQ(fake.fenster.geoeffnet, L({"Form_Info"}));

    // A link into a missing folder: the file is missing and cannot be made.
    Fenster f;
    f.Lege("ziehbuch.dat", Datei(Drei));
    ASSERT_TRUE(QFile::link(f.ordner.Datei(S("fehlt/x")), f.ordner.Datei(S("ziehbuch.ini"))));
    EXPECT_TRUE(f.Starten());
    EXPECT_TRUE(f.fake.prompts.boxen[0].text.startsWith(
        S("Die Datei ZIEHBUCH.INI fehlte und konnte nicht angelegt werden.\r\n")));
    EXPECT_EQ(f.fake.fenster.geoeffnet, L({"Form_Info"}));
}

TEST_F(Hauptfenster, StartUpShowsTheAboutBoxThenTheWindowWithTheLastLine)
{
    Lege("ziehbuch.dat", Datei({Drei[2], Drei[0]}));
    Lege("ziehbuch.ini", {});
    ASSERT_TRUE(form.Form_Load(ordner.Pfad().chopped(1)));
    EXPECT_EQ(m.ProgrammPfad, ordner.Pfad());
    EXPECT_EQ(fake.fenster.geoeffnet, L({"Form_Info"}));
    EXPECT_EQ(Klaenge("kugel-1.wav"), 1);

    fake.hilfe.HelpCommand = CommonDialog::cdlHelpContext;
    form.show();
    EXPECT_EQ(fake.hilfe.HelpFile, ordner.Datei(S("Ziehbuch.hlp")));
    EXPECT_EQ(fake.hilfe.HelpCommand, CommonDialog::cdlHelpContents);
    EXPECT_EQ(Text("LabelNr"), S("#2"));
    EXPECT_EQ(Text("LabelStatus"), S("Ziehung vom 06.01.2001, Runde 2001-001"));
    EXPECT_EQ(Text("LabelGewinn0"), S("KEIN GEWINN"));
    EXPECT_TRUE(fake.prompts.ablauf.isEmpty()) << "no win, no sound";

    // The window holds the menu bar, the toolbar and the picture exactly, at a fixed size.
    auto *bild = Teil<PictureBox>("Picture1");
    const int oben = form.menuBar()->height();
    EXPECT_EQ(Teil<QToolBar>("Toolbar1")->geometry(), QRect(0, oben, 673, 44));
    EXPECT_EQ(bild->geometry(), QRect(0, oben + 44, 673, 329));
    EXPECT_EQ(form.minimumSize(), QSize(673, oben + 44 + 329));
    EXPECT_EQ(form.maximumSize(), form.minimumSize());
    EXPECT_EQ(Teil<QLabel>("LabelGewinn2")->parent(), bild);

    form.close();
    EXPECT_EQ(Klaenge("kugel-1.wav"), 2) << "the closing sound";
    EXPECT_EQ(fake.sound.aufrufe.last().flags, 1);
}

TEST_F(Hauptfenster, EmptyArchiveShowsTheFaceAndOnlyBeeps)
{
    Zeigen({});
    EXPECT_EQ(Text("LabelNr") + Text("LabelStatus"), S("#0Keine Ziehung gespeichert"));
    EXPECT_EQ(Text("LabelGewinn0"), S("KEIN GEWINN"));
    fake.prompts.eingaben = {S("1")};
    form.CommandPrev_Click();
    form.CommandNext_Click();
    form.MenDGoto_Click();
    form.MenDStatistik_Click();
    EXPECT_EQ(fake.prompts.ablauf, L({"Beep", "Beep", "Beep", "Beep"}));
    EXPECT_EQ(fake.fenster.geoeffnet, L({"Form_Info"}));
}

TEST_F(Hauptfenster, WinsAreShownWithTheirSoundOrABeepAndNamesFittedInTheWindowFont)
{
    Zeigen(Drei, GewinntMitDrei + "Jokertip=654321Ein sehr langer Name fuer einen Tip\r\n");
    EXPECT_EQ(fake.prompts.ablauf, L({"Beep"})) << "no kugel-2.wav";
    EXPECT_EQ(Text("LabelGewinn2"), S("GEWINN\n3er\n"));
    // 12 is row 2, column 6: its cross meets at (645.4, 91.4).
    EXPECT_LT(qGray(Teil<PictureBox>("Picture1")->Bild().pixel(645, 91)), 60);

    Lege("kugel-2.wav", "RIFF");
    form.MenHInfo_Click();
    EXPECT_EQ(Klaenge("kugel-2.wav"), 1) << "the About box redraws";
    form.CommandPrev_Click();
    EXPECT_EQ(Klaenge("kugel-2.wav"), 2);
    EXPECT_EQ(fake.prompts.beeps, 1);
    const QString zeile = form.GewinnSpalten()[0].split(S("\r\n")).at(1);
    EXPECT_TRUE(zeile.startsWith(S("J: Ein")) && zeile.endsWith(S("..."))) << zeile.toStdString();
    EXPECT_LT(form.TextWidth(zeile), 0.8 * 153);
    EXPECT_GE(form.TextWidth(zeile.chopped(3) + S("s...")), 0.8 * 153 - 1e-9) << "cut no more";
}

TEST_F(Hauptfenster, ButtonsAndKeysStepWhereverTheFocusIsAndBeepAtTheEnds)
{
    Zeigen(Drei);
    Teil<QPushButton>("CommandNext")->setFocus();
    const struct {
        const char *knopf; // or else the key
        Qt::Key taste;
        Qt::KeyboardModifiers mit;
        int akt, beeps;
    } schritte[] = {{"CommandNext", {}, {}, 3, 1},
                    {"CommandPrev", {}, {}, 2, 1},
                    {nullptr, Qt::Key_PageUp, {}, 1, 1},
                    {nullptr, Qt::Key_Up, {}, 1, 2},
                    {nullptr, Qt::Key_Down, {}, 2, 2},
                    {nullptr, Qt::Key_PageDown, Qt::ControlModifier, 3, 2},
                    {nullptr, Qt::Key_Up, Qt::ShiftModifier, 2, 2}};
    for (const auto &s : schritte) {
        if (s.knopf)
            QTest::mouseClick(Teil<QPushButton>(s.knopf), Qt::LeftButton);
        else
            QTest::keyClick(form.windowHandle(), s.taste, s.mit);
        EXPECT_EQ(Text("LabelNr"), S("#%1").arg(s.akt));
        EXPECT_EQ(fake.prompts.beeps, s.beeps);
    }

    Fenster eine;
    eine.Zeigen({Drei[0]});
    eine.form.CommandPrev_Click();
    eine.form.CommandNext_Click();
    EXPECT_EQ(eine.fake.prompts.beeps, 2);
    EXPECT_EQ(eine.Text("LabelNr"), S("#1"));
}

TEST_F(Hauptfenster, F10TwiceBeepsTwiceAndShowsTheExportEntry)
{
    Zeigen(Drei);
    QAction *linie = Teil<QAction>("MenLinie5");
    QAction *export_ = Teil<QAction>("MenHExport");
    EXPECT_FALSE(linie->isVisible() || export_->isVisible());
    QTest::keyClick(form.windowHandle(), Qt::Key_F10);
    QTest::keyClick(form.windowHandle(), Qt::Key_F10);
    EXPECT_EQ(fake.prompts.beeps, 2);
    EXPECT_TRUE(linie->isVisible() && export_->isVisible());
    EXPECT_EQ(form.menuBar()->activeAction(), nullptr);
    export_->trigger();
    EXPECT_TRUE(ordner.Existiert(S("ziehbuch.txt")));
}

TEST_F(Hauptfenster, GoToAsksAndRedrawsOnlyForAnAnswerThatLands)
{
    Lege("kugel-2.wav", "RIFF");
    Zeigen(Drei, GewinntMitDrei);
    fake.prompts.eingaben = L({"32.01.2001", "2001-002"});
    form.MenDGoto_Click();
    EXPECT_EQ(fake.prompts.ablauf, L({"InputBox: Gehe zu Datum/Runde", "Beep", "MsgBox: Fehler"}));
    EXPECT_EQ(fake.prompts.boxen[0].text, S("Falsche Eingabe."));
    EXPECT_EQ(Klaenge("kugel-2.wav"), 1) << "no redraw";
    form.MenDGoto_Click();
    EXPECT_EQ(Text("LabelNr"), S("#2"));
}

TEST_F(Hauptfenster, ToolbarRoutesEachKeyAndIgnoresOthers)
{
    Zeigen(Drei);
    form.CommandPrev_Click();
    const auto nichts = [](QDialog &) {};
    fake.fenster.skripte = {nichts, nichts, nichts, [this](QDialog &) { m.AktZiehung = 1; }};
    for (const char *key : {"Eingabe", "Edit", "Tips", "Statistik"})
        form.Toolbar1_ButtonClick(S(key));
    EXPECT_EQ(fake.fenster.geoeffnet,
              L({"Form_Info", "Form_Eingabe", "Form_Eingabe", "Form_Tips", "Form_Statistik"}));
    EXPECT_EQ(m.AktZiehung, 2) << "the statistics window leaves the shown draw";

    fake.hilfe.HelpCommand = CommonDialog::cdlHelpContext;
    auto *leiste = Teil<QToolBar>("Toolbar1");
    QTest::mouseClick(leiste->widgetForAction(Teil<QAction>("Hilfe")), Qt::LeftButton);
    ASSERT_EQ(fake.viewer.aufrufe.size(), 1);
    EXPECT_EQ(fake.viewer.aufrufe[0].datei, ordner.Datei(S("Ziehbuch.hlp")));
    EXPECT_EQ(fake.viewer.aufrufe[0].befehl, CommonDialog::cdlHelpContents);

    fake.sound.aufrufe.clear();
    for (const char *key : {"exit", "EDIT", "Neu", ""})
        form.Toolbar1_ButtonClick(S(key));
    EXPECT_EQ(fake.fenster.geoeffnet.size(), 5);
    EXPECT_EQ(fake.viewer.aufrufe.size(), 1);
    EXPECT_TRUE(fake.sound.aufrufe.isEmpty());
    EXPECT_EQ(beendet, 0);

    // Quit plays its sound to the end and then no closing sound.
    form.Toolbar1_ButtonClick(S("Exit"));
    form.close();
    EXPECT_EQ(beendet, 1);
    ASSERT_EQ(Klaenge("kugel-1.wav"), 1);
    EXPECT_EQ(fake.sound.aufrufe[0].flags, 0);
}

} // namespace
