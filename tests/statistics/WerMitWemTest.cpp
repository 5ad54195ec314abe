#include "WerMitWem.h"
#include "StatistikTesthilfe.h"

namespace {

QString Zeile(int zahl, const QString &zellen)
{
    const QString nr = S("%1").arg(zahl, 2, 10, QLatin1Char('0'));
    return nr + QLatin1Char(':') + zellen.leftJustified(133) + QLatin1Char(':') + nr;
}

} // namespace

// One draw, with and without the Zusatzzahl; 1234 times, a pair's count shows as "~34".
TEST(WerMitWemNachZahl, DrawnPairsShowTheirCountInTheFramedTriangle)
{
    const QString kopf = S("    01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 "
                           "18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 "
                           "36 37 38 39 40 41 42 43 44");
    const QString linie = S("    ") + QString(131, QLatin1Char('-'));
    for (const auto &[mal, zz, paar] :
         {std::tuple{1, true, "  1"}, {1, false, "  1"}, {1234, false, "~34"}}) {
        const QList<int> gezogen{3, 11, 17, 26, 33, 41, zz ? 7 : 3};
        const QStringList zeilen = Zeilen(WerMitWemNachZahl(Archiv({"03111726334107"}, mal), zz));
        ASSERT_EQ(zeilen.size(), 49);
        EXPECT_EQ(zeilen.mid(0, 2) + zeilen.mid(47), (QStringList{kopf, linie, linie, kopf}));
        EXPECT_EQ(zeilen[2], Zeile(1, {}));
        for (int r = 2; r <= 45; ++r)
            for (int c = 1; c < r; ++c)
                EXPECT_EQ(zeilen.value(r + 1).mid(3 * c, 3), // row r, column c
                          QLatin1String(gezogen.contains(r) && gezogen.contains(c) ? paar : "  0"))
                    << "row " << r << " column " << c << " ZZ " << zz << " draws " << mal;
    }
}

// One draw with and without the Zusatzzahl; two draws sharing ten pairs, so that a group
// has ten and keeps its final comma; a value no pair has.
TEST(WerMitWemNachWert, GroupsByValueTenPairsALine)
{
    const Modul1 eine = Archiv({"01020304050607"}),
                 zehn = Archiv({"01020304050645", "01020304050744"}),
                 zwei = Archiv({"01020304050607"}, 2);
    const struct {
        const Modul1 &m;
        bool mitZZ;
        int ab, anzahl; // lines; -1: to the end
        const char *zeilen;
    } faelle[] = {
        {eine, true, 0, 2,
         "0x (969 Kombinationen)|  01-08,01-09,01-10,01-11,01-12,01-13,01-14,01-15,01-16,01-17,"},
        {eine, true, 97, -1,
         "  41-43,41-44,41-45,42-43,42-44,42-45,43-44,43-45,44-45|1x (21 Kombinationen)"
         "|  01-02,01-03,01-04,01-05,01-06,01-07,02-03,02-04,02-05,02-06,"
         "|  02-07,03-04,03-05,03-06,03-07,04-05,04-06,04-07,05-06,05-07,|  06-07"},
        {eine, false, 98, -1,
         "  42-44,42-45,43-44,43-45,44-45|1x (15 Kombinationen)"
         "|  01-02,01-03,01-04,01-05,01-06,02-03,02-04,02-05,02-06,03-04,"
         "|  03-05,03-06,04-05,04-06,05-06"},
        {zehn, false, 97, -1,
         "  41-42,41-43,41-44,41-45,42-43,42-44,42-45,43-44,43-45,44-45,|1x (10 Kombinationen)"
         "|  01-06,01-07,02-06,02-07,03-06,03-07,04-06,04-07,05-06,05-07,|2x (10 Kombinationen)"
         "|  01-02,01-03,01-04,01-05,02-03,02-04,02-05,03-04,03-05,04-05,"},
        {zwei, false, 99, 2, "1x (0 Kombinationen)|2x (15 Kombinationen)"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(
            Zeilen(WerMitWemNachWert(f.m, f.mitZZ)).mid(f.ab, f.anzahl).join(QLatin1Char('|')),
            QLatin1String(f.zeilen));
}
