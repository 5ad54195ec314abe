#include "JokerGrafik.h"
#include "GrafikTesthilfe.h"

#include <gtest/gtest.h>

using namespace grafik_test;

namespace {

constexpr double Genau = 1e-6;

struct Zelle {
    Aufruf text;
    bool mitBalken = false;
    Aufruf schatten, balken;
};

// The table as drawn, cell [row][column]: a label, or a count with its bar.
using Tabelle = std::array<std::array<Zelle, 8>, 11>;

Tabelle Lesen(const RecordingSurface &s)
{
    Tabelle t;
    const QList<Aufruf> a = s.SeitCls();
    int k = 0;
    for (int r = 0; r <= 10; ++r) {
        for (int c = 0; c <= 7; ++c) {
            if (k >= a.size() || a[k].art != Art::Print) {
                ADD_FAILURE() << "no text for cell " << r << "," << c;
                return t;
            }
            t[r][c].text = a[k++];
            if (r > 0 && c > 0) {
                if (k + 1 >= a.size() || a[k].art != Art::Box || a[k + 1].art != Art::Box) {
                    ADD_FAILURE() << "no bar for cell " << r << "," << c;
                    return t;
                }
                t[r][c].mitBalken = true;
                t[r][c].schatten = a[k++];
                t[r][c].balken = a[k++];
            }
        }
    }
    EXPECT_EQ(k, a.size()) << "calls after the table";
    return t;
}

double Spaltenbreite()
{
    return Breite * 0.97 / 9;
}

// Counted: 123450, 111111 and a draw without a Joker as 000000; the draw
// before the first Joker is not counted.
Modul1 Beispiel()
{
    Modul1 m;
    Anhaengen(m, JokerZiehung(QStringLiteral("      ")));
    Anhaengen(m, JokerZiehung(QStringLiteral("123450")));
    Anhaengen(m, JokerZiehung(QStringLiteral("111111")));
    Anhaengen(m, JokerZiehung(QStringLiteral("      ")));
    return m;
}

} // namespace

TEST(JokerGrafik, CountsPerDigitAndPositionFromFirstJokerDraw)
{
    RecordingSurface s = Flaeche();
    JokerGrafik(Beispiel(), s);
    const Tabelle t = Lesen(s);
    // Rows: digit 0..9; columns: gezogen, Pos.1 .. Pos.6.
    const int erwartet[10][7] = {
        {7, 1, 1, 1, 1, 1, 2}, {7, 2, 1, 1, 1, 1, 1}, {1, 0, 1, 0, 0, 0, 0}, {1, 0, 0, 1, 0, 0, 0},
        {1, 0, 0, 0, 1, 0, 0}, {1, 0, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0}};
    for (int d = 0; d <= 9; ++d) {
        for (int p = 0; p <= 6; ++p) {
            EXPECT_EQ(t[d + 1][p + 1].text.text, QString::number(erwartet[d][p]) + QLatin1Char('x'))
                << "digit " << d << " column " << p;
        }
    }
}

TEST(JokerGrafik, LabelsAndCellCornersFollowTheNineColumnGrid)
{
    RecordingSurface s = Flaeche();
    JokerGrafik(Beispiel(), s);
    const Tabelle t = Lesen(s);
    const QStringList kopf{QStringLiteral("Zahl"),  QStringLiteral("gezogen"),
                           QStringLiteral("Pos.1"), QStringLiteral("Pos.2"),
                           QStringLiteral("Pos.3"), QStringLiteral("Pos.4"),
                           QStringLiteral("Pos.5"), QStringLiteral("Pos.6")};
    const double links[8] = {0, 1, 3, 4, 5, 6, 7, 8};
    const double zeile = 2.5 * s.TextHeight(QStringLiteral("0"));
    for (int c = 0; c <= 7; ++c)
        EXPECT_EQ(t[0][c].text.text, kopf[c]);
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(t[r][0].text.text, QLatin1Char(' ') + QString::number(r - 1));
    for (int r = 0; r <= 10; ++r) {
        for (int c = 0; c <= 7; ++c) {
            SCOPED_TRACE(QStringLiteral("%1,%2").arg(r).arg(c).toStdString());
            EXPECT_NEAR(t[r][c].text.x, links[c] * Spaltenbreite(), Genau);
            EXPECT_NEAR(t[r][c].text.y, r * zeile, Genau);
            if (!t[r][c].mitBalken)
                continue;
            EXPECT_NEAR(t[r][c].balken.x, links[c] * Spaltenbreite(), Genau);
            EXPECT_NEAR(t[r][c].balken.y, r * zeile + 0.4 * zeile, Genau);
            EXPECT_NEAR(t[r][c].balken.dy, 0.4 * zeile, Genau);
            EXPECT_EQ(t[r][c].balken.farbe, c == 1 ? QColor(255, 0, 0) : QColor(0, 0, 255));
            EXPECT_NEAR(t[r][c].schatten.x, t[r][c].balken.x, Genau);
            EXPECT_NEAR(t[r][c].schatten.y, t[r][c].balken.y - 25, Genau);
            EXPECT_NEAR(t[r][c].schatten.dx, t[r][c].balken.dx - 25, Genau);
            EXPECT_NEAR(t[r][c].schatten.dy, 0.4 * zeile, Genau);
            EXPECT_EQ(t[r][c].schatten.farbe, QColor(128, 128, 128));
        }
    }
}

TEST(JokerGrafik, BarsScaleFromSmallestToLargestOfTheirKind)
{
    RecordingSurface s = Flaeche();
    JokerGrafik(Beispiel(), s);
    const Tabelle t = Lesen(s);
    const double b = Spaltenbreite();
    // Totals 0..7: scale 1.8 b / 12 per unit, bar (total + 5) units.
    EXPECT_NEAR(t[1][1].balken.dx, 1.8 * b, Genau);      // digit 0: 7
    EXPECT_NEAR(t[3][1].balken.dx, 6 * 0.15 * b, Genau); // digit 2: 1
    EXPECT_NEAR(t[7][1].balken.dx, 5 * 0.15 * b, Genau); // digit 6: 0
    // Positions 0..2: scale 0.9 b / 5 per unit, bar (count + 3) units.
    EXPECT_NEAR(t[1][7].balken.dx, 0.9 * b, Genau);      // digit 0 at Pos.6: 2
    EXPECT_NEAR(t[1][2].balken.dx, 4 * 0.18 * b, Genau); // digit 0 at Pos.1: 1
    EXPECT_NEAR(t[10][2].balken.dx, 3 * 0.18 * b, Genau);
}

TEST(JokerGrafik, WithoutJokerDrawEveryCellIsZeroWithFullLengthBar)
{
    Modul1 ohneJoker;
    Anhaengen(ohneJoker, JokerZiehung(QStringLiteral("      ")), 3);
    const Modul1 leer;
    for (const Modul1 *archiv : {static_cast<const Modul1 *>(&ohneJoker), &leer}) {
        RecordingSurface s = Flaeche();
        JokerGrafik(*archiv, s);
        const Tabelle t = Lesen(s);
        for (int r = 1; r <= 10; ++r) {
            for (int c = 1; c <= 7; ++c) {
                EXPECT_EQ(t[r][c].text.text, QStringLiteral("0x"));
                EXPECT_NEAR(t[r][c].balken.dx, (c == 1 ? 1.8 : 0.9) * Spaltenbreite(), Genau);
            }
        }
    }
}

TEST(JokerGrafik, LargeCountsPrintWithoutThousandsSeparator)
{
    Modul1 m;
    Anhaengen(m, JokerZiehung(QStringLiteral("111111")), 1234);
    RecordingSurface s = Flaeche();
    JokerGrafik(m, s);
    const Tabelle t = Lesen(s);
    EXPECT_EQ(t[2][1].text.text, QStringLiteral("7404x"));
    EXPECT_EQ(t[2][2].text.text, QStringLiteral("1234x"));
}
