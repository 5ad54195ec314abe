#include "JokerGrafik.h"
#include "StatistikTesthilfe.h"

// The 11 × 8 table as drawn, a text per cell, and the bar after each count: row 1..10 digit
// 0..9, column 1 the total, columns 2..7 positions 1..6.
TEST(JokerGrafik, CountsPerDigitAndPositionFromTheFirstJokerDraw)
{
    // Counted: 123450, 234560 and a Joker-less draw as 000000, not the draw before. The
    // largest position count, 3, stands at position 6 only.
    RecordingSurface s = Flaeche();
    JokerGrafik(Archiv({"01020304050607", "01020304050607123450", "01020304050607234560",
                        "01020304050607"}),
                s);
    const QStringList texte = Texte(s);
    const QList<Aufruf> kaesten = s.Nur(Art::Box); // a shadow, then a bar
    ASSERT_TRUE(texte.size() == 88 && kaesten.size() == 2 * 70);
    const char *erwartet[] = {"Zahl|gezogen|Pos.1|Pos.2|Pos.3|Pos.4|Pos.5|Pos.6",
                              " 0|8x|1x|1x|1x|1x|1x|3x",
                              " 1|1x|1x|0x|0x|0x|0x|0x",
                              " 2|2x|1x|1x|0x|0x|0x|0x",
                              " 3|2x|0x|1x|1x|0x|0x|0x",
                              " 4|2x|0x|0x|1x|1x|0x|0x",
                              " 5|2x|0x|0x|0x|1x|1x|0x",
                              " 6|1x|0x|0x|0x|0x|1x|0x"};
    for (int r = 0; r <= 10; ++r)
        EXPECT_EQ(texte.mid(8 * r, 8).join(QLatin1Char('|')),
                  r <= 7 ? S(erwartet[r]) : S(" %1|0x|0x|0x|0x|0x|0x|0x").arg(r - 1));
    // The totals' bars are red, the positions' blue. Totals 0..8: 1.8 widths / 13 per
    // unit, bar (total + 5) units; positions 0..3: 0.9 widths / 6 per unit, (count + 3).
    const double spalte = Breite * 0.97 / 9;
    const auto balken = [&](int r, int c) { return kaesten[2 * ((r - 1) * 7 + c - 1) + 1]; };
    EXPECT_TRUE(balken(3, 1).farbe == Rot && balken(3, 2).farbe == Blau);
    EXPECT_NEAR(balken(1, 1).dx, 1.8 * spalte, Genau);
    EXPECT_NEAR(balken(8, 1).dx, 5 * 1.8 / 13 * spalte, Genau);
    EXPECT_NEAR(balken(1, 7).dx, 0.9 * spalte, Genau);
    EXPECT_NEAR(balken(10, 2).dx, 3 * 0.15 * spalte, Genau);
}
