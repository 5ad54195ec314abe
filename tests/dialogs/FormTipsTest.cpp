#include "FakePlattform.h"
#include "Form_Tips.h"
#include "Modul1.h"
#include "QtPrinters.h"
#include "Schreibgrenze.h"
#include "TempFolder.h"
#include "Tipliste.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString Z(const char *text)
{
    return QString::fromUtf8(text);
}

// Stored tips of both kinds, a key in capitals, and foreign lines that resemble tips whose
// numbers the answers below reuse.
const QByteArray Gemischt = "Zahlentip=01,02,03,04,05,06Alt\r\n[Notiz]\r\n"
                            " Zahlentip=07,08,09,10,11,12Fremd\r\nJokertip=123456Joker Eins\r\n"
                            "Jokertipp=654321Fremd\r\nJOKERTIP=999999Gross\r\n";
const QByteArray VierTips = "Zahlentip=01,02,03,04,05,06Eins\r\nJokertip=111111Zwei\r\n"
                            "Jokertip=123456Drei\r\nZahlentip=07,08,09,10,11,12Vier\r\n";

class TipsFenster : public ::testing::Test {
protected:
    TempFolder ordner;
    Modul1 m;
    FakePlattform fake;
    std::unique_ptr<Form_Tips> fenster;

    Form_Tips &Oeffnen(const QByteArray &einstellungen)
    {
        ordner.Schreiben(QStringLiteral("ziehbuch.ini"), einstellungen);
        m.ProgrammPfad = ordner.Pfad();
        EXPECT_TRUE(m.IniLesen().ok);
        fenster = std::make_unique<Form_Tips>(m, fake.plattform);
        fenster->show();
        return *fenster;
    }
    QListWidget *Liste() const { return fenster->findChild<QListWidget *>(Z("List1")); }
    QStringList Reihen() const
    {
        QStringList reihen;
        for (int i = 0; i < Liste()->count(); ++i)
            reihen << Liste()->item(i)->text();
        return reihen;
    }
    QStringList Zeilen() const { return m.IniZeilen.mid(1); }
    QByteArray Datei() const { return ordner.Lesen(Z("ziehbuch.ini")); }
    void Klick(const char *name) const { fenster->findChild<QPushButton *>(Z(name))->click(); }
    // The file, the lines in memory and the list agree on `inhalt`.
    void ErwarteGespeichert(const QByteArray &inhalt) const
    {
        EXPECT_EQ(Datei(), inhalt);
        EXPECT_EQ(Zeilen(), QString::fromLatin1(inhalt).split(Z("\r\n"), Qt::SkipEmptyParts));
        EXPECT_EQ(Reihen(), Tipliste::Reihen(m.IniZeilen));
    }
    void Loeschen(int reihe) const
    {
        Liste()->setCurrentRow(reihe);
        Klick("CommandDel");
    }
};

struct Antwortfall {
    const QByteArray *datei;
    qint16 index; // 0 numbers tip, 1 Joker tip
    const char *antwort;
    const char *ergebnis; // the sentence shown, the settings line stored, or "" for Cancel
};

const Antwortfall Antwortfaelle[] = {
    {&Gemischt, 0, "", ""},
    {&Gemischt, 1, "", ""},
    {&Gemischt, 0, "02,06,15,17,33,41   Mein  Tip  ", "Zahlentip=02,06,15,17,33,41Mein  Tip"},
    {&Gemischt, 0, "2,6,15,17,33,41 Tip", "Das Leerzeichen fehlt."},
    {&Gemischt, 0, "2,6,15,17,33,41 X", "Eingabe zu kurz."},
    {&Gemischt, 0, "02,06,15,17,33,41        ", "Der Tipname fehlt."},
    {&Gemischt, 0, "02,06,15;17,33,46 Tip", "Fehler in Tipzahlen (Beistriche)."},
    {&Gemischt, 0, "02,06,15,17,33,00 Tip", "Fehler in Tipzahlen (Wert)."},
    {&Gemischt, 0, " 7,06,15,17,33,41 Tip", "Fehler in Tipzahlen (Wert)."},
    {&Gemischt, 0, "+7,06,15,17,33,41 Tip", "Fehler in Tipzahlen (Wert)."},
    {&Gemischt, 0, "4a,06,15,17,33,41 Tip", "Fehler in Tipzahlen (Wert)."},
    {&Gemischt, 0, "02,02,15,17,33,46 Tip", "Fehler in Tipzahlen (Wert)."},
    {&Gemischt, 0, "02,06,15,17,33,02 Tip", "Fehler in Tipzahlen (Zahl doppelt)."},
    {&Gemischt, 0, "01,02,03,04,05,06 Neu", "Diese Zahlen wurden bereits eingegeben."},
    {&Gemischt, 0, "06,05,04,03,02,01 Neu", "Zahlentip=06,05,04,03,02,01Neu"},
    {&Gemischt, 0, "07,08,09,10,11,12 aLT", "Dieser Tipname wurde bereits eingegeben."},
    {&Gemischt, 0, "07,08,09,10,11,12 joker eins", "Zahlentip=07,08,09,10,11,12joker eins"},
    {&VierTips, 0, "01,02,03,04,05,06 vier", "Dieser Tipname wurde bereits eingegeben."},
    {&VierTips, 0, "07,08,09,10,11,12 EINS", "Diese Zahlen wurden bereits eingegeben."},
    {&VierTips, 0, "01,02,03,04,05,06 eins", "Dieser Tipname wurde bereits eingegeben."},
    {&Gemischt, 0, "07,08,09,10,11,12 Tip\tB", "Der Tipname enthält ungültige Zeichen."},
    {&Gemischt, 0, "07,08,09,10,11,12 Tip \u0081", "Der Tipname enthält ungültige Zeichen."},
    {&Gemischt, 1, "139957 Mein Tip Nr. 2", "Jokertip=139957Mein Tip Nr. 2"},
    {&Gemischt, 1, "12345 AB", "Das Leerzeichen fehlt."},
    {&Gemischt, 1, "12345 A", "Eingabe zu kurz."},
    {&Gemischt, 1, "123456    ", "Der Tipname fehlt."},
    {&Gemischt, 1, "12a456 Tip", "Fehler in Tipzahlen (Wert)."},
    {&Gemischt, 1, "12a456 joker EINS", "Dieser Tipname wurde bereits eingegeben."},
    {&Gemischt, 1, "999999 Neu", "Diese Zahlen wurden bereits eingegeben."},
    {&Gemischt, 1, "654321 alt", "Jokertip=654321alt"},
    {&Gemischt, 1, "654321 Schnee☃", "Der Tipname enthält ungültige Zeichen."},
};

const QString ZahlenFrage =
    Z("Geben Sie die Tipzahlen mit führenden Nullen\r\nund getrennt durch Beistriche ein, dann "
      "ein\r\nLeerzeichen und einen Tipnamen.\r\nBeispiel: '02,06,15,17,33,41 Mein Tip'");
const QString JokerFrage = Z("Geben Sie den Jokertip ein, dann\r\nein Leerzeichen und einen "
                             "Tipnamen.\r\nBeispiel: '139957 Mein Tip Nr. 2'");

class Antworten : public TipsFenster, public ::testing::WithParamInterface<Antwortfall> {};

TEST_P(Antworten, GiveTheSentenceOrStoreTheLine)
{
    const Antwortfall &fall = GetParam();
    SCOPED_TRACE(fall.antwort);
    const QString ergebnis = Z(fall.ergebnis);
    const bool gespeichert = ergebnis.contains(QLatin1Char('='));
    Oeffnen(*fall.datei);
    fake.prompts.eingaben = {Z(fall.antwort)};
    Klick(fall.index == 0 ? "CommandNeu0" : "CommandNeu1");
    EXPECT_EQ(fake.prompts.fragen.value(0).prompt, fall.index == 0 ? ZahlenFrage : JokerFrage);
    QStringList ablauf{
        Z(fall.index == 0 ? "InputBox: Neuer Zahlentip" : "InputBox: Neuer Jokertip")};
    if (!gespeichert && !ergebnis.isEmpty())
        ablauf << Z("Beep") << Z("MsgBox: Fehler");
    EXPECT_EQ(fake.prompts.ablauf, ablauf);
    EXPECT_EQ(fake.prompts.boxen.value(0).text, gespeichert ? QString() : ergebnis);
    EXPECT_TRUE(Liste()->selectedItems().isEmpty());
    ErwarteGespeichert(gespeichert ? *fall.datei + ergebnis.toLatin1() + "\r\n" : *fall.datei);
}

INSTANTIATE_TEST_SUITE_P(FormTips, Antworten, ::testing::ValuesIn(Antwortfaelle));

TEST_F(TipsFenster, ListsEveryTipOncePerOpeningWithNamesInColumn31)
{
    m.FarbeHintergrund = QColor(198, 198, 198);
    Form_Tips &f = Oeffnen(Gemischt);
    EXPECT_EQ(Reihen(), QStringList({Z("Zahlentip  01,02,03,04,05,06  Alt"),
                                     Z("Jokertip   123456             Joker Eins"),
                                     Z("Jokertip   999999             Gross")}));
    EXPECT_TRUE(Liste()->selectedItems().isEmpty());
    EXPECT_EQ(Liste()->palette().color(QPalette::Base), QColor(198, 198, 198));
    EXPECT_EQ(Liste()->font().family(), Z("Courier New")); // keeps the names in one column
    Klick("CommandHelp");
    EXPECT_EQ(fake.viewer.aufrufe.value(0).kontext, 140);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
    f.show();
    EXPECT_EQ(Liste()->count(), 3);
    Klick("CommandExit");
    EXPECT_FALSE(f.isVisible());
}

TEST_F(TipsFenster, DeletingARowRemovesItsOwnLineAfterYes)
{
    Oeffnen(VierTips);
    fake.prompts.antworten = {Prompts::Antwort::Nein};
    Loeschen(2);
    ErwarteGespeichert(VierTips);
    Loeschen(2);
    EXPECT_EQ(fake.prompts.ablauf, QStringList({Z("MsgBox: Löschen"), Z("MsgBox: Löschen")}));
    EXPECT_EQ(fake.prompts.boxen[1].text,
              Z("Jokertip   123456             Drei\r\nwirklich löschen?"));
    EXPECT_EQ(fake.prompts.boxen[1].knoepfe, Prompts::Knoepfe::JaNein);
    ErwarteGespeichert(QByteArray(VierTips).replace("Jokertip=123456Drei\r\n", ""));
    EXPECT_TRUE(Liste()->selectedItems().isEmpty());
    Klick("CommandDel");
    EXPECT_EQ(fake.prompts.ablauf.last(), Z("Beep")) << "no row selected";

    Oeffnen("Zahlentip=01,02,03,04,05,06A\r\n# Notiz\r\nJokertip=123456B\r\n"
            "Zahlentip=07,08,09,10,11,12C\r\n");
    Loeschen(1);
    Loeschen(0);
    ErwarteGespeichert("# Notiz\r\nZahlentip=07,08,09,10,11,12C\r\n");
}

TEST_F(TipsFenster, FailedWritesKeepFileListAndMemory)
{
    Oeffnen(VierTips);
    const QStringList zeilen = Zeilen();
    const QString kopf = Z("Die Datei ZIEHBUCH.INI konnte nicht geschrieben werden.\r\n");
    // A child process reports by its exit code whether everything stayed as it was.
    const auto scheitert = [&](const std::function<void()> &aenderung) {
        return MitSchreibgrenze(10, [&] {
            aenderung();
            const QString text = fake.prompts.boxen.last().text;
            return int(!(fake.prompts.beeps == 1 && text.startsWith(kopf) &&
                         text.size() > kopf.size() && Zeilen() == zeilen &&
                         Reihen() == Tipliste::Reihen(m.IniZeilen)));
        });
    };
    fake.prompts.eingaben = {Z("02,06,15,17,33,41 Neu")};
    EXPECT_EQ(scheitert([&] { Klick("CommandNeu0"); }), 0);
    EXPECT_EQ(scheitert([&] { Loeschen(2); }), 0);
    EXPECT_EQ(Datei(), VierTips);
    EXPECT_EQ(QDir(ordner.Pfad()).entryList(QDir::Files), QStringList{Z("ziehbuch.ini")});
}

TEST_F(TipsFenster, NewTipIsStoredInWindows1252ForTheTipCheckAsTheWindowCloses)
{
    Oeffnen(Gemischt);
    fake.fenster.skripte << [&](QDialog &d) {
        fake.prompts.eingaben = {Z("02,06,15,17,33,41 Größe Müller €")};
        d.findChild<QPushButton *>(Z("CommandNeu0"))->click();
    };
    EXPECT_TRUE(TipverwaltungOeffnen(m, fake.plattform, nullptr));
    EXPECT_EQ(fake.fenster.geoeffnet, QList<QString>({Z("Form_Tips")}));
    EXPECT_EQ(m.IniZeilen.last(), Z("Zahlentip=02,06,15,17,33,41Größe Müller €"));
    EXPECT_EQ(Datei(), Gemischt + "Zahlentip=02,06,15,17,33,41Gr\xF6\xDF"
                                  "e M\xFCller \x80\r\n");
    Oeffnen(Datei());
    EXPECT_EQ(Reihen().last(), Z("Zahlentip  02,06,15,17,33,41  Größe Müller €"));
}

} // namespace
