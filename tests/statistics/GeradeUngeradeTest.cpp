#include "GeradeUngerade.h"
#include "StatistikTesthilfe.h"

// Printed in order: the heads, label and count of each class, the totals line.
TEST(GeradeUngerade, ClassesAndTotalsOfNumbersAndJokers)
{
    Modul1 joker; // counted from the first Joker on; a Joker-less draw after it as 000000
    for (const char *j : {"", "", "135791", "", "000000", "246813"})
        Dazu(joker, S("01020304050607") + QLatin1String(j));
    const Modul1 ohneJoker = Archiv({"01020304050607"}, 3);
    const struct {
        Modul1 m;
        int mitZZ; // 2: the Joker chart
        const char *klassen, *gesamt;
    } faelle[] = {
        {Archiv({"02040507091113"}), false, "0010000", "2 gerade (33,3%), 4 ungerade"},
        {Archiv({"02040507091113"}), true, "00100000", "2 gerade (28,6%), 5 ungerade"},
        {Archiv({"51030507091113"}), false, "0100000", "1 gerade (16,7%), 5 ungerade"},
        {joker, 2, "1000102", "16 gerade (66,7%), 8 ungerade"},
        {ohneJoker, 2, "0000000", "0 gerade (0,0%), 0 ungerade"},
    };
    for (const auto &f : faelle) {
        RecordingSurface s = Flaeche();
        f.mitZZ == 2 ? JokerGeradeUngeradeGrafik(f.m, s) : GeradeUngeradeGrafik(f.m, f.mitZZ, s);
        const int n = int(qstrlen(f.klassen)) - 1; // values per draw
        QString texte = S("xG xU|Wert");
        for (int g = 0; g <= n; ++g)
            texte += S("|%1G %2U|%3").arg(g).arg(n - g).arg(QLatin1Char(f.klassen[g]));
        EXPECT_EQ(Texte(s).join(QLatin1Char('|')),
                  texte + S("|Gesamt: ") + QLatin1String(f.gesamt));

        // The grey axis, the heads, a row per class 2.5 text heights apart, the totals line; the
        // largest class's bar ends 300 twips before the edge.
        const double spalte = s.TextWidth(S("9G 9U 999999")), x0 = 1.2 * spalte;
        const double zeile = 2.5 * s.TextHeight(S("0")), h = zeile / 2;
        const int groesste = *std::max_element(f.klassen, f.klassen + n + 1) - '0';
        const double proDraw = groesste ? (Breite - x0 - 300) / groesste : 0;
        std::vector<double> erwartet{x0, 0, 0, (n + 2) * zeile, 0x808080, 50, 50, spalte, 50};
        for (int k = 0; k <= n; ++k) {
            const double y = 50 + zeile * (k + 1), laenge = (f.klassen[k] - '0') * proDraw;
            erwartet.insert(erwartet.end(), {50, y, spalte, y, x0, y - 25, laenge - 25, h, 0x808080,
                                             x0, y, laenge, h, 0x0000ff});
        }
        erwartet.insert(erwartet.end(), {50, (n + 3) * zeile});
        std::vector<double> gezeichnet;
        for (const Aufruf &a : s.SeitCls()) {
            if (a.art == Art::Print)
                gezeichnet.insert(
                    gezeichnet.end(),
                    {a.text == S("Wert") || a.text.size() == 1 ? Rechts(s, a) : a.x, a.y});
            else
                gezeichnet.insert(gezeichnet.end(),
                                  {a.x, a.y, a.dx, a.dy, double(a.farbe.rgb() & 0xffffff)});
        }
        EXPECT_THAT(gezeichnet, Pointwise(DoubleNear(Genau), erwartet)) << f.klassen;
    }
}
