#include "FakePlattform.h"
#include "Form_Tips.h"
#include "Modul1.h"
#include "TempFolder.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

static void PrintTo(const QString &text, std::ostream *aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace {

const QString Fehler = QStringLiteral("Fehler");

// A program folder with a settings file, the shared state read from it, and
// the tips window over it.
class TipsFenster : public ::testing::Test {
protected:
    TempFolder ordner;
    Modul1 m;
    FakePlattform fake;
    std::unique_ptr<Form_Tips> fenster;

    void Einstellungen(const QByteArray &inhalt) {
        ordner.Schreiben(QStringLiteral("ziehbuch.ini"), inhalt);
        m.ProgrammPfad = ordner.Pfad();
        ASSERT_TRUE(m.IniLesen().ok);
    }
    Form_Tips &Oeffnen() {
        fenster = std::make_unique<Form_Tips>(m, fake.plattform);
        fenster->show();
        return *fenster;
    }
    QListWidget *Liste() const {
        return fenster->findChild<QListWidget *>(QStringLiteral("List1"));
    }
    QStringList Reihen() const {
        QStringList reihen;
        for (int i = 0; i < Liste()->count(); ++i)
            reihen << Liste()->item(i)->text();
        return reihen;
    }
    QStringList Zeilen() const { return m.IniZeilen.mid(1); }
    QByteArray Datei() const { return ordner.Lesen(QStringLiteral("ziehbuch.ini")); }
    QPushButton *Knopf(const char *name) const {
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

void PrintTo(const Antwortfall &fall, std::ostream *aus) {
    *aus << fall.name;
}

QString Z(const char *text) {
    return QString::fromUtf8(text);
}

// The code page's bytes of the few characters the cases use.
QByteArray Cp1252(const QString &text) {
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

TEST_P(Antworten, GiveSentenceOrStoredLine) {
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

} // namespace
