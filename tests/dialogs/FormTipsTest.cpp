#include "Dateireste.h"
#include "Form_Tips.h"
#include "Testhilfe.h"
#include "Tipliste.h"

#include <QListWidget>
#include <functional>
#include <memory>

namespace {

// Stored tips of both kinds, a key in capitals, and foreign lines that resemble tips whose
// numbers the answers below reuse.
const QByteArray Gemischt = "Zahlentip=01,02,03,04,05,06Alt\r\n[Notiz]\r\n"
                            " Zahlentip=07,08,09,10,11,12Fremd\r\nJokertip=123456Joker Eins\r\n"
                            "Jokertipp=654321Fremd\r\nJOKERTIP=999999Gross\r\n";
const QByteArray VierTips = "Zahlentip=01,02,03,04,05,06Eins\r\nJokertip=111111Zwei\r\n"
                            "Jokertip=123456Drei\r\nZahlentip=07,08,09,10,11,12Vier\r\n";

// The tips window on a temporary program folder, with every platform service faked.
struct Tips : Umgebung {
    std::unique_ptr<Form_Tips> fenster;

    void Oeffnen(const QByteArray &einstellungen)
    {
        Lege("ziehbuch.ini", einstellungen);
        EXPECT_TRUE(m.IniLesen().ok);
        fenster = std::make_unique<Form_Tips>(m, fake.plattform);
        fenster->show();
    }
    QListWidget *Liste() const { return Kind<QListWidget>(*fenster, "List1"); }
    QStringList Reihen() const
    {
        QStringList reihen;
        for (int i = 0; i < Liste()->count(); ++i)
            reihen << Liste()->item(i)->text();
        return reihen;
    }
    QStringList Zeilen() const { return m.IniZeilen.mid(1); }
    // The file, the lines in memory and the list agree on `inhalt`.
    void ErwarteGespeichert(const QByteArray &inhalt) const
    {
        EXPECT_EQ(Datei("ziehbuch.ini"), inhalt);
        EXPECT_EQ(Zeilen(), QString::fromLatin1(inhalt).split(S("\r\n"), Qt::SkipEmptyParts));
        EXPECT_EQ(Reihen(), Tipliste::Reihen(m.IniZeilen));
    }
    void Loeschen(int reihe) const
    {
        Liste()->setCurrentRow(reihe);
        Klick(*fenster, "CommandDel");
    }
};

class TipsFenster : public ::testing::Test, public Tips {};

const QString ZahlenFrage =
    S("Geben Sie die Tipzahlen mit führenden Nullen\r\nund getrennt durch Beistriche ein, dann "
      "ein\r\nLeerzeichen und einen Tipnamen.\r\nBeispiel: '02,06,15,17,33,41 Mein Tip'");
const QString JokerFrage = S("Geben Sie den Jokertip ein, dann\r\nein Leerzeichen und einen "
                             "Tipnamen.\r\nBeispiel: '139957 Mein Tip Nr. 2'");

// Every answer to either input box, on a fresh window: the sentence shown after a Beep, or the
// settings line stored in the file (in the Windows code page), in memory and in the list; Cancel
// changes nothing.
TEST(FormTips, AnswersGiveTheSentenceOrStoreTheLine)
{
    const struct {
        bool joker, vier; // the Joker box; VierTips instead of Gemischt
        const char *antwort, *ergebnis;
    } faelle[] = {
        {false, false, "", ""},
        {false, false, "02,06,15,17,33,45   Mein  Tip  ", "Zahlentip=02,06,15,17,33,45Mein  Tip"},
        {false, false, "2,6,15,17,33,41 Tip", "Das Leerzeichen fehlt."},
        {false, false, "2,6,15,17,33,41 X", "Eingabe zu kurz."},
        {false, false, "02,06,15,17,33,41        ", "Der Tipname fehlt."},
        {false, false, "02,06,15;17,33,46 Tip", "Fehler in Tipzahlen (Beistriche)."},
        {false, false, "02,06,15,17,33,00 Tip", "Fehler in Tipzahlen (Wert)."},
        {false, false, " 7,06,15,17,33,41 Tip", "Fehler in Tipzahlen (Wert)."},
        {false, false, "+7,06,15,17,33,41 Tip", "Fehler in Tipzahlen (Wert)."},
        {false, false, "4a,06,15,17,33,41 Tip", "Fehler in Tipzahlen (Wert)."},
        {false, false, "02,02,15,17,33,46 Tip", "Fehler in Tipzahlen (Wert)."},
        {false, false, "02,06,15,17,33,02 Tip", "Fehler in Tipzahlen (Zahl doppelt)."},
        {false, false, "01,02,03,04,05,06 Neu", "Diese Zahlen wurden bereits eingegeben."},
        {false, false, "06,05,04,03,02,01 Neu", "Zahlentip=06,05,04,03,02,01Neu"},
        {false, false, "07,08,09,10,11,12 aLT", "Dieser Tipname wurde bereits eingegeben."},
        {false, false, "07,08,09,10,11,12 joker eins", "Zahlentip=07,08,09,10,11,12joker eins"},
        {false, true, "01,02,03,04,05,06 vier", "Dieser Tipname wurde bereits eingegeben."},
        {false, true, "07,08,09,10,11,12 EINS", "Diese Zahlen wurden bereits eingegeben."},
        {false, true, "01,02,03,04,05,06 eins", "Dieser Tipname wurde bereits eingegeben."},
        {false, false, "07,08,09,10,11,12 Größe Müller", "Zahlentip=07,08,09,10,11,12Größe Müller"},
        {false, false, "07,08,09,10,11,12 Tip\tB", "Der Tipname enthält ungültige Zeichen."},
        {true, false, "139957 Mein Tip Nr. 2", "Jokertip=139957Mein Tip Nr. 2"},
        {true, false, "12345 AB", "Das Leerzeichen fehlt."},
        {true, false, "12345 A", "Eingabe zu kurz."},
        {true, false, "123456    ", "Der Tipname fehlt."},
        {true, false, "12a456 Tip", "Fehler in Tipzahlen (Wert)."},
        {true, false, "12a456 joker EINS", "Dieser Tipname wurde bereits eingegeben."},
        {true, false, "999999 Neu", "Diese Zahlen wurden bereits eingegeben."},
        {true, false, "654321 alt", "Jokertip=654321alt"},
        {true, false, "654321 Schnee☃", "Der Tipname enthält ungültige Zeichen."},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.antwort);
        const QString ergebnis = S(f.ergebnis);
        const bool gespeichert = ergebnis.contains(QLatin1Char('='));
        const QByteArray &datei = f.vier ? VierTips : Gemischt;
        Tips t;
        t.Oeffnen(datei);
        t.fake.prompts.eingaben = {S(f.antwort)};
        Klick(*t.fenster, f.joker ? "CommandNeu1" : "CommandNeu0");
        EXPECT_EQ(t.fake.prompts.fragen.value(0).prompt, f.joker ? JokerFrage : ZahlenFrage);
        QStringList ablauf{S(f.joker ? "InputBox: Neuer Jokertip" : "InputBox: Neuer Zahlentip")};
        if (!gespeichert && !ergebnis.isEmpty())
            ablauf << S("Beep") << S("MsgBox: Fehler");
        EXPECT_EQ(t.fake.prompts.ablauf, ablauf);
        EXPECT_EQ(t.fake.prompts.boxen.value(0).text, gespeichert ? QString() : ergebnis);
        t.ErwarteGespeichert(gespeichert ? datei + ergebnis.toLatin1() + "\r\n" : datei);
    }
}

TEST_F(TipsFenster, ListsEveryTipOncePerOpeningWithNamesInColumn31)
{
    Oeffnen(Gemischt);
    EXPECT_EQ(Reihen(), L("Zahlentip  01,02,03,04,05,06  Alt|Jokertip   123456             Joker "
                          "Eins|Jokertip   999999             Gross"));
    EXPECT_TRUE(Liste()->selectedItems().isEmpty());
    EXPECT_EQ(Liste()->font().family(), S("Courier New")); // keeps the names in one column
    EXPECT_EQ(Kind(*fenster, "CommandDel")->font().family(), S("MS Sans Serif"));
    Klick(*fenster, "CommandHelp");
    EXPECT_EQ(fake.viewer.aufrufe.value(0).kontext, 140);
    Klick(*fenster, "CommandExit");
    EXPECT_FALSE(fenster->isVisible());
    fenster->show();
    EXPECT_EQ(Liste()->count(), 3);
}

// Foreign lines have no row, so each row removes its own line; only Yes deletes.
TEST_F(TipsFenster, DeletingARowRemovesItsOwnLineAfterYes)
{
    Oeffnen("Zahlentip=01,02,03,04,05,06A\r\n# Notiz\r\nJokertip=123456B\r\n"
            "Zahlentip=07,08,09,10,11,12C\r\n");
    fake.prompts.antworten = {Prompts::Antwort::Nein};
    Loeschen(1);
    Loeschen(1);
    EXPECT_EQ(fake.prompts.ablauf, L("MsgBox: Löschen|MsgBox: Löschen"));
    EXPECT_EQ(fake.prompts.boxen[1].text,
              S("Jokertip   123456             B\r\nwirklich löschen?"));
    EXPECT_EQ(fake.prompts.boxen[1].knoepfe, Prompts::Knoepfe::JaNein);
    EXPECT_TRUE(Liste()->selectedItems().isEmpty());
    Klick(*fenster, "CommandDel");
    EXPECT_EQ(fake.prompts.ablauf.last(), S("Beep")) << "no row selected";
    Loeschen(0);
    ErwarteGespeichert("# Notiz\r\nZahlentip=07,08,09,10,11,12C\r\n");
}

TEST_F(TipsFenster, FailedWritesKeepFileListAndMemory)
{
    Oeffnen(VierTips);
    const QStringList zeilen = Zeilen();
    const QString kopf = S("Die Datei ZIEHBUCH.INI konnte nicht geschrieben werden.\r\n");
    // A child process reports by its exit code whether everything stayed as it was.
    const auto scheitert = [&](const std::function<void()> &aenderung) {
        return MitSchreibgrenze(10, [&] {
            aenderung();
            const QString text = fake.prompts.boxen.last().text;
            return int(!(fake.prompts.beeps == 1 && text == kopf + ZuGross() &&
                         Zeilen() == zeilen && Reihen() == Tipliste::Reihen(m.IniZeilen) &&
                         Reste(ordner.Pfad()) == QStringList{S("ziehbuch.ini")}));
        });
    };
    fake.prompts.eingaben = {S("02,06,15,17,33,41 Neu")};
    // Also where the file system has no unnamed files, so that the save writes into a named one.
    for (const bool benannt : {false, true}) {
        const OhneUnbenannteDateien schalter(benannt);
        EXPECT_EQ(scheitert([&] { Klick(*fenster, "CommandNeu0"); }), 0) << benannt;
        EXPECT_EQ(scheitert([&] { Loeschen(2); }), 0) << benannt;
        EXPECT_EQ(Reste(ordner.Pfad()), QStringList{S("ziehbuch.ini")}) << benannt;
    }
    EXPECT_EQ(Datei("ziehbuch.ini"), VierTips);
}

} // namespace
