#include "Balkengrafik.h"
#include "GeradeUngerade.h"
#include "JokerGrafik.h"
#include "PictureBox.h"
#include "StatistikTesthilfe.h"

#include <cmath>
#include <functional>

using namespace statistik_test;

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

TEST(Balkengrafik, CountChartGridAndRows)
{
    for (int groesste : {57, 60}) {
        SCOPED_TRACE(groesste);
        Modul1 m;
        Dazu(m, "01020304050607", groesste);
        RecordingSurface s = Flaeche();
        AnzahlGezogenGrafik(m, false, false, s);
        const double spalte = Spalte(s);
        EXPECT_EQ(s.SeitCls().first().art, Art::Line); // the grid lies under the bars
        ErwarteGitter(s, 10 * (Breite - 3 * spalte) / groesste, groesste == 57 ? 7 : 8);

        const QList<Reihe> reihen = Reihen(s);
        const Reihe &eins = reihen[0], &nie = reihen[44];
        EXPECT_EQ(eins.zahl.text + eins.wert.text, S("1%1x").arg(groesste));
        EXPECT_NEAR(eins.balken.x, 2.2 * spalte, Genau);
        EXPECT_NEAR(eins.balken.x + eins.balken.dx, Breite - 0.8 * spalte, Genau);
        EXPECT_NEAR(eins.schatten.dx, eins.balken.dx - 25, Genau); // the image test: colours
        // Never drawn: an empty bar, its shadow reaching left of the origin.
        EXPECT_EQ(nie.zahl.text + nie.wert.text, S("450x"));
        EXPECT_TRUE(nie.balken.dx == 0 && nie.schatten.dx == -25);
    }
}

TEST(Balkengrafik, CountsTakeTheZusatzzahlWhenTickedAndOnlyNumbersOneTo45)
{
    const Modul1 m = Archiv({"01020304050607", "00010203040550"});
    const Zahlenwerte ohne = AnzahlGezogenWerte(m, false), mit = AnzahlGezogenWerte(m, true);
    EXPECT_TRUE(ohne[7] == 0 && mit[7] == 1 && mit[5] == 2 && mit[6] == 1);
    EXPECT_NEAR(VerhDurchschnittWerte(m, true)[7], 1 - 14.0 / 45, 1e-6);
}

TEST(Balkengrafik, SortedByValueSmallestFirstTiesLowerNumberFirst)
{
    Modul1 m;
    Dazu(m, "17032021222324", 40);
    Dazu(m, "20212223020124", 2);
    RecordingSurface s = Flaeche();
    AnzahlGezogenGrafik(m, false, true, s);
    QStringList erwartet;
    for (int n = 4; n <= 45; ++n)
        if (n != 17 && (n < 20 || n > 23))
            erwartet << QString::number(n) << S("0x");
    erwartet << L("1|2x|2|2x|3|40x|17|40x|20|42x|21|42x|22|42x|23|42x");
    EXPECT_EQ(Texte(s).mid(2), erwartet);
}

TEST(Balkengrafik, DeviationScaleRoundsExtremesOutwardsAndSurvivesAllZero)
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

    // All zero: empty bars, one grid line at the origin and the zero line on it.
    RecordingSurface null = Flaeche();
    VerhDurchschnittZeichnen(Abweichungen{}, false, null);
    for (const Reihe &r : Reihen(null))
        EXPECT_TRUE(r.wert.text == S("0,0") && r.balken.dx == 0);
    ErwarteGitter(null, 0, 1, 1);
    EXPECT_NEAR(null.Nur(Art::Line).last().x, 2.2 * spalte, Genau);
}

TEST(Balkengrafik, GapChartCountsDrawsSinceTheNumberWasLastDrawn)
{
    const Modul1 m = Archiv({"01020304050607", "10111213141516", "20212223242526"});
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
}

// Every chart shows "bitte warten ..." and repaints before computing, then clears once; an
// empty archive divides by no zero.
TEST(Diagramm, EveryChartStartsWithWaitTextThenClears)
{
    for (const Modul1 &a : {Archiv({"01020304050607", "01020304050607123456"}), Modul1()}) {
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
}

// The count chart drawn into an image: its bars are where the recording surface says, blue with
// the grey strip above, ending where the box ends.
TEST(DiagrammBild, BarsLieWhereTheRecordedBoxesSay)
{
    Modul1 m;
    Dazu(m, "01020304050607", 57);
    Dazu(m, "01020310203007", 20);
    RecordingSurface s = Flaeche();
    AnzahlGezogenGrafik(m, false, false, s);
    PictureBox box(PictureBox::Einheit::Twips);
    box.resize(513, 457); // 7695 × 6855 twips
    box.SetFont(s.Font());
    box.SetBackColor(QColor(198, 198, 198));
    AnzahlGezogenGrafik(m, false, false, box);
    const auto pixel = [&](double x, double y) {
        return box.Bild().pixelColor(int(std::floor(x / 15)), int(std::floor(y / 15)));
    };
    QStringList geprueft;
    for (const Reihe &r : Reihen(s)) {
        const Aufruf &b = r.balken;
        const double mitte = b.x + b.dx / 2, hoehe = b.y + b.dy / 2;
        if (b.dx >= 300 && pixel(mitte, hoehe) == Blau && pixel(mitte, b.y - 12.5) == Grau &&
            pixel(b.x + b.dx + 30, hoehe) == QColor(198, 198, 198) &&
            pixel(b.x - 30, hoehe) != Blau)
            geprueft << r.zahl.text;
    }
    EXPECT_EQ(geprueft, L("1|2|3|4|5|6|10|20|30"));
}
