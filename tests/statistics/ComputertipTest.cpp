#include "Computertip.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// A draw whose number fields (six numbers and the Zusatzzahl) read `zahlen`.
Ziehungssatz Satz(const char *zahlen) {
    return Ziehungssatz(QStringLiteral("01.01.2000001") + QLatin1String(zahlen) +
                        QStringLiteral("      "));
}

Modul1 Archiv(const QList<const char *> &ziehungen, int wiederholt = 1) {
    Modul1 m;
    for (int w = 0; w < wiederholt; ++w) {
        for (const char *z : ziehungen)
            m.Ziehungen.append(Satz(z));
    }
    return m;
}

QStringList Zeilen(const QString &text) {
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    QStringList zeilen = text.split(QStringLiteral("\r\n"));
    zeilen.removeLast();
    return zeilen;
}

QString Text(const QStringList &zeilen) {
    return zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// Seven draws: 12 never drawn; 1 to 5 twice, the last time in the newest draw.
const QList<const char *> SiebenZiehungen = {
    "01020304050607", "08091011131415", "16171819202122", "23242526272829",
    "30313233343536", "37383940414243", "01020304444505",
};

} // namespace

TEST(Computertip, EmptyArchiveRanksNumbersInOrder) {
    EXPECT_EQ(Computertip(Modul1(), true, 43200),
              Text({
                  QStringLiteral("Nach dem Gesetz der Wahrscheinlichkeit:"),
                  QStringLiteral("  Tip 1: 45,44,43,42,41,40"),
                  QStringLiteral("  Tip 2: 39,38,37,36,35,34"),
                  QStringLiteral("  Tip 3: 33,32,31,30,29,28"),
                  QString(),
                  QStringLiteral("Nach dem Gesetz der Serie:"),
                  QStringLiteral("  Tip 1: 01,02,03,04,05,06"),
                  QStringLiteral("  Tip 2: 07,08,09,10,11,12"),
                  QStringLiteral("  Tip 3: 13,14,15,16,17,18"),
                  QString(),
                  QStringLiteral("Glückstip:"),
                  QStringLiteral("         03,14,20,30,38,42"),
              }));
}

// N = 7, expected count 49/45. Keys: 12 808.12; 6, 7 608.0n; the second draw
// 508.nn, down to the sixth 108.nn; 44, 45 8.nn; 1 to 5 (score -0.91) -91.0n.
TEST(Computertip, NeverDrawnNumberHeadsFirstTipWithZusatzzahl) {
    EXPECT_EQ(Computertip(Archiv(SiebenZiehungen), true, 1),
              Text({
                  QStringLiteral("Nach dem Gesetz der Wahrscheinlichkeit:"),
                  QStringLiteral("  Tip 1: 12,07,06,15,14,13"),
                  QStringLiteral("  Tip 2: 11,10,09,08,22,21"),
                  QStringLiteral("  Tip 3: 20,19,18,17,16,29"),
                  QString(),
                  QStringLiteral("Nach dem Gesetz der Serie:"),
                  QStringLiteral("  Tip 1: 05,04,03,02,01,44"),
                  QStringLiteral("  Tip 2: 45,37,38,39,40,41"),
                  QStringLiteral("  Tip 3: 42,43,30,31,32,33"),
                  QString(),
                  QStringLiteral("Glückstip:"),
                  QStringLiteral("         01,06,19,33,42,45"),
              }));
}

// Without the Zusatzzahl 7, 15, 22, 29, 36 and 43 join 12 as never drawn,
// and 5 counts only in the first draw; the expected count stays 49/45.
TEST(Computertip, WithoutZusatzzahlNeverDrawnComeHighestNumberFirst) {
    const QStringList zeilen = Zeilen(Computertip(Archiv(SiebenZiehungen), false, 1));
    ASSERT_EQ(zeilen.size(), 12);
    EXPECT_EQ(zeilen[1], QStringLiteral("  Tip 1: 43,36,29,22,15,12"));
    EXPECT_EQ(zeilen[2], QStringLiteral("  Tip 2: 07,06,05,14,13,11"));
    EXPECT_EQ(zeilen[3], QStringLiteral("  Tip 3: 10,09,08,21,20,19"));
    EXPECT_EQ(zeilen[6], QStringLiteral("  Tip 1: 04,03,02,01,44,45"));
    EXPECT_EQ(zeilen[7], QStringLiteral("  Tip 2: 37,38,39,40,41,42"));
    EXPECT_EQ(zeilen[8], QStringLiteral("  Tip 3: 30,31,32,33,34,35"));
}

// 32767 equal draws: scores of about -27670 and +37864, far beyond 16 bits
// once multiplied by 100, and N × 7 beyond 16 bits too.
TEST(Computertip, LargestArchiveKeepsNumbersAndOrder) {
    const QStringList zeilen =
        Zeilen(Computertip(Archiv({"01020304050607"}, Modul1::MaxZiehungen), true, 0));
    ASSERT_EQ(zeilen.size(), 12);
    EXPECT_EQ(zeilen[1], QStringLiteral("  Tip 1: 45,44,43,42,41,40"));
    EXPECT_EQ(zeilen[3], QStringLiteral("  Tip 3: 33,32,31,30,29,28"));
    EXPECT_EQ(zeilen[6], QStringLiteral("  Tip 1: 07,06,05,04,03,02"));
    EXPECT_EQ(zeilen[7], QStringLiteral("  Tip 2: 01,08,09,10,11,12"));
    EXPECT_EQ(zeilen[8], QStringLiteral("  Tip 3: 13,14,15,16,17,18"));
}

// 99 and 46 are no numbers: one draw counts only 1 to 5 (score -0.84, key
// -84.0n); every other number scores 1 + 7/45 (key 115.nn).
TEST(Computertip, FieldsWithoutNumberAreNotCounted) {
    const QStringList zeilen = Zeilen(Computertip(Archiv({"01020304059946"}), true, 0));
    ASSERT_EQ(zeilen.size(), 12);
    EXPECT_EQ(zeilen[1], QStringLiteral("  Tip 1: 45,44,43,42,41,40"));
    EXPECT_EQ(zeilen[6], QStringLiteral("  Tip 1: 05,04,03,02,01,06"));
    EXPECT_EQ(zeilen[7], QStringLiteral("  Tip 2: 07,08,09,10,11,12"));
}

struct Schluesselfall {
    double punktzahl;
    int zahl;
    double schluessel;
};

class SortierschluesselFall : public ::testing::TestWithParam<Schluesselfall> {};

TEST_P(SortierschluesselFall, TruncatesScoreToHundredthsAndAddsNumber) {
    const Schluesselfall f = GetParam();
    EXPECT_DOUBLE_EQ(Sortierschluessel(f.punktzahl, f.zahl), f.schluessel);
}

INSTANTIATE_TEST_SUITE_P(
    Computertip, SortierschluesselFall,
    ::testing::Values(Schluesselfall{2.345, 5, 234.05}, Schluesselfall{2.341, 9, 234.09},
                      Schluesselfall{-2.345, 5, -234.05}, Schluesselfall{-2.341, 9, -234.09},
                      Schluesselfall{-0.004, 7, -0.07}, Schluesselfall{0.004, 7, 0.07},
                      Schluesselfall{0.0, 45, 0.45}, Schluesselfall{-0.9111, 1, -91.01},
                      Schluesselfall{37864.0889, 12, 3786408.12}));

TEST(Computertip, KeysOrderEqualTruncatedScoresBySign) {
    // Ascending keys list the lowest-first order.
    EXPECT_LT(Sortierschluessel(2.345, 5), Sortierschluessel(2.341, 9));
    EXPECT_LT(Sortierschluessel(-2.341, 9), Sortierschluessel(-2.345, 5));
    EXPECT_LT(Sortierschluessel(-0.004, 1), Sortierschluessel(0.004, 45));
    EXPECT_LT(Sortierschluessel(-0.004, 45), Sortierschluessel(0.004, 1));
}

struct Glueckstipfall {
    quint32 seed;
    const char *zeile;
};

class GlueckstipFall : public ::testing::TestWithParam<Glueckstipfall> {};

// Expected tips from a separate implementation of the Mersenne Twister; seed 4
// draws 44 twice and must draw again.
TEST_P(GlueckstipFall, FixedSeedGivesItsTip) {
    const Glueckstipfall f = GetParam();
    EXPECT_EQ(Zeilen(Computertip(Modul1(), true, f.seed)).value(11), QLatin1String(f.zeile));
}

INSTANTIATE_TEST_SUITE_P(Computertip, GlueckstipFall,
                         ::testing::Values(Glueckstipfall{0, "         25,27,28,33,38,39"},
                                           Glueckstipfall{4, "         08,25,33,39,41,44"},
                                           Glueckstipfall{86399, "         04,09,11,27,32,41"}));

TEST(Computertip, LuckyTipHasSixDistinctAscendingNumbers) {
    for (quint32 seed = 0; seed < 86400; seed += 97) {
        const QString zeile = Zeilen(Computertip(Modul1(), false, seed)).value(11);
        ASSERT_EQ(zeile.size(), 9 + 17) << seed;
        ASSERT_TRUE(zeile.startsWith(QString(9, QLatin1Char(' ')))) << seed;
        const QStringList zahlen = zeile.mid(9).split(QLatin1Char(','));
        ASSERT_EQ(zahlen.size(), 6) << seed;
        int vorige = 0;
        for (const QString &z : zahlen) {
            ASSERT_EQ(z.size(), 2) << seed;
            EXPECT_GT(z.toInt(), vorige) << seed;
            EXPECT_LE(z.toInt(), 45) << seed;
            vorige = z.toInt();
        }
    }
}
