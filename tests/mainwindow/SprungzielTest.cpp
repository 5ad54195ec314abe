#include "Sprungziel.h"

#include <gtest/gtest.h>

namespace {

Ziehungssatz Satz(const char *datum, const char *runde)
{
    return Ziehungssatz(QString::fromLatin1(datum) + QString::fromLatin1(runde) +
                        QStringLiteral("01020304050607123456"));
}

TEST(Sprungziel, LandsOnTheFirstDrawAtOrAfterTheTarget)
{
    // Four draws in order of entry, with gaps in dates and rounds.
    Modul1 m;
    m.Ziehungen << Satz("06.01.2001", "001") << Satz("10.01.2001", "003")
                << Satz("13.01.2001", "004") << Satz("05.01.2002", "001");
    const struct {
        const char *antwort;
        int ziel; // 0: "Falsche Eingabe.", -1: nothing happens
    } faelle[] = {{"1", 1},          {"9", 4},        {"2000-050", 1},   {"2001-001", 1},
                  {"2001-002", 2},   {"2001-004", 3}, {"2001-100", 4},   {"2003-001", 4},
                  {"abcd-xyz", 4},   {"    -   ", 1}, {"10.01.2001", 2}, {"13.1.2001", 3},
                  {"8.1.2001", 2},   {"1.1.2001", 1}, {"01.01.2010", 4}, {"5.1.02", 4},
                  {"31.12.2001", 4}, {"x", 0},        {"31.02.2001", 0}, {"2001", 0},
                  {"0", 0},          {"1 ", 0},       {"2001-0031", 0},  {"10.01.2001 ", 0},
                  {"", -1}};
    for (const auto &fall : faelle) {
        const Sprungziel ziel = GeheZuZiel(m, QString::fromLatin1(fall.antwort));
        EXPECT_EQ(ziel.art == Sprungziel::Art::Ziehung          ? ziel.index
                  : ziel.art == Sprungziel::Art::FalscheEingabe ? 0
                                                                : -1,
                  fall.ziel)
            << '"' << fall.antwort << '"';
    }
}

TEST(Sprungziel, EveryTargetInAnArchiveOfOneIsThatDraw)
{
    Modul1 m;
    m.Ziehungen << Satz("06.01.2001", "001");
    for (const char *antwort : {"1", "9", "2005-001", "1.1.2000"})
        EXPECT_EQ(GeheZuZiel(m, QString::fromLatin1(antwort)).index, 1) << antwort;
}

} // namespace
