#include "Zahlen.h"
#include "Datum.h"
#include "Testhilfe.h"

TEST(RechtsBuendig, PadsOrCutsToTheWidth)
{
    EXPECT_EQ(RechtsBuendig(5, 3) + RechtsBuendig(123, 3) + RechtsBuendig(1234, 3), S("  5123~34"));
    EXPECT_EQ(RechtsBuendig(S("-2,5"), 6) + RechtsBuendig(-2.5, 6), S("  -2,5  -2,5"));
    EXPECT_EQ(RechtsBuendig(QString(), 2) + RechtsBuendig(7, 1) + RechtsBuendig(17, 1), S("  7~"));
}

TEST(Zahlen, ValReadsTheLeadingNumber)
{
    for (const QString &fall : L("45=45|07=7| 7=7|1 2=12|-3=-3|+4=4|2.5=2.5|2.5.1=2.5|12x=12|x12=0|"
                                 "=0|-=0|2,5=2|1-2=1"))
        EXPECT_DOUBLE_EQ(Val(fall.section(QLatin1Char('='), 0, 0)),
                         fall.section(QLatin1Char('='), 1).toDouble())
            << fall.toStdString();
}

TEST(Zahlen, FormatRoundsHalfAwayFromZeroWithGermanSeparators)
{
    struct F {
        double wert;
        const char *muster, *text;
    };
    for (const F &f :
         {F{7, "00", "07"}, F{7, " 00", " 07"}, F{5, "000", "005"}, F{2.5, "00", "03"},
          F{48.949999999999996, "0.0", "49,0"}, F{0.25, "0.0", "0,3"}, F{-0.25, "0.0", "-0,3"},
          F{-0.04, "0.0", "0,0"}, F{1e-20, "0.0", "0,0"}, F{9.96, "0.0", "10,0"},
          F{-0.04, "#.0", ",0"}, F{0.5, "#.0", ",5"}, F{12.34, "#.0", "12,3"},
          F{100, "#,###", "100"}, F{1000, "#,###", "1.000"}, F{1234567, "#,###", "1.234.567"}})
        EXPECT_EQ(Format(f.wert, S(f.muster)), S(f.text)) << f.wert << ' ' << f.muster;
}

TEST(Datum, AcceptsTheGermanFormsOfARealDate)
{
    for (const QString &fall :
         L("5.3.2000=2000|05.03.2000=2000|5.3.29=2029|5.3.30=1930|5.3.00=2000"))
        EXPECT_EQ(Datum::Lesen(fall.section(QLatin1Char('='), 0, 0)),
                  QDate(fall.section(QLatin1Char('='), 1).toInt(), 3, 5))
            << fall.toStdString();
    for (const char *falsch : {"31.2.2000", "5.3.200", "5.3", "2000-03-05", "a.b.cdef", "5.3.2000 ",
                               "5.3.2000\n", "005.3.2000", "29.2.2001"})
        EXPECT_FALSE(Datum::Lesen(S(falsch))) << falsch;
    EXPECT_EQ(Datum::Text(QDate(2000, 3, 5)), S("05.03.2000"));
}
