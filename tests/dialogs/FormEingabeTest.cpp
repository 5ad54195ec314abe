#include "Dateireste.h"
#include "Eingabebefehle.h"
#include "Form_Eingabe.h"
#include "Testhilfe.h"

#include <QLineEdit>
#include <QTest>

namespace {

// Wednesday 01.03.2000, round 19, numbers 1 to 6, Zusatzzahl 45, no Joker.
const QByteArray AlteZeile = QByteArray::fromHex("ebfcfeecfefdfcfbfaf9d2202020") + "\r\n";
// Sunday 05.03.2000, round 20, 3 11 17 26 33 41, Zusatzzahl 7, Joker 123456.
const QByteArray NeueZeile = QByteArray::fromHex("ebfcfaebfcf4eee5ded6f8f3ddc7") + "\r\n";

class FormEingabeTest : public ::testing::Test, public Umgebung {
protected:
    void SetUp() override
    {
        Lege("ziehbuch.dat", AlteZeile);
        ASSERT_TRUE(m.ZiehungenLesen().ok());
        m.AktZiehung = 1;
        fake.clock.heute = QDate(2000, 3, 5);
    }

    static QLineEdit *Feld(QDialog &d, const char *n) { return Kind<QLineEdit>(d, n); }
    // The numbers of NeueZeile, shuffled, and its Joker.
    static void NeueZahlenTippen(QDialog &d)
    {
        const QStringList zahlen = L("41|3|33|11|26|17|7");
        for (int i = 0; i < 7; ++i)
            Feld(d, qPrintable(S("Text1%1").arg(i)))->setText(zahlen[i]);
        Feld(d, "TextJoker")->setText(S("123456"));
    }
    // Every field's text, in tab order, separated by '|'.
    static QString Inhalt(QDialog &d)
    {
        QStringList texte;
        for (const char *feld : {"TextDatum", "TextRunde", "Text10", "Text11", "Text12", "Text13",
                                 "Text14", "Text15", "Text16", "TextJoker"})
            texte << Feld(d, feld)->text();
        return texte.join(QLatin1Char('|'));
    }
    bool Neu() { return NeueZiehungEingeben(m, fake.plattform, nullptr); }
};

TEST_F(FormEingabeTest, NewDrawIsRefusedBeforeTheNextDrawDayAndWithAFullArchive)
{
    fake.clock.heute = QDate(2000, 3, 4);
    EXPECT_FALSE(Neu());
    fake.clock.heute = QDate(2000, 3, 5);
    while (m.AnzahlZiehungen() < Modul1::MaxZiehungen)
        m.Ziehungen.append(m.Ziehungen.at(1));
    EXPECT_FALSE(Neu());
    EXPECT_EQ(fake.prompts.ablauf, L("Beep|MsgBox: Fehler|Beep|MsgBox: Fehler"));
    EXPECT_EQ(fake.prompts.boxen[0].text,
              S("Die Zahlen der letzten Ziehung vom\r\n01.03.2000 wurden bereits eingegeben."));
    EXPECT_EQ(fake.prompts.boxen[1].text,
              S("Das Archiv ist voll: es fasst höchstens 32767 Ziehungen."));
}

TEST_F(FormEingabeTest, NewDrawsAreProposedInTurnStoredAsBytesAndEscapeStoresNothing)
{
    fake.clock.heute = QDate(2000, 3, 20);
    m.EingabeModus = S("edit");
    fake.fenster.skripte << [&](QDialog &d) {
        EXPECT_EQ(m.EingabeModus + d.windowTitle(), S("neuZiehbuch - Neuer Eintrag"));
        EXPECT_EQ(Inhalt(d), S("05.03.2000|2000-020||||||||"));
        EXPECT_EQ(d.focusWidget(), Feld(d, "Text10"));
        // The main window's font, in which every label ends before its field.
        EXPECT_EQ(Kind(d, "Label7")->font().family(), S("MS Sans Serif"));
        EXPECT_LT(Kind(d, "Label7")->geometry().right(), Feld(d, "Text16")->x());
        Klick(d, "CommandHelp");
        EXPECT_EQ(fake.viewer.aufrufe.value(0).kontext, 120);
        Feld(d, "TextDatum")->setText(S("5.3.00"));
        NeueZahlenTippen(d);
        QTest::keyClick(Feld(d, "TextJoker"), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    };
    fake.fenster.skripte << [&](QDialog &d) {
        NeueZahlenTippen(d);
        QTest::keyClick(Feld(d, "Text13"), Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    };
    EXPECT_TRUE(Neu());
    EXPECT_EQ(Datei("ziehbuch.dat"), AlteZeile + NeueZeile);
    EXPECT_EQ(m.AktZiehung, 2);
    EXPECT_TRUE(Neu());
    EXPECT_EQ(Datei("ziehbuch.dat"), AlteZeile + NeueZeile);
    EXPECT_TRUE(fake.prompts.ablauf.isEmpty());
}

TEST_F(FormEingabeTest, CorrectingADrawWithoutJokerNeedsSixDigitsThenWritesInPlace)
{
    m.Ziehungen.append(Ziehungssatz(S("05.03.200002003111726334107123456")));
    Lege("ziehbuch.dat", AlteZeile + NeueZeile);
    fake.fenster.skripte << [&](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), S("Ziehbuch - Eintrag korrigieren"));
        EXPECT_EQ(Inhalt(d), S("01.03.2000|2000-019|01|02|03|04|05|06|45|      "));
        Klick(d, "CommandSave");
        EXPECT_TRUE(d.isVisible());
        Feld(d, "Text16")->setText(S(" 7"));
        Feld(d, "TextJoker")->setText(S("000099"));
        Klick(d, "CommandHelp");
        Klick(d, "CommandSave");
        EXPECT_FALSE(d.isVisible());
    };
    EXPECT_TRUE(ZiehungKorrigieren(m, fake.plattform, nullptr));
    EXPECT_EQ(fake.prompts.ablauf, L("Beep|MsgBox: Fehler"));
    EXPECT_EQ(fake.prompts.boxen[0].text, S("Fehler im Joker.\r\n"));
    EXPECT_EQ(fake.viewer.aufrufe.value(0).kontext, 130);
    EXPECT_EQ(m.AktZiehung, 1);
    EXPECT_EQ(Datei("ziehbuch.dat"),
              QByteArray::fromHex("ebfcfeecfefdfcfbfaf9f8ffff9c") + "\r\n" + NeueZeile);
}

// Also where the file system has no unnamed files, so that the save writes into a named one.
TEST_F(FormEingabeTest, FailedWriteKeepsArchiveFileAndDialog)
{
    const auto vorher = m.Ziehungen;
    const QString kopf = S("Die Datei ZIEHBUCH.DAT konnte nicht geschrieben werden.\r\n");
    for (const bool benannt : {false, true}) {
        SCOPED_TRACE(benannt ? "named temporary file" : "unnamed temporary file");
        const OhneUnbenannteDateien schalter(benannt);
        fake.fenster.skripte << [&](QDialog &d) {
            NeueZahlenTippen(d);
            const auto speichern = [&] {
                Klick(d, "CommandSave");
                const QString text = fake.prompts.boxen.value(0).text;
                return int(!(d.isVisible() &&
                             Inhalt(d) == S("05.03.2000|2000-020|41|3|33|11|26|17|7|123456") &&
                             fake.prompts.beeps == 1 && text == kopf + ZuGross() &&
                             m.Ziehungen == vorher && m.AktZiehung == 1 &&
                             Reste(ordner.Pfad()) == L("ziehbuch.dat")));
            };
            // The child process reports by its exit code whether everything stayed as it was.
            EXPECT_EQ(MitSchreibgrenze(AlteZeile.size(), speichern), 0);
        };
        EXPECT_TRUE(Neu());
        EXPECT_EQ(Datei("ziehbuch.dat"), AlteZeile);
        EXPECT_EQ(Reste(ordner.Pfad()), L("ziehbuch.dat"));
    }
}

} // namespace
