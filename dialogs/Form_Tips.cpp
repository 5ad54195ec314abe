#include "Form_Tips.h"

#include "Modul1.h"
#include "Plattform.h"
#include "Tipliste.h"
#include "Twips.h"

#include "Bilder.h"

#include <QFont>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

void Hintergrund(QWidget *widget, QPalette::ColorRole rolle, const QColor &farbe)
{
    QPalette palette = widget->palette();
    palette.setColor(rolle, farbe);
    widget->setPalette(palette);
}

const QString ZahlentipFrage = QStringLiteral("Geben Sie die Tipzahlen mit führenden Nullen\r\n"
                                              "und getrennt durch Beistriche ein, dann ein\r\n"
                                              "Leerzeichen und einen Tipnamen.\r\n"
                                              "Beispiel: '02,06,15,17,33,41 Mein Tip'");
const QString JokertipFrage = QStringLiteral("Geben Sie den Jokertip ein, dann\r\n"
                                             "ein Leerzeichen und einen Tipnamen.\r\n"
                                             "Beispiel: '139957 Mein Tip Nr. 2'");

} // namespace

Form_Tips::Form_Tips(Modul1 &m, Plattform &p, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_m(m)
    , m_p(p)
    , m_textur(Bilder::Textur())
{
    setObjectName(QStringLiteral("Form_Tips"));
    setWindowTitle(QStringLiteral("Ziehbuch - Tipverwaltung"));
    setFixedSize(Px(6870), Px(3270));
    setAutoFillBackground(true);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(TwipsRechteck(240, 120, 4455, 3000));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setSortingEnabled(false);
    QFont schrift(QStringLiteral("Courier New"));
    schrift.setPointSizeF(8.25);
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setFixedPitch(true);
    List1->setFont(schrift);
    Hintergrund(List1, QPalette::Base, QColor(224, 224, 224));

    const auto knopf = [this](const QString &name, const QString &text, int oben) {
        auto *k = new QPushButton(text, this);
        k->setObjectName(name);
        k->setGeometry(TwipsRechteck(5040, oben, 1575, 495));
        k->setAutoDefault(false);
        return k;
    };
    CommandNeu[0] = knopf(QStringLiteral("CommandNeu0"), QStringLiteral("Neuer &Zahlentip"), 120);
    CommandNeu[1] = knopf(QStringLiteral("CommandNeu1"), QStringLiteral("Neuer &Jokertip"), 720);
    CommandDel = knopf(QStringLiteral("CommandDel"), QStringLiteral("&Löschen"), 1320);
    CommandExit = knopf(QStringLiteral("CommandExit"), QStringLiteral("S&chließen"), 1920);
    CommandHelp = knopf(QStringLiteral("CommandHelp"), QStringLiteral("&Hilfe"), 2520);

    setTabOrder(List1, CommandNeu[0]);
    setTabOrder(CommandNeu[0], CommandNeu[1]);
    setTabOrder(CommandNeu[1], CommandDel);
    setTabOrder(CommandDel, CommandExit);
    setTabOrder(CommandExit, CommandHelp);
    List1->setFocus();

    for (qint16 index = 0; index < 2; ++index) {
        connect(CommandNeu[index], &QPushButton::clicked, this,
                [this, index] { CommandNeu_Click(index); });
    }
    connect(CommandDel, &QPushButton::clicked, this, &Form_Tips::CommandDel_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form_Tips::CommandExit_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &Form_Tips::CommandHelp_Click);
}

void Form_Tips::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_aktiviert || event->spontaneous())
        return;
    m_aktiviert = true;
    if (const QScreen *bildschirm = screen())
        move(bildschirm->availableGeometry().center() - frameGeometry().center() + pos());
    Form_Activate();
}

// No button is the default: Enter presses only the button that has the focus.
void Form_Tips::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *knopf = qobject_cast<QPushButton *>(focusWidget()))
            knopf->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form_Tips::paintEvent(QPaintEvent *)
{
    QPainter maler(this);
    maler.drawImage(0, 0, m_textur);
}

void Form_Tips::Form_Activate()
{
    Hintergrund(this, QPalette::Window, m_m.FarbeHintergrund);
    Hintergrund(List1, QPalette::Base, m_m.FarbeHintergrund);
    m_p.hilfe.HelpContext = 140;
    m_p.hilfe.HelpCommand = CommonDialog::cdlHelpContext;
    List1->addItems(Tipliste::Reihen(m_m.IniZeilen));
}

void Form_Tips::CommandNeu_Click(qint16 index)
{
    const bool zahlentip = index == 0;
    const QString antwort = m_p.prompts.InputBox(this, zahlentip ? ZahlentipFrage : JokertipFrage,
                                                 zahlentip ? QStringLiteral("Neuer Zahlentip")
                                                           : QStringLiteral("Neuer Jokertip"));
    if (antwort.isEmpty())
        return;
    const auto pruefung = Tipliste::Pruefen(
        zahlentip ? Tipliste::Tipart::Zahlen : Tipliste::Tipart::Joker, antwort, m_m.IniZeilen);
    if (!pruefung.ok()) {
        m_p.prompts.Fehler(this, pruefung.fehlertext, QStringLiteral("Fehler"));
        return;
    }
    TipAnhaengen(Tipliste::Reihe(pruefung.tip), Tipliste::Tipzeile(pruefung.tip));
}

void Form_Tips::TipAnhaengen(const QString &reihe, const QString &zeile)
{
    List1->addItem(reihe);
    m_m.IniZeilen.append(zeile);
    const Schreibergebnis ergebnis = m_m.IniSchreiben();
    if (!ergebnis.ok) {
        delete List1->takeItem(List1->count() - 1);
        m_m.IniZeilen.removeLast();
        Schreibfehler(ergebnis.grund);
    }
}

void Form_Tips::CommandDel_Click()
{
    const auto ausgewaehlt = List1->selectedItems();
    if (ausgewaehlt.isEmpty() || m_m.AnzahlIniZeilen() == 0) {
        m_p.prompts.Beep();
        return;
    }
    const auto antwort = m_p.prompts.MsgBox(
        this, ausgewaehlt.first()->text() + QStringLiteral("\r\nwirklich löschen?"),
        Prompts::Knoepfe::JaNein, Prompts::Symbol::Frage, QStringLiteral("Löschen"));
    if (antwort == Prompts::Antwort::Ja)
        ReiheLoeschen(List1->row(ausgewaehlt.first()));
}

void Form_Tips::ReiheLoeschen(int reihe)
{
    // Lines of neither kind have no row, so the row's own line is looked up.
    const int zeile = Tipliste::ZeileDerReihe(m_m.IniZeilen, reihe);
    if (zeile == 0) {
        m_p.prompts.Beep();
        return;
    }
    const QString alteZeile = m_m.IniZeilen.takeAt(zeile);
    QListWidgetItem *eintrag = List1->takeItem(reihe);
    const Schreibergebnis ergebnis = m_m.IniSchreiben();
    if (ergebnis.ok) {
        delete eintrag;
        List1->clearSelection();
        return;
    }
    m_m.IniZeilen.insert(zeile, alteZeile);
    List1->insertItem(reihe, eintrag);
    List1->setCurrentItem(eintrag);
    Schreibfehler(ergebnis.grund);
}

void Form_Tips::Schreibfehler(const QString &grund)
{
    m_p.prompts.Fehler(
        this, QStringLiteral("Die Datei ZIEHBUCH.INI konnte nicht geschrieben werden.\r\n") + grund,
        QStringLiteral("Fehler"));
}

void Form_Tips::CommandHelp_Click()
{
    m_p.hilfe.ShowHelp();
}

void Form_Tips::CommandExit_Click()
{
    reject();
}

bool TipverwaltungOeffnen(Modul1 &m, Plattform &p, QWidget *parent)
{
    Form_Tips fenster(m, p, parent);
    p.fenster.ShowModal(fenster);
    return true;
}
