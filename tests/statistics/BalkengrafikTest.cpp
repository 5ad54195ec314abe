#include "Balkengrafik.h"
#include "GeradeUngerade.h"
#include "JokerGrafik.h"
#include "StatistikTesthilfe.h"

#include <cmath>
#include <functional>

namespace {

// One row of a 45-row chart as drawn: two labels, the shadow box, the bar box.
struct Reihe {
    Aufruf zahl, wert, schatten, balken;
};

QList<Reihe> Reihen(const RecordingSurface &s)
{
    QList<Aufruf> a;
    for (const Aufruf &x : s.SeitCls())
        if (x.art == Art::Print || x.art == Art::Box)
            a << x;
    EXPECT_EQ(a.size(), 2 + 45 * 4) << "two heads and 45 rows";
    QList<Reihe> reihen;
    for (int k = 2; k + 3 < a.size(); k += 4)
        reihen << Reihe{a[k], a[k + 1], a[k + 2], a[k + 3]};
    reihen.resize(45);
    return reihen;
}

double Spalte(const RecordingSurface &s)
{
    return s.TextWidth(S("999999"));
}

// Grey full-height grid lines from 2.2 columns on, `schritt` apart, then `danach` more lines.
void ErwarteGitter(const RecordingSurface &s, double schritt, int anzahl, int danach = 0)
{
    const QList<Aufruf> linien = s.Nur(Art::Line);
    ASSERT_EQ(linien.size(), anzahl + danach);
    for (int i = 0; i < anzahl; ++i) {
        EXPECT_NEAR(linien[i].x, 2.2 * Spalte(s) + i * schritt, Genau) << i;
        EXPECT_TRUE(linien[i].dy == Hoehe && linien[i].farbe == Grau) << i;
    }
}

} // namespace

// Row i's labels end at one and two columns with their tops at i × 6855 / 47; its bar starts
// at 2.2 columns a quarter row lower, half a row high, under a grey shadow 25 higher and 25
// shorter (1 for a gap of 0). The heads end at the same columns at the top.
TEST(Balkengrafik, HeadsLabelsAndBarsSitInTheirRows)
{
    Zahlenwerte werte{};
    Abweichungen abweichungen{};
    werte[45] = abweichungen[45] = 4; // the longest bar, in the last row; 1 to 44 have 0
    const struct {
        const char *kopf;
        double kuerzung;
        std::function<void(Surface &)> zeichnen;
    } grafiken[] = {
        {"Anz.", 25, [&](Surface &s) { AnzahlGezogenZeichnen(werte, false, s); }},
        {"VzD", 25, [&](Surface &s) { VerhDurchschnittZeichnen(abweichungen, false, s); }},
        {"Runden", 1, [&](Surface &s) { ZuletztGezogenZeichnen(werte, false, s); }}};
    for (const auto &g : grafiken) {
        SCOPED_TRACE(g.kopf);
        RecordingSurface s = Flaeche();
        g.zeichnen(s);
        const double spalte = Spalte(s), zeile = Hoehe / 47, x0 = 2.2 * spalte;
        const double voll = Breite - 3 * spalte, h = zeile / 2;
        const QList<Aufruf> koepfe = s.Nur(Art::Print).mid(0, 2);
        EXPECT_EQ(koepfe.value(0).text + koepfe.value(1).text, S("Zahl") + S(g.kopf));
        const QList<Reihe> reihen = Reihen(s);
        std::vector<double> gezeichnet{Rechts(s, koepfe[0]), koepfe[0].y, Rechts(s, koepfe[1]),
                                       koepfe[1].y};
        for (const Reihe &r : {reihen[0], reihen[44]})
            gezeichnet.insert(gezeichnet.end(),
                              {Rechts(s, r.zahl), r.zahl.y, Rechts(s, r.wert), r.wert.y,
                               r.schatten.x, r.schatten.y, r.schatten.dx, r.schatten.dy, r.balken.x,
                               r.balken.y, r.balken.dx, r.balken.dy});
        const std::vector<double> erwartet{spalte, 0, 2 * spalte, 0,
                                           // row 1, value 0
                                           spalte, zeile, 2 * spalte, zeile, x0, 1.25 * zeile - 25,
                                           -g.kuerzung, h, x0, 1.25 * zeile, 0, h,
                                           // row 45, the largest value
                                           spalte, 45 * zeile, 2 * spalte, 45 * zeile, x0,
                                           45.25 * zeile - 25, voll - 25, h, x0, 45.25 * zeile,
                                           voll, h};
        EXPECT_THAT(gezeichnet, Pointwise(DoubleNear(Genau), erwartet));
        EXPECT_TRUE(reihen[44].schatten.farbe == Grau && reihen[44].balken.farbe == Blau);
    }
}

// Smallest first, ties lower number first; under the bars a grid line every 10 up to the first
// multiple of 10 above the largest count.
TEST(Balkengrafik, CountChartSortedByValueOverAGridOfTens)
{
    Modul1 m;
    Dazu(m, "17032021222324", 58);
    Dazu(m, "20212223020124", 2);
    RecordingSurface s = Flaeche();
    AnzahlGezogenGrafik(m, false, true, s);
    EXPECT_EQ(s.SeitCls().first().art, Art::Line);
    ErwarteGitter(s, (Breite - 3 * Spalte(s)) / 6, 8);
    QStringList erwartet;
    for (int n = 4; n <= 45; ++n)
        if (n != 17 && (n < 20 || n > 23))
            erwartet << QString::number(n) << S("0x");
    erwartet << L("1|2x|2|2x|3|58x|17|58x|20|60x|21|60x|22|60x|23|60x");
    EXPECT_EQ(Texte(s).mid(2), erwartet);
}

TEST(Balkengrafik, DeviationScaleRoundsExtremesOutwards)
{
    Abweichungen werte{};
    werte[5] = -7.3;
    werte[9] = 6.5;
    RecordingSurface s = Flaeche();
    VerhDurchschnittZeichnen(werte, false, s);
    const double spalte = Spalte(s), faktorX = (Breite - 3 * spalte) / 15; // -8 .. 7
    const double x0 = 2.2 * spalte + 8 * faktorX;
    EXPECT_EQ(s.SeitCls().first().text, S("Zahl")); // heads before the grid
    ErwarteGitter(s, faktorX, 16, 1);
    const Aufruf nullLinie = s.Nur(Art::Line).last(); // in the foreground colour
    EXPECT_NEAR(nullLinie.x, x0, Genau);
    EXPECT_EQ(nullLinie.farbe, QColor(Qt::black));

    const QList<Reihe> reihen = Reihen(s);
    for (const auto &[zahl, wert] : {std::pair{5, "-7,3"}, {9, "6,5"}, {1, "0,0"}})
        EXPECT_EQ(reihen[zahl - 1].wert.text, QLatin1String(wert)) << zahl;
    EXPECT_TRUE(reihen[4].balken.farbe == Rot && reihen[8].balken.farbe == Blau);
    EXPECT_NEAR(reihen[4].balken.x, x0, Genau);
    EXPECT_NEAR(reihen[4].balken.dx, -7.3 * faktorX, Genau);
    EXPECT_NEAR(reihen[8].balken.dx, 6.5 * faktorX, Genau);
}

// Numbers repeat: each gap comes from the newest draw that holds the number.
TEST(Balkengrafik, GapsCountDrawsSinceLastDrawnAndCountsTakeTheZusatzzahlWhenTicked)
{
    const Modul1 m = Archiv({"01020304054507", "01021011121314", "01202122232426"});
    RecordingSurface s = Flaeche();
    ZuletztGezogenGrafik(m, false, false, s);
    ErwarteGitter(s, 5 * (Breite - 3 * Spalte(s)) / 3, 2);

    // 45 only in the oldest draw; 7, 14 and 26 only as a Zusatzzahl; 44 never drawn.
    const QList<Reihe> reihen = Reihen(s);
    QStringList luecken;
    for (int zahl : {1, 20, 2, 10, 45, 3, 26, 44})
        luecken << reihen[zahl - 1].wert.text;
    EXPECT_EQ(luecken, L("0|0|1|1|2|2|3|3"));
    const Zahlenwerte mitZZ = ZuletztGezogenWerte(m, true);
    EXPECT_TRUE(mitZZ[26] == 0 && mitZZ[14] == 1 && mitZZ[7] == 2 && mitZZ[1] == 0);
    // The scan goes on until the last number is found, however old its draw.
    const Modul1 alle =
        Archiv({"45010203040506", "01020304050607", "08091011121314", "15161718192021",
                "22232425262728", "29303132333435", "36373839404142", "43440102030405"});
    EXPECT_EQ(ZuletztGezogenWerte(alle, true)[45], 7);
    // Counts with the Zusatzzahl when ticked.
    const Zahlenwerte ohne = AnzahlGezogenWerte(m, false), mit = AnzahlGezogenWerte(m, true);
    EXPECT_TRUE(ohne[7] == 0 && mit[7] == 1 && mit[1] == 3 && mit[26] == 1);
    EXPECT_NEAR(VerhDurchschnittWerte(m, true)[7], 1 - 21.0 / 45, 1e-6);
}

// Every chart shows "bitte warten ..." and repaints before computing, then clears once; an
// empty archive divides by no zero.
TEST(Diagramm, EveryChartStartsWithWaitTextThenClears)
{
    const Modul1 a;
    const std::function<void(Surface &)> grafiken[] = {
        [&](Surface &s) { AnzahlGezogenGrafik(a, true, false, s); },
        [&](Surface &s) { VerhDurchschnittGrafik(a, true, true, s); },
        [&](Surface &s) { ZuletztGezogenGrafik(a, true, false, s); },
        [&](Surface &s) { GeradeUngeradeGrafik(a, true, s); },
        [&](Surface &s) { JokerGeradeUngeradeGrafik(a, s); },
        [&](Surface &s) { JokerGrafik(a, s); }};
    for (const auto &grafik : grafiken) {
        RecordingSurface s = Flaeche();
        grafik(s);
        ASSERT_GE(s.aufrufe.size(), 4);
        EXPECT_EQ(s.aufrufe[0].text + S(" %1").arg(s.aufrufe[0].x + s.aufrufe[0].y),
                  S("bitte warten ... 0"));
        EXPECT_TRUE(s.aufrufe[1].art == Art::Refresh && s.aufrufe[2].art == Art::Cls);
        EXPECT_EQ(s.Nur(Art::Cls).size(), 1);
        for (const Aufruf &x : s.aufrufe)
            EXPECT_TRUE(std::isfinite(x.x + x.y + x.dx + x.dy));
    }
}
