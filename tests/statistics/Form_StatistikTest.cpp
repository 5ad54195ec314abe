#include "Form_Statistik.h"
#include "Balkengrafik.h"
#include "Computertip.h"
#include "GeradeUngerade.h"
#include "JokerGrafik.h"
#include "PictureBox.h"
#include "StatistikTesthilfe.h"
#include "WerMitWem.h"
#include "Zahlenstatistik.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <functional>
#include <memory>

namespace {

const QString Titel = S("Ziehbuch - Statistik");
const QStringList Liste =
    L("Computertip|Zahlenstatistik|Verteilung|Wer mit wem nach Zahl|"
      "Wer mit wem nach Wert|Anzahl gezogen (Grafik)|"
      "Verh. z. Durchschn. (Grafik)|Zuletzt gezogen (Grafik)|"
      "Gerade/Ungerade (Grafik)|Joker (Grafik)|Joker Gerade/Ungerade (Grafik)");

class StatistikFenster : public ::testing::Test {
protected:
    FakePlattform fake;
    Modul1 m;
    std::unique_ptr<Form_Statistik> fenster;

    // Uneven counts, so that sorting by value differs from sorting by number;
    // Jokers from the third draw on.
    void SetUp() override
    {
        for (int i = 1; i <= 25; ++i)
            Dazu(m, S(i <= 10   ? "01020304050607"
                      : i <= 20 ? "39404142434445"
                                : "20212223242526") +
                        (i < 3 ? QString() : QString::number(100000 + i * 4711)));
        m.AktZiehung = 7;
        Oeffnen();
    }
    void Oeffnen()
    {
        fenster = std::make_unique<Form_Statistik>(m, fake.plattform);
        fenster->show();
    }
    QWidget *C(const char *name) const { return Kind(*fenster, name); }
    QVariant P(const char *name, const char *eigenschaft) const
    {
        return C(name)->property(eigenschaft);
    }
    void Waehlen(const QString &eintrag)
    {
        QListWidget *liste = Kind<QListWidget>(*fenster, "ListWahl");
        QListWidgetItem *zeile = liste->item(Liste.indexOf(eintrag));
        liste->scrollToItem(zeile);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(zeile).center());
        ASSERT_TRUE(zeile->isSelected() && zeile->text() == eintrag) << eintrag.toStdString();
    }
    void ZahlEingeben(const char *text)
    {
        C("TextZahl")->setProperty("text", QString());
        QTest::keyClicks(C("TextZahl"), S(text));
    }
    QString SichtbareOptionen() const
    {
        QStringList sichtbar;
        for (const char *name : {"LabelZahl", "TextZahl", "CheckZZ", "OptionSortZ", "OptionSortW"})
            if (C(name)->isVisible())
                sichtbar << S(name);
        return sichtbar.join(QLatin1Char(' '));
    }
    void ErwarteStartwerte() const
    {
        const QListWidget *liste = Kind<QListWidget>(*fenster, "ListWahl");
        EXPECT_TRUE(liste->count() == 11 && liste->selectedItems().isEmpty());
        EXPECT_EQ(fenster->windowTitle(), Titel);
        EXPECT_EQ(SichtbareOptionen(), QString());
        EXPECT_FALSE(C("Text1")->isVisible() || C("Picture1")->isVisible());
        EXPECT_TRUE(P("CheckZZ", "checked").toBool() && P("OptionSortZ", "checked").toBool());
        EXPECT_EQ(P("TextZahl", "text").toString(), S("1"));
    }
};

// Nothing selected computes nothing; each entry shows its options with the values they had;
// help shows the window's topic, then the selected entry's; reopening starts afresh.
TEST_F(StatistikFenster, StartValuesOptionsHelpReopeningAndKeysOnTheFreshList)
{
    EXPECT_TRUE(P("Text1", "readOnly").toBool());
    // The grey is the frame's and the list's background; the number's field and the check
    // box's square keep the style's colours.
    const QColor grau = m.FarbeHintergrund;
    EXPECT_TRUE(C("Frame1")->autoFillBackground() && C("Frame1")->palette().window() == grau);
    EXPECT_EQ(C("ListWahl")->palette().base(), grau);
    EXPECT_NE(C("TextZahl")->grab().toImage().pixelColor(C("TextZahl")->width() - 4, 6), grau);
    EXPECT_NE(C("CheckZZ")->palette().base(), grau);
    EXPECT_EQ(C("Picture1")->size(), QSize(513, 457)); // the charts draw on 7695 × 6855 twips
    Klick(*fenster, "CommandRechnen");
    EXPECT_EQ(fake.prompts.beeps, 1);
    ErwarteStartwerte();

    const char *zz = "CheckZZ", *sortiert = "CheckZZ OptionSortZ OptionSortW";
    const char *erwartet[] = {
        zz, "LabelZahl TextZahl CheckZZ", zz, zz, zz, sortiert, sortiert, sortiert, zz, "", ""};
    Klick(*fenster, "CommandHelp");
    for (int i = 0; i < Liste.size(); ++i) {
        Waehlen(Liste.at(i));
        EXPECT_EQ(SichtbareOptionen(), S(erwartet[i])) << Liste.at(i).toStdString();
        Klick(*fenster, "CommandHelp");
    }
    QList<qint32> themen;
    for (const auto &aufruf : fake.viewer.aufrufe)
        themen << aufruf.kontext * aufruf.befehl; // help command 1: show the topic
    EXPECT_EQ(themen, (QList<qint32>{150, 205, 155, 160, 165, 170, 175, 180, 185, 190, 195, 200}));

    Waehlen(S("Zahlenstatistik"));
    ZahlEingeben("12");
    Klick(*fenster, "CheckZZ");
    Waehlen(S("Anzahl gezogen (Grafik)"));
    Klick(*fenster, "OptionSortW");
    Waehlen(S("Joker (Grafik)"));
    Waehlen(S("Zahlenstatistik"));
    EXPECT_EQ(P("TextZahl", "text").toString(), S("12"));
    EXPECT_FALSE(P("CheckZZ", "checked").toBool());
    Waehlen(S("Verh. z. Durchschn. (Grafik)"));
    EXPECT_TRUE(P("OptionSortW", "checked").toBool());

    Klick(*fenster, "CommandRechnen");
    QTest::keyClick(C("ListWahl"), Qt::Key_Escape);
    EXPECT_FALSE(fenster->isVisible());
    // On each fresh window, Down and Home select the first entry and End the last.
    for (const Qt::Key taste : {Qt::Key_Down, Qt::Key_Home, Qt::Key_End}) {
        Oeffnen();
        ErwarteStartwerte();
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
        QTest::keyClick(QApplication::focusWidget(), taste);
        const auto gewaehlt = Kind<QListWidget>(*fenster, "ListWahl")->selectedItems();
        EXPECT_TRUE(gewaehlt.size() == 1 &&
                    gewaehlt[0]->text() == (taste == Qt::Key_End ? Liste.last() : Liste[0]))
            << taste;
    }
}

// Each entry computes its own statistic with the options shown, keeping the caption; a
// typed number is taken only when whole and 1 to 45, else the run beeps and shows nothing;
// a text's result stays while another entry is selected; the shown draw stays as it was.
TEST_F(StatistikFenster, EachEntryComputesWithItsOptionsAndLeavesTheShownDraw)
{
    fake.clock.jetzt = QTime(1, 2, 3, 456); // 3723.456 seconds since midnight
    const struct {
        int eintrag;
        bool mitZZ, nachWert;
        const char *zahl;
        QString text; // neither text nor chart: refused
        std::function<void(Surface &)> grafik;
    } faelle[] = {
        {0, true, false, "", Computertip(m, true, 3723456), {}},
        {0, false, false, "", Computertip(m, false, 3723456), {}},
        {1, true, false, "46", {}, {}},
        {1, true, false, "0", {}, {}},
        {1, true, false, "45", Zahlenstatistik(m, 45, true), {}},
        {1, false, false, "7", Zahlenstatistik(m, 7, false), {}},
        {2, false, false, "", Verteilung(m, false), {}},
        {3, false, false, "", WerMitWemNachZahl(m, false), {}},
        {4, true, false, "", WerMitWemNachWert(m, true), {}},
        {5, true, true, "", {}, [&](Surface &s) { AnzahlGezogenGrafik(m, true, true, s); }},
        {6, false, false, "", {}, [&](Surface &s) { VerhDurchschnittGrafik(m, false, false, s); }},
        {7, false, true, "", {}, [&](Surface &s) { ZuletztGezogenGrafik(m, false, true, s); }},
        {8, false, false, "", {}, [&](Surface &s) { GeradeUngeradeGrafik(m, false, s); }},
        {9, true, false, "", {}, [&](Surface &s) { JokerGrafik(m, s); }},
        {10, true, false, "", {}, [&](Surface &s) { JokerGeradeUngeradeGrafik(m, s); }},
    };
    for (const auto &f : faelle) {
        const QString eintrag = Liste.at(f.eintrag), titel = Titel + S(": ") + eintrag;
        // The text box shows lines ending in LF alone.
        const QString text = QString(f.text).replace(S("\r\n"), S("\n"));
        SCOPED_TRACE(eintrag.toStdString() + ' ' + f.zahl);
        Waehlen(eintrag);
        C("CheckZZ")->setProperty("checked", f.mitZZ);
        C(f.nachWert ? "OptionSortW" : "OptionSortZ")->setProperty("checked", true);
        if (f.eintrag == 1)
            ZahlEingeben(f.zahl);
        fake.prompts.beeps = 0;
        Klick(*fenster, "CommandRechnen");
        EXPECT_EQ(fake.prompts.beeps, text.isEmpty() && !f.grafik);
        EXPECT_EQ(C("Text1")->isVisible(), !text.isEmpty());
        EXPECT_EQ(P("Text1", "plainText").toString(), text);
        EXPECT_EQ(C("Picture1")->isVisible(), bool(f.grafik));
        EXPECT_EQ(fenster->windowTitle(), titel);
        // The buttons are enabled again and the hourglass is gone.
        EXPECT_TRUE(C("CommandRechnen")->isEnabled() && C("CommandHelp")->isEnabled() &&
                    C("CommandExit")->isEnabled() && !QApplication::overrideCursor());
        if (f.grafik) {
            const PictureBox *bild = Kind<PictureBox>(*fenster, "Picture1");
            PictureBox vorlage(PictureBox::Einheit::Twips);
            vorlage.resize(bild->size());
            vorlage.SetFont(bild->Font());
            vorlage.SetBackColor(m.FarbeHintergrund);
            f.grafik(vorlage);
            EXPECT_TRUE(bild->Bild() == vorlage.Bild());
        } else if (!text.isEmpty()) {
            Waehlen(Liste.at(3));
            EXPECT_TRUE(C("Text1")->isVisible() && fenster->windowTitle() == titel);
            EXPECT_EQ(P("Text1", "plainText").toString(), text);
        }
    }
    Klick(*fenster, "CommandExit");
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(m.AktZiehung, 7);
}

} // namespace
