#include "JokerGrafik.h"
#include "StatistikTesthilfe.h"

using namespace statistik_test;

namespace {

const double Spalte = Breite * 0.97 / 9;

// The 11 × 8 table as drawn, a text per cell, and the bar after each count: row 1..10
// digit 0..9, column 1 the total, columns 2..7 positions 1..6.
struct Tabelle {
    QStringList texte;
    QList<Aufruf> kaesten;
    explicit Tabelle(const Modul1 &m)
    {
        RecordingSurface s = Flaeche();
        JokerGrafik(m, s);
        texte = Texte(s);
        kaesten = s.Nur(Art::Box); // a shadow, then a bar
        EXPECT_TRUE(texte.size() == 88 && kaesten.size() == 2 * 70);
    }
    QString Zeile(int r) const { return texte.mid(8 * r, 8).join(QLatin1Char('|')); }
    Aufruf Balken(int r, int c) const { return kaesten.value(2 * ((r - 1) * 7 + c - 1) + 1); }
};

} // namespace

TEST(JokerGrafik, CountsPerDigitAndPositionFromTheFirstJokerDraw)
{
    // Counted: 123450, 234560 and a Joker-less draw as 000000, not the draw before. The
    // largest position count, 3, stands at position 6 only.
    const Tabelle t(Archiv(
        {"01020304050607", "01020304050607123450", "01020304050607234560", "01020304050607"}));
    const char *erwartet[] = {"Zahl|gezogen|Pos.1|Pos.2|Pos.3|Pos.4|Pos.5|Pos.6",
                              " 0|8x|1x|1x|1x|1x|1x|3x",
                              " 1|1x|1x|0x|0x|0x|0x|0x",
                              " 2|2x|1x|1x|0x|0x|0x|0x",
                              " 3|2x|0x|1x|1x|0x|0x|0x",
                              " 4|2x|0x|0x|1x|1x|0x|0x",
                              " 5|2x|0x|0x|0x|1x|1x|0x",
                              " 6|1x|0x|0x|0x|0x|1x|0x"};
    for (int r = 0; r <= 10; ++r)
        EXPECT_EQ(t.Zeile(r), r <= 7 ? S(erwartet[r]) : S(" %1|0x|0x|0x|0x|0x|0x|0x").arg(r - 1));
    // The totals' bars are red, the positions' blue. Totals 0..8: 1.8 widths / 13 per
    // unit, bar (total + 5) units; positions 0..3: 0.9 widths / 6 per unit, (count + 3).
    EXPECT_TRUE(t.Balken(3, 1).farbe == Rot && t.Balken(3, 2).farbe == Blau);
    EXPECT_NEAR(t.Balken(1, 1).dx, 1.8 * Spalte, Genau);
    EXPECT_NEAR(t.Balken(8, 1).dx, 5 * 1.8 / 13 * Spalte, Genau);
    EXPECT_NEAR(t.Balken(1, 7).dx, 0.9 * Spalte, Genau);
    EXPECT_NEAR(t.Balken(10, 2).dx, 3 * 0.15 * Spalte, Genau);
}
