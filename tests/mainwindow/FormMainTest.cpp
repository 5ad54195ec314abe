#include "FormMain.h"
#include "PictureBox.h"
#include "Testhilfe.h"
#include "Ziehungsdatei.h"

#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QWindow>
#include <array>

namespace {

// Three draws in order of entry; the newest has no Joker.
const QList<Ziehungssatz> Drei{Ziehungssatz(S("06.01.200100103111726334107123456")),
                               Ziehungssatz(S("10.01.200100301020405060809654321")),
                               Ziehungssatz(S("13.01.200100412131415161718      "))};
const QByteArray GewinntMitDrei = "Zahlentip=12,13,14,20,21,22Glueck\r\n";

QByteArray Inhalt(const QList<Ziehungssatz> &saetze)
{
    return *Ziehungsdatei::DateiSchreiben(QList<Ziehungssatz>{Ziehungssatz()} + saetze);
}

// The colours that cover at least 16 pixels of a picture, white first, then the hues around the
// colour wheel, separated by blanks: what tells the toolbar's pictures apart by what they show.
QString Farben(const QImage &bild)
{
    const char *namen[] = {"rot", "gelb", "grün", "cyan", "blau", "lila"};
    std::array<int, 7> anzahl{}; // white, then the hues of namen
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            const int ton = c.hsvHue(), naechster = (ton + 30) / 60;
            if (c.alpha() < 255)
                continue;
            if (qMin(qMin(c.red(), c.green()), c.blue()) >= 240)
                ++anzahl[0];
            else if (c.hsvSaturationF() >= 0.6 && c.valueF() >= 0.35 &&
                     qAbs(ton - 60 * naechster) <= 20)
                ++anzahl[1 + naechster % 6];
        }
    }
    QStringList farben;
    for (int i = 0; i < 7; ++i) {
        if (anzahl[i] >= 16)
            farben << (i == 0 ? S("weiß") : S(namen[i - 1]));
    }
    return farben.join(QLatin1Char(' '));
}

// The main window on a temporary program folder, with every platform service faked.
struct Fenster : Umgebung {
    bool Starten() { return form.Form_Load(ordner.Pfad()); }
    void Zeigen(const QList<Ziehungssatz> &saetze, const QByteArray &tips = {})
    {
        Lege("ziehbuch.dat", Inhalt(saetze));
        Lege("ziehbuch.ini", tips);
        ASSERT_TRUE(Starten());
        form.SetBeenden([this] { ++beendet; });
        form.show();
    }
    template <typename T> T *Teil(const char *name) { return Kind<T>(form, name); }
    QString Text(const char *label) { return Teil<QLabel>(label)->text(); }
    QString Zustand() { return Text("LabelNr") + S(" %1").arg(fake.prompts.beeps); }
    qsizetype Klaenge(const char *datei) const
    {
        return std::count_if(fake.sound.aufrufe.begin(), fake.sound.aufrufe.end(),
                             [&](const auto &a) { return a.pfad == ordner.Datei(S(datei)); });
    }

    FormMain form{m, fake.plattform};
    int beendet = 0;
};

class Hauptfenster : public ::testing::Test, public Fenster {};

TEST_F(Hauptfenster, StartUpStopsWithItsMessageAndChangesNothing)
{
    const struct {
        const char *grund;
        QByteArray dat; // not written when null
        bool iniOrdner; // a settings file that is a folder
    } faelle[] = {{"Die Datei ZIEHBUCH.DAT fehlt.", {}, false},
                  {"Die Datei ZIEHBUCH.DAT ist fehlerhaft (Zeile 2).",
                   Inhalt({Drei[0]}) + "x\r\n" + Inhalt({Drei[1]}), false},
                  // Rather than start without the tips and overwrite them later.
                  {"Die Datei ZIEHBUCH.INI kann nicht gelesen werden.", Inhalt(Drei), true}};
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.grund);
        Fenster f;
        if (!fall.dat.isNull())
            f.Lege("ziehbuch.dat", fall.dat);
        if (fall.iniOrdner)
            QDir(f.ordner.Pfad()).mkdir(S("ziehbuch.ini"));
        EXPECT_FALSE(f.Starten());
        EXPECT_EQ(f.fake.prompts.ablauf, L("Beep|MsgBox: Ziehbuch - Fehler"));
        const QString text = f.fake.prompts.boxen.value(0).text;
        EXPECT_TRUE(text.startsWith(S(fall.grund) + S("\r\n")) &&
                    text.endsWith(S("\r\nDas Programm wird abgebrochen.")))
            << text.toStdString();
        EXPECT_EQ(f.Datei("ziehbuch.dat"), fall.dat);
        EXPECT_EQ(QFile::exists(f.ordner.Datei(S("ziehbuch.ini"))), fall.iniOrdner);
        f.form.Form_KeyDown(Qt::Key_F10, {}); // before the menus exist
    }
}

TEST_F(Hauptfenster, StartUpMakesAMissingSettingsFileThenShowsTheAboutBoxAndTheLastLine)
{
    Lege("ziehbuch.dat", Inhalt({Drei[2], Drei[0]}));
    ASSERT_TRUE(form.Form_Load(ordner.Pfad().chopped(1)));
    EXPECT_EQ(fake.prompts.ablauf, L("Beep|MsgBox: Ziehbuch - Fehler"));
    EXPECT_EQ(fake.prompts.boxen[0].text,
              S("Die Datei ZIEHBUCH.INI fehlte.\r\nSie wurde neu angelegt."));
    EXPECT_EQ(Datei("ziehbuch.ini"), QByteArray(""));
    EXPECT_EQ(fake.fenster.geoeffnet, L("Form_Info"));

    fake.hilfe.HelpCommand = CommonDialog::cdlHelpContext;
    form.show();
    EXPECT_EQ(fake.hilfe.HelpFile, ordner.Datei(S("Ziehbuch.hlp")));
    EXPECT_EQ(fake.hilfe.HelpCommand, CommonDialog::cdlHelpContents);
    EXPECT_EQ(Text("LabelNr") + Text("LabelStatus") + Text("LabelGewinn0"),
              S("#2Ziehung vom 06.01.2001, Runde 2001-001KEIN GEWINN"));

    form.close();
    EXPECT_EQ(Klaenge("kugel-1.wav"), 2) << "the closing sound";
    EXPECT_EQ(fake.sound.aufrufe.last().flags, 1);
}

TEST_F(Hauptfenster, EmptyArchiveShowsTheFaceAndOnlyBeepsButForANewDraw)
{
    Zeigen({});
    EXPECT_EQ(Text("LabelNr") + Text("LabelStatus") + Text("LabelGewinn0"),
              S("#0Keine Ziehung gespeichertKEIN GEWINN"));
    fake.prompts.eingaben = L("1");
    form.MenDGoto_Click();
    form.MenDStatistik_Click();
    form.MenDEdit_Click();
    form.MenDEingabe_Click(); // opens at once
    EXPECT_EQ(fake.prompts.ablauf, L("Beep|Beep|Beep"));
    EXPECT_EQ(fake.fenster.geoeffnet, L("Form_Info|Form_Eingabe"));
}

TEST_F(Hauptfenster, WinsAreShownWithTheirSoundOrABeepAndNamesFittedAndGoToRedraws)
{
    Zeigen(Drei, GewinntMitDrei + "Jokertip=654321Ein sehr langer Name fuer einen Tip\r\n");
    EXPECT_EQ(fake.prompts.ablauf, L("Beep")) << "no kugel-2.wav";
    EXPECT_EQ(Text("LabelGewinn2"), S("GEWINN\n3er\n"));
    // 12 is row 2, column 6: its cross meets at (645.4, 91.4).
    EXPECT_LT(qGray(Teil<PictureBox>("Picture1")->Bild().pixel(645, 91)), 60);

    Lege("kugel-2.wav", "RIFF");
    form.move(0, 0); // the About box is centred on the screen, not over the window
    fake.fenster.skripte = {[](QDialog &d) {
        EXPECT_EQ(d.frameGeometry().center(), d.screen()->availableGeometry().center());
    }};
    Teil<QAction>("MenHInfo")->trigger();
    EXPECT_EQ(fake.fenster.geoeffnet, L("Form_Info|Form_Info"));
    EXPECT_EQ(Klaenge("kugel-2.wav"), 1) << "the About box redraws";
    form.CommandPrev_Click();
    EXPECT_EQ(Klaenge("kugel-2.wav"), 2);
    // The name is fitted below 0.8 of its label's width, measured in the window's font: 120.86
    // pixels, and 126.97 with its next letter (widths as in the next test).
    EXPECT_EQ(form.GewinnSpalten()[0].split(S("\r\n")).at(1), S("J: Ein sehr langer Nam..."));

    // Go to redraws only for an answer that lands.
    fake.prompts.eingaben = L("32.01.2001|2001-004");
    form.MenDGoto_Click();
    EXPECT_EQ(fake.prompts.ablauf.mid(1), L("InputBox: Gehe zu Datum/Runde|Beep|MsgBox: Fehler"));
    EXPECT_EQ(fake.prompts.boxen.value(0).text, S("Falsche Eingabe."));
    EXPECT_EQ(Klaenge("kugel-2.wav"), 2);
    form.MenDGoto_Click();
    EXPECT_EQ(Text("LabelNr"), S("#3"));
    EXPECT_EQ(Klaenge("kugel-2.wav"), 3);
}

// Tip names are fitted to 0.8 of their label's 153 pixels, 122.4 pixels, measured in the window's
// font, "MS Sans Serif" 8.25 points, which is Liberation Sans at 11 pixels here. Widths are the
// font's advances and kerning at that size, each to 1/64 pixel; "..." is 9.14 pixels.
TEST_F(Hauptfenster, TipNamesAreFittedToTheLimitInTheWindowsFont)
{
    const std::pair<const char *, const char *> faelle[] = {
        // 122.13 pixels: whole, though with "..." it would not fit
        {"Jokertip=654321Kollegen und Samstag", "J: Kollegen und Samstag"},
        // one letter more, 127.63: cut to 119.05 pixels; with its "a" it would be 125.16
        {"Jokertip=654321Kollegen und Samstags", "J: Kollegen und Samst..."},
        // the widest letter, 10.38 pixels: nine and "..." make 113.5 pixels, ten 123.88
        {"Jokertip=654321WWWWWWWWWWWW", "J: WWWWWWWWW..."},
        // the other prefix: 122.08 pixels with "...", and 128.19 with its next letter
        {"Zahlentip=01,02,04,20,21,22Ein sehr langer Name fuer einen Tip",
         "Z: Ein sehr langer Nam..."}};
    QByteArray tips;
    QString namen = S("TIPNAME\r\n");
    for (const auto &[zeile, name] : faelle) {
        tips += QByteArray(zeile) + "\r\n";
        namen += S(name) + S("\r\n");
    }
    Zeigen(Drei, tips);
    const QFontInfo schrift(form.font());
    ASSERT_EQ(schrift.family() + S(" %1").arg(schrift.pixelSize()), S("Liberation Sans 11"));
    form.CommandPrev_Click(); // every tip wins on the second draw
    EXPECT_EQ(form.GewinnSpalten()[0], namen);
}

TEST_F(Hauptfenster, ButtonsAndKeysStepWhereverTheFocusIsAndBeepAtTheEndsAndF10ShowsTheExport)
{
    Zeigen(Drei);
    QAction *linie = Teil<QAction>("MenLinie5"), *export_ = Teil<QAction>("MenHExport");
    EXPECT_FALSE(linie->isVisible() || export_->isVisible());
    Teil<QPushButton>("CommandNext")->setFocus();
    QStringList gezeigt; // the draw shown and the beeps so far, after each step
    for (const char *knopf : {"CommandNext", "CommandPrev"}) {
        QTest::mouseClick(Teil<QPushButton>(knopf), Qt::LeftButton);
        gezeigt << Zustand();
    }
    for (const QKeyCombination taste :
         {QKeyCombination(Qt::Key_PageUp), QKeyCombination(Qt::Key_Up),
          QKeyCombination(Qt::Key_Down), Qt::ControlModifier | Qt::Key_PageDown,
          Qt::ShiftModifier | Qt::Key_Up, QKeyCombination(Qt::Key_F10),
          QKeyCombination(Qt::Key_F10)}) {
        QTest::keyClick(form.windowHandle(), taste.key(), taste.keyboardModifiers());
        gezeigt << Zustand();
    }
    EXPECT_EQ(gezeigt, L("#3 1|#2 1|#1 1|#1 2|#2 2|#3 2|#2 2|#2 3|#2 4"));
    EXPECT_TRUE(linie->isVisible() && export_->isVisible()) << "after F10";
    EXPECT_EQ(form.menuBar()->activeAction(), nullptr);
    // The export names its file as it stands on disk, or says why it could not write it.
    export_->trigger();
    EXPECT_EQ(fake.prompts.boxen.value(0).symbol, Prompts::Symbol::Information);
    EXPECT_EQ(fake.prompts.boxen.value(0).text,
              S("Die Daten wurden nach\r\n     %1\r\nexportiert.")
                  .arg(QDir::toNativeSeparators(ordner.Datei(S("ziehbuch.txt")))));
    m.ProgrammPfad += S("fehlt/");
    export_->trigger();
    EXPECT_EQ(fake.prompts.ablauf.mid(4), L("MsgBox: Export|Beep|MsgBox: Fehler"));
    const QString kopf = S("Die Datei ZIEHBUCH.TXT konnte nicht geschrieben werden.\r\n"),
                  text = fake.prompts.boxen.value(1).text;
    EXPECT_TRUE(text.startsWith(kopf) && text.size() > kopf.size()) << text.toStdString();
}

// The fixed toolbar's buttons, each with its key, picture and tooltip, run their commands.
TEST_F(Hauptfenster, ToolbarButtonsShowTheirPictureAndTipAndRunTheirCommand)
{
    Zeigen(Drei);
    form.CommandPrev_Click();
    // The first window adds a Joker tip that wins on the shown draw, so that each window's closing
    // redraws with a beep; the statistics window moves the shown draw.
    const auto nichts = [](QDialog &) {};
    fake.fenster.skripte = {[this](QDialog &) { m.IniZeilen << S("Jokertip=654321J"); }, nichts,
                            nichts, [this](QDialog &) { m.AktZiehung = 1; }};
    fake.hilfe.HelpCommand = CommonDialog::cdlHelpContext;
    const QToolBar *leiste = Teil<QToolBar>("Toolbar1");
    EXPECT_FALSE(leiste->isMovable() || leiste->isFloatable());
    EXPECT_EQ(leiste->height(), 44);
    // Each with the colours of its picture: blank white pages; white pages written in blue; a red
    // note pad with white pages; four coloured bars; a purple book with a yellow question mark and
    // white pages; a green door with a cyan arrow.
    const QStringList knoepfe =
        L("Eingabe:neue Zahlen eingeben:weiß|"
          "Edit:die Zahlen korrigieren:weiß blau|Tips:Tipverwaltung:weiß rot||"
          "Statistik:Statistik:rot gelb grün blau||"
          "Hilfe:Hilfe:weiß gelb lila|Exit:Programm beenden:grün cyan");
    const QList<QAction *> aktionen = leiste->actions();
    ASSERT_EQ(aktionen.size(), knoepfe.size());
    // Six pictures: none missing or blank, no two alike.
    QImage leer(32, 32, QImage::Format_ARGB32_Premultiplied);
    leer.fill(Qt::transparent);
    QList<QImage> bilder{QImage(), leer};
    for (int i = 0; i < aktionen.size(); ++i) {
        QAction *a = aktionen[i];
        const QImage bild = a->icon().pixmap(32).toImage();
        EXPECT_EQ(a->isSeparator()
                      ? QString()
                      : a->objectName() + S(":") + a->toolTip() + S(":") + Farben(bild),
                  knoepfe[i]);
        if (a->isSeparator())
            continue;
        EXPECT_FALSE(bilder.contains(bild)) << i;
        bilder << bild;
        EXPECT_EQ(leiste->widgetForAction(a)->size(), QSize(39, 38));
        QTest::mouseClick(leiste->widgetForAction(a), Qt::LeftButton);
    }
    EXPECT_EQ(fake.fenster.geoeffnet,
              L("Form_Info|Form_Eingabe|Form_Eingabe|Form_Tips|Form_Statistik"));
    EXPECT_EQ(m.AktZiehung, 2) << "the statistics window leaves the shown draw";
    EXPECT_EQ(fake.prompts.beeps, 4) << "a redraw after each window";
    ASSERT_EQ(fake.viewer.aufrufe.size(), 1);
    EXPECT_EQ(fake.viewer.aufrufe[0].befehl, CommonDialog::cdlHelpContents);

    EXPECT_EQ(beendet, 1);
    EXPECT_EQ(Klaenge("kugel-1.wav"), 2) << "the About box's and the quit sound";
    EXPECT_EQ(fake.sound.aufrufe.last().flags, 0);
}

// Quit waits for its sound; a close request meanwhile is refused and starts no second sound.
TEST_F(Hauptfenster, CloseRequestDuringTheQuitSoundStartsNoSecondSound)
{
    Zeigen(Drei);
    fake.sound.waehrendDesKlangs = [this] { form.close(); };
    form.MenDBeenden_Click();
    EXPECT_TRUE(beendet == 1 && form.isVisible());
    EXPECT_EQ(Klaenge("kugel-1.wav"), 2) << "the About box's and the quit sound";
}

// Texts the window shows, letter for letter, and its fonts.
TEST_F(Hauptfenster, ShowsItsTextsInItsFonts)
{
    Zeigen(Drei);
    fake.prompts.eingaben = L("");
    form.MenDGoto_Click();
    const auto schrift = [](const QWidget *w) {
        const QFont f = w->font();
        return f.family() + S(" %1%2").arg(f.pointSizeF()).arg(f.bold() ? S(" fett") : QString());
    };
    const std::pair<QString, const char *> texte[] = {
        {Teil<QMenu>("MenHilfe")->title(), "&Hilfe"},
        {Teil<QPushButton>("CommandPrev")->toolTip(), "Zahlen der vorherigen Ziehung"},
        {Teil<QPushButton>("CommandNext")->toolTip(), "Zahlen der nächsten Ziehung"},
        {fake.prompts.fragen.value(0).prompt,
         "Geben Sie das Datum oder die Runde ein,\r\nzu der das Programm springen soll oder"
         "\r\n'1' zur ersten oder '9' zur letzten."},
        {schrift(&form), "MS Sans Serif 8.25"},
        {schrift(Teil<QLabel>("LabelGewinn0")), "MS Sans Serif 8.25 fett"}};
    for (const auto &[gezeigt, text] : texte)
        EXPECT_EQ(gezeigt, S(text));
}

} // namespace
