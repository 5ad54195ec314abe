#include "Balkengrafik.h"
#include "GeradeUngerade.h"
#include "GrafikTesthilfe.h"
#include "JokerGrafik.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace grafik_test;

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
    if (a.size() != 2 + 45 * 4) {
        ADD_FAILURE() << "expected two heads and 45 rows, got " << a.size() << " calls";
        return QList<Reihe>(45);
    }
    QList<Reihe> reihen;
    for (int k = 2; k < a.size(); k += 4)
        reihen << Reihe{a[k], a[k + 1], a[k + 2], a[k + 3]};
    return reihen;
}

double Spalte(const RecordingSurface &s)
{
    return s.TextWidth(QStringLiteral("999999"));
}

// Numbers 1..6 drawn `mal` times, 7 as their Zusatzzahl.
Modul1 EinsBisSechs(int mal)
{
    Modul1 m;
    Anhaengen(m, Ziehung({1, 2, 3, 4, 5, 6}, 7), mal);
    return m;
}

// Grey full-height grid lines from 2.2 columns on, `schritt` apart.
void ErwarteGitter(const RecordingSurface &s, double schritt, int anzahl)
{
    const QList<Aufruf> linien = Nur(s, Art::Line);
    ASSERT_GE(linien.size(), anzahl);
    for (int i = 0; i < anzahl; ++i) {
        EXPECT_NEAR(linien[i].x, 2.2 * Spalte(s) + i * schritt, Genau) << i;
        EXPECT_EQ(linien[i].dy, Hoehe) << i;
        EXPECT_EQ(linien[i].farbe, Grau) << i;
    }
}

} // namespace

TEST(Balkengrafik, CountChartGridAndRows)
{
    for (int groesste : {57, 60}) {
        SCOPED_TRACE(groesste);
        RecordingSurface s = Flaeche();
        AnzahlGezogenGrafik(EinsBisSechs(groesste), false, false, s);
        const double spalte = Spalte(s), faktorX = (Breite - 3 * spalte) / groesste;
        EXPECT_EQ(s.SeitCls().first().art, Art::Line); // the grid lies under the bars
        const int linien = groesste == 57 ? 7 : 8;     // up to 60 or 70
        ErwarteGitter(s, 10 * faktorX, linien);
        EXPECT_EQ(Nur(s, Art::Line).size(), linien);

        const QList<Reihe> reihen = Reihen(s);
        const Reihe &eins = reihen[0];
        EXPECT_EQ(eins.zahl.text + eins.wert.text, QStringLiteral("1%1x").arg(groesste));
        EXPECT_NEAR(eins.balken.x, 2.2 * spalte, Genau);
        EXPECT_NEAR(eins.balken.x + eins.balken.dx, Breite - 0.8 * spalte, Genau);
        EXPECT_EQ(eins.balken.farbe, Blau);
        EXPECT_NEAR(eins.schatten.y, eins.balken.y - 25, Genau);
        EXPECT_NEAR(eins.schatten.dx, eins.balken.dx - 25, Genau);
        EXPECT_EQ(eins.schatten.farbe, Grau);
        // Never drawn: an empty bar, its shadow reaching left of the origin.
        EXPECT_EQ(reihen[44].zahl.text + reihen[44].wert.text, QStringLiteral("450x"));
        EXPECT_EQ(reihen[44].balken.dx, 0);
        EXPECT_EQ(reihen[44].schatten.dx, -25);
    }
}

TEST(Balkengrafik, CountsTakeTheZusatzzahlWhenTickedAndOnlyNumbersOneTo45)
{
    EXPECT_EQ(AnzahlGezogenWerte(EinsBisSechs(5), false)[7], 0);
    EXPECT_EQ(AnzahlGezogenWerte(EinsBisSechs(5), true)[7], 5);
    Modul1 m;
    m.Ziehungen << Ziehungssatz(QStringLiteral("01.01.2000001500102030405060      "));
    const Zahlenwerte werte = AnzahlGezogenWerte(m, false);
    for (int n = 1; n <= 45; ++n)
        EXPECT_EQ(werte[n], n <= 5 ? 1 : 0) << n;
}

TEST(Balkengrafik, SortedByValueSmallestFirstTiesLowerNumberFirst)
{
    Modul1 m;
    Anhaengen(m, Ziehung({17, 3, 20, 21, 22, 23}, 24), 40);
    Anhaengen(m, Ziehung({20, 21, 22, 23, 2, 1}, 24), 2);
    RecordingSurface s = Flaeche();
    AnzahlGezogenGrafik(m, false, true, s);
    QStringList erwartet;
    for (int n = 4; n <= 45; ++n)
        if (n != 17 && (n < 20 || n > 23))
            erwartet << QString::number(n) << QStringLiteral("0x");
    erwartet << QStringLiteral("1|2x|2|2x|3|40x|17|40x|20|42x|21|42x|22|42x|23|42x")
                    .split(QLatin1Char('|'));
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
    EXPECT_EQ(s.SeitCls().first().text, QStringLiteral("Zahl")); // heads before the grid
    ErwarteGitter(s, faktorX, 16);
    // After the 16 grid lines, the zero line in the foreground colour.
    const QList<Aufruf> linien = Nur(s, Art::Line);
    ASSERT_EQ(linien.size(), 17);
    EXPECT_NEAR(linien[16].x, x0, Genau);
    EXPECT_EQ(linien[16].farbe, QColor(Qt::black));

    const QList<Reihe> reihen = Reihen(s);
    EXPECT_EQ(reihen[4].wert.text, QStringLiteral("-7,3"));
    EXPECT_EQ(reihen[4].balken.farbe, Rot);
    EXPECT_NEAR(reihen[4].balken.x, x0, Genau);
    EXPECT_NEAR(reihen[4].balken.dx, -7.3 * faktorX, Genau);
    EXPECT_NEAR(reihen[4].schatten.dx, -7.3 * faktorX - 25, Genau);
    EXPECT_EQ(reihen[8].wert.text, QStringLiteral("6,5"));
    EXPECT_EQ(reihen[8].balken.farbe, Blau);
    EXPECT_NEAR(reihen[8].balken.dx, 6.5 * faktorX, Genau);
    EXPECT_EQ(reihen[0].wert.text, QStringLiteral("0,0"));
}

TEST(Balkengrafik, DeviationIsCountLessExpectedCount)
{
    // One draw 1..6 with Zusatzzahl 7: expected 6 / 45 or 7 / 45.
    const Abweichungen ohne = VerhDurchschnittWerte(EinsBisSechs(1), false);
    const Abweichungen mit = VerhDurchschnittWerte(EinsBisSechs(1), true);
    EXPECT_NEAR(ohne[1], 1 - 6.0 / 45, 1e-6);
    EXPECT_NEAR(ohne[7], -6.0 / 45, 1e-6);
    EXPECT_NEAR(mit[7], 1 - 7.0 / 45, 1e-6);
    EXPECT_NEAR(mit[8], -7.0 / 45, 1e-6);
}

TEST(Balkengrafik, DeviationsAllZeroDrawEmptyBarsAtTheOrigin)
{
    RecordingSurface s = Flaeche();
    VerhDurchschnittZeichnen(Abweichungen{}, false, s);
    for (const Reihe &r : Reihen(s)) {
        EXPECT_EQ(r.wert.text, QStringLiteral("0,0"));
        EXPECT_EQ(r.balken.dx, 0);
    }
    // One grid line at 0 and the zero line, both at the bar origin.
    const QList<Aufruf> linien = Nur(s, Art::Line);
    ASSERT_EQ(linien.size(), 2);
    EXPECT_NEAR(linien[0].x, 2.2 * Spalte(s), Genau);
    EXPECT_NEAR(linien[1].x, 2.2 * Spalte(s), Genau);
}

TEST(Balkengrafik, GapChartCountsDrawsSinceTheNumberWasLastDrawn)
{
    Modul1 m;
    Anhaengen(m, Ziehung({1, 2, 3, 4, 5, 6}, 7));
    Anhaengen(m, Ziehung({10, 11, 12, 13, 14, 15}, 16));
    Anhaengen(m, Ziehung({20, 21, 22, 23, 24, 25}, 26));
    RecordingSurface s = Flaeche();
    ZuletztGezogenGrafik(m, false, false, s);
    const double spalte = Spalte(s), faktorX = (Breite - 3 * spalte) / 3;
    ErwarteGitter(s, 5 * faktorX, 2);

    // 26 is only a Zusatzzahl; 45 was never drawn: the number of draws.
    const QList<Reihe> reihen = Reihen(s);
    for (const auto &[zahl, luecke] :
         {std::pair{20, "0"}, {10, "1"}, {1, "2"}, {26, "3"}, {45, "3"}})
        EXPECT_EQ(reihen[zahl - 1].wert.text, QLatin1String(luecke)) << zahl;
    EXPECT_EQ(reihen[19].balken.dx, 0);
    EXPECT_EQ(reihen[19].schatten.dx, -1); // the shadow shortened by 1 only
    EXPECT_NEAR(reihen[0].schatten.dx, 2 * faktorX - 25, Genau);
    EXPECT_NEAR(reihen[44].balken.x + reihen[44].balken.dx, Breite - 0.8 * spalte, Genau);
    EXPECT_EQ(ZuletztGezogenWerte(m, true)[26], 0);
    EXPECT_EQ(ZuletztGezogenWerte(m, true)[16], 1);
}

// Every chart shows "bitte warten ..." and repaints before computing, then clears
// once; an empty archive divides by no zero.
TEST(Diagramm, EveryChartStartsWithWaitTextThenClears)
{
    Modul1 m = EinsBisSechs(2);
    Joker(m, "123456");
    for (const Modul1 &a : {m, Modul1()}) {
        const std::function<void(Surface &)> grafiken[] = {
            [&](Surface &s) { AnzahlGezogenGrafik(a, true, false, s); },
            [&](Surface &s) { VerhDurchschnittGrafik(a, true, true, s); },
            [&](Surface &s) { ZuletztGezogenGrafik(a, true, false, s); },
            [&](Surface &s) { GeradeUngeradeGrafik(a, true, s); },
            [&](Surface &s) { JokerGeradeUngeradeGrafik(a, s); },
            [&](Surface &s) { JokerGrafik(a, s); },
        };
        for (const auto &grafik : grafiken) {
            RecordingSurface s = Flaeche();
            grafik(s);
            ASSERT_GE(s.aufrufe.size(), 4);
            EXPECT_EQ(s.aufrufe[0].text, QStringLiteral("bitte warten ..."));
            EXPECT_EQ(s.aufrufe[0].x + s.aufrufe[0].y, 0);
            EXPECT_EQ(s.aufrufe[1].art, Art::Refresh);
            EXPECT_EQ(s.aufrufe[2].art, Art::Cls);
            EXPECT_EQ(s.Nur(Art::Cls).size(), 1);
            for (const Aufruf &x : s.aufrufe)
                EXPECT_TRUE(std::isfinite(x.x + x.y + x.dx + x.dy));
        }
    }
}
