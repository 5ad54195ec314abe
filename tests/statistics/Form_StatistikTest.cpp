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
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace zahlenstatistik_test;

namespace {

const QStringList Liste{
    QStringLiteral("Computertip"),
    QStringLiteral("Zahlenstatistik"),
    QStringLiteral("Verteilung"),
    QStringLiteral("Wer mit wem nach Zahl"),
    QStringLiteral("Wer mit wem nach Wert"),
    QStringLiteral("Anzahl gezogen (Grafik)"),
    QStringLiteral("Verh. z. Durchschn. (Grafik)"),
    QStringLiteral("Zuletzt gezogen (Grafik)"),
    QStringLiteral("Gerade/Ungerade (Grafik)"),
    QStringLiteral("Joker (Grafik)"),
    QStringLiteral("Joker Gerade/Ungerade (Grafik)"),
};

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
        Ziehungssatz satz = i <= 10   ? Erzeugt(i, {1, 2, 3, 4, 5, 6}, 7)
                            : i <= 20 ? Erzeugt(i, {40, 41, 42, 43, 44, 45}, 39)
                                      : Erzeugt(i, {20, 21, 22, 23, 24, 25}, 26);
        if (i >= 3)
            satz = Ziehungssatz(satz.mid(1, 27) + QStringLiteral("%1").arg(i * 4711 % 1000000, 6,
                                                                           10, QLatin1Char('0')));
        m.Ziehungen << satz;
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

    template <typename T> T *Control(const char *name) const
    {
        T *w = fenster->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QListWidget *ListWahl() const { return Control<QListWidget>("ListWahl"); }
    QLineEdit *TextZahl() const { return Control<QLineEdit>("TextZahl"); }
    QCheckBox *CheckZZ() const { return Control<QCheckBox>("CheckZZ"); }
    QRadioButton *OptionSortZ() const { return Control<QRadioButton>("OptionSortZ"); }
    QRadioButton *OptionSortW() const { return Control<QRadioButton>("OptionSortW"); }
    QPlainTextEdit *Text1() const { return Control<QPlainTextEdit>("Text1"); }
    PictureBox *Picture1() const { return Control<PictureBox>("Picture1"); }
    QPushButton *Knopf(const char *name) const { return Control<QPushButton>(name); }

    void Waehlen(const QString &eintrag)
    {
        QListWidget *liste = ListWahl();
        const QList<QListWidgetItem *> treffer = liste->findItems(eintrag, Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1) << eintrag.toStdString();
        liste->scrollToItem(treffer.first());
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(treffer.first()).center());
        ASSERT_TRUE(treffer.first()->isSelected());
    }
    void Klicken(const char *knopf) { QTest::mouseClick(Knopf(knopf), Qt::LeftButton); }
    void Berechnen() { Klicken("CommandRechnen"); }
    void ZahlEingeben(const QString &text)
    {
        TextZahl()->clear();
        QTest::keyClicks(TextZahl(), text);
    }

    // Which of the five option controls show, as a word each.
    QStringList SichtbareOptionen() const
    {
        QStringList sichtbar;
        for (const char *name :
             {"LabelZahl", "TextZahl", "CheckZZ", "OptionSortZ", "OptionSortW"}) {
            if (Control<QWidget>(name)->isVisible())
                sichtbar << QString::fromLatin1(name);
        }
        return sichtbar;
    }

    void ErwarteFertigenLauf() const
    {
        EXPECT_TRUE(Knopf("CommandRechnen")->isEnabled());
        EXPECT_TRUE(Knopf("CommandHelp")->isEnabled());
        EXPECT_TRUE(Knopf("CommandExit")->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    void ErwarteStartwerte() const
    {
        EXPECT_EQ(fenster->objectName(), QStringLiteral("Form_Statistik"));
        EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Ziehbuch - Statistik"));
        QStringList eintraege;
        for (int i = 0; i < ListWahl()->count(); ++i)
            eintraege << ListWahl()->item(i)->text();
        EXPECT_EQ(eintraege, Liste);
        EXPECT_TRUE(ListWahl()->selectedItems().isEmpty());
        EXPECT_TRUE(SichtbareOptionen().isEmpty());
        EXPECT_FALSE(Text1()->isVisible());
        EXPECT_FALSE(Picture1()->isVisible());
        EXPECT_TRUE(CheckZZ()->isChecked());
        EXPECT_TRUE(OptionSortZ()->isChecked());
        EXPECT_FALSE(OptionSortW()->isChecked());
        EXPECT_EQ(TextZahl()->text(), QStringLiteral("1"));
        EXPECT_EQ(TextZahl()->maxLength(), 2);
        EXPECT_EQ(Control<QLabel>("LabelZahl")->text(), QStringLiteral("Zahl"));
        EXPECT_EQ(CheckZZ()->text(), QStringLiteral("inkl. Zusatzzahl"));
        EXPECT_EQ(Knopf("CommandRechnen")->text(), QStringLiteral("&Berechnen"));
        EXPECT_TRUE(Knopf("CommandRechnen")->isDefault());
        EXPECT_EQ(Knopf("CommandHelp")->text(), QStringLiteral("&Hilfe"));
        EXPECT_EQ(Knopf("CommandExit")->text(), QStringLiteral("S&chließen"));
        EXPECT_EQ(Text1()->width(), Picture1()->width());
        EXPECT_EQ(fake.hilfe.HelpCommand, 1);
    }
};

TEST_F(StatistikFenster, OpensWithItsStartValues)
{
    ErwarteStartwerte();
    EXPECT_EQ(fenster->size(), QSize(697, 482));
    EXPECT_EQ(Picture1()->geometry(), QRect(176, 16, 513, 457));
    EXPECT_TRUE(Text1()->isReadOnly());
    EXPECT_EQ(Text1()->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(Picture1()->Font().family(), QStringLiteral("Arial"));
}

TEST_F(StatistikFenster, ReopeningRestoresTheStartValues)
{
    Waehlen(QStringLiteral("Anzahl gezogen (Grafik)"));
    CheckZZ()->setChecked(false);
    OptionSortW()->setChecked(true);
    Waehlen(QStringLiteral("Zahlenstatistik"));
    ZahlEingeben(QStringLiteral("9"));
    Berechnen();
    Klicken("CommandExit");
    EXPECT_FALSE(fenster->isVisible());

    Oeffnen();
    ErwarteStartwerte();
}

TEST_F(StatistikFenster, ComputingWithNothingSelectedOnlyBeeps)
{
    Berechnen();
    EXPECT_EQ(fake.prompts.beeps, 1);
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Ziehbuch - Statistik"));
    EXPECT_FALSE(Text1()->isVisible());
    EXPECT_FALSE(Picture1()->isVisible());
    ErwarteFertigenLauf();
}

TEST_F(StatistikFenster, EachEntryShowsItsOwnOptions)
{
    const QStringList zz{QStringLiteral("CheckZZ")};
    const QStringList zahl{QStringLiteral("LabelZahl"), QStringLiteral("TextZahl"),
                           QStringLiteral("CheckZZ")};
    const QStringList sortiert{QStringLiteral("CheckZZ"), QStringLiteral("OptionSortZ"),
                               QStringLiteral("OptionSortW")};
    const QList<QStringList> erwartet{zz,       zahl,     zz, zz, zz, sortiert,
                                      sortiert, sortiert, zz, {}, {}};
    for (int i = 0; i < Liste.size(); ++i) {
        Waehlen(Liste.at(i));
        EXPECT_EQ(SichtbareOptionen(), erwartet.at(i)) << Liste.at(i).toStdString();
    }
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Ziehbuch - Statistik"));
}

TEST_F(StatistikFenster, HiddenOptionsKeepTheirValues)
{
    Waehlen(QStringLiteral("Zahlenstatistik"));
    ZahlEingeben(QStringLiteral("12"));
    QTest::mouseClick(CheckZZ(), Qt::LeftButton, {}, QPoint(5, CheckZZ()->height() / 2));
    ASSERT_FALSE(CheckZZ()->isChecked());
    Waehlen(QStringLiteral("Anzahl gezogen (Grafik)"));
    QTest::mouseClick(OptionSortW(), Qt::LeftButton, {}, QPoint(5, OptionSortW()->height() / 2));
    ASSERT_TRUE(OptionSortW()->isChecked());

    Waehlen(QStringLiteral("Joker (Grafik)"));
    EXPECT_TRUE(SichtbareOptionen().isEmpty());
    Waehlen(QStringLiteral("Zahlenstatistik"));
    EXPECT_EQ(TextZahl()->text(), QStringLiteral("12"));
    EXPECT_FALSE(CheckZZ()->isChecked());
    Waehlen(QStringLiteral("Verh. z. Durchschn. (Grafik)"));
    EXPECT_TRUE(OptionSortW()->isChecked());
    EXPECT_FALSE(OptionSortZ()->isChecked());
}

TEST_F(StatistikFenster, ResultStaysWhenAnotherEntryIsSelected)
{
    Waehlen(QStringLiteral("Verteilung"));
    Berechnen();
    EXPECT_TRUE(Text1()->isVisible());
    EXPECT_FALSE(Picture1()->isVisible());
    EXPECT_EQ(Text1()->toPlainText(), Angezeigt(Verteilung(m, true)));
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Ziehbuch - Statistik: Verteilung"));
    ErwarteFertigenLauf();

    Waehlen(QStringLiteral("Zahlenstatistik"));
    EXPECT_TRUE(Text1()->isVisible());
    EXPECT_EQ(Text1()->toPlainText(), Angezeigt(Verteilung(m, true)));
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Ziehbuch - Statistik: Verteilung"));
}

TEST_F(StatistikFenster, TypedNumberIsTakenWhenWholeAndOneToFortyFive)
{
    const struct {
        const char *text;
        int zahl;
    } faelle[] = {{"45", 45}, {"7", 7}, {"07", 7}};
    Waehlen(QStringLiteral("Zahlenstatistik"));
    for (const auto &fall : faelle) {
        ZahlEingeben(QString::fromLatin1(fall.text));
        Berechnen();
        EXPECT_EQ(fake.prompts.beeps, 0) << fall.text;
        EXPECT_TRUE(Text1()->isVisible()) << fall.text;
        EXPECT_EQ(Text1()->toPlainText(), Angezeigt(Zahlenstatistik(m, fall.zahl, true)))
            << fall.text;
    }
}

TEST_F(StatistikFenster, RefusedNumberBeepsAndShowsNoOutput)
{
    for (const char *text : {"46", "0", "", "x"}) {
        Waehlen(QStringLiteral("Verteilung"));
        Berechnen();
        ASSERT_TRUE(Text1()->isVisible());
        Waehlen(QStringLiteral("Zahlenstatistik"));
        ZahlEingeben(QString::fromLatin1(text));
        fake.prompts.beeps = 0;
        Berechnen();
        EXPECT_EQ(fake.prompts.beeps, 1) << text;
        EXPECT_FALSE(Text1()->isVisible()) << text;
        EXPECT_FALSE(Picture1()->isVisible()) << text;
        EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Ziehbuch - Statistik: Zahlenstatistik"));
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

TEST_F(StatistikFenster, TextStatisticsGetTheirOptions)
{
    fake.clock.jetzt = QTime(1, 2, 3); // 3723 seconds since midnight
    const struct {
        QString eintrag;
        bool mitZZ;
        std::function<QString(bool)> text;
    } faelle[] = {
        {QStringLiteral("Verteilung"), false, [&](bool zz) { return Verteilung(m, zz); }},
        {QStringLiteral("Wer mit wem nach Zahl"), false,
         [&](bool zz) { return WerMitWemNachZahl(m, zz); }},
        {QStringLiteral("Wer mit wem nach Wert"), true,
         [&](bool zz) { return WerMitWemNachWert(m, zz); }},
        {QStringLiteral("Computertip"), true, [&](bool zz) { return Computertip(m, zz, 3723); }},
        {QStringLiteral("Computertip"), false, [&](bool zz) { return Computertip(m, zz, 3723); }},
    };
    for (const auto &fall : faelle) {
        Waehlen(fall.eintrag);
        CheckZZ()->setChecked(fall.mitZZ);
        Berechnen();
        EXPECT_TRUE(Text1()->isVisible());
        EXPECT_FALSE(Picture1()->isVisible());
        EXPECT_EQ(Text1()->toPlainText(), Angezeigt(fall.text(fall.mitZZ)))
            << fall.eintrag.toStdString();
        EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Ziehbuch - Statistik: ") + fall.eintrag);
    }
}

TEST_F(StatistikFenster, ChartsDrawWithTheirOptions)
{
    using Grafik = std::function<void(Surface &)>;
    const struct {
        QString eintrag;
        bool mitZZ;
        bool nachWert;
        Grafik grafik;
    } faelle[] = {
        {QStringLiteral("Anzahl gezogen (Grafik)"), true, true,
         [&](Surface &s) { AnzahlGezogenGrafik(m, true, true, s); }},
        {QStringLiteral("Verh. z. Durchschn. (Grafik)"), false, false,
         [&](Surface &s) { VerhDurchschnittGrafik(m, false, false, s); }},
        {QStringLiteral("Zuletzt gezogen (Grafik)"), false, true,
         [&](Surface &s) { ZuletztGezogenGrafik(m, false, true, s); }},
        {QStringLiteral("Gerade/Ungerade (Grafik)"), false, false,
         [&](Surface &s) { GeradeUngeradeGrafik(m, false, s); }},
        {QStringLiteral("Joker (Grafik)"), true, false, [&](Surface &s) { JokerGrafik(m, s); }},
        {QStringLiteral("Joker Gerade/Ungerade (Grafik)"), true, false,
         [&](Surface &s) { JokerGeradeUngeradeGrafik(m, s); }},
    };
    for (const auto &fall : faelle) {
        Waehlen(fall.eintrag);
        CheckZZ()->setChecked(fall.mitZZ);
        (fall.nachWert ? OptionSortW() : OptionSortZ())->setChecked(true);
        Berechnen();
        EXPECT_TRUE(Picture1()->isVisible()) << fall.eintrag.toStdString();
        EXPECT_FALSE(Text1()->isVisible());
        ErwarteFertigenLauf();

        PictureBox vorlage(PictureBox::Einheit::Twips);
        vorlage.resize(Picture1()->size());
        vorlage.SetFont(Picture1()->Font());
        vorlage.SetBackColor(m.FarbeHintergrund);
        fall.grafik(vorlage);
        EXPECT_TRUE(Picture1()->Bild() == vorlage.Bild()) << fall.eintrag.toStdString();
    }
}

TEST_F(StatistikFenster, HelpShowsTheSelectedEntrysTopic)
{
    Klicken("CommandHelp");
    const QList<qint32> themen{205, 155, 160, 165, 170, 175, 180, 185, 190, 195, 200};
    for (const QString &eintrag : Liste) {
        Waehlen(eintrag);
        Klicken("CommandHelp");
    }
    ASSERT_EQ(fake.viewer.aufrufe.size(), 12);
    EXPECT_EQ(fake.viewer.aufrufe.at(0).kontext, 150);
    for (int i = 0; i < themen.size(); ++i) {
        EXPECT_EQ(fake.viewer.aufrufe.at(i + 1).kontext, themen.at(i));
        EXPECT_EQ(fake.viewer.aufrufe.at(i + 1).befehl, 1);
    }
}

TEST_F(StatistikFenster, EscapeClosesTheWindow)
{
    QTest::keyClick(ListWahl(), Qt::Key_Escape);
    EXPECT_FALSE(fenster->isVisible());
}

TEST_F(StatistikFenster, EveryStatisticLeavesTheShownDrawAlone)
{
    fenster.reset();
    Form_Statistik dialog(m, fake.plattform);
    fake.fenster.skripte << [&](QDialog &offen) {
        auto *liste = offen.findChild<QListWidget *>(QStringLiteral("ListWahl"));
        auto *rechnen = offen.findChild<QPushButton *>(QStringLiteral("CommandRechnen"));
        for (int i = 0; i < liste->count(); ++i) {
            liste->item(i)->setSelected(true);
            rechnen->click();
        }
        offen.findChild<QPushButton *>(QStringLiteral("CommandExit"))->click();
    };
    fake.fenster.ShowModal(dialog);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ziehbuch - Statistik: ") + Liste.last());
    EXPECT_EQ(m.AktZiehung, 7);
    EXPECT_EQ(fake.prompts.beeps, 0);
}

} // namespace
