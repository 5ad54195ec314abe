#include "WerMitWem.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <random>

namespace {

// A draw whose number fields (six numbers and the Zusatzzahl) read `zahlen`.
Ziehungssatz Satz(const char *zahlen) {
    return Ziehungssatz(QStringLiteral("01.01.2000001") + QLatin1String(zahlen) +
                        QStringLiteral("123456"));
}

Modul1 Archiv(const QList<const char *> &ziehungen, int wiederholt = 1) {
    Modul1 m;
    for (int w = 0; w < wiederholt; ++w) {
        for (const char *z : ziehungen)
            m.Ziehungen.append(Satz(z));
    }
    return m;
}

// The lines of a text whose every line ends in CR LF.
QStringList Zeilen(const QString &text) {
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    QStringList zeilen = text.split(QStringLiteral("\r\n"));
    zeilen.removeLast();
    return zeilen;
}

// The count shown in row r, column c of the triangle.
QString Zelle(const QStringList &zeilen, int r, int c) {
    return zeilen.at(r + 1).mid(3 * c, 3);
}

const QString Kopf =
    QStringLiteral("    01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 "
                   "21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 "
                   "42 43 44");
const QString Linie = QStringLiteral("    ") + QString(131, QLatin1Char('-'));

} // namespace

TEST(WerMitWemNachZahl, EmptyArchiveGivesFrameAndZeroTriangle) {
    const QStringList zeilen = Zeilen(WerMitWemNachZahl(Modul1(), true));
    ASSERT_EQ(zeilen.size(), 49);
    EXPECT_EQ(zeilen[0], Kopf);
    EXPECT_EQ(zeilen[1], Linie);
    EXPECT_EQ(zeilen[2],
              QStringLiteral("01:") + QString(133, QLatin1Char(' ')) + QStringLiteral(":01"));
    EXPECT_EQ(zeilen[46],
              QStringLiteral("45:") + QStringLiteral("  0").repeated(44) + QStringLiteral(" :45"));
    EXPECT_EQ(zeilen[47], Linie);
    EXPECT_EQ(zeilen[48], Kopf);
    for (int i = 0; i < 49; ++i)
        EXPECT_EQ(zeilen[i].size(), i >= 2 && i <= 46 ? 139 : 135) << "line " << i + 1;
}

TEST(WerMitWemNachZahl, OneDrawMarksItsPairsUnderTheirColumns) {
    const Modul1 m = Archiv({"03111726334107"});
    const QList<int> mitZZ = {3, 7, 11, 17, 26, 33, 41};
    const QList<int> ohneZZ = {3, 11, 17, 26, 33, 41};
    for (bool zz : {true, false}) {
        const QList<int> &gezogen = zz ? mitZZ : ohneZZ;
        const QStringList zeilen = Zeilen(WerMitWemNachZahl(m, zz));
        ASSERT_EQ(zeilen.size(), 49);
        int einsen = 0;
        for (int r = 2; r <= 45; ++r) {
            for (int c = 1; c < r; ++c) {
                const bool paar = gezogen.contains(r) && gezogen.contains(c);
                EXPECT_EQ(Zelle(zeilen, r, c), paar ? QStringLiteral("  1") : QStringLiteral("  0"))
                    << "row " << r << " column " << c << (zz ? " with" : " without") << " ZZ";
                einsen += paar;
            }
        }
        EXPECT_EQ(einsen, zz ? 21 : 15);
    }
    const QStringList zeilen = Zeilen(WerMitWemNachZahl(m, true));
    EXPECT_EQ(zeilen[12], QStringLiteral("11:  0  0  1  0  0  0  1  0  0  0") +
                              QString(103, QLatin1Char(' ')) + QStringLiteral(":11"));
    EXPECT_EQ(Zeilen(WerMitWemNachZahl(m, false))[12],
              QStringLiteral("11:  0  0  1  0  0  0  0  0  0  0") + QString(103, QLatin1Char(' ')) +
                  QStringLiteral(":11"));
}

TEST(WerMitWemNachZahl, CountOfFourDigitsShowsTildeAndLastTwo) {
    const Modul1 m = Archiv({"01020304050607"}, 1234);
    const QStringList zeilen = Zeilen(WerMitWemNachZahl(m, true));
    EXPECT_EQ(zeilen[3],
              QStringLiteral("02:~34") + QString(130, QLatin1Char(' ')) + QStringLiteral(":02"));
    EXPECT_EQ(Zelle(zeilen, 7, 6), QStringLiteral("~34"));
    EXPECT_EQ(Zelle(zeilen, 8, 7), QStringLiteral("  0"));
}

TEST(WerMitWemNachWert, OneDrawWithZusatzzahlGroups969And21) {
    const QStringList zeilen = Zeilen(WerMitWemNachWert(Archiv({"01020304050607"}), true));
    ASSERT_EQ(zeilen.size(), 1 + 97 + 1 + 3);
    EXPECT_EQ(zeilen[0], QStringLiteral("0x (969 Kombinationen)"));
    EXPECT_EQ(zeilen[1],
              QStringLiteral("  01-08,01-09,01-10,01-11,01-12,01-13,01-14,01-15,01-16,01-17,"));
    for (int i = 1; i <= 96; ++i) {
        EXPECT_EQ(zeilen[i].size(), 62) << "line " << i + 1;
        EXPECT_TRUE(zeilen[i].endsWith(QLatin1Char(','))) << "line " << i + 1;
    }
    EXPECT_EQ(zeilen[97],
              QStringLiteral("  41-43,41-44,41-45,42-43,42-44,42-45,43-44,43-45,44-45"));
    EXPECT_EQ(zeilen[98], QStringLiteral("1x (21 Kombinationen)"));
    EXPECT_EQ(zeilen[99],
              QStringLiteral("  01-02,01-03,01-04,01-05,01-06,01-07,02-03,02-04,02-05,02-06,"));
    EXPECT_EQ(zeilen[100],
              QStringLiteral("  02-07,03-04,03-05,03-06,03-07,04-05,04-06,04-07,05-06,05-07,"));
    EXPECT_EQ(zeilen[101], QStringLiteral("  06-07"));
}

TEST(WerMitWemNachWert, OneDrawWithoutZusatzzahlGroups975And15) {
    const QStringList zeilen = Zeilen(WerMitWemNachWert(Archiv({"01020304050607"}), false));
    ASSERT_EQ(zeilen.size(), 1 + 98 + 1 + 2);
    EXPECT_EQ(zeilen[0], QStringLiteral("0x (975 Kombinationen)"));
    EXPECT_EQ(zeilen[1],
              QStringLiteral("  01-07,01-08,01-09,01-10,01-11,01-12,01-13,01-14,01-15,01-16,"));
    EXPECT_EQ(zeilen[98], QStringLiteral("  42-44,42-45,43-44,43-45,44-45"));
    EXPECT_EQ(zeilen[99], QStringLiteral("1x (15 Kombinationen)"));
    EXPECT_EQ(zeilen[100],
              QStringLiteral("  01-02,01-03,01-04,01-05,01-06,02-03,02-04,02-05,02-06,03-04,"));
    EXPECT_EQ(zeilen[101], QStringLiteral("  03-05,03-06,04-05,04-06,05-06"));
}

TEST(WerMitWemNachWert, GroupOfTenPairsKeepsItsFinalComma) {
    // Without the Zusatzzahl the two draws share the ten pairs of 1..5.
    const QStringList zeilen =
        Zeilen(WerMitWemNachWert(Archiv({"01020304050645", "01020304050744"}), false));
    ASSERT_EQ(zeilen.size(), 1 + 97 + 2 + 2);
    EXPECT_EQ(zeilen[0], QStringLiteral("0x (970 Kombinationen)"));
    EXPECT_TRUE(zeilen[97].endsWith(QStringLiteral("44-45,")));
    EXPECT_EQ(zeilen[98], QStringLiteral("1x (10 Kombinationen)"));
    EXPECT_EQ(zeilen[99],
              QStringLiteral("  01-06,01-07,02-06,02-07,03-06,03-07,04-06,04-07,05-06,05-07,"));
    EXPECT_EQ(zeilen[100], QStringLiteral("2x (10 Kombinationen)"));
    EXPECT_EQ(zeilen[101],
              QStringLiteral("  01-02,01-03,01-04,01-05,02-03,02-04,02-05,03-04,03-05,04-05,"));
}

TEST(WerMitWemNachWert, ValueThatNoPairHasShowsOnlyItsHeading) {
    const QStringList zeilen =
        Zeilen(WerMitWemNachWert(Archiv({"01020304050607", "01020304050607"}), false));
    ASSERT_EQ(zeilen.size(), 1 + 98 + 1 + 1 + 2);
    EXPECT_EQ(zeilen[99], QStringLiteral("1x (0 Kombinationen)"));
    EXPECT_EQ(zeilen[100], QStringLiteral("2x (15 Kombinationen)"));
}

TEST(WerMitWemNachWert, EmptyArchiveIsOneGroupOf990) {
    const QStringList zeilen = Zeilen(WerMitWemNachWert(Modul1(), true));
    ASSERT_EQ(zeilen.size(), 1 + 99);
    EXPECT_EQ(zeilen[0], QStringLiteral("0x (990 Kombinationen)"));
    EXPECT_EQ(zeilen[99],
              QStringLiteral("  41-42,41-43,41-44,41-45,42-43,42-44,42-45,43-44,43-45,44-45,"));
}

// Fields that hold no number of 1..45 pair with nothing, and their would-be
// pairs raise no heading beyond the highest count shown.
TEST(WerMitWemNachWert, FieldsWithoutNumberFormNoPairs) {
    const Modul1 m = Archiv({"01020304059946", "01070809101100", "021213141516  "});
    // Counted pairs: 10 of 1..5, 15 of {1, 7..11}, 15 of {2, 12..16}; none twice.
    const QStringList gruppen = Zeilen(WerMitWemNachWert(m, true));
    ASSERT_EQ(gruppen.size(), 1 + 95 + 1 + 4);
    EXPECT_EQ(gruppen[0], QStringLiteral("0x (950 Kombinationen)"));
    EXPECT_EQ(gruppen[96], QStringLiteral("1x (40 Kombinationen)"));
    EXPECT_EQ(gruppen[100],
              QStringLiteral("  12-13,12-14,12-15,12-16,13-14,13-15,13-16,14-15,14-16,15-16,"));

    const QStringList dreieck = Zeilen(WerMitWemNachZahl(m, true));
    EXPECT_EQ(Zelle(dreieck, 45, 1), QStringLiteral("  0"));
    EXPECT_EQ(Zelle(dreieck, 11, 1), QStringLiteral("  1"));
}

// Over a varied archive the grouped result lists every pair once, under the
// value that the triangle shows for it.
TEST(WerMitWem, GroupsAgreeWithTriangle) {
    Modul1 m;
    std::mt19937 zufall(7);
    for (int i = 0; i < 300; ++i) {
        QString zahlen;
        for (int j = 0; j < 7; ++j)
            zahlen += QStringLiteral("%1").arg(int(zufall() % 45) + 1, 2, 10, QLatin1Char('0'));
        m.Ziehungen.append(Satz(zahlen.toLatin1().constData()));
    }
    for (bool zz : {true, false}) {
        const QStringList dreieck = Zeilen(WerMitWemNachZahl(m, zz));
        int summe = 0;
        int gelistet = 0;
        int wert = -1;
        for (const QString &zeile : Zeilen(WerMitWemNachWert(m, zz))) {
            if (!zeile.startsWith(QLatin1Char(' '))) {
                EXPECT_EQ(zeile.section(QLatin1Char('x'), 0, 0).toInt(), wert + 1);
                wert = zeile.section(QLatin1Char('x'), 0, 0).toInt();
                summe += zeile.section(QLatin1Char('('), 1).section(QLatin1Char(' '), 0, 0).toInt();
                continue;
            }
            for (const QString &paar :
                 zeile.trimmed().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                const int a = paar.left(2).toInt();
                const int b = paar.mid(3, 2).toInt();
                EXPECT_EQ(Zelle(dreieck, b, a).trimmed().toInt(), wert) << qPrintable(paar);
                ++gelistet;
            }
        }
        EXPECT_EQ(summe, 990);
        EXPECT_EQ(gelistet, 990);
    }
}
