#include "Ziehungseingabe.h"
#include "Testhilfe.h"

#include <vector>

using namespace Ziehungseingabe;

namespace {

// The sentences spelt out, so that a changed word in the dialog shows here.
const QString D = S("Fehler bei der Datumseingabe.\r\n"),
              DV = S("Das Datum ist bereits eingegeben.\r\n"),
              R = S("Fehler bei der Rundeneingabe.\r\n"),
              Z = S("Fehler bei der Zahleneingabe.\r\n"), J = S("Fehler im Joker.\r\n");

// Wednesday 03.01.2001 round 1 and Sunday 07.01.2001 round 2.
Modul1 Zwei()
{
    return Archiv({"03.01.200100101020304050607123456", "07.01.200100211121314151617654321"});
}

// The next draw after Zwei(), numbered from `erste`; passes every test.
Felder Gueltig(size_t erste = 1)
{
    Felder f{S("10.01.2001"), S("2001-003"), {}, S("000000")};
    for (size_t i = 0; i < f.zahlen.size(); ++i)
        f.zahlen[i] = QString::number(i + erste);
    return f;
}

// Texts for one field ('D' date, 'R' round, '0'..'6' a number, 'J' Joker) that each give
// the same result.
struct Fall {
    char feld;
    QString fehler;
    std::vector<const char *> texte;
};

void Pruefe(const Modul1 &m, const QString &modus, const Felder &basis,
            std::initializer_list<Fall> faelle)
{
    for (const Fall &fall : faelle) {
        for (const char *text : fall.texte) {
            Felder f = basis;
            (fall.feld == 'D'   ? f.datum
             : fall.feld == 'R' ? f.runde
             : fall.feld == 'J' ? f.joker
                                : f.zahlen[size_t(fall.feld - '0')]) = S(text);
            EXPECT_EQ(Pruefen(m, modus, f), fall.fehler) << fall.feld << " '" << text << "'";
        }
    }
}

} // namespace

TEST(NaechsteZiehung, FollowsTheDrawCalendarFromTheLastEnteredDraw)
{
    const struct {
        Modul1 m;
        QDate erwartet;
    } faelle[] = {{Archiv({"07.01.2001002"}), QDate(2001, 1, 10)}, // Sunday
                  {Archiv({"10.01.2001003"}), QDate(2001, 1, 14)}, // Wednesday
                  {Archiv({"06.01.2001002"}), QDate(2001, 1, 10)}, // Saturday
                  {Archiv({"07.01.2001002", "03.01.2001001"}),
                   QDate(2001, 1, 7)}, // the last entered, not the newest
                  {Modul1(), QDate(2030, 1, 1)}};
    for (const auto &fall : faelle) // today lies many draws ahead
        EXPECT_EQ(NaechsteZiehung(fall.m, QDate(2030, 1, 1)), fall.erwartet);
}

TEST(Vorschlag, AtTheYearsEndKeepsTheRoundsYearButStoresTheDatesYearAndStartsFromToday)
{
    const Modul1 m = Archiv({"30.12.200110501020304050607000000"});
    const Felder vorschlag = Vorschlag(m, QDate(2002, 1, 2));
    EXPECT_EQ(vorschlag.datum + vorschlag.runde, S("02.01.20022001-106"));
    Felder f = Gueltig();
    f.datum = vorschlag.datum;
    Pruefe(m, ModusNeu, f, {{'R', {}, {"2001-106", "2002-001"}}});
    f.runde = vorschlag.runde;
    EXPECT_EQ(SatzBilden(f).mid(1, 13), S("02.01.2002106"));
    const Felder leer = Vorschlag(Modul1(), QDate(2005, 6, 1)); // an empty archive
    EXPECT_EQ(leer.datum + leer.runde, S("01.06.20052005-001"));
}

TEST(Pruefen, EachTestOfANewDrawOnItsOwn)
{
    Pruefe(Zwei(), ModusNeu, Gueltig(),
           {
               // 05.01.2001 lies before the newest draw, but its round is greater.
               {'D', {}, {"10.01.2001", "10.01.1980", "10.01.2235", "05.01.2001"}},
               {'D', D, {"32.01.2001", "10.01.1979", "10.01.2222", "10.01.2236"}},
               {'D', DV, {"3.1.2001"}},
               {'R', {}, {"2002-000", "2001-255"}},
               {'R', R, {"2001-242", "2001-256", "2001-002", "2000-200", "2001003"}},
               {'R', R, {"2001-0030", "2001/003", "2001-03a", "2001- 03"}},
               {'0', {}, {"45", " 9", "09"}},
               {'0', Z, {"", "0", "46", "3.5", "-3", "2", "07"}}, // 07: the Zusatzzahl 7
               {'6', Z, {"3"}},
               {'J', J, {"12345", "12 456", "12a456", "", "      "}},
           });
    Pruefe(Modul1(), ModusNeu, Gueltig(), {{'R', {}, {"1999-001"}}}); // no round to pass
    // Only digits: none of these is read as the number it begins with.
    Pruefe(Zwei(), ModusNeu, Gueltig(21),
           {{'0', Z, {"1a", "5e", "4.", "+7", "1 2", ""}}, {'0', {}, {" 7", "07"}}});
}

TEST(Pruefen, CollectsEveryFailedSentenceInOrderAndSeeksNoStoredBadDate)
{
    // A stored date the calendar lacks, which a search with the typed text would find.
    Modul1 m = Zwei();
    m.Ziehungen.append(Ziehungssatz(S("31.02.200100301020304050607000000")));
    Felder f{S("31.02.2001"), S("2001-3"), {}, S("12345")};
    EXPECT_EQ(Pruefen(m, ModusNeu, f), D + R + Z + J);
    f.datum = S("07.01.2001");
    EXPECT_EQ(Pruefen(m, ModusNeu, f), DV + R + Z + J);
}

TEST(Pruefen, CorrectionSeeksStoredDatesOnlyForAChangedDateAndHasNoRoundOrder)
{
    Modul1 m = Zwei();
    m.AktZiehung = 1;
    Pruefe(m, ModusEdit, AusSatz(m.Ziehungen.at(1)),
           {{'D', {}, {"03.01.2001", "3.1.2001", "04.01.2001"}},
            {'D', DV, {"07.01.2001"}},
            {'R', {}, {"2000-050"}},
            {'R', R, {"2000-05x"}}});
}
