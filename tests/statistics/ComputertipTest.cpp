#include "Computertip.h"
#include "StatistikTesthilfe.h"

namespace {

// The text from its six tips and the lucky tip, separated by blanks.
QString Text(const char *tips)
{
    const QStringList t = S(tips).split(QLatin1Char(' '));
    return S("Nach dem Gesetz der Wahrscheinlichkeit:\r\n"
             "  Tip 1: %1\r\n  Tip 2: %2\r\n  Tip 3: %3\r\n\r\n"
             "Nach dem Gesetz der Serie:\r\n"
             "  Tip 1: %4\r\n  Tip 2: %5\r\n  Tip 3: %6\r\n\r\n"
             "Glückstip:\r\n         %7\r\n")
        .arg(t.value(0), t.value(1), t.value(2), t.value(3), t.value(4), t.value(5), t.value(6));
}

} // namespace

// Seven draws: 12 never drawn, 1 to 5 twice and in the newest draw (score -0.91); without the
// Zusatzzahl 7, 15, 22, 29, 36 and 43 join 12 as never drawn. 32767 draws: scores and N × 7
// beyond 16 bits. 99 and 46 are no numbers. Seed 4 draws 44 twice for the lucky tip.
TEST(Computertip, RanksByKeyWithAndWithoutZusatzzahl)
{
    const Modul1 sieben =
        Archiv({"01020304050607", "08091011131415", "16171819202122", "23242526272829",
                "30313233343536", "37383940414243", "01020304444505"});
    const struct {
        Modul1 m;
        bool mitZZ;
        quint32 seed;
        const char *tips;
    } faelle[] = {
        {Modul1(), true, 43200,
         "45,44,43,42,41,40 39,38,37,36,35,34 33,32,31,30,29,28 01,02,03,04,05,06 "
         "07,08,09,10,11,12 13,14,15,16,17,18 03,14,20,30,38,42"},
        {sieben, true, 1,
         "12,07,06,15,14,13 11,10,09,08,22,21 20,19,18,17,16,29 05,04,03,02,01,44 "
         "45,37,38,39,40,41 42,43,30,31,32,33 01,06,19,33,42,45"},
        {sieben, false, 1,
         "43,36,29,22,15,12 07,06,05,14,13,11 10,09,08,21,20,19 04,03,02,01,44,45 "
         "37,38,39,40,41,42 30,31,32,33,34,35 01,06,19,33,42,45"},
        {Archiv({"01020304050607"}, Modul1::MaxZiehungen), true, 0,
         "45,44,43,42,41,40 39,38,37,36,35,34 33,32,31,30,29,28 07,06,05,04,03,02 "
         "01,08,09,10,11,12 13,14,15,16,17,18 25,27,28,33,38,39"},
        {Archiv({"01020304059946"}), true, 4,
         "45,44,43,42,41,40 39,38,37,36,35,34 33,32,31,30,29,28 05,04,03,02,01,06 "
         "07,08,09,10,11,12 13,14,15,16,17,18 08,25,33,39,41,44"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(Computertip(f.m, f.mitZZ, f.seed), Text(f.tips)) << f.tips;
}

TEST(Computertip, KeyTruncatesScoreToHundredthsAndAddsTheNumber)
{
    const struct {
        double punktzahl;
        int zahl;
        double schluessel;
    } faelle[] = {{2.345, 5, 234.05}, {-2.345, 5, -234.05}, {-0.004, 7, -0.07}, {0.0, 45, 0.45}};
    for (const auto &f : faelle)
        EXPECT_DOUBLE_EQ(Sortierschluessel(f.punktzahl, f.zahl), f.schluessel) << f.punktzahl;
}
