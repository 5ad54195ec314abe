#include "FormMain.h"
#include "FakePlattform.h"
#include "Modul1.h"
#include "PictureBox.h"
#include "TempFolder.h"
#include "Ziehungsdatei.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

const QString Titel = QStringLiteral("Ziehbuch - Fehler");

// Three draws in order of entry; the newest has no Joker.
const QList<Ziehungssatz> DreiZiehungen{
    Ziehungssatz(QStringLiteral("06.01.2001001031117263341") + QStringLiteral("07123456")),
    Ziehungssatz(QStringLiteral("10.01.2001003010204050608") + QStringLiteral("09654321")),
    Ziehungssatz(QStringLiteral("13.01.2001004121314151617") + QStringLiteral("18      "))};

QByteArray Datei(const QList<Ziehungssatz> &saetze)
{
    return *Ziehungsdatei::DateiSchreiben(QList<Ziehungssatz>{Ziehungssatz()} + saetze);
}

class Hauptfenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBeenden([this] { ++beendet; });
    }

    void Ablegen(const QList<Ziehungssatz> &saetze, const QByteArray &tips = {})
    {
        ordner.Schreiben(QStringLiteral("ziehbuch.dat"), Datei(saetze));
        ordner.Schreiben(QStringLiteral("ziehbuch.ini"), tips);
    }
    bool Starten() { return form.Form_Load(ordner.Pfad()); }
    void StartenUndZeigen(const QList<Ziehungssatz> &saetze, const QByteArray &tips = {})
    {
        Ablegen(saetze, tips);
        ASSERT_TRUE(Starten());
        form.show();
    }

    template <typename T> T *Teil(const char *name)
    {
        auto *teil = form.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(teil, nullptr) << name;
        return teil;
    }
    QString Text(const char *label) { return Teil<QLabel>(label)->text(); }
    int Klaenge(const QString &datei) const
    {
        int anzahl = 0;
        for (const auto &aufruf : fake.sound.aufrufe)
            anzahl += aufruf.pfad == ordner.Datei(datei) ? 1 : 0;
        return anzahl;
    }
    void Taste(Qt::Key taste, Qt::KeyboardModifiers mit = Qt::NoModifier)
    {
        QTest::keyClick(form.windowHandle(), taste, mit);
    }

    TempFolder ordner;
    Modul1 m;
    FakePlattform fake;
    FormMain form{m, fake.plattform};
    int beendet = 0;
};

// --- Start-up

TEST_F(Hauptfenster, MissingDrawFileEndsStartUpAndCreatesNothing)
{
    EXPECT_FALSE(Starten());
    EXPECT_EQ(fake.prompts.ablauf,
              QStringList({QStringLiteral("Beep"), QStringLiteral("MsgBox: ") + Titel}));
    ASSERT_EQ(fake.prompts.boxen.size(), 1);
    EXPECT_EQ(fake.prompts.boxen[0].text,
              QStringLiteral("Die Datei ZIEHBUCH.DAT fehlt.\r\nDas Programm wird abgebrochen."));
    EXPECT_EQ(fake.prompts.boxen[0].symbol, Prompts::Symbol::Kritisch);
    EXPECT_EQ(fake.prompts.boxen[0].knoepfe, Prompts::Knoepfe::Ok);
    EXPECT_FALSE(ordner.Existiert(QStringLiteral("ziehbuch.ini")));
    EXPECT_TRUE(fake.fenster.geoeffnet.isEmpty());
    EXPECT_TRUE(fake.sound.aufrufe.isEmpty());
}

TEST_F(Hauptfenster, MissingSettingsFileIsCreatedEmptyAndStartUpGoesOn)
{
    ordner.Schreiben(QStringLiteral("ziehbuch.dat"), Datei(DreiZiehungen));
    EXPECT_TRUE(Starten());
    ASSERT_EQ(fake.prompts.boxen.size(), 1);
    EXPECT_EQ(fake.prompts.boxen[0].text,
              QStringLiteral("Die Datei ZIEHBUCH.INI fehlte.\r\nSie wurde neu angelegt."));
    EXPECT_EQ(fake.prompts.boxen[0].titel, Titel);
    EXPECT_EQ(fake.prompts.boxen[0].symbol, Prompts::Symbol::Kritisch);
    EXPECT_EQ(fake.prompts.beeps, 1);
    EXPECT_TRUE(ordner.Existiert(QStringLiteral("ziehbuch.ini")));
    EXPECT_TRUE(ordner.Lesen(QStringLiteral("ziehbuch.ini")).isEmpty());
    EXPECT_EQ(m.AnzahlIniZeilen(), 0);
    EXPECT_EQ(fake.fenster.geoeffnet, QList<QString>{QStringLiteral("Form_Info")});

    form.show();
    EXPECT_EQ(Text("LabelNr"), QStringLiteral("#3"));
    EXPECT_EQ(Text("LabelGewinn0"), QStringLiteral("KEIN GEWINN"));
}

TEST_F(Hauptfenster, SettingsFileThatCannotBeCreatedIsReportedAndStartUpGoesOn)
{
    ordner.Schreiben(QStringLiteral("ziehbuch.dat"), Datei(DreiZiehungen));
    // A link into a folder that does not exist: the file is missing and cannot be made.
    ASSERT_TRUE(QFile::link(ordner.Datei(QStringLiteral("fehlt/ziehbuch.ini")),
                            ordner.Datei(QStringLiteral("ziehbuch.ini"))));
    EXPECT_TRUE(Starten());
    ASSERT_EQ(fake.prompts.boxen.size(), 1);
    EXPECT_TRUE(fake.prompts.boxen[0].text.startsWith(
        QStringLiteral("Die Datei ZIEHBUCH.INI fehlte und konnte nicht angelegt werden.\r\n")));
    EXPECT_TRUE(
        fake.prompts.boxen[0].text.endsWith(QStringLiteral("\r\nDas Programm startet ohne Tips.")));
    EXPECT_EQ(m.AnzahlIniZeilen(), 0);
    EXPECT_EQ(fake.fenster.geoeffnet, QList<QString>{QStringLiteral("Form_Info")});
}

TEST_F(Hauptfenster, BadLineStopsStartUpAndLeavesTheFileAsItWas)
{
    const QByteArray bytes =
        Datei(DreiZiehungen.mid(0, 1)) + QByteArray("kaputt\r\n") + Datei(DreiZiehungen.mid(1));
    ordner.Schreiben(QStringLiteral("ziehbuch.dat"), bytes);
    EXPECT_FALSE(Starten());
    ASSERT_EQ(fake.prompts.boxen.size(), 1);
    EXPECT_EQ(fake.prompts.boxen[0].text,
              QStringLiteral("Die Datei ZIEHBUCH.DAT ist fehlerhaft (Zeile 2).\r\n"
                             "Das Programm wird abgebrochen."));
    EXPECT_EQ(fake.prompts.ablauf,
              QStringList({QStringLiteral("Beep"), QStringLiteral("MsgBox: ") + Titel}));
    EXPECT_EQ(ordner.Lesen(QStringLiteral("ziehbuch.dat")), bytes);
    EXPECT_FALSE(ordner.Existiert(QStringLiteral("ziehbuch.ini")));
    EXPECT_TRUE(fake.fenster.geoeffnet.isEmpty());
}

TEST_F(Hauptfenster, MoreThan32767DrawsStopStartUp)
{
    const QByteArray zeile = *Ziehungsdatei::ZeileSchreiben(DreiZiehungen[0]) + "\r\n";
    ordner.Schreiben(QStringLiteral("ziehbuch.dat"), zeile.repeated(32768));
    ordner.Schreiben(QStringLiteral("ziehbuch.ini"), {});
    EXPECT_FALSE(Starten());
    ASSERT_EQ(fake.prompts.boxen.size(), 1);
    EXPECT_EQ(fake.prompts.boxen[0].text,
              QStringLiteral("Die Datei ZIEHBUCH.DAT enthält mehr als 32767 Ziehungen.\r\n"
                             "Das Programm wird abgebrochen."));
}

TEST_F(Hauptfenster, UnreadableFilesStopStartUpWithTheirReason)
{
    QDir(ordner.Pfad()).mkdir(QStringLiteral("ziehbuch.dat"));
    EXPECT_FALSE(Starten());
    ASSERT_EQ(fake.prompts.boxen.size(), 1);
    EXPECT_TRUE(fake.prompts.boxen[0].text.startsWith(
        QStringLiteral("Die Datei ZIEHBUCH.DAT kann nicht gelesen werden.\r\n")));
    EXPECT_TRUE(
        fake.prompts.boxen[0].text.endsWith(QStringLiteral("\r\nDas Programm wird abgebrochen.")));
    EXPECT_FALSE(ordner.Existiert(QStringLiteral("ziehbuch.ini")));
}

TEST_F(Hauptfenster, UnreadableSettingsFileStopsStartUpRatherThanLoseTheTips)
{
    ordner.Schreiben(QStringLiteral("ziehbuch.dat"), Datei(DreiZiehungen));
    QDir(ordner.Pfad()).mkdir(QStringLiteral("ziehbuch.ini"));
    EXPECT_FALSE(Starten());
    ASSERT_EQ(fake.prompts.boxen.size(), 1);
    EXPECT_TRUE(fake.prompts.boxen[0].text.startsWith(
        QStringLiteral("Die Datei ZIEHBUCH.INI kann nicht gelesen werden.\r\n")));
    EXPECT_TRUE(fake.fenster.geoeffnet.isEmpty());
}

TEST_F(Hauptfenster, StartUpSetsPathsAndShowsTheAboutBoxLast)
{
    Ablegen(DreiZiehungen);
    QString ordnerOhneStrich = ordner.Pfad();
    ordnerOhneStrich.chop(1);
    ASSERT_TRUE(form.Form_Load(ordnerOhneStrich));

    EXPECT_EQ(m.ProgrammPfad, ordner.Pfad());
    EXPECT_EQ(m.HilfeDatei, ordner.Datei(QStringLiteral("Ziehbuch.hlp")));
    EXPECT_EQ(m.FarbeHintergrund, QColor(198, 198, 198));
    EXPECT_EQ(m.AktZiehung, 3);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Ziehbuch"));
    EXPECT_TRUE(fake.prompts.ablauf.isEmpty());
    EXPECT_EQ(fake.fenster.geoeffnet, QList<QString>{QStringLiteral("Form_Info")});
    ASSERT_EQ(fake.sound.aufrufe.size(), 1);
    EXPECT_EQ(fake.sound.aufrufe[0].pfad, ordner.Datei(QStringLiteral("kugel-1.wav")));
    EXPECT_EQ(fake.sound.aufrufe[0].flags, 1);
    // The load itself draws nothing.
    EXPECT_TRUE(Text("LabelNr").isEmpty());
    EXPECT_FALSE(form.isVisible());

    const QFont bild = Teil<PictureBox>("Picture1")->Font();
    EXPECT_EQ(bild.family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(bild.pointSize(), 24);
    EXPECT_EQ(form.font().family(), Teil<QLabel>("LabelGewinn0")->font().family());
    EXPECT_EQ(form.font().pointSizeF(), 8.25);
    EXPECT_FALSE(form.font().bold());
}

TEST_F(Hauptfenster, ShownDrawIsTheLastLineWhateverItsDate)
{
    StartenUndZeigen({DreiZiehungen[2], DreiZiehungen[0]});
    EXPECT_EQ(Text("LabelNr"), QStringLiteral("#2"));
    EXPECT_EQ(Text("LabelStatus"), QStringLiteral("Ziehung vom 06.01.2001, Runde 2001-001"));
}

TEST_F(Hauptfenster, EmptyArchiveShowsTheFaceAndOnlyBeeps)
{
    StartenUndZeigen({});
    EXPECT_EQ(m.AktZiehung, 0);
    EXPECT_EQ(Text("LabelNr"), QStringLiteral("#0"));
    EXPECT_EQ(Text("LabelStatus"), QStringLiteral("Keine Ziehung gespeichert"));
    EXPECT_EQ(form.GewinnSpalten(),
              (std::array<QString, 3>{QStringLiteral("KEIN GEWINN"), QString(), QString()}));

    fake.prompts.eingaben = {QStringLiteral("1")};
    form.CommandPrev_Click();
    form.CommandNext_Click();
    form.MenDGoto_Click();
    form.MenDStatistik_Click();
    EXPECT_EQ(fake.prompts.beeps, 4);
    EXPECT_TRUE(fake.prompts.fragen.isEmpty());
    EXPECT_EQ(fake.fenster.geoeffnet, QList<QString>{QStringLiteral("Form_Info")});
    EXPECT_EQ(m.AktZiehung, 0);
}

// --- Frame

TEST_F(Hauptfenster, WindowHoldsMenuToolbarAndPictureExactly)
{
    StartenUndZeigen(DreiZiehungen);
    auto *bild = Teil<PictureBox>("Picture1");
    auto *leiste = Teil<QToolBar>("Toolbar1");
    EXPECT_EQ(bild->size(), QSize(673, 329));
    EXPECT_EQ(leiste->height(), 44);
    const QPoint ecke = bild->mapTo(&form, QPoint(0, 0));
    EXPECT_EQ(ecke.x(), 0);
    EXPECT_EQ(ecke.y(), leiste->mapTo(&form, QPoint(0, 0)).y() + 44);
    EXPECT_EQ(leiste->mapTo(&form, QPoint(0, 0)).y(), form.menuBar()->height());
    EXPECT_EQ(form.size(), QSize(673, form.menuBar()->height() + 44 + 329));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST_F(Hauptfenster, ControlsOnThePictureHaveTheirPlacesAndFonts)
{
    struct Feld {
        const char *name;
        QRect ort;
        bool fett;
        Qt::Alignment ausrichtung;
    };
    const Feld felder[] = {{"LabelStatus", {72, 16, 393, 17}, true, Qt::AlignLeft},
                           {"LabelNr", {592, 16, 65, 17}, false, Qt::AlignRight},
                           {"LabelGewinn0", {80, 184, 153, 77}, true, Qt::AlignLeft},
                           {"LabelGewinn1", {240, 184, 137, 77}, true, Qt::AlignLeft},
                           {"LabelGewinn2", {384, 184, 97, 77}, true, Qt::AlignLeft}};
    for (const Feld &feld : felder) {
        auto *label = Teil<QLabel>(feld.name);
        EXPECT_EQ(label->parent(), Teil<PictureBox>("Picture1")) << feld.name;
        EXPECT_EQ(label->geometry(), feld.ort) << feld.name;
        EXPECT_EQ(label->font().bold(), feld.fett) << feld.name;
        EXPECT_EQ(label->font().pointSizeF(), 8.25) << feld.name;
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, feld.ausrichtung) << feld.name;
        EXPECT_FALSE(label->autoFillBackground()) << feld.name;
    }
    auto *zurueck = Teil<QPushButton>("CommandPrev");
    auto *vor = Teil<QPushButton>("CommandNext");
    EXPECT_EQ(zurueck->geometry(), QRect(72, 280, 49, 41));
    EXPECT_EQ(vor->geometry(), QRect(128, 280, 49, 41));
    EXPECT_EQ(zurueck->toolTip(), QStringLiteral("Zahlen der vorherigen Ziehung"));
    EXPECT_EQ(vor->toolTip(), QStringLiteral("Zahlen der nächsten Ziehung"));
    EXPECT_EQ(zurueck->iconSize(), QSize(35, 35));
    EXPECT_FALSE(form.windowIcon().isNull());
}

TEST_F(Hauptfenster, ClosingTheWindowPlaysTheClosingSound)
{
    StartenUndZeigen(DreiZiehungen);
    fake.sound.aufrufe.clear();
    form.close();
    ASSERT_EQ(fake.sound.aufrufe.size(), 1);
    EXPECT_EQ(fake.sound.aufrufe[0].pfad, ordner.Datei(QStringLiteral("kugel-1.wav")));
    EXPECT_EQ(fake.sound.aufrufe[0].flags, 1);
}

// --- Display

TEST_F(Hauptfenster, ActivationSetsHelpAndShowsTheNewestDraw)
{
    Ablegen(DreiZiehungen);
    ASSERT_TRUE(Starten());
    fake.hilfe.HelpCommand = CommonDialog::cdlHelpContext;
    form.show();
    EXPECT_EQ(fake.hilfe.HelpFile, m.HilfeDatei);
    EXPECT_EQ(fake.hilfe.ApplicationHelpFile, m.HilfeDatei);
    EXPECT_EQ(fake.hilfe.HelpCommand, CommonDialog::cdlHelpContents);
    EXPECT_EQ(Text("LabelNr"), QStringLiteral("#3"));
    EXPECT_EQ(Text("LabelStatus"), QStringLiteral("Ziehung vom 13.01.2001, Runde 2001-004"));
    EXPECT_EQ(Text("LabelGewinn0"), QStringLiteral("KEIN GEWINN"));
    EXPECT_EQ(Text("LabelGewinn1"), QString());
    EXPECT_TRUE(fake.prompts.ablauf.isEmpty()) << "no win, no sound";
}

TEST_F(Hauptfenster, MarksAreDrawnOnThePicture)
{
    StartenUndZeigen(DreiZiehungen);
    // 12 is row 2, column 6: its cross meets at (645.4, 91.4).
    const QImage bild = Teil<PictureBox>("Picture1")->Bild();
    EXPECT_LT(qGray(bild.pixel(645, 91)), 60);
}

TEST_F(Hauptfenster, WinningDrawPlaysTheWinSoundOnEveryActivation)
{
    ordner.Schreiben(QStringLiteral("kugel-2.wav"), "RIFF");
    StartenUndZeigen(DreiZiehungen, "Zahlentip=12,13,14,20,21,22Glueck\r\n");
    EXPECT_EQ(Klaenge(QStringLiteral("kugel-2.wav")), 1);
    EXPECT_EQ(Text("LabelGewinn0"), QStringLiteral("TIPNAME\nZ: Glueck\n"));
    EXPECT_EQ(Text("LabelGewinn2"), QStringLiteral("GEWINN\n3er\n"));
    EXPECT_EQ(form.GewinnSpalten()[1], QStringLiteral("TIPZAHLEN\r\n12,13,14,20,21,22\r\n"));

    form.MenHInfo_Click();
    EXPECT_EQ(Klaenge(QStringLiteral("kugel-2.wav")), 2);
    EXPECT_EQ(fake.prompts.beeps, 0);
}

TEST_F(Hauptfenster, WinWithoutWinSoundFileBeeps)
{
    StartenUndZeigen(DreiZiehungen, "Zahlentip=12,13,14,20,21,22Glueck\r\n");
    EXPECT_EQ(fake.prompts.ablauf, QStringList{QStringLiteral("Beep")});
    EXPECT_EQ(Klaenge(QStringLiteral("kugel-2.wav")), 0);
}

TEST_F(Hauptfenster, LongTipNameIsFittedInTheWindowFont)
{
    StartenUndZeigen(DreiZiehungen, "Jokertip=654321Ein sehr langer Name fuer einen Tip\r\n");
    form.CommandPrev_Click();
    const QString zeile = form.GewinnSpalten()[0].split(QStringLiteral("\r\n")).at(1);
    EXPECT_TRUE(zeile.startsWith(QStringLiteral("J: Ein")));
    EXPECT_TRUE(zeile.endsWith(QStringLiteral("...")));
    EXPECT_LT(form.TextWidth(zeile), 0.8 * 153);
    EXPECT_GE(form.TextWidth(zeile.chopped(3) + QStringLiteral("s...")), 0.8 * 153 - 1e-9)
        << "no more was cut than needed";
}

// --- Stepping and keys

TEST_F(Hauptfenster, SteppingBeepsAtBothEndsAndShowsTheDrawAgain)
{
    StartenUndZeigen(DreiZiehungen);
    form.CommandNext_Click();
    EXPECT_EQ(fake.prompts.beeps, 1);
    EXPECT_EQ(m.AktZiehung, 3);
    QTest::mouseClick(Teil<QPushButton>("CommandPrev"), Qt::LeftButton);
    form.CommandPrev_Click();
    EXPECT_EQ(m.AktZiehung, 1);
    EXPECT_EQ(Text("LabelNr"), QStringLiteral("#1"));
    EXPECT_EQ(fake.prompts.beeps, 1);
    form.CommandPrev_Click();
    EXPECT_EQ(fake.prompts.beeps, 2);
    EXPECT_EQ(m.AktZiehung, 1);
    QTest::mouseClick(Teil<QPushButton>("CommandNext"), Qt::LeftButton);
    EXPECT_EQ(m.AktZiehung, 2);
}

TEST_F(Hauptfenster, WithOneDrawBothStepsBeep)
{
    StartenUndZeigen(DreiZiehungen.mid(0, 1));
    form.CommandPrev_Click();
    form.CommandNext_Click();
    EXPECT_EQ(fake.prompts.beeps, 2);
    EXPECT_EQ(m.AktZiehung, 1);
}

TEST_F(Hauptfenster, KeysStepOnceWhereverTheFocusIs)
{
    StartenUndZeigen(DreiZiehungen);
    Teil<QPushButton>("CommandNext")->setFocus();
    Taste(Qt::Key_Up);
    EXPECT_EQ(m.AktZiehung, 2);
    Taste(Qt::Key_PageUp);
    EXPECT_EQ(m.AktZiehung, 1);
    Taste(Qt::Key_Up);
    EXPECT_EQ(fake.prompts.beeps, 1);
    Taste(Qt::Key_Down);
    EXPECT_EQ(m.AktZiehung, 2);
    Taste(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(m.AktZiehung, 3);
    Taste(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(m.AktZiehung, 2);
}

TEST_F(Hauptfenster, F10TwiceBeepsTwiceAndShowsTheExportEntry)
{
    StartenUndZeigen(DreiZiehungen);
    QAction *linie = Teil<QAction>("MenLinie5");
    QAction *export_ = Teil<QAction>("MenHExport");
    EXPECT_FALSE(linie->isVisible());
    EXPECT_FALSE(export_->isVisible());
    Taste(Qt::Key_F10);
    EXPECT_TRUE(linie->isVisible());
    EXPECT_TRUE(export_->isVisible());
    Taste(Qt::Key_F10);
    EXPECT_EQ(fake.prompts.beeps, 2);
    EXPECT_TRUE(export_->isVisible());
    EXPECT_EQ(form.menuBar()->activeAction(), nullptr);
    EXPECT_EQ(m.AktZiehung, 3);
}

// --- Go to

TEST_F(Hauptfenster, GoToAsksAndShowsTheTarget)
{
    StartenUndZeigen(DreiZiehungen);
    fake.prompts.eingaben = {QStringLiteral("2001-002")};
    form.MenDGoto_Click();
    ASSERT_EQ(fake.prompts.fragen.size(), 1);
    EXPECT_EQ(fake.prompts.fragen[0].prompt,
              QStringLiteral("Geben Sie das Datum oder die Runde ein,\r\n"
                             "zu der das Programm springen soll oder\r\n"
                             "'1' zur ersten oder '9' zur letzten."));
    EXPECT_EQ(fake.prompts.fragen[0].titel, QStringLiteral("Gehe zu Datum/Runde"));
    EXPECT_TRUE(fake.prompts.fragen[0].vorgabe.isEmpty());
    EXPECT_EQ(m.AktZiehung, 2);
    EXPECT_EQ(Text("LabelNr"), QStringLiteral("#2"));
}

TEST_F(Hauptfenster, GoToWithWrongOrEmptyAnswerDoesNotRedraw)
{
    ordner.Schreiben(QStringLiteral("kugel-2.wav"), "RIFF");
    StartenUndZeigen(DreiZiehungen, "Zahlentip=12,13,14,20,21,22Glueck\r\n");
    ASSERT_EQ(Klaenge(QStringLiteral("kugel-2.wav")), 1);

    fake.prompts.eingaben = {QStringLiteral("32.01.2001"), QString(), QStringLiteral("9")};
    form.MenDGoto_Click();
    EXPECT_EQ(fake.prompts.ablauf,
              QStringList({QStringLiteral("InputBox: Gehe zu Datum/Runde"), QStringLiteral("Beep"),
                           QStringLiteral("MsgBox: Fehler")}));
    ASSERT_EQ(fake.prompts.boxen.size(), 1);
    EXPECT_EQ(fake.prompts.boxen[0].text, QStringLiteral("Falsche Eingabe."));
    EXPECT_EQ(fake.prompts.boxen[0].symbol, Prompts::Symbol::Kritisch);
    form.MenDGoto_Click();
    EXPECT_EQ(Klaenge(QStringLiteral("kugel-2.wav")), 1);
    EXPECT_EQ(m.AktZiehung, 3);

    form.MenDGoto_Click();
    EXPECT_EQ(Klaenge(QStringLiteral("kugel-2.wav")), 2) << "a go-to redraws";
}

// --- Menus and toolbar

TEST_F(Hauptfenster, MenusHaveTheirCaptionsShortcutsAndOrder)
{
    struct Eintrag {
        const char *name;
        QString text;
        QKeySequence kurz;
    };
    const auto pruefen = [](QMenu *menue, const QList<Eintrag> &eintraege) {
        const auto aktionen = menue->actions();
        ASSERT_EQ(aktionen.size(), eintraege.size());
        for (int i = 0; i < aktionen.size(); ++i) {
            EXPECT_EQ(aktionen[i]->objectName(), QString::fromLatin1(eintraege[i].name));
            EXPECT_EQ(aktionen[i]->isSeparator(), eintraege[i].text.isEmpty());
            EXPECT_EQ(aktionen[i]->text(), eintraege[i].text);
            EXPECT_EQ(aktionen[i]->shortcut(), eintraege[i].kurz);
        }
    };
    auto *datei = Teil<QMenu>("MenDatei");
    auto *hilfe = Teil<QMenu>("MenHilfe");
    EXPECT_EQ(datei->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(hilfe->title(), QStringLiteral("&Hilfe"));
    const auto strg = [](Qt::Key taste) { return QKeySequence(Qt::CTRL | taste); };
    pruefen(datei, {{"MenDEingabe", QStringLiteral("&Eingabe"), strg(Qt::Key_N)},
                    {"MenDEdit", QStringLiteral("&Korrektur"), strg(Qt::Key_K)},
                    {"MenDTips", QStringLiteral("&Tipverwaltung"), strg(Qt::Key_T)},
                    {"MenDL1", {}, {}},
                    {"MenDGoto", QStringLiteral("&Gehe zu Datum/Runde"), strg(Qt::Key_G)},
                    {"MenDL2", {}, {}},
                    {"MenDStatistik", QStringLiteral("&Statistik"), strg(Qt::Key_S)},
                    {"MenDL3", {}, {}},
                    {"MenDBeenden", QStringLiteral("Programm &beenden"), strg(Qt::Key_Q)}});
    pruefen(hilfe, {{"MenHHilfe", QStringLiteral("&Inhalt"), QKeySequence(Qt::Key_F1)},
                    {"MenHInfo", QStringLiteral("I&nfo"), {}},
                    {"MenLinie5", {}, {}},
                    {"MenHExport", QStringLiteral("Datenexport"), {}}});
}

TEST_F(Hauptfenster, ToolbarHasItsEightEntries)
{
    auto *leiste = Teil<QToolBar>("Toolbar1");
    const auto aktionen = leiste->actions();
    ASSERT_EQ(aktionen.size(), 8);
    const QStringList keys{QStringLiteral("Eingabe"),   QStringLiteral("Edit"),
                           QStringLiteral("Tips"),      QString(),
                           QStringLiteral("Statistik"), QString(),
                           QStringLiteral("Hilfe"),     QStringLiteral("Exit")};
    const QStringList tips{QStringLiteral("neue Zahlen eingeben"),
                           QStringLiteral("die Zahlen korrigieren"),
                           QStringLiteral("Tipverwaltung"),
                           QString(),
                           QStringLiteral("Statistik"),
                           QString(),
                           QStringLiteral("Hilfe"),
                           QStringLiteral("Programm beenden")};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(aktionen[i]->isSeparator(), keys[i].isEmpty()) << i;
        if (keys[i].isEmpty())
            continue;
        EXPECT_EQ(aktionen[i]->data().toString(), keys[i]);
        EXPECT_EQ(aktionen[i]->toolTip(), tips[i]);
        EXPECT_FALSE(aktionen[i]->icon().isNull());
        EXPECT_EQ(leiste->widgetForAction(aktionen[i])->size(), QSize(39, 38));
    }
    EXPECT_EQ(leiste->iconSize(), QSize(32, 32));
}

TEST_F(Hauptfenster, ToolbarRoutesEachKeyAndIgnoresOthers)
{
    StartenUndZeigen(DreiZiehungen);
    fake.fenster.geoeffnet.clear();
    for (const char *key : {"Eingabe", "Edit", "Tips", "Statistik"})
        form.Toolbar1_ButtonClick(QString::fromLatin1(key));
    EXPECT_EQ(fake.fenster.geoeffnet,
              QList<QString>({QStringLiteral("Form_Eingabe"), QStringLiteral("Form_Eingabe"),
                              QStringLiteral("Form_Tips"), QStringLiteral("Form_Statistik")}));

    form.Toolbar1_ButtonClick(QStringLiteral("Hilfe"));
    ASSERT_EQ(fake.viewer.aufrufe.size(), 1);
    EXPECT_EQ(fake.viewer.aufrufe[0].befehl, CommonDialog::cdlHelpContents);

    const int klaengeVorher = int(fake.sound.aufrufe.size());
    for (const char *key : {"exit", "EDIT", "Neu", ""})
        form.Toolbar1_ButtonClick(QString::fromLatin1(key));
    EXPECT_EQ(fake.fenster.geoeffnet.size(), 4);
    EXPECT_EQ(fake.viewer.aufrufe.size(), 1);
    EXPECT_EQ(beendet, 0);
    EXPECT_EQ(fake.sound.aufrufe.size(), klaengeVorher);

    form.Toolbar1_ButtonClick(QStringLiteral("Exit"));
    EXPECT_EQ(beendet, 1);
}

TEST_F(Hauptfenster, ToolbarButtonClickReachesItsCommand)
{
    StartenUndZeigen(DreiZiehungen);
    auto *leiste = Teil<QToolBar>("Toolbar1");
    QTest::mouseClick(leiste->widgetForAction(Teil<QAction>("Hilfe")), Qt::LeftButton);
    EXPECT_EQ(fake.viewer.aufrufe.size(), 1);
}

TEST_F(Hauptfenster, StatisticsWindowLeavesTheShownDraw)
{
    StartenUndZeigen(DreiZiehungen);
    form.CommandPrev_Click();
    fake.fenster.skripte = {[this](QDialog &) { m.AktZiehung = 1; }};
    form.MenDStatistik_Click();
    EXPECT_EQ(fake.fenster.geoeffnet.last(), QStringLiteral("Form_Statistik"));
    EXPECT_EQ(m.AktZiehung, 2);
    EXPECT_EQ(Text("LabelNr"), QStringLiteral("#2"));
}

TEST_F(Hauptfenster, HelpContentsUsesTheHelpFileOfTheLastActivation)
{
    StartenUndZeigen(DreiZiehungen);
    fake.hilfe.HelpCommand = CommonDialog::cdlHelpContext;
    fake.hilfe.HelpContext = 140;
    form.MenHHilfe_Click();
    ASSERT_EQ(fake.viewer.aufrufe.size(), 1);
    EXPECT_EQ(fake.viewer.aufrufe[0].datei, ordner.Datei(QStringLiteral("Ziehbuch.hlp")));
    EXPECT_EQ(fake.viewer.aufrufe[0].befehl, CommonDialog::cdlHelpContents);
}

TEST_F(Hauptfenster, AboutBoxIsShownAgainAndTheDrawRedrawn)
{
    StartenUndZeigen(DreiZiehungen);
    form.CommandPrev_Click();
    Teil<QLabel>("LabelNr")->clear();
    form.MenHInfo_Click();
    EXPECT_EQ(fake.fenster.geoeffnet,
              QList<QString>({QStringLiteral("Form_Info"), QStringLiteral("Form_Info")}));
    EXPECT_EQ(Text("LabelNr"), QStringLiteral("#2"));
}

TEST_F(Hauptfenster, QuitPlaysItsSoundToTheEndAndNoClosingSound)
{
    StartenUndZeigen(DreiZiehungen);
    fake.sound.aufrufe.clear();
    form.MenDBeenden_Click();
    ASSERT_EQ(fake.sound.aufrufe.size(), 1);
    EXPECT_EQ(fake.sound.aufrufe[0].pfad, ordner.Datei(QStringLiteral("kugel-1.wav")));
    EXPECT_EQ(fake.sound.aufrufe[0].flags, 0);
    EXPECT_EQ(beendet, 1);
    form.close();
    EXPECT_EQ(fake.sound.aufrufe.size(), 1);
}

TEST_F(Hauptfenster, ExportEntryRunsTheExport)
{
    StartenUndZeigen(DreiZiehungen);
    Taste(Qt::Key_F10);
    Teil<QAction>("MenHExport")->trigger();
    EXPECT_TRUE(ordner.Existiert(QStringLiteral("ziehbuch.txt")));
}

} // namespace
