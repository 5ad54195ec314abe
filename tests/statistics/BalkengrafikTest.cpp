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
    QList<Reihe> reihen;
    if (a.size() != 2 + 45 * 4) {
        ADD_FAILURE() << "expected two heads and 45 rows, got " << a.size() << " calls";
        return QList<Reihe>(45);
    }
    for (int k = 2; k < a.size(); k += 4)
        reihen << Reihe{a[k], a[k + 1], a[k + 2], a[k + 3]};
    return reihen;
}

QList<int> Zahlen(const QList<Reihe> &reihen)
{
    QList<int> zahlen;
    for (const Reihe &r : reihen)
        zahlen << r.zahl.text.toInt();
    return zahlen;
}

double Spalte(const RecordingSurface &s)
{
    return s.TextWidth(QStringLiteral("999999"));
}
const double Zeile = Hoehe / 47;

// Numbers 1..6 drawn `mal` times, 7 as their Zusatzzahl.
Modul1 EinsBisSechs(int mal)
{
    Modul1 m;
    Anhaengen(m, Ziehung({1, 2, 3, 4, 5, 6}, 7), mal);
    return m;
}

// Grey full-height grid lines at the given values from x0.
void ErwarteGitter(const RecordingSurface &s, double x0, double faktorX, QList<double> werte)
{
    QList<Aufruf> linien = Nur(s, Art::Line);
    ASSERT_GE(linien.size(), werte.size());
    for (int i = 0; i < werte.size(); ++i) {
        EXPECT_NEAR(linien[i].x, x0 + werte[i] * faktorX, Genau) << i;
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
        if (groesste == 57)
            ErwarteGitter(s, 2.2 * spalte, faktorX, {0, 10, 20, 30, 40, 50, 60});
        else
            ErwarteGitter(s, 2.2 * spalte, faktorX, {0, 10, 20, 30, 40, 50, 60, 70});
        EXPECT_EQ(Nur(s, Art::Line).size(), groesste == 57 ? 7 : 8);

        const QList<Reihe> reihen = Reihen(s);
        const Reihe &eins = reihen[0];
        EXPECT_EQ(eins.zahl.text, QStringLiteral("1"));
        EXPECT_NEAR(eins.zahl.x + s.TextWidth(eins.zahl.text), spalte, Genau);
        EXPECT_EQ(eins.wert.text, QStringLiteral("%1x").arg(groesste));
        EXPECT_NEAR(eins.wert.x + s.TextWidth(eins.wert.text), 2 * spalte, Genau);
        EXPECT_NEAR(eins.balken.x, 2.2 * spalte, Genau);
        EXPECT_NEAR(eins.balken.x + eins.balken.dx, Breite - 0.8 * spalte, Genau);
        EXPECT_NEAR(eins.balken.y, Zeile + Zeile / 4, Genau);
        EXPECT_NEAR(eins.balken.dy, Zeile / 2, Genau);
        EXPECT_EQ(eins.balken.farbe, Blau);
        EXPECT_NEAR(eins.schatten.y, eins.balken.y - 25, Genau);
        EXPECT_NEAR(eins.schatten.dx, eins.balken.dx - 25, Genau);
        EXPECT_EQ(eins.schatten.farbe, Grau);
        // Never drawn: an empty bar, its shadow reaching left of the origin.
        EXPECT_EQ(reihen[44].zahl.text, QStringLiteral("45"));
        EXPECT_EQ(reihen[44].wert.text, QStringLiteral("0x"));
        EXPECT_NEAR(reihen[44].zahl.y, 45 * Zeile, Genau);
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
    QList<int> erwartet;
    for (int n = 4; n <= 45; ++n)
        if (n != 17 && (n < 20 || n > 23))
            erwartet << n;
    erwartet << 1 << 2 << 3 << 17 << 20 << 21 << 22 << 23;
    const QList<Reihe> reihen = Reihen(s);
    EXPECT_EQ(Zahlen(reihen), erwartet);
    EXPECT_EQ(reihen[40].wert.text, QStringLiteral("40x"));
    EXPECT_EQ(reihen[44].wert.text, QStringLiteral("42x"));
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

    const QList<Aufruf> a = s.SeitCls();
    ASSERT_GE(a.size(), 19);
    EXPECT_EQ(Texte(s).mid(0, 2), (QStringList{QStringLiteral("Zahl"), QStringLiteral("VzD")}));
    ErwarteGitter(s, 2.2 * spalte, faktorX, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    // After the 16 grid lines, the zero line in the foreground colour.
    EXPECT_EQ(Nur(s, Art::Line).size(), 17);
    EXPECT_EQ(a[18].art, Art::Line);
    EXPECT_NEAR(a[18].x, x0, Genau);
    EXPECT_EQ(a[18].dy, Hoehe);
    EXPECT_EQ(a[18].farbe, QColor(Qt::black));

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
    EXPECT_EQ(reihen[0].balken.farbe, Blau);
}

TEST(Balkengrafik, DeviationIsCountLessExpectedCount)
{
    // One draw 1..6 with Zusatzzahl 7: expected 6 / 45 or 7 / 45.
    const Abweichungen ohne = VerhDurchschnittWerte(EinsBisSechs(1), false);
    EXPECT_NEAR(ohne[1], 1 - 6.0 / 45, 1e-6);
    EXPECT_NEAR(ohne[7], -6.0 / 45, 1e-6);
    const Abweichungen mit = VerhDurchschnittWerte(EinsBisSechs(1), true);
    EXPECT_NEAR(mit[7], 1 - 7.0 / 45, 1e-6);
    EXPECT_NEAR(mit[8], -7.0 / 45, 1e-6);
}

TEST(Balkengrafik, DeviationSortedByValueShowsSinglePrecisionValues)
{
    // 0.35000000001 prints 0,4; in single precision it is 0.3499999940 and prints 0,3.
    Abweichungen werte{};
    werte[1] = 0.35000000001;
    werte[2] = -2;
    RecordingSurface nachZahl = Flaeche(), nachWert = Flaeche();
    VerhDurchschnittZeichnen(werte, false, nachZahl);
    VerhDurchschnittZeichnen(werte, true, nachWert);
    EXPECT_EQ(Reihen(nachZahl)[0].wert.text, QStringLiteral("0,4"));
    const QList<Reihe> reihen = Reihen(nachWert);
    EXPECT_EQ(Zahlen(reihen).mid(0, 2), (QList<int>{2, 3}));
    EXPECT_EQ(reihen[0].wert.text, QStringLiteral("-2,0"));
    EXPECT_EQ(reihen[44].zahl.text, QStringLiteral("1"));
    EXPECT_EQ(reihen[44].wert.text, QStringLiteral("0,3"));
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
    ErwarteGitter(s, 2.2 * spalte, faktorX, {0, 5});

    const QList<Reihe> reihen = Reihen(s);
    const auto luecke = [&](int n) { return reihen[n - 1].wert.text; };
    EXPECT_EQ(luecke(20), QStringLiteral("0"));
    EXPECT_EQ(luecke(10), QStringLiteral("1"));
    EXPECT_EQ(luecke(1), QStringLiteral("2"));
    EXPECT_EQ(luecke(26), QStringLiteral("3")); // Zusatzzahl not counted
    EXPECT_EQ(luecke(45), QStringLiteral("3")); // never drawn: the number of draws
    EXPECT_EQ(reihen[19].balken.dx, 0);
    EXPECT_EQ(reihen[19].schatten.dx, -1); // the shadow shortened by 1 only
    EXPECT_NEAR(reihen[0].schatten.dx, 2 * faktorX - 25, Genau);
    EXPECT_NEAR(reihen[44].balken.x + reihen[44].balken.dx, Breite - 0.8 * spalte, Genau);

    EXPECT_EQ(ZuletztGezogenWerte(m, true)[26], 0);
    EXPECT_EQ(ZuletztGezogenWerte(m, true)[16], 1);
}

TEST(Balkengrafik, GapChartSortedByValueListsNewestDrawFirst)
{
    Modul1 m;
    Anhaengen(m, Ziehung({1, 2, 3, 4, 5, 6}, 7));
    Anhaengen(m, Ziehung({40, 30, 20, 10, 45, 5}, 16));
    RecordingSurface s = Flaeche();
    ZuletztGezogenGrafik(m, false, true, s);
    EXPECT_EQ(Zahlen(Reihen(s)).mid(0, 12), (QList<int>{5, 10, 20, 30, 40, 45, 1, 2, 3, 4, 6, 7}));
}

// Every chart shows "bitte warten ..." and repaints before computing, then clears once,
// and an empty archive divides by no zero.
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
