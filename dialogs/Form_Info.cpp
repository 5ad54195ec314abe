#include "Form_Info.h"

#include "Bilder.h"
#include "Modul1.h"
#include "Plattform.h"
#include "QtPrompts.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

// "Erster Eintrag:  " or "Letzter Eintrag:  " with the draw's date and round;
// nothing after the label when the archive is empty.
QString Eintrag(const QString &bezeichnung, const Modul1 &m, int index)
{
    if (m.AnzahlZiehungen() == 0)
        return bezeichnung;
    const Ziehungssatz &satz = m.Ziehungen.at(index);
    return bezeichnung + satz.mid(1, 10) + QStringLiteral(" (Runde ") + satz.mid(7, 4) +
           QLatin1Char('-') + satz.mid(11, 3) + QLatin1Char(')');
}

} // namespace

QString InfoText(const Modul1 &m)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Ziehbuch  Version ") + QStringLiteral("1.1") +
           QStringLiteral("  für Windows (32 Bit)") + crlf + QStringLiteral("*") + crlf +
           Eintrag(QStringLiteral("Erster Eintrag:  "), m, 1) + crlf +
           Eintrag(QStringLiteral("Letzter Eintrag:  "), m, m.AnzahlZiehungen()) + crlf +
           QStringLiteral("Anzahl Einträge (Runden):  ") + QString::number(m.AnzahlZiehungen());
}

Form_Info::Form_Info(const Modul1 &m, Plattform &p, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_m(m)
    , m_p(p)
    , m_bild(Bilder::Infobild())
{
    setObjectName(QStringLiteral("Form_Info"));
    setWindowTitle(QStringLiteral("Ziehbuch - Info"));
    setFixedSize(309, 320);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 120, 297, 121);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setTextFormat(Qt::PlainText);

    CommandExit = new QPushButton(QStringLiteral("OK"), this);
    CommandExit->setObjectName(QStringLiteral("CommandExit"));
    CommandExit->setGeometry(120, 272, 73, 33);
    CommandExit->setDefault(true);
    connect(CommandExit, &QPushButton::clicked, this, &Form_Info::CommandExit_Click);

    Form_Load();
}

void Form_Info::Form_Load()
{
    Label1->setText(Zeilenumbrueche(InfoText(m_m)));
    update();
    m_p.sound.Play(m_m.ProgrammPfad + QStringLiteral("kugel-1.wav"), SoundPlayer::Sofort);
}

// Esc reaches QDialog::reject, which closes the box the same way.
void Form_Info::CommandExit_Click()
{
    accept();
}

// Centred on the screen, also when opened over the main window.
void Form_Info::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *bildschirm = screen(); bildschirm && !event->spontaneous())
        move(bildschirm->availableGeometry().center() - frameGeometry().center() + pos());
}

void Form_Info::paintEvent(QPaintEvent *)
{
    QPainter maler(this);
    maler.drawImage(0, 0, m_bild);
}
