#include "Zahlen.h"
#include "Datum.h"

#include <gtest/gtest.h>

namespace {

TEST(RechtsBuendig, PadsOrCutsToTheWidth)
{
    EXPECT_EQ(RechtsBuendig(5, 3), QStringLiteral("  5"));
    EXPECT_EQ(RechtsBuendig(123, 3), QStringLiteral("123"));
    EXPECT_EQ(RechtsBuendig(1234, 3), QStringLiteral("~34"));
    EXPECT_EQ(RechtsBuendig(QStringLiteral("-2,5"), 6), QStringLiteral("  -2,5"));
    EXPECT_EQ(RechtsBuendig(-2.5, 6), QStringLiteral("  -2,5"));
    EXPECT_EQ(RechtsBuendig(QString(), 2), QStringLiteral("  "));
    EXPECT_EQ(RechtsBuendig(7, 1), QStringLiteral("7"));
    EXPECT_EQ(RechtsBuendig(17, 1), QStringLiteral("~"));
}

struct ValFall {
    const char *text;
    double wert;
};

class ValTabelle : public ::testing::TestWithParam<ValFall> {};

TEST_P(ValTabelle, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(Val(QString::fromUtf8(GetParam().text)), GetParam().wert);
}

INSTANTIATE_TEST_SUITE_P(Zahlen, ValTabelle,
                         ::testing::Values(ValFall{"45", 45}, ValFall{"07", 7}, ValFall{" 7", 7},
                                           ValFall{"1 2", 12}, ValFall{"-3", -3}, ValFall{"+4", 4},
                                           ValFall{"2.5", 2.5}, ValFall{"2.5.1", 2.5},
                                           ValFall{"12x", 12}, ValFall{"x12", 0}, ValFall{"", 0},
                                           ValFall{"-", 0}, ValFall{"2,5", 2}, ValFall{"1-2", 1}));

struct FormatFall {
    double wert;
    const char *muster;
    const char *text;
};

class FormatTabelle : public ::testing::TestWithParam<FormatFall> {};

TEST_P(FormatTabelle, FormatsWithGermanSeparators)
{
    EXPECT_EQ(Format(GetParam().wert, QString::fromLatin1(GetParam().muster)),
              QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Zahlen, FormatTabelle,
    ::testing::Values(FormatFall{7, "00", "07"}, FormatFall{45, "00", "45"},
                      FormatFall{7, " 00", " 07"}, FormatFall{5, "000", "005"},
                      FormatFall{48.949999999999996, "0.0", "49,0"}, FormatFall{0.25, "0.0", "0,3"},
                      FormatFall{-0.25, "0.0", "-0,3"}, FormatFall{-0.04, "0.0", "0,0"},
                      FormatFall{-0.04, "#.0", ",0"}, FormatFall{0.5, "#.0", ",5"},
                      FormatFall{12.34, "#.0", "12,3"}, FormatFall{9.96, "0.0", "10,0"},
                      FormatFall{100, "#,###", "100"}, FormatFall{1000, "#,###", "1.000"},
                      FormatFall{100000, "#,###", "100.000"},
                      FormatFall{1234567, "#,###", "1.234.567"}, FormatFall{2.5, "00", "03"},
                      FormatFall{1e-20, "0.0", "0,0"}));

TEST(Datum, AcceptsTheGermanFormsOfARealDate)
{
    EXPECT_EQ(Datum::Lesen(QStringLiteral("5.3.2000")), QDate(2000, 3, 5));
    EXPECT_EQ(Datum::Lesen(QStringLiteral("05.03.2000")), QDate(2000, 3, 5));
    EXPECT_EQ(Datum::Lesen(QStringLiteral("5.3.29")), QDate(2029, 3, 5));
    EXPECT_EQ(Datum::Lesen(QStringLiteral("5.3.30")), QDate(1930, 3, 5));
    EXPECT_EQ(Datum::Lesen(QStringLiteral("5.3.00")), QDate(2000, 3, 5));
    for (const char *falsch : {"31.2.2000", "5.3.200", "5.3", "2000-03-05", "a.b.cdef", "5.3.2000 ",
                               "5.3.2000\n", "005.3.2000", "29.2.2001"})
        EXPECT_FALSE(Datum::Lesen(QString::fromLatin1(falsch))) << falsch;
    EXPECT_EQ(Datum::Text(QDate(2000, 3, 5)), QStringLiteral("05.03.2000"));
}

TEST(Datum, NextDrawFollowsSundayByThreeDaysAndOtherDaysByFour)
{
    EXPECT_EQ(Datum::NaechsterZiehungstag(QDate(2026, 12, 6)), QDate(2026, 12, 9));
    EXPECT_EQ(Datum::NaechsterZiehungstag(QDate(2026, 12, 9)), QDate(2026, 12, 13));
    EXPECT_EQ(Datum::NaechsterZiehungstag(QDate(2026, 12, 12)), QDate(2026, 12, 16));
}

} // namespace
