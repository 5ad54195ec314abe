#include "Eingabebefehle.h"
#include "FakePlattform.h"
#include "Form_Eingabe.h"
#include "Modul1.h"
#include "QtPrinters.h"
#include "Schreibgrenze.h"
#include "TempFolder.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString Datei = QStringLiteral("ziehbuch.dat");

// Wednesday 01.03.2000, round 19, numbers 1 to 6, Zusatzzahl 45, no Joker.
const QByteArray AlteZeile = QByteArray::fromHex("ebfcfeecfefdfcfbfaf9d2202020") + "\r\n";
// Sunday 05.03.2000, round 20, 3 11 17 26 33 41, Zusatzzahl 7, Joker 123456.
const QByteArray NeueZeile = QByteArray::fromHex("ebfcfaebfcf4eee5ded6f8f3ddc7") + "\r\n";

QLineEdit *Feld(QDialog &d, const char *name)
{
    auto *feld = d.findChild<QLineEdit *>(QString::fromLatin1(name));
    EXPECT_NE(feld, nullptr) << name;
    return feld;
}

QString Text(QDialog &d, const char *name)
{
    return Feld(d, name)->text();
}

void Tippen(QDialog &d, const char *name, const char *text)
{
    Feld(d, name)->clear();
    QTest::keyClicks(Feld(d, name), QString::fromLatin1(text));
}

void Klick(QDialog &d, const char *name)
{
    QTest::mouseClick(d.findChild<QPushButton *>(QString::fromLatin1(name)), Qt::LeftButton);
}

// The numbers of NeueZeile, shuffled, and its Joker.
void NeueZahlenTippen(QDialog &d)
{
    const char *zahlen[] = {"41", "3", "33", "11", "26", "17", "7"};
    for (int i = 0; i < 7; ++i)
        Tippen(d, QStringLiteral("Text1_%1").arg(i).toLatin1().constData(), zahlen[i]);
    Tippen(d, "TextJoker", "123456");
}

class FormEingabeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner.Schreiben(Datei, AlteZeile);
        m.ProgrammPfad = ordner.Pfad();
        ASSERT_TRUE(m.ZiehungenLesen().ok());
        m.AktZiehung = 1;
        fp.clock.heute = QDate(2000, 3, 5);
    }

    void Skript(ScriptedWindowOpener::Skript skript) { fp.fenster.skripte.append(skript); }
    bool Neu() { return NeueZiehungEingeben(m, fp.plattform, nullptr); }
    void ErwarteFehlerbox(const QString &text)
    {
        EXPECT_EQ(fp.prompts.ablauf,
                  QStringList({QStringLiteral("Beep"), QStringLiteral("MsgBox: Fehler")}));
        ASSERT_EQ(fp.prompts.boxen.size(), 1);
        EXPECT_EQ(fp.prompts.boxen[0].text, text);
        EXPECT_EQ(fp.prompts.boxen[0].symbol, Prompts::Symbol::Kritisch);
    }

    TempFolder ordner;
    Modul1 m;
    FakePlattform fp;
};

TEST_F(FormEingabeTest, ControlsInTabOrderWithTheirLengthsAndTexts)
{
    m.EingabeModus = QStringLiteral("neu");
    Form_Eingabe dialog(m, fp.plattform);
    const char *const namen[] = {"TextDatum",   "TextRunde",   "Text1_0",    "Text1_1", "Text1_2",
                                 "Text1_3",     "Text1_4",     "Text1_5",    "Text1_6", "TextJoker",
                                 "CommandSave", "CommandExit", "CommandHelp"};
    const int maxLaengen[] = {32767, 8, 2, 2, 2, 2, 2, 2, 2, 6};
    const QString knoepfe[] = {QStringLiteral("&Speichern"), QStringLiteral("S&chließen"),
                               QStringLiteral("&Hilfe")};
    QWidget *w = Feld(dialog, "TextDatum");
    for (int i = 0; i < 13; ++i) {
        ASSERT_EQ(w->objectName(), QString::fromLatin1(namen[i]));
        if (i < 10)
            EXPECT_EQ(qobject_cast<QLineEdit *>(w)->maxLength(), maxLaengen[i]) << namen[i];
        else
            EXPECT_EQ(qobject_cast<QPushButton *>(w)->text(), knoepfe[i - 10]);
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
    }
}

TEST_F(FormEingabeTest, NewDrawIsRefusedBeforeTheNextDrawDay)
{
    fp.clock.heute = QDate(2000, 3, 4);
    EXPECT_FALSE(Neu());
    EXPECT_TRUE(fp.fenster.geoeffnet.isEmpty());
    ErwarteFehlerbox(QStringLiteral("Die Zahlen der letzten Ziehung vom\r\n01.03.2000 wurden "
                                    "bereits eingegeben."));
}

TEST_F(FormEingabeTest, NewDrawIsRefusedWhenTheArchiveIsFull)
{
    while (m.AnzahlZiehungen() < Modul1::MaxZiehungen)
        m.Ziehungen.append(m.Ziehungen.at(1));
    EXPECT_FALSE(Neu());
    EXPECT_TRUE(fp.fenster.geoeffnet.isEmpty());
    ErwarteFehlerbox(QStringLiteral("Das Archiv ist voll: es fasst höchstens 32767 Ziehungen."));
}

TEST_F(FormEingabeTest, NewDrawsAreProposedInTurnStoredAsBytesAndEscapeStoresNothing)
{
    fp.clock.heute = QDate(2000, 3, 20);
    m.EingabeModus = QStringLiteral("edit");
    Skript([&](QDialog &d) {
        EXPECT_EQ(m.EingabeModus, QStringLiteral("neu"));
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Ziehbuch - Neuer Eintrag"));
        EXPECT_EQ(Text(d, "TextDatum"), QStringLiteral("05.03.2000"));
        EXPECT_EQ(Text(d, "TextRunde"), QStringLiteral("2000-020"));
        EXPECT_TRUE(Text(d, "Text1_0").isEmpty() && Text(d, "TextJoker").isEmpty());
        EXPECT_EQ(d.focusWidget(), Feld(d, "Text1_0"));
        Klick(d, "CommandHelp");
        EXPECT_EQ(fp.viewer.aufrufe.value(0).kontext, 120);
        Tippen(d, "TextDatum", "5.3.00");
        NeueZahlenTippen(d);
        QTest::keyClick(Feld(d, "TextJoker"), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    Skript([&](QDialog &d) {
        EXPECT_EQ(Text(d, "TextDatum"), QStringLiteral("08.03.2000"));
        EXPECT_EQ(Text(d, "TextRunde"), QStringLiteral("2000-021"));
        NeueZahlenTippen(d);
        QTest::keyClick(Feld(d, "Text1_3"), Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(Neu());
    EXPECT_EQ(ordner.Lesen(Datei), AlteZeile + NeueZeile);
    ASSERT_EQ(m.AnzahlZiehungen(), 2);
    EXPECT_EQ(m.Ziehungen.at(2).text(), QStringLiteral("05.03.200002003111726334107123456"));
    EXPECT_EQ(m.AktZiehung, 2);
    EXPECT_TRUE(Neu());
    Skript([&](QDialog &d) {
        Klick(d, "CommandExit");
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(Neu());
    EXPECT_EQ(m.AnzahlZiehungen(), 2);
    EXPECT_EQ(ordner.Lesen(Datei), AlteZeile + NeueZeile);
    EXPECT_TRUE(fp.prompts.ablauf.isEmpty());
}

TEST_F(FormEingabeTest, CorrectingADrawWithoutJokerNeedsSixDigitsThenWritesInPlace)
{
    m.Ziehungen.append(Ziehungssatz(QStringLiteral("05.03.200002003111726334107123456")));
    ordner.Schreiben(Datei, AlteZeile + NeueZeile);
    Skript([&](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Ziehbuch - Eintrag korrigieren"));
        EXPECT_EQ(Text(d, "TextDatum"), QStringLiteral("01.03.2000"));
        EXPECT_EQ(Text(d, "TextRunde"), QStringLiteral("2000-019"));
        EXPECT_EQ(Text(d, "Text1_0"), QStringLiteral("01"));
        EXPECT_EQ(Text(d, "Text1_6"), QStringLiteral("45"));
        EXPECT_EQ(Text(d, "TextJoker"), QStringLiteral("      "));
        EXPECT_EQ(d.focusWidget(), Feld(d, "Text1_0"));
        Klick(d, "CommandSave");
        EXPECT_TRUE(d.isVisible());
        Tippen(d, "Text1_6", "7");
        Tippen(d, "TextJoker", "000099");
        Klick(d, "CommandHelp");
        Klick(d, "CommandSave");
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(ZiehungKorrigieren(m, fp.plattform, nullptr));
    EXPECT_EQ(m.EingabeModus, QStringLiteral("edit"));
    ErwarteFehlerbox(QStringLiteral("Fehler im Joker.\r\n"));
    EXPECT_EQ(fp.viewer.aufrufe.value(0).kontext, 130);
    EXPECT_EQ(m.AktZiehung, 1);
    EXPECT_EQ(m.Ziehungen.at(1).text(), QStringLiteral("01.03.200001901020304050607000099"));
    EXPECT_EQ(ordner.Lesen(Datei),
              QByteArray::fromHex("ebfcfeecfefdfcfbfaf9f8ffff9c") + "\r\n" + NeueZeile);
}

TEST_F(FormEingabeTest, FailedWriteKeepsArchiveFileAndDialog)
{
    const auto vorher = m.Ziehungen;
    const QString kopf =
        QStringLiteral("Die Datei ZIEHBUCH.DAT konnte nicht geschrieben werden.\r\n");
    Skript([&](QDialog &d) {
        NeueZahlenTippen(d);
        const auto speichern = [&] {
            Klick(d, "CommandSave");
            const QString text = fp.prompts.boxen.value(0).text;
            const bool gut = d.isVisible() && Text(d, "Text1_0") == QLatin1String("41") &&
                             Text(d, "TextJoker") == QLatin1String("123456") &&
                             fp.prompts.beeps == 1 && text.startsWith(kopf) &&
                             text.size() > kopf.size() && m.Ziehungen == vorher &&
                             m.AktZiehung == 1;
            return gut ? 0 : 1;
        };
        // The child process reports by its exit code whether everything stayed as it was.
        EXPECT_EQ(MitSchreibgrenze(AlteZeile.size(), speichern), 0);
    });
    EXPECT_TRUE(Neu());
    EXPECT_EQ(ordner.Lesen(Datei), AlteZeile);
    EXPECT_EQ(QDir(ordner.Pfad()).entryList(QDir::Files), QStringList{Datei});
}

TEST_F(FormEingabeTest, EmptyArchiveProposesTodayAndCorrectionOnlyBeeps)
{
    m = Modul1();
    fp.clock.heute = QDate(2005, 6, 1);
    Skript([&](QDialog &d) {
        EXPECT_EQ(Text(d, "TextDatum"), QStringLiteral("01.06.2005"));
        EXPECT_EQ(Text(d, "TextRunde"), QStringLiteral("2005-001"));
    });
    EXPECT_TRUE(Neu());
    EXPECT_FALSE(ZiehungKorrigieren(m, fp.plattform, nullptr));
    EXPECT_EQ(fp.prompts.ablauf, QStringList{QStringLiteral("Beep")});
    EXPECT_EQ(fp.fenster.geoeffnet.size(), 1);
}

} // namespace
