#include "Bilder.h"
#include "FakePlattform.h"
#include "Form_Tips.h"
#include "Modul1.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

static void PrintTo(const QString &text, std::ostream *aus)
{
    *aus << '"' << text.toStdString() << '"';
}

namespace {

// A program folder with a settings file, the shared state read from it, and
// the tips window over it.
class TipsFenster : public ::testing::Test {
protected:
    TempFolder ordner;
    Modul1 m;
    FakePlattform fake;
    std::unique_ptr<Form_Tips> fenster;

    void Einstellungen(const QByteArray &inhalt)
    {
        ordner.Schreiben(QStringLiteral("ziehbuch.ini"), inhalt);
        m.ProgrammPfad = ordner.Pfad();
        ASSERT_TRUE(m.IniLesen().ok);
    }
    Form_Tips &Oeffnen()
    {
        fenster = std::make_unique<Form_Tips>(m, fake.plattform);
        fenster->show();
        return *fenster;
    }
    QListWidget *Liste() const
    {
        return fenster->findChild<QListWidget *>(QStringLiteral("List1"));
    }
    QStringList Reihen() const
    {
        QStringList reihen;
        for (int i = 0; i < Liste()->count(); ++i)
            reihen << Liste()->item(i)->text();
        return reihen;
    }
    QStringList Zeilen() const { return m.IniZeilen.mid(1); }
    QByteArray Datei() const { return ordner.Lesen(QStringLiteral("ziehbuch.ini")); }
    QPushButton *Knopf(const char *name) const
    {
        return fenster->findChild<QPushButton *>(QString::fromLatin1(name));
    }
};

// Stored tips of both kinds, a foreign line and a key in capitals.
const QByteArray Gemischt = "Zahlentip=01,02,03,04,05,06Alt\r\n"
                            "[Notiz]\r\n"
                            "Jokertip=123456Joker Eins\r\n"
                            "JOKERTIP=999999Gross\r\n";
// Two numbers tips for the order of duplicate hits.
const QByteArray ZweiTips = "Zahlentip=01,02,03,04,05,06Erster\r\n"
                            "Zahlentip=07,08,09,10,11,12Zweiter\r\n";

struct Antwortfall {
    const char *name;
    const QByteArray *datei;
    qint16 index;
    QString antwort;
    QString satz = {};  // the sentence shown, or empty when stored
    QString zeile = {}; // the settings line stored
    QString reihe = {}; // the row appended
};

void PrintTo(const Antwortfall &fall, std::ostream *aus)
{
    *aus << fall.name;
}

QString Z(const char *text)
{
    return QString::fromUtf8(text);
}

// The code page's bytes of the few characters the cases use.
QByteArray Cp1252(const QString &text)
{
    QByteArray bytes;
    for (QChar c : text)
        bytes += c == QChar(0x20AC) ? '\x80' : char(c.unicode());
    return bytes;
}

const QString Kurz = Z("Eingabe zu kurz.");
const QString Leer = Z("Das Leerzeichen fehlt.");
const QString OhneName = Z("Der Tipname fehlt.");
const QString Ungueltig = Z("Der Tipname enthält ungültige Zeichen.");
const QString Komma = Z("Fehler in Tipzahlen (Beistriche).");
const QString Wert = Z("Fehler in Tipzahlen (Wert).");
const QString Doppelt = Z("Fehler in Tipzahlen (Zahl doppelt).");
const QString ZahlenDa = Z("Diese Zahlen wurden bereits eingegeben.");
const QString NameDa = Z("Dieser Tipname wurde bereits eingegeben.");

const Antwortfall Antwortfaelle[] = {
    {"PromptExample",
     &Gemischt,
     0,
     Z("02,06,15,17,33,41 Mein Tip"),
     {},
     Z("Zahlentip=02,06,15,17,33,41Mein Tip"),
     Z("Zahlentip  02,06,15,17,33,41  Mein Tip")},
    {"BlanksAroundNameDropped",
     &Gemischt,
     0,
     Z("02,06,15,17,33,41   Mein Tip  "),
     {},
     Z("Zahlentip=02,06,15,17,33,41Mein Tip"),
     Z("Zahlentip  02,06,15,17,33,41  Mein Tip")},
    {"NoLeadingZerosLong", &Gemischt, 0, Z("2,6,15,17,33,41 Tip"), Leer},
    {"NoLeadingZerosShort", &Gemischt, 0, Z("2,6,15,17,33,41 X"), Kurz},
    {"OnlyBlanksAfterNumbers", &Gemischt, 0, Z("02,06,15,17,33,41  "), OhneName},
    {"ManyBlanksAfterNumbers", &Gemischt, 0, Z("02,06,15,17,33,41        "), OhneName},
    {"Semicolon", &Gemischt, 0, Z("02,06,15;17,33,41 Tip"), Komma},
    {"SemicolonBeforeValue", &Gemischt, 0, Z("02,06,15;17,33,46 Tip"), Komma},
    {"FieldZero", &Gemischt, 0, Z("02,06,15,17,33,00 Tip"), Wert},
    {"Field46", &Gemischt, 0, Z("46,06,15,17,33,41 Tip"), Wert},
    {"BlankForLeadingZero", &Gemischt, 0, Z(" 7,06,15,17,33,41 Tip"), Wert},
    {"SignInField", &Gemischt, 0, Z("+7,06,15,17,33,41 Tip"), Wert},
    {"LetterAfterDigit", &Gemischt, 0, Z("4a,06,15,17,33,41 Tip"), Wert},
    {"ValueBeforeRepetition", &Gemischt, 0, Z("02,02,15,17,33,46 Tip"), Wert},
    {"Repetition", &Gemischt, 0, Z("02,06,15,17,33,02 Tip"), Doppelt},
    {"StoredNumbers", &Gemischt, 0, Z("01,02,03,04,05,06 Neu"), ZahlenDa},
    {"StoredNumbersOtherOrder",
     &Gemischt,
     0,
     Z("06,05,04,03,02,01 Neu"),
     {},
     Z("Zahlentip=06,05,04,03,02,01Neu"),
     Z("Zahlentip  06,05,04,03,02,01  Neu")},
    {"StoredNameOtherCase", &Gemischt, 0, Z("07,08,09,10,11,12 aLT"), NameDa},
    {"NameOfJokerTip",
     &Gemischt,
     0,
     Z("07,08,09,10,11,12 joker eins"),
     {},
     Z("Zahlentip=07,08,09,10,11,12joker eins"),
     Z("Zahlentip  07,08,09,10,11,12  joker eins")},
    {"NumbersHitThenNameHit", &ZweiTips, 0, Z("01,02,03,04,05,06 zweiter"), NameDa},
    {"NameHitThenNumbersHit", &ZweiTips, 0, Z("07,08,09,10,11,12 ERSTER"), ZahlenDa},
    {"NumbersAndNameOfOneLine", &ZweiTips, 0, Z("01,02,03,04,05,06 erster"), NameDa},
    {"NameWithTab", &Gemischt, 0, Z("07,08,09,10,11,12 Tip\tB"), Ungueltig},
    {"NameOutsideCodePage", &Gemischt, 0, Z("07,08,09,10,11,12 Tip ☺"), Ungueltig},
    {"NameWithC1Control", &Gemischt, 0, Z("07,08,09,10,11,12 Tip \u0081"), Ungueltig},
    {"NameWithUmlautsAndEuro",
     &Gemischt,
     0,
     Z("07,08,09,10,11,12 Müller €"),
     {},
     Z("Zahlentip=07,08,09,10,11,12Müller €"),
     Z("Zahlentip  07,08,09,10,11,12  Müller €")},
    {"JokerPromptExample",
     &Gemischt,
     1,
     Z("139957 Mein Tip Nr. 2"),
     {},
     Z("Jokertip=139957Mein Tip Nr. 2"),
     Z("Jokertip   139957             Mein Tip Nr. 2")},
    {"JokerFiveDigitsLongName", &Gemischt, 1, Z("12345 AB"), Leer},
    {"JokerFiveDigitsShortName", &Gemischt, 1, Z("12345 A"), Kurz},
    {"JokerOnlyBlanks", &Gemischt, 1, Z("123456    "), OhneName},
    {"JokerLetter", &Gemischt, 1, Z("12a456 Tip"), Wert},
    {"JokerLetterThenNameHit", &Gemischt, 1, Z("12a456 joker EINS"), NameDa},
    {"JokerNumbersUnderCapitalKey", &Gemischt, 1, Z("999999 Neu"), ZahlenDa},
    {"JokerNameOfNumbersTip",
     &Gemischt,
     1,
     Z("654321 alt"),
     {},
     Z("Jokertip=654321alt"),
     Z("Jokertip   654321             alt")},
    {"JokerNameOutsideCodePage", &Gemischt, 1, Z("654321 Schnee☃"), Ungueltig},
    {"AnyOtherIndexIsJoker",
     &Gemischt,
     5,
     Z("654321 Fünf"),
     {},
     Z("Jokertip=654321Fünf"),
     Z("Jokertip   654321             Fünf")},
};

class Antworten : public TipsFenster, public ::testing::WithParamInterface<Antwortfall> {};

TEST_P(Antworten, GiveSentenceOrStoredLine)
{
    const Antwortfall &fall = GetParam();
    Einstellungen(*fall.datei);
    Form_Tips &f = Oeffnen();
    const QStringList zeilenVorher = Zeilen();
    const QStringList reihenVorher = Reihen();
    fake.prompts.eingaben = {fall.antwort};

    f.CommandNeu_Click(fall.index);

    const QString titel = fall.index == 0 ? Z("Neuer Zahlentip") : Z("Neuer Jokertip");
    if (!fall.satz.isEmpty()) {
        EXPECT_EQ(fake.prompts.ablauf,
                  QStringList({Z("InputBox: ") + titel, Z("Beep"), Z("MsgBox: Fehler")}));
        ASSERT_EQ(fake.prompts.boxen.size(), 1);
        EXPECT_EQ(fake.prompts.boxen[0].text, fall.satz);
        EXPECT_EQ(fake.prompts.boxen[0].symbol, Prompts::Symbol::Kritisch);
        EXPECT_EQ(fake.prompts.boxen[0].knoepfe, Prompts::Knoepfe::Ok);
        EXPECT_EQ(Zeilen(), zeilenVorher);
        EXPECT_EQ(Reihen(), reihenVorher);
        EXPECT_EQ(Datei(), *fall.datei);
        return;
    }
    EXPECT_EQ(fake.prompts.ablauf, QStringList({Z("InputBox: ") + titel}));
    EXPECT_EQ(Zeilen(), zeilenVorher + QStringList{fall.zeile});
    EXPECT_EQ(Reihen(), reihenVorher + QStringList{fall.reihe});
    EXPECT_TRUE(Liste()->selectedItems().isEmpty());
    EXPECT_EQ(Datei(), *fall.datei + Cp1252(fall.zeile) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(FormTips, Antworten, ::testing::ValuesIn(Antwortfaelle),
                         [](const auto &info) { return std::string(info.param.name); });

// Four tips without foreign lines, for deleting by position.
const QByteArray VierTips = "Zahlentip=01,02,03,04,05,06Eins\r\n"
                            "Jokertip=111111Zwei\r\n"
                            "Jokertip=123456Drei\r\n"
                            "Zahlentip=07,08,09,10,11,12Vier\r\n";

void Auswaehlen(QListWidget *liste, int reihe)
{
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(liste->item(reihe)).center());
}

TEST_F(TipsFenster, ActivationListsEveryTipAndSetsHelpTopic)
{
    Einstellungen(Gemischt);
    m.FarbeHintergrund = QColor(198, 198, 198);
    Form_Tips &f = Oeffnen();

    EXPECT_EQ(Reihen(), QStringList({Z("Zahlentip  01,02,03,04,05,06  Alt"),
                                     Z("Jokertip   123456             Joker Eins"),
                                     Z("Jokertip   999999             Gross")}));
    EXPECT_TRUE(Liste()->selectedItems().isEmpty());
    EXPECT_EQ(fake.hilfe.HelpContext, 140);
    EXPECT_EQ(fake.hilfe.HelpCommand, 1);
    EXPECT_EQ(Liste()->palette().color(QPalette::Base), QColor(198, 198, 198));
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(198, 198, 198));

    // The studded texture covers the window from its top-left corner.
    const QImage bild = f.grab().toImage();
    const QImage textur = Bilder::Textur();
    for (int x = 0; x < bild.width(); x += 7)
        ASSERT_EQ(bild.pixel(x, 3), textur.pixel(x, 3)) << x;

    // Showing again within the same opening does not fill the list twice.
    f.hide();
    f.show();
    EXPECT_EQ(Liste()->count(), 3);
}

TEST_F(TipsFenster, ControlsStandWhereStoredInTabOrder)
{
    Einstellungen({});
    Form_Tips &f = Oeffnen();
    EXPECT_EQ(f.windowTitle(), Z("Ziehbuch - Tipverwaltung"));
    EXPECT_EQ(f.size(), QSize(458, 218));
    EXPECT_EQ(Liste()->geometry(), QRect(16, 8, 297, 200));
    EXPECT_EQ(Liste()->font().family(), Z("Courier New"));
    EXPECT_DOUBLE_EQ(Liste()->font().pointSizeF(), 8.25);
    EXPECT_FALSE(Liste()->isSortingEnabled());
    EXPECT_EQ(Liste()->selectionMode(), QAbstractItemView::SingleSelection);

    const struct {
        const char *name;
        const char *text;
        int oben;
    } knoepfe[] = {{"CommandNeu0", "Neuer &Zahlentip", 8},
                   {"CommandNeu1", "Neuer &Jokertip", 48},
                   {"CommandDel", "&Löschen", 88},
                   {"CommandExit", "S&chließen", 128},
                   {"CommandHelp", "&Hilfe", 168}};
    QWidget *vorher = Liste();
    for (const auto &k : knoepfe) {
        QPushButton *knopf = Knopf(k.name);
        ASSERT_NE(knopf, nullptr) << k.name;
        EXPECT_EQ(knopf->text(), Z(k.text));
        EXPECT_EQ(knopf->geometry(), QRect(336, k.oben, 105, 33)) << k.name;
        EXPECT_TRUE(knopf->isEnabled());
        EXPECT_FALSE(knopf->isDefault()) << k.name;
        QWidget *naechstes = vorher->nextInFocusChain();
        while (naechstes->focusPolicy() == Qt::NoFocus)
            naechstes = naechstes->nextInFocusChain();
        EXPECT_EQ(naechstes, knopf) << k.name;
        vorher = knopf;
    }
}

TEST_F(TipsFenster, InputBoxesAskWithTheirPromptsAndCancelChangesNothing)
{
    Einstellungen(VierTips);
    Oeffnen();
    QTest::mouseClick(Knopf("CommandNeu0"), Qt::LeftButton);
    QTest::mouseClick(Knopf("CommandNeu1"), Qt::LeftButton);

    ASSERT_EQ(fake.prompts.fragen.size(), 2);
    EXPECT_EQ(fake.prompts.fragen[0].prompt,
              Z("Geben Sie die Tipzahlen mit führenden Nullen\r\nund getrennt durch Beistriche "
                "ein, dann ein\r\nLeerzeichen und einen Tipnamen.\r\nBeispiel: "
                "'02,06,15,17,33,41 Mein Tip'"));
    EXPECT_EQ(fake.prompts.fragen[0].titel, Z("Neuer Zahlentip"));
    EXPECT_TRUE(fake.prompts.fragen[0].vorgabe.isEmpty());
    EXPECT_EQ(fake.prompts.fragen[1].prompt,
              Z("Geben Sie den Jokertip ein, dann\r\nein Leerzeichen und einen "
                "Tipnamen.\r\nBeispiel: '139957 Mein Tip Nr. 2'"));
    EXPECT_EQ(fake.prompts.fragen[1].titel, Z("Neuer Jokertip"));
    EXPECT_TRUE(fake.prompts.fragen[1].vorgabe.isEmpty());
    EXPECT_EQ(fake.prompts.beeps, 0);
    EXPECT_TRUE(fake.prompts.boxen.isEmpty());
    EXPECT_EQ(Liste()->count(), 4);
    EXPECT_EQ(Datei(), VierTips);
}

TEST_F(TipsFenster, DeletingThirdRowRemovesSettingsLineThree)
{
    Einstellungen(VierTips);
    Oeffnen();
    Auswaehlen(Liste(), 2);
    QTest::mouseClick(Knopf("CommandDel"), Qt::LeftButton);

    EXPECT_EQ(fake.prompts.ablauf, QStringList({Z("MsgBox: Löschen")}));
    ASSERT_EQ(fake.prompts.boxen.size(), 1);
    EXPECT_EQ(fake.prompts.boxen[0].text,
              Z("Jokertip   123456             Drei\r\nwirklich löschen?"));
    EXPECT_EQ(fake.prompts.boxen[0].knoepfe, Prompts::Knoepfe::JaNein);
    EXPECT_EQ(fake.prompts.boxen[0].symbol, Prompts::Symbol::Frage);
    EXPECT_EQ(Zeilen(), QStringList({Z("Zahlentip=01,02,03,04,05,06Eins"), Z("Jokertip=111111Zwei"),
                                     Z("Zahlentip=07,08,09,10,11,12Vier")}));
    EXPECT_EQ(Reihen(), QStringList({Z("Zahlentip  01,02,03,04,05,06  Eins"),
                                     Z("Jokertip   111111             Zwei"),
                                     Z("Zahlentip  07,08,09,10,11,12  Vier")}));
    EXPECT_EQ(Datei(), QByteArray("Zahlentip=01,02,03,04,05,06Eins\r\n"
                                  "Jokertip=111111Zwei\r\n"
                                  "Zahlentip=07,08,09,10,11,12Vier\r\n"));
    EXPECT_TRUE(Liste()->selectedItems().isEmpty());
}

TEST_F(TipsFenster, AnsweringNoToDeletionChangesNothing)
{
    Einstellungen(VierTips);
    Oeffnen();
    Auswaehlen(Liste(), 1);
    fake.prompts.antworten = {Prompts::Antwort::Nein};
    QTest::mouseClick(Knopf("CommandDel"), Qt::LeftButton);

    EXPECT_EQ(fake.prompts.ablauf, QStringList({Z("MsgBox: Löschen")}));
    EXPECT_EQ(Zeilen().size(), 4);
    EXPECT_EQ(Liste()->count(), 4);
    EXPECT_EQ(Datei(), VierTips);
}

TEST_F(TipsFenster, DeletingKeepsForeignLineAndRemovesTheRowsOwnLine)
{
    Einstellungen("Zahlentip=01,02,03,04,05,06A\r\n"
                  "# Notiz\r\n"
                  "Jokertip=123456B\r\n"
                  "Zahlentip=07,08,09,10,11,12C\r\n");
    Oeffnen();
    Auswaehlen(Liste(), 1);
    QTest::mouseClick(Knopf("CommandDel"), Qt::LeftButton);
    EXPECT_EQ(Datei(), QByteArray("Zahlentip=01,02,03,04,05,06A\r\n"
                                  "# Notiz\r\n"
                                  "Zahlentip=07,08,09,10,11,12C\r\n"));

    Auswaehlen(Liste(), 0);
    QTest::mouseClick(Knopf("CommandDel"), Qt::LeftButton);
    EXPECT_EQ(Datei(), QByteArray("# Notiz\r\n"
                                  "Zahlentip=07,08,09,10,11,12C\r\n"));
    EXPECT_EQ(Zeilen(), QStringList({Z("# Notiz"), Z("Zahlentip=07,08,09,10,11,12C")}));
    EXPECT_EQ(Reihen(), QStringList({Z("Zahlentip  07,08,09,10,11,12  C")}));
}

TEST_F(TipsFenster, DeletingWithoutSelectedRowOnlyBeeps)
{
    for (const QByteArray &inhalt : {QByteArray(), VierTips}) {
        fake.prompts.ablauf.clear();
        Einstellungen(inhalt);
        Oeffnen();
        QTest::mouseClick(Knopf("CommandDel"), Qt::LeftButton);
        EXPECT_EQ(fake.prompts.ablauf, QStringList({Z("Beep")}));
        EXPECT_EQ(Datei(), inhalt);
    }
}

TEST_F(TipsFenster, UmlautsAreStoredInWindows1252AndReadBack)
{
    Einstellungen({});
    Form_Tips &f = Oeffnen();
    fake.prompts.eingaben = {Z("02,06,15,17,33,41 Größe Müller")};
    f.CommandNeu_Click(0);
    EXPECT_EQ(Datei(), QByteArray("Zahlentip=02,06,15,17,33,41Gr\xF6\xDF"
                                  "e M\xFCller\r\n"));

    Modul1 neu;
    neu.ProgrammPfad = ordner.Pfad();
    ASSERT_TRUE(neu.IniLesen().ok);
    EXPECT_EQ(neu.IniZeilen.mid(1), QStringList({Z("Zahlentip=02,06,15,17,33,41Größe Müller")}));
    FakePlattform andere;
    Form_Tips wieder(neu, andere.plattform);
    wieder.show();
    auto *liste = wieder.findChild<QListWidget *>(QStringLiteral("List1"));
    ASSERT_EQ(liste->count(), 1);
    EXPECT_EQ(liste->item(0)->text(), Z("Zahlentip  02,06,15,17,33,41  Größe Müller"));
}

TEST_F(TipsFenster, FailedDeletionPutsLineAndRowBack)
{
    Einstellungen(VierTips);
    Oeffnen();
    // A folder in the file's place cannot be replaced by the new file.
    ASSERT_TRUE(QFile::remove(ordner.Datei(QStringLiteral("ziehbuch.ini"))));
    ASSERT_TRUE(QDir(ordner.Pfad()).mkdir(QStringLiteral("ziehbuch.ini")));
    const QStringList zeilen = Zeilen();
    const QStringList reihen = Reihen();
    Auswaehlen(Liste(), 2);
    QTest::mouseClick(Knopf("CommandDel"), Qt::LeftButton);

    EXPECT_EQ(fake.prompts.ablauf,
              QStringList({Z("MsgBox: Löschen"), Z("Beep"), Z("MsgBox: Fehler")}));
    ASSERT_EQ(fake.prompts.boxen.size(), 2);
    const QString text = fake.prompts.boxen[1].text;
    EXPECT_TRUE(text.startsWith(Z("Die Datei ZIEHBUCH.INI konnte nicht geschrieben werden.\r\n")));
    EXPECT_GT(text.size(), 58) << "the system's reason follows";
    EXPECT_EQ(fake.prompts.boxen[1].symbol, Prompts::Symbol::Kritisch);
    EXPECT_EQ(Zeilen(), zeilen);
    EXPECT_EQ(Reihen(), reihen);
    ASSERT_EQ(Liste()->selectedItems().size(), 1);
    EXPECT_EQ(Liste()->row(Liste()->selectedItems().first()), 2);
}

// Runs a step in a child whose files may not grow beyond `grenze` bytes and
// returns the child's exit code: 0 when the step's checks held.
int MitDateigrenze(rlim_t grenze, const std::function<bool()> &schritt)
{
    const pid_t kind = fork();
    if (kind == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{grenze, grenze};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(schritt() ? 0 : 1);
    }
    int status = 0;
    waitpid(kind, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(TipsFenster, FailedWriteOfNewTipKeepsOldFileListAndMemory)
{
    Einstellungen(VierTips);
    Form_Tips &f = Oeffnen();
    const QStringList zeilen = Zeilen();
    const QStringList reihen = Reihen();

    const int ergebnis = MitDateigrenze(VierTips.size(), [&] {
        fake.prompts.eingaben = {Z("02,06,15,17,33,41 Neu")};
        f.CommandNeu_Click(0);
        return fake.prompts.ablauf ==
                   QStringList({Z("InputBox: Neuer Zahlentip"), Z("Beep"), Z("MsgBox: Fehler")}) &&
               fake.prompts.boxen.value(0).text.startsWith(
                   Z("Die Datei ZIEHBUCH.INI konnte nicht geschrieben werden.\r\n")) &&
               Zeilen() == zeilen && Reihen() == reihen;
    });

    EXPECT_EQ(ergebnis, 0);
    EXPECT_EQ(Datei(), VierTips);
    EXPECT_EQ(QDir(ordner.Pfad()).entryList(QDir::Files), QStringList({Z("ziehbuch.ini")}));
}

TEST_F(TipsFenster, HelpButtonShowsTopic140)
{
    Einstellungen({});
    fake.hilfe.HelpFile = Z("/prog/Ziehbuch.hlp");
    Oeffnen();
    QTest::mouseClick(Knopf("CommandHelp"), Qt::LeftButton);
    ASSERT_EQ(fake.viewer.aufrufe.size(), 1);
    EXPECT_EQ(fake.viewer.aufrufe[0].datei, Z("/prog/Ziehbuch.hlp"));
    EXPECT_EQ(fake.viewer.aufrufe[0].befehl, 1);
    EXPECT_EQ(fake.viewer.aufrufe[0].kontext, 140);
}

TEST_F(TipsFenster, EnterPressesOnlyTheFocusedButton)
{
    Einstellungen(VierTips);
    Form_Tips &f = Oeffnen();
    Liste()->setFocus();
    QTest::keyClick(Liste(), Qt::Key_Return);
    EXPECT_TRUE(fake.prompts.ablauf.isEmpty());
    EXPECT_TRUE(f.isVisible());

    Knopf("CommandHelp")->setFocus();
    QTest::keyClick(Knopf("CommandHelp"), Qt::Key_Return);
    EXPECT_EQ(fake.viewer.aufrufe.size(), 1);
}

TEST_F(TipsFenster, EscapeAndCloseButtonCloseTheWindow)
{
    Einstellungen({});
    Form_Tips &f = Oeffnen();
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
    f.show();
    QTest::mouseClick(Knopf("CommandExit"), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(TipsFenster, NewTipIsInSettingsWhenWindowCloses)
{
    Einstellungen(Gemischt);
    fake.fenster.skripte << [&](QDialog &d) {
        fake.prompts.eingaben = {Z("02,06,15,17,33,41 Mein Tip")};
        QTest::mouseClick(d.findChild<QPushButton *>(Z("CommandNeu0")), Qt::LeftButton);
        QTest::mouseClick(d.findChild<QPushButton *>(Z("CommandExit")), Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
    };
    QStringList zweiteOeffnung;
    fake.fenster.skripte << [&](QDialog &d) {
        auto *liste = d.findChild<QListWidget *>(Z("List1"));
        for (int i = 0; i < liste->count(); ++i)
            zweiteOeffnung << liste->item(i)->text();
    };

    EXPECT_TRUE(TipverwaltungOeffnen(m, fake.plattform, nullptr));
    EXPECT_EQ(fake.fenster.geoeffnet, QList<QString>({Z("Form_Tips")}));
    EXPECT_EQ(m.IniZeilen.last(), Z("Zahlentip=02,06,15,17,33,41Mein Tip"));
    EXPECT_EQ(Datei(), Gemischt + "Zahlentip=02,06,15,17,33,41Mein Tip\r\n");

    TipverwaltungOeffnen(m, fake.plattform, nullptr);
    EXPECT_EQ(zweiteOeffnung.size(), 4);
    EXPECT_EQ(zweiteOeffnung.value(3), Z("Zahlentip  02,06,15,17,33,41  Mein Tip"));
}

} // namespace
