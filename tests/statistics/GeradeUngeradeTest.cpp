#include "GeradeUngerade.h"
#include "GrafikTesthilfe.h"

#include <gtest/gtest.h>

using namespace grafik_test;

namespace {

QString Gelesen(const RecordingSurface &s)
{
    return Texte(s).join(QLatin1Char('|'));
}

} // namespace

// Printed in order: the heads, label and count of each class, the totals line.
TEST(GeradeUngerade, SixOrSevenValuesGiveTheirClassesAndTotals)
{
    Modul1 m;
    Anhaengen(m, Ziehung({2, 4, 5, 7, 9, 11}, 13));
    const struct {
        bool mitZZ;
        const char *texte;
    } faelle[] = {
        {false, "xG xU|Wert|0G 6U|0|1G 5U|0|2G 4U|1|3G 3U|0|4G 2U|0|5G 1U|0|6G 0U|0|"
                "Gesamt: 2 gerade (33,3%), 4 ungerade"},
        {true, "xG xU|Wert|0G 7U|0|1G 6U|0|2G 5U|1|3G 4U|0|4G 3U|0|5G 2U|0|6G 1U|0|7G 0U|0|"
               "Gesamt: 2 gerade (28,6%), 5 ungerade"},
    };
    for (const auto &f : faelle) {
        RecordingSurface s = Flaeche();
        GeradeUngeradeGrafik(m, f.mitZZ, s);
        EXPECT_EQ(Gelesen(s), QLatin1String(f.texte));

        // The axis runs down to the totals line below the last class.
        const int klassen = f.mitZZ ? 8 : 7;
        const double spalte = s.TextWidth(QStringLiteral("9G 9U 999999"));
        const double zeile = 2.5 * s.TextHeight(QStringLiteral("0"));
        const Aufruf achse = s.SeitCls().first();
        EXPECT_NEAR(achse.x, 1.2 * spalte, Genau);
        EXPECT_NEAR(achse.dy, (klassen + 1) * zeile, Genau);
        EXPECT_NEAR(s.SeitCls().last().y, (klassen + 2) * zeile, Genau);
        // Shadow and bar per class; the only draw's class has the longest bar.
        const QList<Aufruf> kaesten = Nur(s, Art::Box);
        ASSERT_EQ(kaesten.size(), 2 * klassen);
        EXPECT_NEAR(kaesten[5].x + kaesten[5].dx, Breite - 300, Genau);
        EXPECT_EQ(kaesten[1].dx, 0);
        EXPECT_EQ(kaesten[0].dx, -25);
    }
}

TEST(GeradeUngerade, ZusatzzahlMovesTheDrawToItsRow)
{
    Modul1 m;
    Anhaengen(m, Ziehung({1, 2, 3, 4, 5, 6}, 8));
    RecordingSurface ohne = Flaeche(), mit = Flaeche();
    GeradeUngeradeGrafik(m, false, ohne);
    GeradeUngeradeGrafik(m, true, mit);
    EXPECT_TRUE(Gelesen(ohne).contains(QStringLiteral("|3G 3U|1|")));
    EXPECT_TRUE(Gelesen(mit).contains(QStringLiteral("|4G 3U|1|")));
}

TEST(GeradeUngerade, FieldOutsideOneTo45CountsAsEvenZero)
{
    Modul1 m; // 51 beside 3, 5, 7, 9, 11
    m.Ziehungen << Ziehungssatz(QStringLiteral("01.01.200000151030507091113      "));
    EXPECT_EQ(GeradeUngeradeZaehlen(m, false).klassen[1], 1);
}

TEST(GeradeUngerade, JokerCountsFromTheFirstJokerDrawOn)
{
    Modul1 m;
    Joker(m, "      ", 2); // before the first Joker
    Joker(m, "135791");    // class 0
    Joker(m, "      ");    // as 000000: class 6
    Joker(m, "000000");
    Joker(m, "246813"); // class 4
    RecordingSurface s = Flaeche();
    JokerGeradeUngeradeGrafik(m, s);
    EXPECT_EQ(Gelesen(s), QStringLiteral("xG xU|Wert|0G 6U|1|1G 5U|0|2G 4U|0|3G 3U|0|4G 2U|1|"
                                         "5G 1U|0|6G 0U|2|Gesamt: 16 gerade (66,7%), 8 ungerade"));
}

TEST(GeradeUngerade, NoCountedDrawDrawsEmptyBarsAndZeroShare)
{
    Modul1 ohneJoker;
    Joker(ohneJoker, "      ", 3);
    RecordingSurface zahlen = Flaeche(), joker = Flaeche();
    GeradeUngeradeGrafik(Modul1(), false, zahlen);
    JokerGeradeUngeradeGrafik(ohneJoker, joker);
    for (const RecordingSurface *s : {&zahlen, &joker}) {
        EXPECT_EQ(Texte(*s).last(), QStringLiteral("Gesamt: 0 gerade (0,0%), 0 ungerade"));
        for (const Aufruf &k : Nur(*s, Art::Box))
            EXPECT_LE(k.dx, 0);
    }
}
