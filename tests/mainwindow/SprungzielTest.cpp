#include "Sprungziel.h"
#include "Testhilfe.h"

TEST(Sprungziel, LandsOnTheFirstDrawAtOrAfterTheTarget)
{
    // Four draws in order of entry, with gaps in dates and rounds; and a single draw.
    const Modul1 vier =
                     Archiv({"06.01.2001001", "10.01.2001003", "13.01.2001004", "05.01.2002001"}),
                 eine = Archiv({"06.01.2001001"});
    const struct {
        const Modul1 &m;
        const char *antwort;
        int ziel; // 0: "Falsche Eingabe.", -1: nothing happens
    } faelle[] = {{vier, "1", 1},          {vier, "9", 4},          {vier, "2000-050", 1},
                  {vier, "2001-001", 1},   {vier, "2001-002", 2},   {vier, "2001-004", 3},
                  {vier, "2001-100", 4},   {vier, "2003-001", 4},   {vier, "abcd-xyz", 4},
                  {vier, "    -   ", 1},   {vier, "10.01.2001", 2}, {vier, "13.1.2001", 3},
                  {vier, "8.1.2001", 2},   {vier, "1.1.2001", 1},   {vier, "01.01.2010", 4},
                  {vier, "5.1.02", 4},     {vier, "31.12.2001", 4}, {vier, "x", 0},
                  {vier, "31.02.2001", 0}, {vier, "2001", 0},       {vier, "0", 0},
                  {vier, "1 ", 0},         {vier, "2001-0031", 0},  {vier, "10.01.2001 ", 0},
                  {vier, "", -1},          {eine, "9", 1},          {eine, "2005-001", 1},
                  {eine, "1.1.2000", 1}};
    for (const auto &f : faelle) {
        const Sprungziel ziel = GeheZuZiel(f.m, S(f.antwort));
        EXPECT_EQ(ziel.art == Sprungziel::Art::Ziehung          ? ziel.index
                  : ziel.art == Sprungziel::Art::FalscheEingabe ? 0
                                                                : -1,
                  f.ziel)
            << '"' << f.antwort << '"';
    }
}
