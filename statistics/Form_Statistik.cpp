#include "Form_Statistik.h"

#include "Balkengrafik.h"
#include "Computertip.h"
#include "GeradeUngerade.h"
#include "JokerGrafik.h"
#include "Modul1.h"
#include "PictureBox.h"
#include "Plattform.h"
#include "Twips.h"
#include "WerMitWem.h"
#include "Zahlenstatistik.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

// The option controls an entry shows.
enum Optionen { Keine = 0, ZZ = 1, Zahl = 2, Sortierung = 4 };

// The background alone: a list or text box's field is its background, while the frame's
// fields and the indicators of check and option boxes keep the style's colours.
void Hintergrund(QWidget *w, const QColor &farbe)
{
    QPalette farben = w->palette();
    farben.setColor(QPalette::Window, farbe);
    if (qobject_cast<QAbstractScrollArea *>(w))
        farben.setColor(QPalette::Base, farbe);
    w->setPalette(farben);
    // Check and option boxes stay see-through, so that they match the frame's panel.
    if (qobject_cast<QAbstractButton *>(w) == nullptr)
        w->setAutoFillBackground(true);
}

// A list box: with no current entry, End goes to the last entry (Qt's list takes
// every key to the first).
class Listenfeld : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QModelIndex moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) override
    {
        if (aktion == MoveEnd && !currentIndex().isValid() && count() > 0)
            return indexFromItem(item(count() - 1));
        return QListWidget::moveCursor(aktion, tasten);
    }
};

} // namespace

// One entry of the list: its text is its key.
struct Form_Statistik::Eintrag {
    QString text;
    int optionen;
    qint32 hilfe;
    void (Form_Statistik::*lauf)();
};

const QList<Form_Statistik::Eintrag> &Form_Statistik::Eintraege()
{
    static const QList<Eintrag> liste{
        {QStringLiteral("Computertip"), ZZ, 205, &Form_Statistik::Computertip},
        {QStringLiteral("Zahlenstatistik"), ZZ | Zahl, 155, &Form_Statistik::Zahlenstatistik},
        {QStringLiteral("Verteilung"), ZZ, 160, &Form_Statistik::Verteilung},
        {QStringLiteral("Wer mit wem nach Zahl"), ZZ, 165, &Form_Statistik::WerMitWemNachZahl},
        {QStringLiteral("Wer mit wem nach Wert"), ZZ, 170, &Form_Statistik::WerMitWemNachWert},
        {QStringLiteral("Anzahl gezogen (Grafik)"), ZZ | Sortierung, 175,
         &Form_Statistik::AnzahlGezogenGrafik},
        {QStringLiteral("Verh. z. Durchschn. (Grafik)"), ZZ | Sortierung, 180,
         &Form_Statistik::VerhDurchschnittGrafik},
        {QStringLiteral("Zuletzt gezogen (Grafik)"), ZZ | Sortierung, 185,
         &Form_Statistik::ZuletztGezogenGrafik},
        {QStringLiteral("Gerade/Ungerade (Grafik)"), ZZ, 190,
         &Form_Statistik::GeradeUngeradeGrafik},
        {QStringLiteral("Joker (Grafik)"), Keine, 195, &Form_Statistik::JokerGrafik},
        {QStringLiteral("Joker Gerade/Ungerade (Grafik)"), Keine, 200,
         &Form_Statistik::JokerGeradeUngeradeGrafik},
    };
    return liste;
}

const Form_Statistik::Eintrag *Form_Statistik::Suchen(const QString &text)
{
    for (const Eintrag &eintrag : Eintraege()) {
        if (eintrag.text == text)
            return &eintrag;
    }
    return nullptr;
}

Form_Statistik::Form_Statistik(Modul1 &modul, Plattform &plattform, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_m(modul)
    , m_p(plattform)
{
    setObjectName(QStringLiteral("Form_Statistik"));
    setWindowTitle(QStringLiteral("Ziehbuch - Statistik"));
    setFixedSize(Px(10455), Px(7230));

    Frame1 = new QGroupBox(QStringLiteral("Statistik"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwipsRechteck(120, 120, 2415, 5535));

    ListWahl = new Listenfeld(Frame1);
    ListWahl->setObjectName(QStringLiteral("ListWahl"));
    ListWahl->setGeometry(TwipsRechteck(120, 360, 2175, 2400));
    ListWahl->setSelectionMode(QAbstractItemView::SingleSelection);
    ListWahl->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListWahl->setTextElideMode(Qt::ElideNone);

    LabelZahl = new QLabel(QStringLiteral("Zahl"), Frame1);
    LabelZahl->setObjectName(QStringLiteral("LabelZahl"));
    LabelZahl->setGeometry(TwipsRechteck(120, 3000, 315, 195));
    // Wide enough for its text in whatever font the system has.
    LabelZahl->resize(LabelZahl->size().expandedTo(LabelZahl->sizeHint()));

    TextZahl = new QLineEdit(QStringLiteral("1"), Frame1);
    TextZahl->setObjectName(QStringLiteral("TextZahl"));
    TextZahl->setGeometry(TwipsRechteck(1560, 3000, 735, 285));
    TextZahl->setMaxLength(2);

    CheckZZ = new QCheckBox(QStringLiteral("inkl. Zusatzzahl"), Frame1);
    CheckZZ->setObjectName(QStringLiteral("CheckZZ"));
    CheckZZ->setGeometry(TwipsRechteck(120, 3480, 2175, 255));
    CheckZZ->setChecked(true);

    OptionSortZ = new QRadioButton(QStringLiteral("sortiert nach Zahl"), Frame1);
    OptionSortZ->setObjectName(QStringLiteral("OptionSortZ"));
    OptionSortZ->setGeometry(TwipsRechteck(120, 3960, 2175, 255));
    OptionSortZ->setChecked(true);

    OptionSortW = new QRadioButton(QStringLiteral("sortiert nach Wert"), Frame1);
    OptionSortW->setObjectName(QStringLiteral("OptionSortW"));
    OptionSortW->setGeometry(TwipsRechteck(120, 4200, 2175, 255));

    CommandRechnen = new QPushButton(QStringLiteral("&Berechnen"), Frame1);
    CommandRechnen->setObjectName(QStringLiteral("CommandRechnen"));
    CommandRechnen->setGeometry(TwipsRechteck(120, 4800, 2175, 495));
    CommandRechnen->setDefault(true);

    CommandHelp = new QPushButton(QStringLiteral("&Hilfe"), this);
    CommandHelp->setObjectName(QStringLiteral("CommandHelp"));
    CommandHelp->setGeometry(TwipsRechteck(240, 5880, 2175, 495));

    CommandExit = new QPushButton(QStringLiteral("S&chließen"), this);
    CommandExit->setObjectName(QStringLiteral("CommandExit"));
    CommandExit->setGeometry(TwipsRechteck(240, 6600, 2175, 495));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(TwipsRechteck(2640, 240, 6135, 6855));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont schreibmaschine(QStringLiteral("Courier New"));
    schreibmaschine.setPointSizeF(8.25);
    schreibmaschine.setStyleHint(QFont::TypeWriter);
    schreibmaschine.setFixedPitch(true);
    Text1->setFont(schreibmaschine);

    Picture1 = new PictureBox(PictureBox::Einheit::Twips, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsRechteck(2640, 240, 7695, 6855));
    QFont beschriftung(QStringLiteral("Arial"));
    beschriftung.setPointSizeF(6.75);
    beschriftung.setStyleHint(QFont::SansSerif);
    Picture1->SetFont(beschriftung);

    for (QWidget *w : {static_cast<QWidget *>(LabelZahl), static_cast<QWidget *>(TextZahl),
                       static_cast<QWidget *>(CheckZZ), static_cast<QWidget *>(OptionSortZ),
                       static_cast<QWidget *>(OptionSortW), static_cast<QWidget *>(Text1),
                       static_cast<QWidget *>(Picture1)})
        w->hide();

    const QList<QWidget *> reihenfolge{ListWahl,    TextZahl,    CheckZZ,
                                       OptionSortZ, OptionSortW, CommandRechnen,
                                       CommandHelp, CommandExit, Text1};
    for (qsizetype i = 1; i < reihenfolge.size(); ++i)
        setTabOrder(reihenfolge.at(i - 1), reihenfolge.at(i));

    connect(ListWahl, &QListWidget::itemSelectionChanged, this, &Form_Statistik::ListWahl_Click);
    connect(CommandRechnen, &QPushButton::clicked, this, &Form_Statistik::CommandRechnen_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &Form_Statistik::CommandHelp_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form_Statistik::CommandExit_Click);

    Form_Load();
}

void Form_Statistik::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_zentriert)
        return;
    m_zentriert = true;
    if (const QScreen *bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

void Form_Statistik::Form_Load()
{
    QPalette farben = palette();
    farben.setColor(QPalette::Window, m_m.FarbeHintergrund);
    setPalette(farben);
    for (QWidget *w : {static_cast<QWidget *>(Frame1), static_cast<QWidget *>(ListWahl),
                       static_cast<QWidget *>(CheckZZ), static_cast<QWidget *>(OptionSortZ),
                       static_cast<QWidget *>(OptionSortW), static_cast<QWidget *>(Text1)})
        Hintergrund(w, m_m.FarbeHintergrund);
    Text1->resize(Picture1->width(), Text1->height());
    Picture1->SetBackColor(m_m.FarbeHintergrund);
    for (const Eintrag &eintrag : Eintraege())
        ListWahl->addItem(eintrag.text);
    // Nothing selected and no current row: Down and Home select the first entry, End the last.
    ListWahl->setCurrentIndex(QModelIndex());
    m_p.hilfe.HelpCommand = CommonDialog::cdlHelpContext;
}

QString Form_Statistik::Auswahl() const
{
    const QList<QListWidgetItem *> gewaehlt = ListWahl->selectedItems();
    return gewaehlt.isEmpty() ? QString() : gewaehlt.first()->text();
}

bool Form_Statistik::MitZZ() const
{
    return CheckZZ->isChecked();
}

bool Form_Statistik::NachWert() const
{
    return !OptionSortZ->isChecked();
}

void Form_Statistik::ListWahl_Click()
{
    for (QWidget *w : {static_cast<QWidget *>(LabelZahl), static_cast<QWidget *>(TextZahl),
                       static_cast<QWidget *>(CheckZZ), static_cast<QWidget *>(OptionSortZ),
                       static_cast<QWidget *>(OptionSortW)})
        w->hide();
    const Eintrag *eintrag = Suchen(Auswahl());
    const int optionen = eintrag ? eintrag->optionen : Keine;
    CheckZZ->setVisible(optionen & ZZ);
    LabelZahl->setVisible(optionen & Zahl);
    TextZahl->setVisible(optionen & Zahl);
    OptionSortZ->setVisible(optionen & Sortierung);
    OptionSortW->setVisible(optionen & Sortierung);
}

void Form_Statistik::CommandRechnen_Click()
{
    const QString wahl = Auswahl();
    const Eintrag *eintrag = Suchen(wahl);
    if (eintrag == nullptr) {
        m_p.prompts.Beep();
        return;
    }
    setWindowTitle(QStringLiteral("Ziehbuch - Statistik: ") + wahl);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QWidget *fokus = focusWidget();
    CommandRechnen->setEnabled(false);
    CommandHelp->setEnabled(false);
    CommandExit->setEnabled(false);
    Picture1->Cls();
    Picture1->hide();
    Text1->clear();
    Text1->hide();

    (this->*eintrag->lauf)();

    CommandRechnen->setEnabled(true);
    CommandHelp->setEnabled(true);
    CommandExit->setEnabled(true);
    // Disabling the buttons moved the focus away; Enter should compute again.
    if (fokus != nullptr && fokus->isVisible())
        fokus->setFocus();
    QApplication::restoreOverrideCursor();
}

void Form_Statistik::CommandHelp_Click()
{
    const Eintrag *eintrag = Suchen(Auswahl());
    m_p.hilfe.HelpContext = eintrag ? eintrag->hilfe : 150;
    m_p.hilfe.ShowHelp();
}

void Form_Statistik::CommandExit_Click()
{
    reject();
}

template <typename Rechnung> void Form_Statistik::TextAusgabe(Rechnung rechnung)
{
    Text1->show();
    Text1->setPlainText(QStringLiteral("bitte warten ..."));
    repaint();
    Text1->setPlainText(rechnung());
}

void Form_Statistik::Zahlenstatistik()
{
    const std::optional<int> zahl = GewaehlteZahl(TextZahl->text());
    if (!zahl) {
        m_p.prompts.Beep();
        return;
    }
    TextAusgabe([&] { return ::Zahlenstatistik(m_m, *zahl, MitZZ()); });
}

void Form_Statistik::Verteilung()
{
    TextAusgabe([&] { return ::Verteilung(m_m, MitZZ()); });
}

void Form_Statistik::WerMitWemNachZahl()
{
    TextAusgabe([&] { return ::WerMitWemNachZahl(m_m, MitZZ()); });
}

void Form_Statistik::WerMitWemNachWert()
{
    TextAusgabe([&] { return ::WerMitWemNachWert(m_m, MitZZ()); });
}

void Form_Statistik::Computertip()
{
    // Seeded by the seconds since midnight with their fraction, in milliseconds,
    // so that two runs within one second may differ.
    const auto seed = quint32(m_p.clock.Now().msecsSinceStartOfDay());
    TextAusgabe([&] { return ::Computertip(m_m, MitZZ(), seed); });
}

template <typename Grafik> void Form_Statistik::GrafikAusgabe(Grafik grafik)
{
    Picture1->show();
    grafik(*Picture1);
}

void Form_Statistik::AnzahlGezogenGrafik()
{
    GrafikAusgabe([&](Surface &s) { ::AnzahlGezogenGrafik(m_m, MitZZ(), NachWert(), s); });
}

void Form_Statistik::VerhDurchschnittGrafik()
{
    GrafikAusgabe([&](Surface &s) { ::VerhDurchschnittGrafik(m_m, MitZZ(), NachWert(), s); });
}

void Form_Statistik::ZuletztGezogenGrafik()
{
    GrafikAusgabe([&](Surface &s) { ::ZuletztGezogenGrafik(m_m, MitZZ(), NachWert(), s); });
}

void Form_Statistik::GeradeUngeradeGrafik()
{
    GrafikAusgabe([&](Surface &s) { ::GeradeUngeradeGrafik(m_m, MitZZ(), s); });
}

void Form_Statistik::JokerGrafik()
{
    GrafikAusgabe([&](Surface &s) { ::JokerGrafik(m_m, s); });
}

void Form_Statistik::JokerGeradeUngeradeGrafik()
{
    GrafikAusgabe([&](Surface &s) { ::JokerGeradeUngeradeGrafik(m_m, s); });
}
