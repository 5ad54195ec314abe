#include "Form_Eingabe.h"

#include "Bilder.h"
#include "Modul1.h"
#include "Plattform.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

using namespace Ziehungseingabe;

namespace {
constexpr int Breite = 409;
constexpr int Hoehe = 146;
} // namespace

Form_Eingabe::Form_Eingabe(Modul1 &m, Plattform &p, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_m(m)
    , m_p(p)
    , m_textur(Bilder::Textur())
{
    setObjectName(QStringLiteral("Form_Eingabe"));
    setWindowTitle(QStringLiteral("Ziehbuch - Eingabe"));
    setFixedSize(Breite, Hoehe);

    Bezeichnung(QStringLiteral("Label1"), QStringLiteral("Datum:"), 16, 16);
    TextDatum = Textfeld(QStringLiteral("TextDatum"), 80, 16, 69, 0);
    Bezeichnung(QStringLiteral("Label2"), QStringLiteral("Runde:"), 168, 16);
    TextRunde = Textfeld(QStringLiteral("TextRunde"), 224, 16, 69, 8);
    Bezeichnung(QStringLiteral("Label3"), QStringLiteral("Zahlen:"), 16, 48);
    for (int i = 0; i < 6; ++i)
        Text1[i] = Textfeld(QStringLiteral("Text1%1").arg(i), 80 + 36 * i, 48, 33, 2);
    Bezeichnung(QStringLiteral("Label7"), QStringLiteral("Zusatzzahl:"), 16, 80);
    Text1[6] = Textfeld(QStringLiteral("Text16"), 80, 80, 33, 2);
    Bezeichnung(QStringLiteral("LabelJoker"), QStringLiteral("Joker:"), 16, 112);
    TextJoker = Textfeld(QStringLiteral("TextJoker"), 80, 112, 69, 6);
    CommandSave = Knopf(QStringLiteral("CommandSave"), QStringLiteral("&Speichern"), 16);
    CommandExit = Knopf(QStringLiteral("CommandExit"), QStringLiteral("S&chließen"), 56);
    CommandHelp = Knopf(QStringLiteral("CommandHelp"), QStringLiteral("&Hilfe"), 96);
    CommandSave->setDefault(true);

    if (const QScreen *bildschirm = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());

    const QList<QWidget *> reihenfolge{TextDatum,   TextRunde,   Text1[0],   Text1[1], Text1[2],
                                       Text1[3],    Text1[4],    Text1[5],   Text1[6], TextJoker,
                                       CommandSave, CommandExit, CommandHelp};
    for (qsizetype i = 1; i < reihenfolge.size(); ++i)
        setTabOrder(reihenfolge.at(i - 1), reihenfolge.at(i));

    connect(CommandSave, &QPushButton::clicked, this, &Form_Eingabe::CommandSave_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form_Eingabe::CommandExit_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &Form_Eingabe::CommandHelp_Click);
}

QLabel *Form_Eingabe::Bezeichnung(const QString &name, const QString &text, int links, int oben)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->move(links, oben);
    label->adjustSize();
    return label;
}

QLineEdit *Form_Eingabe::Textfeld(const QString &name, int links, int oben, int breite,
                                  int maxLaenge)
{
    auto *feld = new QLineEdit(this);
    feld->setObjectName(name);
    feld->setGeometry(links, oben, breite, 19);
    if (maxLaenge > 0)
        feld->setMaxLength(maxLaenge);
    QPalette farben = feld->palette();
    farben.setColor(QPalette::Base, Qt::white);
    farben.setColor(QPalette::Text, Qt::black);
    feld->setPalette(farben);
    return feld;
}

QPushButton *Form_Eingabe::Knopf(const QString &name, const QString &text, int oben)
{
    auto *knopf = new QPushButton(text, this);
    knopf->setObjectName(name);
    knopf->setGeometry(320, oben, 73, 33);
    return knopf;
}

void Form_Eingabe::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_vorbereitet)
        return;
    m_vorbereitet = true;
    Form_Activate();
}

void Form_Eingabe::paintEvent(QPaintEvent *)
{
    QPainter maler(this);
    maler.fillRect(rect(), m_m.FarbeHintergrund);
    maler.drawImage(0, 0, m_textur);
}

// Prepares the fields once per opening, for the job EingabeModus names.
void Form_Eingabe::Form_Activate()
{
    if (m_m.EingabeModus == ModusNeu) {
        m_p.hilfe.HelpContext = 120;
        setWindowTitle(QStringLiteral("Ziehbuch - Neuer Eintrag"));
        FelderSetzen(Vorschlag(m_m, m_p.clock.Today()));
    } else if (m_m.EingabeModus == ModusEdit) {
        m_p.hilfe.HelpContext = 130;
        setWindowTitle(QStringLiteral("Ziehbuch - Eintrag korrigieren"));
        FelderSetzen(AusSatz(m_m.AktuelleZiehung()));
    }
    m_p.hilfe.HelpCommand = CommonDialog::cdlHelpContext;
    update();
    Text1[0]->setFocus();
}

Felder Form_Eingabe::FelderLesen() const
{
    Felder felder;
    felder.datum = TextDatum->text();
    felder.runde = TextRunde->text();
    for (int i = 0; i < 7; ++i)
        felder.zahlen[i] = Text1[i]->text();
    felder.joker = TextJoker->text();
    return felder;
}

void Form_Eingabe::FelderSetzen(const Felder &felder)
{
    TextDatum->setText(felder.datum);
    TextRunde->setText(felder.runde);
    for (int i = 0; i < 7; ++i)
        Text1[i]->setText(felder.zahlen[i]);
    TextJoker->setText(felder.joker);
}

void Form_Eingabe::CommandSave_Click()
{
    const Felder felder = FelderLesen();
    const QString fehlertext = Pruefen(m_m, m_m.EingabeModus, felder);
    if (!fehlertext.isEmpty()) {
        m_p.prompts.Fehler(this, fehlertext, QStringLiteral("Fehler"));
        return;
    }
    const Schreibergebnis ergebnis = Speichern(m_m, m_m.EingabeModus, felder);
    if (!ergebnis.ok) {
        m_p.prompts.Fehler(this, Schreibfehler(ergebnis.grund), QStringLiteral("Fehler"));
        return;
    }
    accept();
}

void Form_Eingabe::CommandExit_Click()
{
    reject();
}

void Form_Eingabe::CommandHelp_Click()
{
    m_p.hilfe.ShowHelp();
}
