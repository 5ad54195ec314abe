#include "Ziehungseingabe.h"
#include "Modul1.h"
#include "TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Ziehungseingabe;

namespace {

const QString CRLF = QStringLiteral("\r\n");

Ziehungssatz Satz(const char *text)
{
    return Ziehungssatz(QString::fromLatin1(text));
}

// Wednesday 03.01.2001 round 1 and Sunday 07.01.2001 round 2: the next draw
// is on Wednesday 10.01.2001.
Modul1 Archiv()
{
    Modul1 m;
    m.Ziehungen.append(Satz("03.01.200100101020304050607123456"));
    m.Ziehungen.append(Satz("07.01.200100211121314151617654321"));
    m.AktZiehung = 2;
    return m;
}

Felder Gueltig()
{
    Felder f;
    f.datum = QStringLiteral("10.01.2001");
    f.runde = QStringLiteral("2001-003");
    f.zahlen = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")};
    f.joker = QStringLiteral("000000");
    return f;
}

Modul1 MitNeuester(const char *satz)
{
    Modul1 m;
    m.Ziehungen.append(Satz(satz));
    m.AktZiehung = 1;
    return m;
}

} // namespace

TEST(NaechsteZiehung, FollowsTheDrawCalendar)
{
    struct Fall {
        const char *neueste;
        QDate erwartet;
    };
    const Fall faelle[] = {
        {"07.01.200100201020304050607000000", QDate(2001, 1, 10)}, // Sunday + 3
        {"10.01.200100301020304050607000000", QDate(2001, 1, 14)}, // Wednesday + 4
        {"06.01.200100201020304050607000000", QDate(2001, 1, 10)}, // Saturday + 4
        {"30.12.200110501020304050607000000", QDate(2002, 1, 2)},  // across the year
    };
    for (const Fall &fall : faelle) {
        EXPECT_EQ(NaechsteZiehung(MitNeuester(fall.neueste), QDate(2030, 1, 1)), fall.erwartet)
            << fall.neueste;
    }
}

TEST(NaechsteZiehung, UsesTheLastEnteredDrawNotTheLatestDate)
{
    Modul1 m = Archiv();
    m.Ziehungen.append(Satz("03.01.200100101020304050607000000"));
    EXPECT_EQ(NaechsteZiehung(m, QDate(2030, 1, 1)), QDate(2001, 1, 7));
}

TEST(NaechsteZiehung, OfAnEmptyArchiveIsToday)
{
    EXPECT_EQ(NaechsteZiehung(Modul1(), QDate(2005, 6, 1)), QDate(2005, 6, 1));
}

TEST(Ablehnung, NamesTheLastDrawOnItsOwnLine)
{
    EXPECT_EQ(Ablehnung(QDate(2001, 1, 7)),
              QStringLiteral("Die Zahlen der letzten Ziehung vom\r\n07.01.2001 wurden bereits "
                             "eingegeben."));
}

TEST(Vorschlag, ProposesNextDrawDayAndFollowingRound)
{
    const Felder f = Vorschlag(Archiv(), QDate(2001, 1, 10));
    EXPECT_EQ(f.datum, QStringLiteral("10.01.2001"));
    EXPECT_EQ(f.runde, QStringLiteral("2001-003"));
    for (const QString &zahl : f.zahlen)
        EXPECT_TRUE(zahl.isEmpty());
    EXPECT_TRUE(f.joker.isEmpty());
}

TEST(Vorschlag, KeepsTheNewestDrawsYearAtTheYearsEnd)
{
    const Felder f = Vorschlag(MitNeuester("30.12.200110501020304050607000000"), QDate(2002, 1, 2));
    EXPECT_EQ(f.datum, QStringLiteral("02.01.2002"));
    EXPECT_EQ(f.runde, QStringLiteral("2001-106"));
}

TEST(Vorschlag, OfAnEmptyArchiveIsTodayAndFirstRound)
{
    const Felder f = Vorschlag(Modul1(), QDate(2005, 6, 1));
    EXPECT_EQ(f.datum, QStringLiteral("01.06.2005"));
    EXPECT_EQ(f.runde, QStringLiteral("2005-001"));
}

TEST(AusSatz, ShowsTheStoredFieldsAsStored)
{
    const Felder f = AusSatz(Satz("07.01.200100201020304050607      "));
    EXPECT_EQ(f.datum, QStringLiteral("07.01.2001"));
    EXPECT_EQ(f.runde, QStringLiteral("2001-002"));
    EXPECT_EQ(f.zahlen[0], QStringLiteral("01"));
    EXPECT_EQ(f.zahlen[6], QStringLiteral("07"));
    EXPECT_EQ(f.joker, QStringLiteral("      "));
}

TEST(Pruefen, ValidNewDrawPasses)
{
    EXPECT_EQ(Pruefen(Archiv(), ModusNeu, Gueltig()), QString());
}

TEST(Pruefen, CollectsEveryFailedSentenceInOrder)
{
    Felder alleFalsch;
    alleFalsch.datum = QStringLiteral("32.01.2001");
    alleFalsch.runde = QStringLiteral("2001-3");
    alleFalsch.joker = QStringLiteral("12345");
    EXPECT_EQ(Pruefen(Archiv(), ModusNeu, alleFalsch),
              FehlerDatum + CRLF + FehlerRunde + CRLF + FehlerZahlen + CRLF + FehlerJoker + CRLF);

    Felder gespeichertesDatum = alleFalsch;
    gespeichertesDatum.datum = QStringLiteral("07.01.2001");
    EXPECT_EQ(Pruefen(Archiv(), ModusNeu, gespeichertesDatum),
              FehlerDatumVorhanden + CRLF + FehlerRunde + CRLF + FehlerZahlen + CRLF + FehlerJoker +
                  CRLF);
}

TEST(Pruefen, StoredDateTestDoesNotRunAfterABadDate)
{
    // A record that holds a date the calendar lacks: a search with the typed
    // text would find it.
    Modul1 m = Archiv();
    m.Ziehungen.append(Satz("31.02.200100301020304050607000000"));
    Felder f = Gueltig();
    f.datum = QStringLiteral("31.02.2001");
    f.runde = QStringLiteral("2001-004");
    EXPECT_EQ(Pruefen(m, ModusNeu, f), FehlerDatum + CRLF);
}

TEST(Pruefen, DateTypedShortIsFoundInItsStoredForm)
{
    Modul1 m = Archiv();
    m.Ziehungen.append(Satz("01.02.200100301020304050607000000"));
    Felder f = Gueltig();
    f.datum = QStringLiteral("1.2.2001");
    f.runde = QStringLiteral("2001-004");
    EXPECT_EQ(Pruefen(m, ModusNeu, f), FehlerDatumVorhanden + CRLF);
}

TEST(Pruefen, NumbersMustBeSevenDistinctWholeNumbersFrom1To45)
{
    struct Fall {
        int feld;
        const char *text;
        bool gut;
    };
    const Fall faelle[] = {
        {3, "", false},    {0, "0", false},  {5, "46", false}, {6, "45", true},
        {1, "07", false}, // the same value as the Zusatzzahl 7
        {6, "3", false},  // Zusatzzahl equal to a number
        {2, "3.5", false}, {2, "-3", false}, {0, " 9", true},  {0, "09", true},
    };
    for (const Fall &fall : faelle) {
        Felder f = Gueltig();
        f.zahlen[fall.feld] = QString::fromLatin1(fall.text);
        EXPECT_EQ(Pruefen(Archiv(), ModusNeu, f), fall.gut ? QString() : FehlerZahlen + CRLF)
            << "field " << fall.feld << " '" << fall.text << "'";
    }
}

TEST(Pruefen, SevenAndZeroSevenInTwoNumberFieldsAreTheSame)
{
    Felder f = Gueltig();
    f.zahlen[0] = QStringLiteral("7");
    f.zahlen[1] = QStringLiteral("07");
    f.zahlen[6] = QStringLiteral("8");
    EXPECT_EQ(Pruefen(Archiv(), ModusNeu, f), FehlerZahlen + CRLF);
}

TEST(Pruefen, JokerMustBeSixDigits)
{
    const char *falsch[] = {"12345", "12 456", "12a456", "", "      "};
    for (const char *joker : falsch) {
        Felder f = Gueltig();
        f.joker = QString::fromLatin1(joker);
        EXPECT_EQ(Pruefen(Archiv(), ModusNeu, f), FehlerJoker + CRLF) << "'" << joker << "'";
    }
}

TEST(Pruefen, YearsAndRoundsWithinWhatTheDrawFileHolds)
{
    struct Fall {
        const char *datum;
        const char *runde;
        QString fehler;
    };
    const Fall faelle[] = {
        {"10.01.1979", "2001-003", FehlerDatum + CRLF},
        {"10.01.2222", "2001-003", FehlerDatum + CRLF},
        {"10.01.2236", "2001-003", FehlerDatum + CRLF},
        {"10.01.1980", "2001-003", QString()},
        {"10.01.2235", "2001-003", QString()},
        {"10.01.2001", "2001-242", FehlerRunde + CRLF},
        {"10.01.2001", "2001-256", FehlerRunde + CRLF},
        {"10.01.2001", "2002-000", QString()},
        {"10.01.2001", "2001-255", QString()},
    };
    for (const Fall &fall : faelle) {
        Felder f = Gueltig();
        f.datum = QString::fromLatin1(fall.datum);
        f.runde = QString::fromLatin1(fall.runde);
        EXPECT_EQ(Pruefen(Archiv(), ModusNeu, f), fall.fehler) << fall.datum << " " << fall.runde;
    }
}

TEST(Pruefen, RoundFormAndKeyOfANewDraw)
{
    struct Fall {
        const char *runde;
        bool gut;
    };
    const Fall faelle[] = {
        {"2001-002", false}, // equal to the newest draw's key
        {"2000-200", false}, // smaller key
        {"2001-003", true},  {"2001003", false},  {"2001-0030", false},
        {"2001/003", false}, {"2001-03a", false}, {"2001- 03", false},
    };
    for (const Fall &fall : faelle) {
        Felder f = Gueltig();
        f.runde = QString::fromLatin1(fall.runde);
        EXPECT_EQ(Pruefen(Archiv(), ModusNeu, f), fall.gut ? QString() : FehlerRunde + CRLF)
            << fall.runde;
    }
}

TEST(Pruefen, NewDrawDatedBeforeTheNewestIsAcceptedWithAGreaterKey)
{
    Felder f = Gueltig();
    f.datum = QStringLiteral("05.01.2001");
    EXPECT_EQ(Pruefen(Archiv(), ModusNeu, f), QString());
}

TEST(Pruefen, EmptyArchivePassesTheKeyTest)
{
    Felder f = Gueltig();
    f.runde = QStringLiteral("1999-001");
    EXPECT_EQ(Pruefen(Modul1(), ModusNeu, f), QString());
}

TEST(Pruefen, CorrectionSearchesStoredDatesOnlyWhenTheDateChanged)
{
    Modul1 m = Archiv();
    m.AktZiehung = 1;
    Felder f = AusSatz(m.Ziehungen.at(1));
    EXPECT_EQ(Pruefen(m, ModusEdit, f), QString());

    f.datum = QStringLiteral("3.1.2001"); // the same date, typed short
    EXPECT_EQ(Pruefen(m, ModusEdit, f), QString());

    f.datum = QStringLiteral("07.01.2001");
    EXPECT_EQ(Pruefen(m, ModusEdit, f), FehlerDatumVorhanden + CRLF);

    f.datum = QStringLiteral("04.01.2001");
    EXPECT_EQ(Pruefen(m, ModusEdit, f), QString());
}

TEST(Pruefen, CorrectionHasNoKeyTestButNeedsDigitsInTheRound)
{
    Modul1 m = Archiv();
    Felder f = AusSatz(m.Ziehungen.at(2));
    f.runde = QStringLiteral("2000-050");
    EXPECT_EQ(Pruefen(m, ModusEdit, f), QString());
    f.runde = QStringLiteral("2000-05x");
    EXPECT_EQ(Pruefen(m, ModusEdit, f), FehlerRunde + CRLF);
}

TEST(Sortieren, CountsTheSixNumbersOutInAscendingOrder)
{
    Felder f = Gueltig();
    f.zahlen = {QStringLiteral("45"), QStringLiteral("3"),  QStringLiteral("17"),
                QStringLiteral("8"),  QStringLiteral("30"), QStringLiteral("22"),
                QStringLiteral("1")};
    const std::array<qint16, 6> erwartet{3, 8, 17, 22, 30, 45};
    EXPECT_EQ(Sortieren(f), erwartet);
}

TEST(SatzBilden, StoresDateInFullSortedNumbersZusatzzahlAndJoker)
{
    Felder f;
    f.datum = QStringLiteral("5.3.00");
    f.runde = QStringLiteral("1999-020");
    f.zahlen = {QStringLiteral("41"), QStringLiteral("3"),  QStringLiteral("33"),
                QStringLiteral("11"), QStringLiteral("26"), QStringLiteral("17"),
                QStringLiteral("7")};
    f.joker = QStringLiteral("123456");
    EXPECT_EQ(SatzBilden(f).text(), QStringLiteral("05.03.200002003111726334107123456"));
}

TEST(Speichern, NewDrawIsAppendedWrittenAndShown)
{
    TempFolder ordner;
    Modul1 m = Archiv();
    m.ProgrammPfad = ordner.Pfad();
    m.AktZiehung = 1;
    ASSERT_TRUE(Speichern(m, ModusNeu, Gueltig()).ok);
    ASSERT_EQ(m.AnzahlZiehungen(), 3);
    EXPECT_EQ(m.Ziehungen.at(3).text(), QStringLiteral("10.01.200100301020304050607000000"));
    EXPECT_EQ(m.AktZiehung, 3);
    EXPECT_EQ(ordner.Lesen(QStringLiteral("ziehbuch.dat")).size(), 3 * 16);
}

TEST(Speichern, CorrectionReplacesTheShownDrawInPlace)
{
    TempFolder ordner;
    Modul1 m = Archiv();
    m.ProgrammPfad = ordner.Pfad();
    m.AktZiehung = 1;
    Felder f = AusSatz(m.Ziehungen.at(1));
    f.zahlen[6] = QStringLiteral("45");
    ASSERT_TRUE(Speichern(m, ModusEdit, f).ok);
    EXPECT_EQ(m.AnzahlZiehungen(), 2);
    EXPECT_EQ(m.Ziehungen.at(1).text(), QStringLiteral("03.01.200100101020304050645123456"));
    EXPECT_EQ(m.AktZiehung, 1);
}

TEST(Speichern, FailedWriteLeavesTheArchiveAsItWas)
{
    TempFolder ordner;
    Modul1 m = Archiv();
    m.ProgrammPfad = ordner.Pfad() + QStringLiteral("fehlt/");
    m.AktZiehung = 1;
    const auto vorher = m.Ziehungen;
    const Schreibergebnis ergebnis = Speichern(m, ModusNeu, Gueltig());
    EXPECT_FALSE(ergebnis.ok);
    EXPECT_FALSE(ergebnis.grund.isEmpty());
    EXPECT_EQ(m.Ziehungen, vorher);
    EXPECT_EQ(m.AktZiehung, 1);
}

TEST(Speichern, RefusesANewDrawWhenTheArchiveIsFull)
{
    TempFolder ordner;
    Modul1 m;
    m.ProgrammPfad = ordner.Pfad();
    for (int i = 0; i < Modul1::MaxZiehungen; ++i)
        m.Ziehungen.append(Satz("03.01.200100101020304050607000000"));
    m.AktZiehung = Modul1::MaxZiehungen;
    const Schreibergebnis ergebnis = Speichern(m, ModusNeu, Gueltig());
    EXPECT_FALSE(ergebnis.ok);
    EXPECT_EQ(m.AnzahlZiehungen(), Modul1::MaxZiehungen);
    EXPECT_FALSE(ordner.Existiert(QStringLiteral("ziehbuch.dat")));
}

TEST(SatzBilden, RoundAtTheYearsEndIsStoredWithTheDatesYear)
{
    const Modul1 m = MitNeuester("30.12.200110501020304050607000000");
    Felder f = Vorschlag(m, QDate(2002, 1, 2));
    f.zahlen = Gueltig().zahlen;
    f.joker = QStringLiteral("000000");
    for (const char *runde : {"2002-001", "2001-106"}) {
        f.runde = QString::fromLatin1(runde);
        EXPECT_EQ(Pruefen(m, ModusNeu, f), QString()) << runde;
        EXPECT_EQ(SatzBilden(f).mid(1, 13), QStringLiteral("02.01.2002") + f.runde.right(3));
    }
}
