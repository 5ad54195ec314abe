#include "GeradeUngerade.h"
#include "StatistikTesthilfe.h"

using namespace statistik_test;

// Printed in order: the heads, label and count of each class, the totals line.
TEST(GeradeUngerade, ClassesAndTotalsOfNumbersAndJokers)
{
    Modul1 joker; // counted from the first Joker on; a Joker-less draw after it as 000000
    for (const char *j : {"", "", "135791", "", "000000", "246813"})
        Dazu(joker, S("01020304050607") + QLatin1String(j));
    const Modul1 leer, ohneJoker = Archiv({"01020304050607"}, 3);
    const struct {
        Modul1 m;
        int mitZZ; // 2: the Joker chart
        const char *klassen, *gesamt;
    } faelle[] = {
        {Archiv({"02040507091113"}), false, "0010000", "2 gerade (33,3%), 4 ungerade"},
        {Archiv({"02040507091113"}), true, "00100000", "2 gerade (28,6%), 5 ungerade"},
        {Archiv({"01020304050608"}), false, "0001000", "3 gerade (50,0%), 3 ungerade"},
        {Archiv({"01020304050608"}), true, "00001000", "4 gerade (57,1%), 3 ungerade"},
        {Archiv({"51030507091113"}), false, "0100000", "1 gerade (16,7%), 5 ungerade"},
        {leer, false, "0000000", "0 gerade (0,0%), 0 ungerade"},
        {joker, 2, "1000102", "16 gerade (66,7%), 8 ungerade"},
        {ohneJoker, 2, "0000000", "0 gerade (0,0%), 0 ungerade"},
    };
    for (const auto &f : faelle) {
        RecordingSurface s = Flaeche();
        f.mitZZ == 2 ? JokerGeradeUngeradeGrafik(f.m, s) : GeradeUngeradeGrafik(f.m, f.mitZZ, s);
        const int n = int(qstrlen(f.klassen)) - 1; // values per draw
        QString erwartet = S("xG xU|Wert");
        for (int g = 0; g <= n; ++g)
            erwartet += S("|%1G %2U|%3").arg(g).arg(n - g).arg(QLatin1Char(f.klassen[g]));
        EXPECT_EQ(Texte(s).join(QLatin1Char('|')),
                  erwartet + S("|Gesamt: ") + QLatin1String(f.gesamt));

        // A shadow and a bar per class; the largest class's bar full length, none longer,
        // none with no counted draw.
        const double spalte = s.TextWidth(S("9G 9U 999999"));
        const QList<Aufruf> kaesten = s.Nur(Art::Box);
        ASSERT_EQ(kaesten.size(), 2 * (n + 1));
        double laengste = 0;
        for (const Aufruf &k : kaesten)
            laengste = std::max(laengste, k.x + k.dx);
        EXPECT_NEAR(laengste, qstrcmp(f.klassen, "0000000") ? Breite - 300 : 1.2 * spalte, Genau)
            << f.klassen;
    }
}
