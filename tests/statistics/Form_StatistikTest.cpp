#include "Form_Statistik.h"
#include "Balkengrafik.h"
#include "Computertip.h"
#include "FakePlattform.h"
#include "GeradeUngerade.h"
#include "JokerGrafik.h"
#include "PictureBox.h"
#include "WerMitWem.h"
#include "Zahlenstatistik.h"
#include "ZahlenstatistikArchiv.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

using namespace zahlenstatistik_test;

namespace {

const QString Titel = QStringLiteral("Ziehbuch - Statistik");
const QStringList Liste =
    QStringLiteral("Computertip|Zahlenstatistik|Verteilung|Wer mit wem nach Zahl|"
                   "Wer mit wem nach Wert|Anzahl gezogen (Grafik)|Verh. z. Durchschn. (Grafik)|"
                   "Zuletzt gezogen (Grafik)|Gerade/Ungerade (Grafik)|Joker (Grafik)|"
                   "Joker Gerade/Ungerade (Grafik)")
        .split(QLatin1Char('|'));

// As the text box shows a result: its lines end in LF alone.
QString Angezeigt(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Uneven counts, so that sorting by value differs from sorting by number,
// and Jokers from the third draw on.
Modul1 Archiv()
{
    Modul1 m;
    for (int i = 1; i <= 25; ++i) {
        const int a = i <= 10 ? 1 : i <= 20 ? 39 : 20;
        const QString satz = Erzeugt(i, {a, a + 1, a + 2, a + 3, a + 4, a + 5}, a + 6).mid(1, 27);
        m.Ziehungen << Ziehungssatz(
            satz + (i < 3 ? QStringLiteral("      ") : QString::number(100000 + i * 4711)));
    }
    m.AktZiehung = 7;
    return m;
}

class StatistikFenster : public ::testing::Test {
protected:
    FakePlattform fake;
    Modul1 m = Archiv();
    std::unique_ptr<Form_Statistik> fenster;

    void SetUp() override { Oeffnen(); }
    void Oeffnen()
    {
        fenster = std::make_unique<Form_Statistik>(m, fake.plattform);
        fenster->show();
    }

    template <typename T = QWidget> T *Control(const char *name) const
    {
        T *w = fenster->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QListWidget *ListWahl() const { return Control<QListWidget>("ListWahl"); }
    QLineEdit *TextZahl() const { return Control<QLineEdit>("TextZahl"); }
    QCheckBox *CheckZZ() const { return Control<QCheckBox>("CheckZZ"); }
    QRadioButton *OptionSortW() const { return Control<QRadioButton>("OptionSortW"); }
    QRadioButton *OptionSortZ() const { return Control<QRadioButton>("OptionSortZ"); }
    QPlainTextEdit *Text1() const { return Control<QPlainTextEdit>("Text1"); }
    PictureBox *Picture1() const { return Control<PictureBox>("Picture1"); }

    void Waehlen(const QString &eintrag)
    {
        QListWidget *liste = ListWahl();
        QListWidgetItem *zeile = liste->item(Liste.indexOf(eintrag));
        ASSERT_NE(zeile, nullptr) << eintrag.toStdString();
        liste->scrollToItem(zeile);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(zeile).center());
        ASSERT_TRUE(zeile->isSelected());
    }
    void Berechnen() { QTest::mouseClick(Control("CommandRechnen"), Qt::LeftButton); }
    void ZahlEingeben(const QString &text)
    {
        TextZahl()->clear();
        QTest::keyClicks(TextZahl(), text);
    }

    QString SichtbareOptionen() const
    {
        QStringList sichtbar;
        for (const char *name : {"LabelZahl", "TextZahl", "CheckZZ", "OptionSortZ", "OptionSortW"})
            if (Control(name)->isVisible())
                sichtbar << QString::fromLatin1(name);
        return sichtbar.join(QLatin1Char(' '));
    }

    void ErwarteFertigenLauf() const
    {
        for (const char *knopf : {"CommandRechnen", "CommandHelp", "CommandExit"})
            EXPECT_TRUE(Control(knopf)->isEnabled()) << knopf;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    void ErwarteStartwerte() const
    {
        EXPECT_EQ(fenster->windowTitle(), Titel);
        QStringList eintraege;
        for (int i = 0; i < ListWahl()->count(); ++i)
            eintraege << ListWahl()->item(i)->text();
        EXPECT_EQ(eintraege, Liste);
        EXPECT_TRUE(ListWahl()->selectedItems().isEmpty());
        EXPECT_EQ(SichtbareOptionen(), QString());
        EXPECT_FALSE(Text1()->isVisible() || Picture1()->isVisible());
        EXPECT_TRUE(CheckZZ()->isChecked() && OptionSortZ()->isChecked());
        EXPECT_EQ(TextZahl()->text(), QStringLiteral("1"));
    }
};

TEST_F(StatistikFenster, OpensWithItsStartValuesAndComputesNothingUnselected)
{
    ErwarteStartwerte();
    EXPECT_EQ(fenster->objectName(), QStringLiteral("Form_Statistik"));
    QStringList texte;
    for (const char *name :
         {"LabelZahl", "CheckZZ", "CommandRechnen", "CommandHelp", "CommandExit"})
        texte << Control(name)->property("text").toString();
    EXPECT_EQ(texte.join(QLatin1Char('|')),
              QStringLiteral("Zahl|inkl. Zusatzzahl|&Berechnen|&Hilfe|S&chließen"));
    EXPECT_TRUE(Control<QPushButton>("CommandRechnen")->isDefault());
    EXPECT_EQ(TextZahl()->maxLength(), 2);
    EXPECT_TRUE(Text1()->isReadOnly());
    // The charts draw on 7695 × 6855 twips; the text shows in the same place.
    EXPECT_EQ(Picture1()->size(), QSize(513, 457));
    EXPECT_EQ(Text1()->width(), Picture1()->width());
    EXPECT_EQ(Picture1()->Font().family(), QStringLiteral("Arial"));

    Berechnen();
    EXPECT_EQ(fake.prompts.beeps, 1);
    ErwarteStartwerte();
    ErwarteFertigenLauf();
}

TEST_F(StatistikFenster, EscapeClosesAndReopeningRestoresTheStartValues)
{
    Waehlen(QStringLiteral("Anzahl gezogen (Grafik)"));
    CheckZZ()->setChecked(false);
    OptionSortW()->setChecked(true);
    Waehlen(QStringLiteral("Zahlenstatistik"));
    ZahlEingeben(QStringLiteral("9"));
    Berechnen();
    QTest::keyClick(ListWahl(), Qt::Key_Escape);
    EXPECT_FALSE(fenster->isVisible());
    Oeffnen();
    ErwarteStartwerte();
}

TEST_F(StatistikFenster, EachEntryShowsItsOwnOptionsWithTheValuesTheyHad)
{
    const char *zz = "CheckZZ", *sortiert = "CheckZZ OptionSortZ OptionSortW";
    const char *erwartet[] = {
        zz, "LabelZahl TextZahl CheckZZ", zz, zz, zz, sortiert, sortiert, sortiert, zz, "", ""};
    for (int i = 0; i < Liste.size(); ++i) {
        Waehlen(Liste.at(i));
        EXPECT_EQ(SichtbareOptionen(), QLatin1String(erwartet[i])) << Liste.at(i).toStdString();
    }
    EXPECT_EQ(fenster->windowTitle(), Titel);

    Waehlen(QStringLiteral("Zahlenstatistik"));
    ZahlEingeben(QStringLiteral("12"));
    QTest::mouseClick(CheckZZ(), Qt::LeftButton, {}, QPoint(5, CheckZZ()->height() / 2));
    Waehlen(QStringLiteral("Anzahl gezogen (Grafik)"));
    QTest::mouseClick(OptionSortW(), Qt::LeftButton, {}, QPoint(5, OptionSortW()->height() / 2));
    Waehlen(QStringLiteral("Joker (Grafik)"));
    Waehlen(QStringLiteral("Zahlenstatistik"));
    EXPECT_EQ(TextZahl()->text(), QStringLiteral("12"));
    EXPECT_FALSE(CheckZZ()->isChecked());
    Waehlen(QStringLiteral("Verh. z. Durchschn. (Grafik)"));
    EXPECT_TRUE(OptionSortW()->isChecked() && !OptionSortZ()->isChecked());
}

TEST_F(StatistikFenster, TypedNumberIsTakenOnlyWhenWholeAndOneToFortyFive)
{
    const struct {
        const char *text;
        int zahl; // 0: refused
    } faelle[] = {{"45", 45}, {"7", 7}, {"07", 7}, {" 7", 7}, {"46", 0},
                  {"0", 0},   {"", 0},  {"x", 0},  {".5", 0}, {"-1", 0}};
    for (const auto &f : faelle) {
        Waehlen(QStringLiteral("Verteilung"));
        Berechnen();
        Waehlen(QStringLiteral("Zahlenstatistik"));
        ZahlEingeben(QString::fromLatin1(f.text));
        fake.prompts.beeps = 0;
        Berechnen();
        EXPECT_EQ(fake.prompts.beeps, f.zahl ? 0 : 1) << f.text;
        EXPECT_EQ(Text1()->isVisible(), f.zahl != 0) << f.text;
        EXPECT_FALSE(Picture1()->isVisible()) << f.text;
        if (f.zahl) {
            EXPECT_EQ(Text1()->toPlainText(), Angezeigt(Zahlenstatistik(m, f.zahl, true)));
        }
        EXPECT_EQ(fenster->windowTitle(), Titel + QStringLiteral(": Zahlenstatistik"));
        ErwarteFertigenLauf();
    }
}

TEST_F(StatistikFenster, EnterComputesFromTheListAndTheNumberField)
{
    Waehlen(QStringLiteral("Verteilung"));
    QTest::keyClick(ListWahl(), Qt::Key_Return);
    EXPECT_EQ(Text1()->toPlainText(), Angezeigt(Verteilung(m, true)));
    Waehlen(QStringLiteral("Zahlenstatistik"));
    ZahlEingeben(QStringLiteral("3"));
    QTest::keyClick(TextZahl(), Qt::Key_Return);
    EXPECT_EQ(Text1()->toPlainText(), Angezeigt(Zahlenstatistik(m, 3, true)));
}

// Each entry computes its own statistic with the options shown; a text's result and the
// caption stay while another entry is selected; the shown draw stays as it was.
TEST_F(StatistikFenster, EachEntryComputesWithItsOptionsAndLeavesTheShownDraw)
{
    fake.clock.jetzt = QTime(1, 2, 3); // 3723 seconds since midnight
    const struct {
        int eintrag;
        bool mitZZ, nachWert;
        std::function<QString()> text;
        std::function<void(Surface &)> grafik;
    } faelle[] = {
        {0, true, false, [&] { return Computertip(m, true, 3723); }, {}},
        {0, false, false, [&] { return Computertip(m, false, 3723); }, {}},
        {2, false, false, [&] { return Verteilung(m, false); }, {}},
        {3, false, false, [&] { return WerMitWemNachZahl(m, false); }, {}},
        {4, true, false, [&] { return WerMitWemNachWert(m, true); }, {}},
        {5, true, true, {}, [&](Surface &s) { AnzahlGezogenGrafik(m, true, true, s); }},
        {6, false, false, {}, [&](Surface &s) { VerhDurchschnittGrafik(m, false, false, s); }},
        {7, false, true, {}, [&](Surface &s) { ZuletztGezogenGrafik(m, false, true, s); }},
        {8, false, false, {}, [&](Surface &s) { GeradeUngeradeGrafik(m, false, s); }},
        {9, true, false, {}, [&](Surface &s) { JokerGrafik(m, s); }},
        {10, true, false, {}, [&](Surface &s) { JokerGeradeUngeradeGrafik(m, s); }},
    };
    for (const auto &f : faelle) {
        const QString eintrag = Liste.at(f.eintrag);
        SCOPED_TRACE(eintrag.toStdString());
        Waehlen(eintrag);
        CheckZZ()->setChecked(f.mitZZ);
        (f.nachWert ? OptionSortW() : OptionSortZ())->setChecked(true);
        Berechnen();
        EXPECT_EQ(Text1()->isVisible(), bool(f.text));
        EXPECT_EQ(Picture1()->isVisible(), bool(f.grafik));
        ErwarteFertigenLauf();
        if (f.text) {
            EXPECT_EQ(Text1()->toPlainText(), Angezeigt(f.text()));
            Waehlen(Liste.at(1));
            EXPECT_EQ(Text1()->toPlainText(), Angezeigt(f.text()));
            EXPECT_TRUE(Text1()->isVisible());
        } else {
            PictureBox vorlage(PictureBox::Einheit::Twips);
            vorlage.resize(Picture1()->size());
            vorlage.SetFont(Picture1()->Font());
            vorlage.SetBackColor(m.FarbeHintergrund);
            f.grafik(vorlage);
            EXPECT_TRUE(Picture1()->Bild() == vorlage.Bild());
        }
        EXPECT_EQ(fenster->windowTitle(), Titel + QStringLiteral(": ") + eintrag);
    }
    QTest::mouseClick(Control("CommandExit"), Qt::LeftButton);
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(m.AktZiehung, 7);
    EXPECT_EQ(fake.prompts.beeps, 0);
}

TEST_F(StatistikFenster, HelpShowsTheWindowsTopicThenTheSelectedEntrys)
{
    QTest::mouseClick(Control("CommandHelp"), Qt::LeftButton);
    for (const QString &eintrag : Liste) {
        Waehlen(eintrag);
        QTest::mouseClick(Control("CommandHelp"), Qt::LeftButton);
    }
    QList<qint32> themen;
    for (const auto &aufruf : fake.viewer.aufrufe)
        themen << aufruf.kontext * aufruf.befehl; // help command 1: show the topic
    EXPECT_EQ(themen, (QList<qint32>{150, 205, 155, 160, 165, 170, 175, 180, 185, 190, 195, 200}));
}

} // namespace
