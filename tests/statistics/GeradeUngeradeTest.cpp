#include "GeradeUngerade.h"
#include "GrafikTesthilfe.h"

#include <gtest/gtest.h>

using namespace grafik_test;

namespace {

struct Klasse {
    Aufruf beschriftung, anzahl, schatten, balken;
};

// An even/odd chart as drawn: axis, two heads, the class rows, the totals line.
struct Bild {
    Aufruf achse;
    QList<Klasse> klassen;
    Aufruf gesamt;
};

Bild Lesen(const RecordingSurface &s)
{
    Bild bild;
    const QList<Aufruf> a = s.SeitCls();
    if (a.size() < 4 || (a.size() - 4) % 4 != 0) {
        ADD_FAILURE() << "unexpected number of calls: " << a.size();
        return bild;
    }
    bild.achse = a[0];
    EXPECT_EQ(a[1].text, QStringLiteral("xG xU"));
    EXPECT_EQ(a[2].text, QStringLiteral("Wert"));
    for (int k = 3; k + 4 < a.size(); k += 4)
        bild.klassen << Klasse{a[k], a[k + 1], a[k + 2], a[k + 3]};
    bild.gesamt = a.last();
    return bild;
}

QStringList Beschriftungen(const Bild &bild)
{
    QStringList texte;
    for (const Klasse &k : bild.klassen)
        texte << k.beschriftung.text;
    return texte;
}

QStringList Anzahlen(const Bild &bild)
{
    QStringList texte;
    for (const Klasse &k : bild.klassen)
        texte << k.anzahl.text;
    return texte;
}

constexpr double Genau = 1e-6;

QStringList Texte(std::initializer_list<const char *> texte)
{
    QStringList liste;
    for (const char *t : texte)
        liste << QString::fromUtf8(t);
    return liste;
}

} // namespace

TEST(GeradeUngerade, SixValuesGiveSevenRowsAxisAndTotals)
{
    Modul1 m;
    Anhaengen(m, Ziehung({2, 4, 5, 7, 9, 11}, 13));
    RecordingSurface s = Flaeche();
    GeradeUngeradeGrafik(m, false, s);
    const Bild bild = Lesen(s);

    EXPECT_EQ(Beschriftungen(bild),
              Texte({"0G 6U", "1G 5U", "2G 4U", "3G 3U", "4G 2U", "5G 1U", "6G 0U"}));
    EXPECT_EQ(Anzahlen(bild), Texte({"0", "0", "1", "0", "0", "0", "0"}));
    EXPECT_EQ(bild.gesamt.text, QStringLiteral("Gesamt: 2 gerade (33,3%), 4 ungerade"));

    const double spalte = s.TextWidth(QStringLiteral("9G 9U 999999"));
    const double zeile = 2.5 * s.TextHeight(QStringLiteral("0"));
    EXPECT_EQ(bild.achse.art, Art::Line);
    EXPECT_NEAR(bild.achse.x, 1.2 * spalte, Genau);
    EXPECT_EQ(bild.achse.y, 0);
    EXPECT_EQ(bild.achse.dx, 0);
    EXPECT_NEAR(bild.achse.dy, 8 * zeile, Genau);
    EXPECT_EQ(bild.achse.farbe, QColor(128, 128, 128));
    EXPECT_EQ(bild.gesamt.x, 50);
    EXPECT_NEAR(bild.gesamt.y, 9 * zeile, Genau);

    ASSERT_EQ(bild.klassen.size(), 7);
    for (int k = 0; k <= 6; ++k) {
        SCOPED_TRACE(k);
        const Klasse &c = bild.klassen[k];
        const double y = 50 + zeile * (k + 1);
        EXPECT_EQ(c.beschriftung.x, 50);
        EXPECT_NEAR(c.beschriftung.y, y, Genau);
        EXPECT_NEAR(c.anzahl.x, spalte - s.TextWidth(c.anzahl.text), Genau);
        EXPECT_NEAR(c.anzahl.y, y, Genau);
        EXPECT_NEAR(c.balken.x, 1.2 * spalte, Genau);
        EXPECT_NEAR(c.balken.y, y, Genau);
        EXPECT_NEAR(c.balken.dy, 0.5 * zeile, Genau);
        EXPECT_EQ(c.balken.farbe, QColor(0, 0, 255));
        EXPECT_NEAR(c.schatten.x, 1.2 * spalte, Genau);
        EXPECT_NEAR(c.schatten.y, y - 25, Genau);
        EXPECT_NEAR(c.schatten.dy, 0.5 * zeile, Genau);
        EXPECT_EQ(c.schatten.farbe, QColor(128, 128, 128));
        EXPECT_NEAR(c.schatten.dx, c.balken.dx - 25, Genau);
    }
    // The only draw's class has the longest bar, ending 300 twips before the edge.
    EXPECT_NEAR(bild.klassen[2].balken.x + bild.klassen[2].balken.dx, Breite - 300, Genau);
    EXPECT_EQ(bild.klassen[0].balken.dx, 0);
    EXPECT_EQ(bild.klassen[0].schatten.dx, -25);
}

TEST(GeradeUngerade, ZusatzzahlGivesEightRows)
{
    Modul1 m;
    Anhaengen(m, Ziehung({2, 4, 5, 7, 9, 11}, 13));
    RecordingSurface s = Flaeche();
    GeradeUngeradeGrafik(m, true, s);
    const Bild bild = Lesen(s);

    EXPECT_EQ(Beschriftungen(bild),
              Texte({"0G 7U", "1G 6U", "2G 5U", "3G 4U", "4G 3U", "5G 2U", "6G 1U", "7G 0U"}));
    EXPECT_EQ(Anzahlen(bild), Texte({"0", "0", "1", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(bild.gesamt.text, QStringLiteral("Gesamt: 2 gerade (28,6%), 5 ungerade"));
    const double zeile = 2.5 * s.TextHeight(QStringLiteral("0"));
    EXPECT_NEAR(bild.achse.dy, 9 * zeile, Genau);
    EXPECT_NEAR(bild.gesamt.y, 10 * zeile, Genau);
}

TEST(GeradeUngerade, ZusatzzahlMovesDrawToItsRow)
{
    Modul1 m;
    Anhaengen(m, Ziehung({1, 2, 3, 4, 5, 6}, 8));
    const struct {
        bool mitZZ;
        int klasse;
        const char *beschriftung;
    } faelle[] = {{false, 3, "3G 3U"}, {true, 4, "4G 3U"}};
    for (const auto &fall : faelle) {
        RecordingSurface s = Flaeche();
        GeradeUngeradeGrafik(m, fall.mitZZ, s);
        const Bild bild = Lesen(s);
        ASSERT_GT(bild.klassen.size(), fall.klasse);
        EXPECT_EQ(bild.klassen[fall.klasse].beschriftung.text, QLatin1String(fall.beschriftung));
        EXPECT_EQ(bild.klassen[fall.klasse].anzahl.text, QStringLiteral("1"));
    }
}

TEST(GeradeUngerade, FieldOutsideOneTo45CountsAsEvenZero)
{
    // 51 is no number, so counts as 0: one even value beside 3, 5, 7, 9, 11.
    Modul1 m;
    m.Ziehungen << Ziehungssatz(QStringLiteral("01.01.200000151030507091113      "));
    RecordingSurface s = Flaeche();
    GeradeUngeradeGrafik(m, false, s);
    EXPECT_EQ(Anzahlen(Lesen(s)), Texte({"0", "1", "0", "0", "0", "0", "0"}));
}

TEST(GeradeUngerade, JokerCountsFromFirstJokerDrawOn)
{
    Modul1 m;
    Anhaengen(m, JokerZiehung(QStringLiteral("      ")), 2); // before the first Joker
    Anhaengen(m, JokerZiehung(QStringLiteral("135791")));    // class 0
    Anhaengen(m, JokerZiehung(QStringLiteral("      ")));    // as 000000: class 6
    Anhaengen(m, JokerZiehung(QStringLiteral("000000")));    // class 6
    Anhaengen(m, JokerZiehung(QStringLiteral("246813")));    // class 4
    RecordingSurface s = Flaeche();
    JokerGeradeUngeradeGrafik(m, s);
    const Bild bild = Lesen(s);

    EXPECT_EQ(Beschriftungen(bild),
              Texte({"0G 6U", "1G 5U", "2G 4U", "3G 3U", "4G 2U", "5G 1U", "6G 0U"}));
    EXPECT_EQ(Anzahlen(bild), Texte({"1", "0", "0", "0", "1", "0", "2"}));
    EXPECT_EQ(bild.gesamt.text, QStringLiteral("Gesamt: 16 gerade (66,7%), 8 ungerade"));

    const double spalte = s.TextWidth(QStringLiteral("9G 9U 999999"));
    const double faktorX = (Breite - 1.2 * spalte - 300) / 2;
    ASSERT_EQ(bild.klassen.size(), 7);
    EXPECT_NEAR(bild.klassen[6].balken.dx, 2 * faktorX, Genau);
    EXPECT_NEAR(bild.klassen[0].balken.dx, faktorX, Genau);
}

TEST(GeradeUngerade, JokerChartIgnoresZusatzzahlAndNumbers)
{
    Modul1 m;
    Anhaengen(m, Ziehung({2, 4, 6, 8, 10, 12}, 14, QStringLiteral("111111")));
    RecordingSurface s = Flaeche();
    JokerGeradeUngeradeGrafik(m, s);
    EXPECT_EQ(Lesen(s).gesamt.text, QStringLiteral("Gesamt: 0 gerade (0,0%), 6 ungerade"));
}

TEST(GeradeUngerade, NoCountedDrawDrawsEmptyBarsAndZeroShare)
{
    Modul1 ohneJoker;
    Anhaengen(ohneJoker, JokerZiehung(QStringLiteral("      ")), 3);
    const Modul1 leer;
    RecordingSurface zahlen = Flaeche();
    GeradeUngeradeGrafik(leer, false, zahlen);
    RecordingSurface joker = Flaeche();
    JokerGeradeUngeradeGrafik(ohneJoker, joker);
    for (const RecordingSurface *s : {&zahlen, &joker}) {
        const Bild bild = Lesen(*s);
        EXPECT_EQ(bild.gesamt.text, QStringLiteral("Gesamt: 0 gerade (0,0%), 0 ungerade"));
        ASSERT_EQ(bild.klassen.size(), 7);
        for (const Klasse &k : bild.klassen) {
            EXPECT_EQ(k.anzahl.text, QStringLiteral("0"));
            EXPECT_EQ(k.balken.dx, 0);
            EXPECT_EQ(k.schatten.dx, -25);
        }
    }
}

TEST(GeradeUngerade, ShareOfExactlyHalfPrints50)
{
    Modul1 m;
    Anhaengen(m, Ziehung({1, 2, 3, 4, 5, 6}, 7));
    RecordingSurface s = Flaeche();
    GeradeUngeradeGrafik(m, false, s);
    EXPECT_EQ(Lesen(s).gesamt.text, QStringLiteral("Gesamt: 3 gerade (50,0%), 3 ungerade"));
}
