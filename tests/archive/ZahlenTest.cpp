#include "Zahlen.h"
#include "Datum.h"
#include "Testhilfe.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <string>

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

// The C library's locale, set for one test and put back after it.
class InLocale : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override
    {
        if (!std::setlocale(LC_ALL, GetParam()))
            GTEST_SKIP() << "the locale " << GetParam() << " is not made on this machine";
    }
    void TearDown() override { std::setlocale(LC_ALL, m_vorher.c_str()); }

private:
    const std::string m_vorher = std::setlocale(LC_ALL, nullptr);
};

TEST_P(InLocale, NumbersAreWrittenAndReadByTheProgramsOwnRules)
{
    const char *muster[] = {"0.0", "#.0", "00", " 00", "000", "#,###"};
    struct Zeile {
        double wert;
        const char *texte; // one per pattern
    };
    for (const Zeile &z :
         {Zeile{48.949999999999996, "49,0|49,0|49| 49|049|49"}, Zeile{0.05, "0,1|,1|00| 00|000|"},
          Zeile{-0.04, "0,0|,0|00| 00|000|"}, Zeile{1000, "1000,0|1000,0|1000| 1000|1000|1.000"},
          Zeile{1234567, "1234567,0|1234567,0|1234567| 1234567|1234567|1.234.567"},
          Zeile{32767, "32767,0|32767,0|32767| 32767|32767|32.767"}}) {
        const QStringList texte = L(z.texte);
        for (int i = 0; i < texte.size(); ++i)
            EXPECT_EQ(Format(z.wert, S(muster[i])), texte[i]) << z.wert << " '" << muster[i] << "'";
    }
    EXPECT_EQ(RechtsBuendig(-2.5, 5) + RechtsBuendig(1234567.5, 10), S(" -2,5 1234567,5"));
    EXPECT_EQ(Val(S("2.5")), 2.5);
}

INSTANTIATE_TEST_SUITE_P(Zahlen, InLocale,
                         ::testing::Values("C", "C.UTF-8", "de_DE.UTF-8", "de_AT.UTF-8",
                                           "de_CH.UTF-8", "en_US.UTF-8", "fr_FR.UTF-8"),
                         [](const auto &info) {
                             std::string name = info.param;
                             name.erase(std::remove_if(name.begin(), name.end(),
                                                       [](char c) { return !std::isalnum(c); }),
                                        name.end());
                             return name;
                         });

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
