#include "Balkengrafik.h"
#include "GeradeUngerade.h"
#include "GrafikTesthilfe.h"
#include "JokerGrafik.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace grafik_test;

namespace {

const QColor Blau(0, 0, 255);
const QColor Rot(255, 0, 0);
const QColor Grau(128, 128, 128);
constexpr double Genau = 1e-3;

// One row of a 45-row chart as drawn: two labels, the shadow box, the bar box.
struct Reihe {
    Aufruf zahl, wert, schatten, balken;
};

QList<Reihe> Reihen(const RecordingSurface &s)
{
    const QList<Aufruf> a = TexteUndKaesten(s);
    QList<Reihe> reihen;
    if (a.size() != 2 + 45 * 4) {
        ADD_FAILURE() << "expected two heads and 45 rows, got " << a.size() << " calls";
        return reihen;
    }
    for (int i = 0; i < 45; ++i) {
        const int k = 2 + 4 * i;
        reihen << Reihe{a[k], a[k + 1], a[k + 2], a[k + 3]};
    }
    return reihen;
}

double Spalte(const RecordingSurface &s)
{
    return s.TextWidth(QStringLiteral("999999"));
}
double Zeile()
{
    return Hoehe / 47;
}

QList<int> Zahlen(const QList<Reihe> &reihen)
{
    QList<int> zahlen;
    for (const Reihe &r : reihen)
        zahlen << r.zahl.text.toInt();
    return zahlen;
}

// Numbers 1..6 drawn `mal` times, 7 as their Zusatzzahl.
Modul1 EinsBisSechs(int mal)
{
    Modul1 m;
    Anhaengen(m, Ziehung({1, 2, 3, 4, 5, 6}, 7), mal);
    return m;
}

void ErwarteGitter(const RecordingSurface &s, double x0, double faktorX, QList<double> werte)
{
    const QList<Aufruf> linien = Linien(s);
    ASSERT_EQ(linien.size(), werte.size());
    for (int i = 0; i < werte.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(linien[i].x, x0 + werte[i] * faktorX, Genau);
        EXPECT_EQ(linien[i].y, 0);
        EXPECT_EQ(linien[i].dx, 0);
        EXPECT_EQ(linien[i].dy, Hoehe);
        EXPECT_EQ(linien[i].farbe, Grau);
    }
}

} // namespace

TEST(Balkengrafik, CountGridForLargest57EndsAt60)
{
    RecordingSurface s = Flaeche();
    AnzahlGezogenGrafik(EinsBisSechs(57), false, false, s);
    const double spalte = Spalte(s);
    const double faktorX = (Breite - 3 * spalte) / 57;
    ErwarteGitter(s, 2.2 * spalte, faktorX, {0, 10, 20, 30, 40, 50, 60});

    const QList<Reihe> reihen = Reihen(s);
    ASSERT_EQ(reihen.size(), 45);
    EXPECT_EQ(reihen[0].wert.text, QStringLiteral("57x"));
    // The longest bar ends 0.8 × Spalte before the right edge.
    EXPECT_NEAR(reihen[0].balken.x + reihen[0].balken.dx, Breite - 0.8 * spalte, Genau);
}

TEST(Balkengrafik, CountGridForLargest60ReachesBeyondLongestBar)
{
    RecordingSurface s = Flaeche();
    AnzahlGezogenGrafik(EinsBisSechs(60), false, false, s);
    const double spalte = Spalte(s);
    ErwarteGitter(s, 2.2 * spalte, (Breite - 3 * spalte) / 60, {0, 10, 20, 30, 40, 50, 60, 70});
    EXPECT_GT(Linien(s).last().x, Breite - 0.8 * spalte);
}

TEST(Balkengrafik, CountChartDrawsGridThenHeadsThenRows)
{
    RecordingSurface s = Flaeche();
    AnzahlGezogenGrafik(EinsBisSechs(3), false, false, s);
    const QList<Aufruf> a = s.SeitCls();
    ASSERT_GE(a.size(), 3);
    // Largest 3: grid lines at 0 and 10.
    EXPECT_EQ(a[0].art, Art::Line);
    EXPECT_EQ(a[1].art, Art::Line);
    EXPECT_EQ(a[2].text, QStringLiteral("Zahl"));
    EXPECT_EQ(a[3].text, QStringLiteral("Anz."));
    EXPECT_EQ(a[4].text, QStringLiteral("1"));
    const double spalte = Spalte(s);
    EXPECT_NEAR(a[2].x, spalte - s.TextWidth(QStringLiteral("Zahl")), Genau);
    EXPECT_NEAR(a[3].x, 2 * spalte - s.TextWidth(QStringLiteral("Anz.")), Genau);
    EXPECT_EQ(a[2].y, 0);
    EXPECT_EQ(a[3].y, 0);
}

TEST(Balkengrafik, RowsByNumberPlaceLabelsAndBarsInTheirRow)
{
    RecordingSurface s = Flaeche();
    AnzahlGezogenGrafik(EinsBisSechs(57), false, false, s);
    const QList<Reihe> reihen = Reihen(s);
    ASSERT_EQ(reihen.size(), 45);
    const double spalte = Spalte(s);
    const double faktorX = (Breite - 3 * spalte) / 57;
    for (int i = 1; i <= 45; ++i) {
        SCOPED_TRACE(i);
        const Reihe &r = reihen[i - 1];
        const double oben = i * Zeile();
        EXPECT_EQ(r.zahl.text, QString::number(i));
        EXPECT_NEAR(r.zahl.x, spalte - s.TextWidth(r.zahl.text), Genau);
        EXPECT_NEAR(r.zahl.y, oben, Genau);
        EXPECT_NEAR(r.wert.x, 2 * spalte - s.TextWidth(r.wert.text), Genau);
        EXPECT_NEAR(r.wert.y, oben, Genau);
        const int anzahl = i <= 6 ? 57 : 0;
        EXPECT_EQ(r.wert.text, QString::number(anzahl) + QLatin1Char('x'));
        EXPECT_NEAR(r.balken.x, 2.2 * spalte, Genau);
        EXPECT_NEAR(r.balken.y, oben + Zeile() / 4, Genau);
        EXPECT_NEAR(r.balken.dx, anzahl * faktorX, Genau);
        EXPECT_NEAR(r.balken.dy, Zeile() / 2, Genau);
        EXPECT_EQ(r.balken.farbe, Blau);
        EXPECT_NEAR(r.schatten.x, 2.2 * spalte, Genau);
        EXPECT_NEAR(r.schatten.y, oben + Zeile() / 4 - 25, Genau);
        EXPECT_NEAR(r.schatten.dx, anzahl * faktorX - 25, Genau);
        EXPECT_NEAR(r.schatten.dy, Zeile() / 2, Genau);
        EXPECT_EQ(r.schatten.farbe, Grau);
    }
}

TEST(Balkengrafik, NeverDrawnNumberHasEmptyBarAndShadowLeftOfOrigin)
{
    RecordingSurface s = Flaeche();
    AnzahlGezogenGrafik(EinsBisSechs(57), false, false, s);
    const Reihe r = Reihen(s).value(44);
    EXPECT_EQ(r.zahl.text, QStringLiteral("45"));
    EXPECT_EQ(r.wert.text, QStringLiteral("0x"));
    EXPECT_EQ(r.balken.dx, 0);
    EXPECT_NEAR(r.schatten.x, 2.2 * Spalte(s), Genau);
    EXPECT_EQ(r.schatten.dx, -25);
}

TEST(Balkengrafik, ZusatzzahlCountsOnlyWhenTicked)
{
    RecordingSurface ohne = Flaeche();
    AnzahlGezogenGrafik(EinsBisSechs(5), false, false, ohne);
    EXPECT_EQ(Reihen(ohne).value(6).wert.text, QStringLiteral("0x"));
    RecordingSurface mit = Flaeche();
    AnzahlGezogenGrafik(EinsBisSechs(5), true, false, mit);
    EXPECT_EQ(Reihen(mit).value(6).wert.text, QStringLiteral("5x"));
}

TEST(Balkengrafik, SortedByValueSmallestFirstTiesLowerNumberFirst)
{
    Modul1 m;
    Anhaengen(m, Ziehung({17, 3, 20, 21, 22, 23}, 24), 40);
    Anhaengen(m, Ziehung({20, 21, 22, 23, 2, 1}, 24), 2);
    RecordingSurface s = Flaeche();
    AnzahlGezogenGrafik(m, false, true, s);
    const QList<Reihe> reihen = Reihen(s);
    ASSERT_EQ(reihen.size(), 45);

    QList<int> erwartet;
    for (int n = 4; n <= 45; ++n) {
        if (n != 17 && (n < 20 || n > 23))
            erwartet << n;
    }
    erwartet << 1 << 2 << 3 << 17 << 20 << 21 << 22 << 23;
    EXPECT_EQ(Zahlen(reihen), erwartet);
    EXPECT_EQ(reihen[39].wert.text, QStringLiteral("40x"));
    EXPECT_EQ(reihen[40].wert.text, QStringLiteral("40x"));
    EXPECT_EQ(reihen[44].wert.text, QStringLiteral("42x"));
}

TEST(Balkengrafik, FieldOutsideOneTo45CountsAsNoNumber)
{
    Modul1 m;
    m.Ziehungen << Ziehungssatz(QStringLiteral("01.01.2000001500102030405060      "));
    RecordingSurface s = Flaeche();
    AnzahlGezogenGrafik(m, false, false, s);
    const QList<Reihe> reihen = Reihen(s);
    ASSERT_EQ(reihen.size(), 45);
    for (int n = 1; n <= 45; ++n)
        EXPECT_EQ(reihen[n - 1].wert.text, QLatin1String(n <= 5 ? "1x" : "0x")) << n;
}

// The deviation example: smallest -7.3, largest 6.5.
TEST(Balkengrafik, DeviationScaleRoundsExtremesOutwards)
{
    Abweichungen werte{};
    werte[5] = -7.3;
    werte[9] = 6.5;
    RecordingSurface s = Flaeche();
    VerhDurchschnittZeichnen(werte, false, s);
    const double spalte = Spalte(s);
    const double faktorX = (Breite - 3 * spalte) / 15; // -8 .. 7
    const double x0 = 2.2 * spalte + 8 * faktorX;

    const QList<Aufruf> a = s.SeitCls();
    ASSERT_GE(a.size(), 19);
    EXPECT_EQ(a[0].text, QStringLiteral("Zahl"));
    EXPECT_EQ(a[1].text, QStringLiteral("VzD"));
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a[2 + i].art, Art::Line);
        EXPECT_NEAR(a[2 + i].x, 2.2 * spalte + i * faktorX, Genau);
        EXPECT_EQ(a[2 + i].dy, Hoehe);
        EXPECT_EQ(a[2 + i].farbe, Grau);
    }
    // The zero line in the foreground colour.
    EXPECT_EQ(a[18].art, Art::Line);
    EXPECT_NEAR(a[18].x, x0, Genau);
    EXPECT_EQ(a[18].y, 0);
    EXPECT_EQ(a[18].dx, 0);
    EXPECT_EQ(a[18].dy, Hoehe);
    EXPECT_EQ(a[18].farbe, QColor(Qt::black));
    EXPECT_EQ(Linien(s).size(), 17);

    const QList<Reihe> reihen = Reihen(s);
    ASSERT_EQ(reihen.size(), 45);
    const Reihe &negativ = reihen[4];
    EXPECT_EQ(negativ.wert.text, QStringLiteral("-7,3"));
    EXPECT_EQ(negativ.balken.farbe, Rot);
    EXPECT_NEAR(negativ.balken.x, x0, Genau);
    EXPECT_NEAR(negativ.balken.dx, -7.3 * faktorX, Genau);
    EXPECT_NEAR(negativ.schatten.dx, -7.3 * faktorX - 25, Genau);
    const Reihe &positiv = reihen[8];
    EXPECT_EQ(positiv.wert.text, QStringLiteral("6,5"));
    EXPECT_EQ(positiv.balken.farbe, Blau);
    EXPECT_NEAR(positiv.balken.dx, 6.5 * faktorX, Genau);
    EXPECT_EQ(reihen[0].wert.text, QStringLiteral("0,0"));
    EXPECT_EQ(reihen[0].balken.farbe, Blau);
}

TEST(Balkengrafik, DeviationFromExpectedCountFollowsZusatzzahl)
{
    // One draw 1..6 with Zusatzzahl 7: expected 6/45 = 0.133 or 7/45 = 0.156.
    const Modul1 m = EinsBisSechs(1);
    RecordingSurface ohne = Flaeche();
    VerhDurchschnittGrafik(m, false, false, ohne);
    QList<Reihe> reihen = Reihen(ohne);
    ASSERT_EQ(reihen.size(), 45);
    EXPECT_EQ(reihen[0].wert.text, QStringLiteral("0,9"));
    EXPECT_EQ(reihen[6].wert.text, QStringLiteral("-0,1"));
    EXPECT_EQ(reihen[6].balken.farbe, Rot);
    EXPECT_EQ(Linien(ohne).size(), 3 + 1); // -1, 0, 1 and the zero line

    RecordingSurface mit = Flaeche();
    VerhDurchschnittGrafik(m, true, false, mit);
    reihen = Reihen(mit);
    ASSERT_EQ(reihen.size(), 45);
    EXPECT_EQ(reihen[0].wert.text, QStringLiteral("0,8"));
    EXPECT_EQ(reihen[6].wert.text, QStringLiteral("0,8"));
    EXPECT_EQ(reihen[7].wert.text, QStringLiteral("-0,2"));
}

TEST(Balkengrafik, DeviationSortedByValueShowsSinglePrecisionValues)
{
    // 0.35000000001 prints 0,4; in single precision it is 0.3499999940 and prints 0,3.
    Abweichungen werte{};
    werte[1] = 0.35000000001;
    werte[2] = -2;
    RecordingSurface nachZahl = Flaeche();
    VerhDurchschnittZeichnen(werte, false, nachZahl);
    EXPECT_EQ(Reihen(nachZahl).value(0).wert.text, QStringLiteral("0,4"));

    RecordingSurface nachWert = Flaeche();
    VerhDurchschnittZeichnen(werte, true, nachWert);
    const QList<Reihe> reihen = Reihen(nachWert);
    ASSERT_EQ(reihen.size(), 45);
    EXPECT_EQ(reihen[0].zahl.text, QStringLiteral("2"));
    EXPECT_EQ(reihen[0].wert.text, QStringLiteral("-2,0"));
    EXPECT_EQ(reihen[1].zahl.text, QStringLiteral("3"));
    EXPECT_EQ(reihen[44].zahl.text, QStringLiteral("1"));
    EXPECT_EQ(reihen[44].wert.text, QStringLiteral("0,3"));
}

TEST(Balkengrafik, DeviationWithEveryCountAsExpectedDrawsEmptyBars)
{
    // 15 draws: 90 numbers, each of 1..45 twice, expected 15 × 6 / 45 = 2.
    Modul1 m;
    for (int i = 0; i < 15; ++i) {
        const auto zahl = [i](int j) { return (6 * i + j) % 45 + 1; };
        Anhaengen(m, Ziehung({zahl(0), zahl(1), zahl(2), zahl(3), zahl(4), zahl(5)}, 0));
    }
    RecordingSurface s = Flaeche();
    VerhDurchschnittGrafik(m, false, false, s);
    const QList<Reihe> reihen = Reihen(s);
    ASSERT_EQ(reihen.size(), 45);
    for (const Reihe &r : reihen) {
        EXPECT_EQ(r.wert.text, QStringLiteral("0,0"));
        EXPECT_EQ(r.balken.dx, 0);
        EXPECT_EQ(r.schatten.dx, -25);
    }
    // One grid line at 0 and the zero line, both at the bar origin.
    const QList<Aufruf> linien = Linien(s);
    ASSERT_EQ(linien.size(), 2);
    EXPECT_NEAR(linien[0].x, 2.2 * Spalte(s), Genau);
    EXPECT_NEAR(linien[1].x, 2.2 * Spalte(s), Genau);
}

TEST(Balkengrafik, GapChartNewestDrawShowsZeroWithShortShadow)
{
    Modul1 m;
    Anhaengen(m, Ziehung({1, 2, 3, 4, 5, 6}, 7));
    Anhaengen(m, Ziehung({10, 11, 12, 13, 14, 15}, 16));
    Anhaengen(m, Ziehung({20, 21, 22, 23, 24, 25}, 26));
    RecordingSurface s = Flaeche();
    ZuletztGezogenGrafik(m, false, false, s);
    const double spalte = Spalte(s);
    const double faktorX = (Breite - 3 * spalte) / 3;
    ErwarteGitter(s, 2.2 * spalte, faktorX, {0, 5});

    const QList<Reihe> reihen = Reihen(s);
    ASSERT_EQ(reihen.size(), 45);
    const auto luecke = [&](int n) { return reihen[n - 1].wert.text; };
    EXPECT_EQ(luecke(20), QStringLiteral("0"));
    EXPECT_EQ(luecke(25), QStringLiteral("0"));
    EXPECT_EQ(luecke(10), QStringLiteral("1"));
    EXPECT_EQ(luecke(1), QStringLiteral("2"));
    EXPECT_EQ(luecke(26), QStringLiteral("3")); // Zusatzzahl not counted
    EXPECT_EQ(luecke(45), QStringLiteral("3")); // never drawn: the number of draws

    EXPECT_EQ(reihen[19].balken.dx, 0);
    EXPECT_EQ(reihen[19].schatten.dx, -1);
    EXPECT_NEAR(reihen[0].balken.dx, 2 * faktorX, Genau);
    EXPECT_NEAR(reihen[0].schatten.dx, 2 * faktorX - 25, Genau);
    EXPECT_NEAR(reihen[44].balken.x + reihen[44].balken.dx, Breite - 0.8 * spalte, Genau);

    RecordingSurface mit = Flaeche();
    ZuletztGezogenGrafik(m, true, false, mit);
    EXPECT_EQ(Reihen(mit).value(25).wert.text, QStringLiteral("0"));
    EXPECT_EQ(Reihen(mit).value(15).wert.text, QStringLiteral("1"));
}

TEST(Balkengrafik, GapChartSortedByValueListsNewestDrawFirst)
{
    Modul1 m;
    Anhaengen(m, Ziehung({1, 2, 3, 4, 5, 6}, 7));
    Anhaengen(m, Ziehung({40, 30, 20, 10, 45, 5}, 16));
    RecordingSurface s = Flaeche();
    ZuletztGezogenGrafik(m, false, true, s);
    const QList<int> zahlen = Zahlen(Reihen(s));
    ASSERT_EQ(zahlen.size(), 45);
    EXPECT_EQ(zahlen.mid(0, 6), (QList<int>{5, 10, 20, 30, 40, 45}));
    EXPECT_EQ(zahlen.mid(6, 5), (QList<int>{1, 2, 3, 4, 6}));
    EXPECT_EQ(zahlen[11], 7);
}

TEST(Balkengrafik, EmptyArchiveDrawsEveryChartWithEmptyBars)
{
    const Modul1 leer;
    const std::function<void(Surface &)> grafiken[] = {
        [&](Surface &s) { AnzahlGezogenGrafik(leer, true, false, s); },
        [&](Surface &s) { VerhDurchschnittGrafik(leer, true, true, s); },
        [&](Surface &s) { ZuletztGezogenGrafik(leer, false, true, s); },
    };
    for (const auto &grafik : grafiken) {
        RecordingSurface s = Flaeche();
        grafik(s);
        const QList<Reihe> reihen = Reihen(s);
        ASSERT_EQ(reihen.size(), 45);
        for (const Reihe &r : reihen)
            EXPECT_EQ(r.balken.dx, 0);
        for (const Aufruf &l : Linien(s))
            EXPECT_TRUE(std::isfinite(l.x));
    }
}

// Every chart shows "bitte warten ..." and repaints before computing, then clears once.
TEST(Diagramm, EveryChartStartsWithWaitTextThenClears)
{
    Modul1 m = EinsBisSechs(2);
    Anhaengen(m, JokerZiehung(QStringLiteral("123456")));
    const std::function<void(Surface &)> grafiken[] = {
        [&](Surface &s) { AnzahlGezogenGrafik(m, true, false, s); },
        [&](Surface &s) { VerhDurchschnittGrafik(m, true, false, s); },
        [&](Surface &s) { ZuletztGezogenGrafik(m, true, false, s); },
        [&](Surface &s) { GeradeUngeradeGrafik(m, true, s); },
        [&](Surface &s) { JokerGeradeUngeradeGrafik(m, s); },
        [&](Surface &s) { JokerGrafik(m, s); },
    };
    for (const auto &grafik : grafiken) {
        RecordingSurface s = Flaeche();
        grafik(s);
        ASSERT_GE(s.aufrufe.size(), 4);
        EXPECT_EQ(s.aufrufe[0].art, Art::Print);
        EXPECT_EQ(s.aufrufe[0].text, QStringLiteral("bitte warten ..."));
        EXPECT_EQ(s.aufrufe[0].x, 0);
        EXPECT_EQ(s.aufrufe[0].y, 0);
        EXPECT_EQ(s.aufrufe[1].art, Art::Refresh);
        EXPECT_EQ(s.aufrufe[2].art, Art::Cls);
        EXPECT_EQ(s.Nur(Art::Cls).size(), 1);
        EXPECT_EQ(s.Nur(Art::Refresh).size(), 1);
    }
}
