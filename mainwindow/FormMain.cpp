#include "FormMain.h"

#include "Bilder.h"
#include "DatenExport.h"
#include "Eingabebefehle.h"
#include "Form_Info.h"
#include "Form_Statistik.h"
#include "Form_Tips.h"
#include "Geometrie.h"
#include "Modul1.h"
#include "PictureBox.h"
#include "Plattform.h"
#include "QtPrompts.h"
#include "Schrift.h"
#include "Sprungziel.h"
#include "Ziehungsanzeige.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFontMetricsF>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString Abbruchtext(const QString &grund)
{
    return grund + CrLf + QStringLiteral("Das Programm wird abgebrochen.");
}

QString Lesefehler(const Leseergebnis &ergebnis)
{
    switch (ergebnis.art) {
    case Leseergebnis::Art::Fehlerhaft:
        return QStringLiteral("Die Datei ZIEHBUCH.DAT ist fehlerhaft (Zeile %1).")
            .arg(ergebnis.zeile);
    case Leseergebnis::Art::ZuViele:
        return QStringLiteral("Die Datei ZIEHBUCH.DAT enthält mehr als 32767 Ziehungen.");
    case Leseergebnis::Art::NichtLesbar:
    case Leseergebnis::Art::Ok:
        break;
    }
    return QStringLiteral("Die Datei ZIEHBUCH.DAT kann nicht gelesen werden.") + CrLf +
           ergebnis.grund;
}

constexpr int Toolbar1Hoehe = 44;

} // namespace

FormMain::FormMain(Modul1 &m, Plattform &p, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint)
    , m_m(m)
    , m_p(p)
    , m_beenden([] { QCoreApplication::exit(0); })
{
    setObjectName(QStringLiteral("Form__Main"));
    setFont(SansSerif(false));
    setContextMenuPolicy(Qt::PreventContextMenu);

    Picture1Anlegen();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    qApp->installEventFilter(this);
}

FormMain::~FormMain()
{
    qApp->removeEventFilter(this);
}

void FormMain::MenuesAnlegen()
{
    const auto eintrag = [this](QMenu *menue, const char *name, const QString &text,
                                const QKeySequence &kurz, void (FormMain::*befehl)()) {
        QAction *aktion = menue->addAction(text);
        aktion->setObjectName(QString::fromLatin1(name));
        aktion->setShortcut(kurz);
        connect(aktion, &QAction::triggered, this, befehl);
        return aktion;
    };
    const auto trenner = [](QMenu *menue, const char *name) {
        QAction *linie = menue->addSeparator();
        linie->setObjectName(QString::fromLatin1(name));
        return linie;
    };

    QMenu *MenDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    MenDatei->setObjectName(QStringLiteral("MenDatei"));
    eintrag(MenDatei, "MenDEingabe", QStringLiteral("&Eingabe"), QKeySequence(Qt::CTRL | Qt::Key_N),
            &FormMain::MenDEingabe_Click);
    eintrag(MenDatei, "MenDEdit", QStringLiteral("&Korrektur"), QKeySequence(Qt::CTRL | Qt::Key_K),
            &FormMain::MenDEdit_Click);
    eintrag(MenDatei, "MenDTips", QStringLiteral("&Tipverwaltung"),
            QKeySequence(Qt::CTRL | Qt::Key_T), &FormMain::MenDTips_Click);
    trenner(MenDatei, "MenDL1");
    eintrag(MenDatei, "MenDGoto", QStringLiteral("&Gehe zu Datum/Runde"),
            QKeySequence(Qt::CTRL | Qt::Key_G), &FormMain::MenDGoto_Click);
    trenner(MenDatei, "MenDL2");
    eintrag(MenDatei, "MenDStatistik", QStringLiteral("&Statistik"),
            QKeySequence(Qt::CTRL | Qt::Key_S), &FormMain::MenDStatistik_Click);
    trenner(MenDatei, "MenDL3");
    eintrag(MenDatei, "MenDBeenden", QStringLiteral("Programm &beenden"),
            QKeySequence(Qt::CTRL | Qt::Key_Q), &FormMain::MenDBeenden_Click);

    QMenu *MenHilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    MenHilfe->setObjectName(QStringLiteral("MenHilfe"));
    eintrag(MenHilfe, "MenHHilfe", QStringLiteral("&Inhalt"), QKeySequence(Qt::Key_F1),
            &FormMain::MenHHilfe_Click);
    eintrag(MenHilfe, "MenHInfo", QStringLiteral("I&nfo"), QKeySequence(),
            &FormMain::MenHInfo_Click);
    MenLinie5 = trenner(MenHilfe, "MenLinie5");
    MenHExport = eintrag(MenHilfe, "MenHExport", QStringLiteral("Datenexport"), QKeySequence(),
                         &FormMain::MenHExport_Click);
    // Shown only by F10, until the program ends.
    MenLinie5->setVisible(false);
    MenHExport->setVisible(false);
}

void FormMain::Toolbar1Anlegen()
{
    auto *Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setFixedHeight(Toolbar1Hoehe);
    Toolbar1->setIconSize(QSize(Bilder::WerkzeugbildSeite, Bilder::WerkzeugbildSeite));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, Toolbar1);

    const auto knopf = [this, Toolbar1](const QString &key, const QString &tip, int bild) {
        QAction *aktion =
            Toolbar1->addAction(QIcon(QPixmap::fromImage(Bilder::Werkzeugbild(bild))), tip);
        aktion->setObjectName(key);
        aktion->setData(key);
        aktion->setToolTip(tip);
        Toolbar1->widgetForAction(aktion)->setFixedSize(39, 38);
        connect(aktion, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    };
    knopf(QStringLiteral("Eingabe"), QStringLiteral("neue Zahlen eingeben"), 1);
    knopf(QStringLiteral("Edit"), QStringLiteral("die Zahlen korrigieren"), 2);
    knopf(QStringLiteral("Tips"), QStringLiteral("Tipverwaltung"), 3);
    Toolbar1->addSeparator();
    knopf(QStringLiteral("Statistik"), QStringLiteral("Statistik"), 4);
    Toolbar1->addSeparator();
    knopf(QStringLiteral("Hilfe"), QStringLiteral("Hilfe"), 5);
    knopf(QStringLiteral("Exit"), QStringLiteral("Programm beenden"), 6);
}

void FormMain::Picture1Anlegen()
{
    Picture1 = new PictureBox(PictureBox::Einheit::Pixel, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(Geometrie::BildBreite, Geometrie::BildHoehe);
    setCentralWidget(Picture1);

    const auto label = [this](const char *name, QRect ort, bool fett, Qt::Alignment ausrichtung) {
        auto *feld = new QLabel(Picture1);
        feld->setObjectName(QString::fromLatin1(name));
        feld->setGeometry(ort);
        feld->setFont(SansSerif(fett));
        feld->setAlignment(ausrichtung | Qt::AlignTop);
        feld->setTextFormat(Qt::PlainText);
        return feld;
    };
    LabelStatus = label("LabelStatus", QRect(72, 16, 393, 17), true, Qt::AlignLeft);
    LabelNr = label("LabelNr", QRect(592, 16, 65, 17), false, Qt::AlignRight);
    LabelGewinn[0] = label("LabelGewinn0", QRect(80, 184, 153, 77), true, Qt::AlignLeft);
    LabelGewinn[1] = label("LabelGewinn1", QRect(240, 184, 137, 77), true, Qt::AlignLeft);
    LabelGewinn[2] = label("LabelGewinn2", QRect(384, 184, 97, 77), true, Qt::AlignLeft);

    const auto knopf = [this](const char *name, QRect ort, const QImage &bild, const QString &tip,
                              void (FormMain::*befehl)()) {
        auto *schalter = new QPushButton(Picture1);
        schalter->setObjectName(QString::fromLatin1(name));
        schalter->setGeometry(ort);
        schalter->setIcon(QIcon(QPixmap::fromImage(bild)));
        schalter->setIconSize(bild.size());
        schalter->setToolTip(tip);
        connect(schalter, &QPushButton::clicked, this, befehl);
        return schalter;
    };
    CommandPrev =
        knopf("CommandPrev", QRect(72, 280, 49, 41), Bilder::KugelHoch(),
              QStringLiteral("Zahlen der vorherigen Ziehung"), &FormMain::CommandPrev_Click);
    CommandNext =
        knopf("CommandNext", QRect(128, 280, 49, 41), Bilder::KugelRunter(),
              QStringLiteral("Zahlen der nächsten Ziehung"), &FormMain::CommandNext_Click);
}

bool FormMain::Form_Load(const QString &programmOrdner)
{
    // The tip names are measured in the window's font, of the columns' family.
    QFont schrift = font();
    schrift.setFamily(LabelGewinn[0]->font().family());
    setFont(schrift);

    m_m.FarbeHintergrund = QColor(198, 198, 198);
    const QString ordner = programmOrdner.endsWith(QLatin1Char('/'))
                               ? programmOrdner
                               : programmOrdner + QLatin1Char('/');
    m_m.ProgrammPfad = ordner;

    const QString titel = QStringLiteral("Ziehbuch - Fehler");
    if (!QFile::exists(m_m.DrawFilePath())) {
        m_p.prompts.Fehler(nullptr, Abbruchtext(QStringLiteral("Die Datei ZIEHBUCH.DAT fehlt.")),
                           titel);
        return false;
    }
    // The draw file is decoded before anything is created, so that a file
    // that cannot be read stops the program with nothing written.
    const Leseergebnis gelesen = m_m.ZiehungenLesen();
    if (!gelesen.ok()) {
        m_p.prompts.Fehler(nullptr, Abbruchtext(Lesefehler(gelesen)), titel);
        return false;
    }

    bool tipsLesen = true;
    if (!QFile::exists(m_m.SettingsFilePath())) {
        m_m.IniZeilen = QStringList{QString()};
        const Schreibergebnis angelegt = m_m.IniSchreiben();
        if (angelegt.ok) {
            m_p.prompts.Fehler(nullptr,
                               QStringLiteral("Die Datei ZIEHBUCH.INI fehlte.") + CrLf +
                                   QStringLiteral("Sie wurde neu angelegt."),
                               titel);
        } else {
            // Nothing to lose: the program starts with no tips.
            tipsLesen = false;
            m_p.prompts.Fehler(nullptr,
                               QStringLiteral("Die Datei ZIEHBUCH.INI fehlte und konnte nicht "
                                              "angelegt werden.") +
                                   CrLf + angelegt.grund + CrLf +
                                   QStringLiteral("Das Programm startet ohne Tips."),
                               titel);
        }
    }
    if (tipsLesen) {
        const Schreibergebnis tips = m_m.IniLesen();
        if (!tips.ok) {
            // Going on without tips would let the tips window overwrite them.
            m_p.prompts.Fehler(
                nullptr,
                Abbruchtext(QStringLiteral("Die Datei ZIEHBUCH.INI kann nicht gelesen werden.") +
                            CrLf + tips.grund),
                titel);
            return false;
        }
    }

    Picture1->SetFont(QFont(QStringLiteral("Times New Roman"), 24));
    setWindowTitle(QStringLiteral("Ziehbuch"));
    m_m.HilfeDatei = ordner + QStringLiteral("Ziehbuch.hlp");
    m_m.AktZiehung = qint16(m_m.AnzahlZiehungen());

    Form_Info info(m_m, m_p, nullptr);
    m_p.fenster.ShowModal(info);
    // The menus, the toolbar and the window's size are first needed when the
    // window shows, after the About box; made before it, they only delay it.
    MenuesAnlegen();
    Toolbar1Anlegen();
    FensterGroesse();
    return true;
}

// The inner area holds the menu bar, the toolbar and the picture exactly;
// the layout's fixed-size constraint keeps it so.
void FormMain::FensterGroesse()
{
    layout()->activate();
    adjustSize();
    if (const QScreen *bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

void FormMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_gezeigt) {
        m_gezeigt = true;
        Form_Activate();
    }
}

void FormMain::closeEvent(QCloseEvent *event)
{
    // The quit command, waiting for its sound, ends the program itself.
    if (m_beendet) {
        event->ignore();
        return;
    }
    m_p.sound.Play(m_m.ProgrammPfad + QStringLiteral("kugel-1.wav"), SoundPlayer::Sofort);
    event->accept();
}

void FormMain::Form_Activate()
{
    m_p.hilfe.ApplicationHelpFile = m_m.HilfeDatei;
    m_p.hilfe.HelpFile = m_m.HilfeDatei;
    m_p.hilfe.HelpCommand = CommonDialog::cdlHelpContents;
    ZeigeZiehung();
}

double FormMain::TextWidth(const QString &text) const
{
    return QFontMetricsF(font()).horizontalAdvance(text);
}

void FormMain::ZeigeZiehung()
{
    // The face is drawn when the window first shows a draw, not before the
    // About box at start-up.
    if (Picture1->Picture().isNull())
        Picture1->SetPicture(Bilder::Hauptbild());
    Picture1->Cls();

    Tipcheck::Ergebnis ergebnis = Tipcheck::KeinGewinn();
    const int anzahl = m_m.AnzahlZiehungen();
    if (anzahl == 0) {
        LabelNr->setText(Ziehungsanzeige::NrText(0));
        LabelStatus->setText(Ziehungsanzeige::KeineZiehungText());
    } else {
        const int akt = qBound(1, int(m_m.AktZiehung), anzahl);
        const Ziehungssatz &ziehung = m_m.Ziehungen.at(akt);
        LabelNr->setText(Ziehungsanzeige::NrText(akt));
        LabelStatus->setText(Ziehungsanzeige::StatusText(ziehung));
        Ziehungsanzeige::Zeichnen(*Picture1, ziehung);
        ergebnis = Tipcheck::TipsPruefen(ziehung, m_m.IniZeilen, 0.8 * LabelGewinn[0]->width(),
                                         [this](const QString &t) { return TextWidth(t); });
    }

    m_gewinnSpalten = ergebnis.GewinnSpalten;
    for (int i = 0; i < 3; ++i)
        LabelGewinn[i]->setText(Zeilenumbrueche(m_gewinnSpalten[i]));

    if (ergebnis.Gewonnen) {
        const QString klang = m_m.ProgrammPfad + QStringLiteral("kugel-2.wav");
        if (QFile::exists(klang))
            m_p.sound.Play(klang, SoundPlayer::Sofort);
        else
            m_p.prompts.Beep();
    }
}

bool FormMain::eventFilter(QObject *objekt, QEvent *ereignis)
{
    // Keys reach the window before its focused control; a menu open over it,
    // or the menu bar in keyboard use, takes its own keys.
    if (ereignis->type() != QEvent::KeyPress || objekt != windowHandle() ||
        QApplication::activePopupWidget() || menuBar()->hasFocus())
        return false;
    const auto *taste = static_cast<QKeyEvent *>(ereignis);
    Form_KeyDown(taste->key(), taste->modifiers());
    // F10 would otherwise open the menu bar.
    return taste->key() == Qt::Key_F10;
}

void FormMain::Form_KeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Up || key == Qt::Key_PageUp)
        CommandPrev_Click();
    if (key == Qt::Key_Down || key == Qt::Key_PageDown)
        CommandNext_Click();
    if (key == Qt::Key_F10) {
        if (MenLinie5 && MenHExport) {
            MenLinie5->setVisible(true);
            MenHExport->setVisible(true);
        }
        m_p.prompts.Beep();
    }
}

void FormMain::Toolbar1_ButtonClick(const QString &key)
{
    if (key == QLatin1String("Eingabe"))
        MenDEingabe_Click();
    else if (key == QLatin1String("Edit"))
        MenDEdit_Click();
    else if (key == QLatin1String("Tips"))
        MenDTips_Click();
    else if (key == QLatin1String("Statistik"))
        MenDStatistik_Click();
    else if (key == QLatin1String("Hilfe"))
        MenHHilfe_Click();
    else if (key == QLatin1String("Exit"))
        MenDBeenden_Click();
}

void FormMain::CommandPrev_Click()
{
    if (m_m.AktZiehung > 1)
        --m_m.AktZiehung;
    else
        m_p.prompts.Beep();
    ZeigeZiehung();
}

void FormMain::CommandNext_Click()
{
    if (m_m.AktZiehung < m_m.AnzahlZiehungen())
        ++m_m.AktZiehung;
    else
        m_p.prompts.Beep();
    ZeigeZiehung();
}

void FormMain::MenDEingabe_Click()
{
    if (NeueZiehungEingeben(m_m, m_p, this))
        Form_Activate();
}

void FormMain::MenDEdit_Click()
{
    if (ZiehungKorrigieren(m_m, m_p, this))
        Form_Activate();
}

void FormMain::MenDTips_Click()
{
    if (TipverwaltungOeffnen(m_m, m_p, this))
        Form_Activate();
}

void FormMain::MenDGoto_Click()
{
    if (m_m.AnzahlZiehungen() == 0) {
        m_p.prompts.Beep();
        return;
    }
    const QString antwort =
        m_p.prompts.InputBox(this,
                             QStringLiteral("Geben Sie das Datum oder die Runde ein,") + CrLf +
                                 QStringLiteral("zu der das Programm springen soll oder") + CrLf +
                                 QStringLiteral("'1' zur ersten oder '9' zur letzten."),
                             QStringLiteral("Gehe zu Datum/Runde"));
    const Sprungziel ziel = GeheZuZiel(m_m, antwort);
    switch (ziel.art) {
    case Sprungziel::Art::Nichts:
        return;
    case Sprungziel::Art::FalscheEingabe:
        m_p.prompts.Fehler(this, QStringLiteral("Falsche Eingabe."), QStringLiteral("Fehler"));
        return;
    case Sprungziel::Art::Ziehung:
        m_m.AktZiehung = qint16(ziel.index);
        ZeigeZiehung();
        return;
    }
}

void FormMain::MenDStatistik_Click()
{
    if (m_m.AnzahlZiehungen() == 0) {
        m_p.prompts.Beep();
        return;
    }
    MerkZiehung = m_m.AktZiehung;
    {
        Form_Statistik fenster(m_m, m_p, this);
        m_p.fenster.ShowModal(fenster);
    }
    m_m.AktZiehung = MerkZiehung;
    Form_Activate();
}

void FormMain::MenDBeenden_Click()
{
    m_beendet = true;
    m_p.sound.Play(m_m.ProgrammPfad + QStringLiteral("kugel-1.wav"), SoundPlayer::Warten);
    m_beenden();
}

void FormMain::MenHHilfe_Click()
{
    m_p.hilfe.HelpCommand = CommonDialog::cdlHelpContents;
    m_p.hilfe.ShowHelp();
}

void FormMain::MenHInfo_Click()
{
    {
        Form_Info info(m_m, m_p, this);
        m_p.fenster.ShowModal(info);
    }
    Form_Activate();
}

void FormMain::MenHExport_Click()
{
    DatenExport(m_m, m_p, this);
}
