#include "WerMitWem.h"
#include "ZahlenstatistikArchiv.h"

using namespace zahlenstatistik_test;

namespace {

// The count shown in row r, column c of the triangle.
QString Zelle(const QStringList &zeilen, int r, int c)
{
    return zeilen.at(r + 1).mid(3 * c, 3);
}

QString Zeile(int zahl, const QString &zellen)
{
    const QString nr = QStringLiteral("%1").arg(zahl, 2, 10, QLatin1Char('0'));
    return nr + QLatin1Char(':') + zellen.leftJustified(133) + QLatin1Char(':') + nr;
}

const QString Kopf =
    QStringLiteral("    01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 "
                   "21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 "
                   "41 42 43 44");
const QString Linie = QStringLiteral("    ") + QString(131, QLatin1Char('-'));

} // namespace

TEST(WerMitWemNachZahl, OneDrawMarksItsPairsInTheFramedTriangle)
{
    const Modul1 m = Archiv({"03111726334107"});
    for (bool zz : {true, false}) {
        const QList<int> gezogen =
            zz ? QList<int>{3, 7, 11, 17, 26, 33, 41} : QList<int>{3, 11, 17, 26, 33, 41};
        const QStringList zeilen = Zeilen(WerMitWemNachZahl(m, zz));
        ASSERT_EQ(zeilen.size(), 49);
        EXPECT_EQ(zeilen.mid(0, 2), (QStringList{Kopf, Linie}));
        EXPECT_EQ(zeilen.mid(47, 2), (QStringList{Linie, Kopf}));
        EXPECT_EQ(zeilen[2], Zeile(1, {}));
        EXPECT_EQ(zeilen[46], Zeile(45, QStringLiteral("  0").repeated(44)));
        int einsen = 0;
        for (int r = 2; r <= 45; ++r) {
            for (int c = 1; c < r; ++c) {
                const bool paar = gezogen.contains(r) && gezogen.contains(c);
                EXPECT_EQ(Zelle(zeilen, r, c), QLatin1String(paar ? "  1" : "  0"))
                    << "row " << r << " column " << c << " ZZ " << zz;
                einsen += paar;
            }
        }
        EXPECT_EQ(einsen, zz ? 21 : 15);
        EXPECT_EQ(zeilen[12], Zeile(11, QLatin1String(zz ? "  0  0  1  0  0  0  1  0  0  0"
                                                         : "  0  0  1  0  0  0  0  0  0  0")));
    }
}

TEST(WerMitWemNachZahl, CountOfFourDigitsShowsTildeAndLastTwo)
{
    const QStringList zeilen = Zeilen(WerMitWemNachZahl(Archiv({"01020304050607"}, 1234), true));
    EXPECT_EQ(zeilen[3], Zeile(2, QStringLiteral("~34")));
    EXPECT_EQ(Zelle(zeilen, 7, 6), QStringLiteral("~34"));
    EXPECT_EQ(Zelle(zeilen, 8, 7), QStringLiteral("  0"));
}

TEST(WerMitWemNachWert, OneDrawGroups969And21Or975And15)
{
    const Modul1 m = Archiv({"01020304050607"});
    const QStringList mit = Zeilen(WerMitWemNachWert(m, true));
    ASSERT_EQ(mit.size(), 1 + 97 + 1 + 3);
    EXPECT_EQ(mit[0], QStringLiteral("0x (969 Kombinationen)"));
    EXPECT_EQ(mit[1],
              QStringLiteral("  01-08,01-09,01-10,01-11,01-12,01-13,01-14,01-15,01-16,01-17,"));
    for (int i = 1; i <= 96; ++i)
        EXPECT_TRUE(mit[i].size() == 62 && mit[i].endsWith(QLatin1Char(','))) << i;
    EXPECT_EQ(mit[97], QStringLiteral("  41-43,41-44,41-45,42-43,42-44,42-45,43-44,43-45,44-45"));
    EXPECT_EQ(
        mit.mid(98).join(QLatin1Char('|')),
        QStringLiteral("1x (21 Kombinationen)"
                       "|  01-02,01-03,01-04,01-05,01-06,01-07,02-03,02-04,02-05,02-06,"
                       "|  02-07,03-04,03-05,03-06,03-07,04-05,04-06,04-07,05-06,05-07,|  06-07"));

    const QStringList ohne = Zeilen(WerMitWemNachWert(m, false));
    ASSERT_EQ(ohne.size(), 1 + 98 + 1 + 2);
    EXPECT_EQ(ohne[0], QStringLiteral("0x (975 Kombinationen)"));
    EXPECT_EQ(ohne[1],
              QStringLiteral("  01-07,01-08,01-09,01-10,01-11,01-12,01-13,01-14,01-15,01-16,"));
    EXPECT_EQ(ohne.mid(98).join(QLatin1Char('|')),
              QStringLiteral("  42-44,42-45,43-44,43-45,44-45|1x (15 Kombinationen)"
                             "|  01-02,01-03,01-04,01-05,01-06,02-03,02-04,02-05,02-06,03-04,"
                             "|  03-05,03-06,04-05,04-06,05-06"));
}

TEST(WerMitWemNachWert, GroupOfTenPairsKeepsItsFinalCommaAndEmptyGroupItsHeading)
{
    // Without the Zusatzzahl the two draws share the ten pairs of 1..5.
    const QStringList zehn =
        Zeilen(WerMitWemNachWert(Archiv({"01020304050645", "01020304050744"}), false));
    ASSERT_EQ(zehn.size(), 1 + 97 + 2 + 2);
    EXPECT_TRUE(zehn[97].endsWith(QStringLiteral("44-45,")));
    EXPECT_EQ(zehn.mid(98).join(QLatin1Char('|')),
              QStringLiteral("1x (10 Kombinationen)"
                             "|  01-06,01-07,02-06,02-07,03-06,03-07,04-06,04-07,05-06,05-07,"
                             "|2x (10 Kombinationen)"
                             "|  01-02,01-03,01-04,01-05,02-03,02-04,02-05,03-04,03-05,04-05,"));

    const QStringList luecke = Zeilen(WerMitWemNachWert(Archiv({"01020304050607"}, 2), false));
    ASSERT_EQ(luecke.size(), 1 + 98 + 1 + 1 + 2);
    EXPECT_EQ(luecke[99], QStringLiteral("1x (0 Kombinationen)"));
    EXPECT_EQ(luecke[100], QStringLiteral("2x (15 Kombinationen)"));
}

TEST(WerMitWem, FieldsWithoutNumberFormNoPairs)
{
    // Counted pairs: 10 of 1..5, 15 of {1, 7..11}, 15 of {2, 12..16}; none twice.
    const Modul1 m = Archiv({"01020304059946", "01070809101100", "021213141516  "});
    const QStringList gruppen = Zeilen(WerMitWemNachWert(m, true));
    ASSERT_EQ(gruppen.size(), 1 + 95 + 1 + 4);
    EXPECT_EQ(gruppen[0], QStringLiteral("0x (950 Kombinationen)"));
    EXPECT_EQ(gruppen[96], QStringLiteral("1x (40 Kombinationen)"));
    const QStringList dreieck = Zeilen(WerMitWemNachZahl(m, true));
    EXPECT_EQ(Zelle(dreieck, 45, 1), QStringLiteral("  0"));
    EXPECT_EQ(Zelle(dreieck, 11, 1), QStringLiteral("  1"));
}
