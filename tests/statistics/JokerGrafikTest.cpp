#include "JokerGrafik.h"
#include "GrafikTesthilfe.h"

#include <gtest/gtest.h>

using namespace grafik_test;

namespace {

// The 11 × 8 table as drawn: a text per cell, row by row, and a shadow and a bar
// after each count.
struct Tabelle {
    QStringList texte;
    QList<Aufruf> balken;
    QString Text(int r, int c) const { return texte.value(r * 8 + c); }
    Aufruf Balken(int r, int c) const { return balken.value((r - 1) * 7 + c - 1); }
};

Tabelle Lesen(const RecordingSurface &s)
{
    Tabelle t{Texte(s), {}};
    const QList<Aufruf> kaesten = Nur(s, Art::Box);
    for (int i = 1; i < kaesten.size(); i += 2)
        t.balken << kaesten[i];
    EXPECT_EQ(t.texte.size(), 88);
    EXPECT_EQ(kaesten.size(), 2 * 70);
    return t;
}

const double Spalte = Breite * 0.97 / 9;

} // namespace

TEST(JokerGrafik, CountsPerDigitAndPositionFromTheFirstJokerDraw)
{
    // Counted: 123450, 111111 and a Joker-less draw as 000000, not the draw before.
    Modul1 m;
    for (const char *joker : {"      ", "123450", "111111", "      "})
        Joker(m, joker);
    RecordingSurface s = Flaeche();
    JokerGrafik(m, s);
    const Tabelle t = Lesen(s);
    EXPECT_EQ(t.texte.mid(0, 8).join(QLatin1Char('|')),
              QStringLiteral("Zahl|gezogen|Pos.1|Pos.2|Pos.3|Pos.4|Pos.5|Pos.6"));
    // Rows: digit 0..9; columns: gezogen, Pos.1 .. Pos.6.
    const char *erwartet[10] = {" 0|7x|1x|1x|1x|1x|1x|2x", " 1|7x|2x|1x|1x|1x|1x|1x",
                                " 2|1x|0x|1x|0x|0x|0x|0x", " 3|1x|0x|0x|1x|0x|0x|0x",
                                " 4|1x|0x|0x|0x|1x|0x|0x", " 5|1x|0x|0x|0x|0x|1x|0x",
                                " 6|0x|0x|0x|0x|0x|0x|0x", " 7|0x|0x|0x|0x|0x|0x|0x",
                                " 8|0x|0x|0x|0x|0x|0x|0x", " 9|0x|0x|0x|0x|0x|0x|0x"};
    for (int d = 0; d <= 9; ++d)
        EXPECT_EQ(t.texte.mid(8 * (d + 1), 8).join(QLatin1Char('|')), QLatin1String(erwartet[d]));

    // The totals' bars are red, the positions' blue.
    EXPECT_EQ(t.Balken(3, 1).farbe, Rot);
    EXPECT_EQ(t.Balken(3, 2).farbe, Blau);

    // Totals 0..7: 1.8 widths / 12 per unit, bar (total + 5) units; positions
    // 0..2: 0.9 widths / 5 per unit, bar (count + 3) units.
    EXPECT_NEAR(t.Balken(1, 1).dx, 1.8 * Spalte, Genau);
    EXPECT_NEAR(t.Balken(3, 1).dx, 6 * 0.15 * Spalte, Genau);
    EXPECT_NEAR(t.Balken(7, 1).dx, 5 * 0.15 * Spalte, Genau);
    EXPECT_NEAR(t.Balken(1, 7).dx, 0.9 * Spalte, Genau);
    EXPECT_NEAR(t.Balken(1, 2).dx, 4 * 0.18 * Spalte, Genau);
    EXPECT_NEAR(t.Balken(10, 2).dx, 3 * 0.18 * Spalte, Genau);
}

TEST(JokerGrafik, WithoutJokerDrawEveryCellIsZeroWithFullLengthBar)
{
    Modul1 ohneJoker;
    Joker(ohneJoker, "      ", 3);
    for (const Modul1 &m : {ohneJoker, Modul1()}) {
        RecordingSurface s = Flaeche();
        JokerGrafik(m, s);
        const Tabelle t = Lesen(s);
        for (int r = 1; r <= 10; ++r) {
            for (int c = 1; c <= 7; ++c) {
                EXPECT_EQ(t.Text(r, c), QStringLiteral("0x"));
                EXPECT_NEAR(t.Balken(r, c).dx, (c == 1 ? 1.8 : 0.9) * Spalte, Genau);
            }
        }
    }
}

TEST(JokerGrafik, LargeCountsPrintWithoutThousandsSeparator)
{
    Modul1 m;
    Joker(m, "111111", 1234);
    RecordingSurface s = Flaeche();
    JokerGrafik(m, s);
    EXPECT_EQ(Lesen(s).Text(2, 1), QStringLiteral("7404x"));
    EXPECT_EQ(Lesen(s).Text(2, 2), QStringLiteral("1234x"));
}
