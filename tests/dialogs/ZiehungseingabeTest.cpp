#include "Ziehungseingabe.h"
#include "Modul1.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>
#include <vector>

using namespace Ziehungseingabe;

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString D = FehlerDatum + CRLF, DV = FehlerDatumVorhanden + CRLF, R = FehlerRunde + CRLF,
              Z = FehlerZahlen + CRLF, J = FehlerJoker + CRLF;

// Draws in the order they were entered; by default Wednesday 03.01.2001 round 1 and Sunday
// 07.01.2001 round 2.
Modul1 Archiv(std::initializer_list<const char *> saetze = {"03.01.200100101020304050607123456",
                                                            "07.01.200100211121314151617654321"})
{
    Modul1 m;
    for (const char *satz : saetze)
        m.Ziehungen.append(Ziehungssatz(QString::fromLatin1(satz)));
    m.AktZiehung = qint16(m.AnzahlZiehungen());
    return m;
}

// The next draw after Archiv(); passes every test.
Felder Gueltig()
{
    Felder f;
    f.datum = QStringLiteral("10.01.2001");
    f.runde = QStringLiteral("2001-003");
    for (size_t i = 0; i < f.zahlen.size(); ++i)
        f.zahlen[i] = QString::number(i + 1);
    f.joker = QStringLiteral("000000");
    return f;
}

// A field of Felder: the number fields by their index 0..6.
enum { Datum = -2, Runde = -1, Joker = 7 };

QString &Feld(Felder &f, int feld)
{
    if (feld == Datum)
        return f.datum;
    if (feld == Runde)
        return f.runde;
    return feld == Joker ? f.joker : f.zahlen[size_t(feld)];
}

// Texts for one field that each give the same result.
struct Fall {
    int feld;
    QString fehler;
    std::vector<const char *> texte;
};

void Pruefe(const Modul1 &m, const QString &modus, const Felder &basis,
            std::initializer_list<Fall> faelle)
{
    for (const Fall &fall : faelle) {
        for (const char *text : fall.texte) {
            Felder f = basis;
            Feld(f, fall.feld) = QString::fromLatin1(text);
            EXPECT_EQ(Pruefen(m, modus, f), fall.fehler)
                << "field " << fall.feld << " '" << text << "'";
        }
    }
}

} // namespace

TEST(NaechsteZiehung, FollowsTheDrawCalendarFromTheLastEnteredDraw)
{
    const struct {
        const char *neueste;
        QDate erwartet;
    } faelle[] = {
        {"07.01.200100201020304050607000000", QDate(2001, 1, 10)}, // Sunday
        {"10.01.200100301020304050607000000", QDate(2001, 1, 14)}, // Wednesday
        {"06.01.200100201020304050607000000", QDate(2001, 1, 10)}, // Saturday
    };
    for (const auto &fall : faelle)
        EXPECT_EQ(NaechsteZiehung(Archiv({fall.neueste}), QDate(2030, 1, 1)), fall.erwartet)
            << fall.neueste;
    EXPECT_EQ(NaechsteZiehung(Archiv({"07.01.200100201020304050607000000",
                                      "03.01.200100101020304050607000000"}),
                              QDate(2030, 1, 1)),
              QDate(2001, 1, 7));
    EXPECT_EQ(NaechsteZiehung(Modul1(), QDate(2005, 6, 1)), QDate(2005, 6, 1));
}

TEST(Vorschlag, AtTheYearsEndKeepsTheRoundsYearButStoresTheDatesYear)
{
    const Modul1 m = Archiv({"30.12.200110501020304050607000000"});
    Felder f = Vorschlag(m, QDate(2002, 1, 2));
    EXPECT_EQ(f.datum, QStringLiteral("02.01.2002"));
    EXPECT_EQ(f.runde, QStringLiteral("2001-106"));
    f.zahlen = Gueltig().zahlen;
    f.joker = QStringLiteral("000000");
    for (const char *runde : {"2001-106", "2002-001"}) {
        f.runde = QString::fromLatin1(runde);
        EXPECT_EQ(Pruefen(m, ModusNeu, f), QString()) << runde;
        EXPECT_EQ(SatzBilden(f).mid(1, 13), QStringLiteral("02.01.2002") + f.runde.right(3));
    }
}

TEST(Pruefen, EachTestOfANewDrawOnItsOwn)
{
    Pruefe(Archiv(), ModusNeu, Gueltig(),
           {
               // 05.01.2001 lies before the newest draw, but its round is greater.
               {Datum, {}, {"10.01.2001", "10.01.1980", "10.01.2235", "05.01.2001"}},
               {Datum, D, {"32.01.2001", "10.01.1979", "10.01.2222", "10.01.2236"}},
               {Datum, DV, {"3.1.2001"}},
               {Runde, {}, {"2002-000", "2001-255"}},
               {Runde, R, {"2001-242", "2001-256", "2001-002", "2000-200", "2001003"}},
               {Runde, R, {"2001-0030", "2001/003", "2001-03a", "2001- 03"}},
               {0, {}, {"45", " 9", "09"}},
               {0, Z, {"", "0", "46", "3.5", "-3", "2", "07"}}, // 07: the Zusatzzahl 7
               {6, Z, {"3"}},
               {Joker, J, {"12345", "12 456", "12a456", "", "      "}},
           });
    Pruefe(Modul1(), ModusNeu, Gueltig(), {{Runde, {}, {"1999-001"}}}); // no round to pass
}

TEST(Pruefen, CollectsEveryFailedSentenceInOrderAndSeeksNoStoredBadDate)
{
    // A stored date the calendar lacks, which a search with the typed text would find.
    Modul1 m = Archiv();
    m.Ziehungen.append(Ziehungssatz(QStringLiteral("31.02.200100301020304050607000000")));
    Felder f;
    f.datum = QStringLiteral("31.02.2001");
    f.runde = QStringLiteral("2001-3");
    f.joker = QStringLiteral("12345");
    EXPECT_EQ(Pruefen(m, ModusNeu, f), D + R + Z + J);
    f.datum = QStringLiteral("07.01.2001");
    EXPECT_EQ(Pruefen(m, ModusNeu, f), DV + R + Z + J);
}

TEST(Pruefen, CorrectionSeeksStoredDatesOnlyForAChangedDateAndHasNoRoundOrder)
{
    Modul1 m = Archiv();
    m.AktZiehung = 1;
    Pruefe(m, ModusEdit, AusSatz(m.Ziehungen.at(1)),
           {
               {Datum, {}, {"03.01.2001", "3.1.2001", "04.01.2001"}},
               {Datum, DV, {"07.01.2001"}},
               {Runde, {}, {"2000-050"}},
               {Runde, R, {"2000-05x"}},
           });
}
