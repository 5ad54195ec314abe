#include "Sprungziel.h"

#include <gtest/gtest.h>

namespace {

Ziehungssatz Satz(const char *datum, const char *runde)
{
    return Ziehungssatz(QString::fromLatin1(datum) + QString::fromLatin1(runde) +
                        QStringLiteral("01020304050607123456"));
}

// Four draws in order of entry, with gaps in dates and rounds.
Modul1 Archiv()
{
    Modul1 m;
    m.Ziehungen << Satz("06.01.2001", "001") << Satz("10.01.2001", "003")
                << Satz("13.01.2001", "004") << Satz("05.01.2002", "001");
    return m;
}

struct Sprung {
    const char *fall;
    const char *antwort;
    int ziel; // 0: wrong answer
};

// Cases are named by their `fall` in test output.
void PrintTo(const Sprung &fall, std::ostream *os)
{
    *os << fall.fall;
}

class GeheZu : public ::testing::TestWithParam<Sprung> {};

TEST_P(GeheZu, LandsOnTheFirstDrawAtOrAfterTheTarget)
{
    const Modul1 m = Archiv();
    const Sprungziel ziel = GeheZuZiel(m, QString::fromLatin1(GetParam().antwort));
    if (GetParam().ziel == 0) {
        EXPECT_EQ(ziel.art, Sprungziel::Art::FalscheEingabe);
    } else {
        EXPECT_EQ(ziel.art, Sprungziel::Art::Ziehung);
        EXPECT_EQ(ziel.index, GetParam().ziel);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sprungziel, GeheZu,
    ::testing::Values(
        Sprung{"One", "1", 1}, Sprung{"Nine", "9", 4}, Sprung{"RoundBeforeFirst", "2000-050", 1},
        Sprung{"RoundOfFirst", "2001-001", 1}, Sprung{"RoundBetween", "2001-002", 2},
        Sprung{"RoundStored", "2001-004", 3}, Sprung{"RoundBetweenYears", "2001-100", 4},
        Sprung{"RoundAfterNewest", "2003-001", 4}, Sprung{"RoundFormOfLetters", "abcd-xyz", 4},
        Sprung{"RoundFormOfBlanks", "    -   ", 1}, Sprung{"DateOfDraw", "10.01.2001", 2},
        Sprung{"DateWithoutLeadingZeros", "13.1.2001", 3}, Sprung{"DateBetween", "8.1.2001", 2},
        Sprung{"DateBeforeFirst", "1.1.2001", 1}, Sprung{"DateAfterNewest", "01.01.2010", 4},
        Sprung{"DateWithTwoDigitYear", "5.1.02", 4}, Sprung{"DateLateInYear", "31.12.2001", 4},
        Sprung{"Letters", "x", 0}, Sprung{"NoSuchDay", "31.02.2001", 0},
        Sprung{"YearAlone", "2001", 0}, Sprung{"Zero", "0", 0}, Sprung{"OneWithBlank", "1 ", 0},
        Sprung{"RoundTooLong", "2001-0031", 0}, Sprung{"DateWithTrailingBlank", "10.01.2001 ", 0}),
    [](const auto &info) { return std::string(info.param.fall); });

TEST(Sprungziel, EmptyAnswerDoesNothing)
{
    EXPECT_EQ(GeheZuZiel(Archiv(), QString()).art, Sprungziel::Art::Nichts);
}

TEST(Sprungziel, OneAndNineInAnArchiveOfOne)
{
    Modul1 m;
    m.Ziehungen << Satz("06.01.2001", "001");
    EXPECT_EQ(GeheZuZiel(m, QStringLiteral("1")).index, 1);
    EXPECT_EQ(GeheZuZiel(m, QStringLiteral("9")).index, 1);
    EXPECT_EQ(GeheZuZiel(m, QStringLiteral("2005-001")).index, 1);
}

} // namespace
