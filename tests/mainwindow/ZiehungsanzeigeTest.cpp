#include "Ziehungsanzeige.h"
#include "RecordingSurface.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using Art = RecordingSurface::Art;
using ::testing::DoubleNear;
using ::testing::Pointwise;
using Werte = std::vector<double>;

RecordingSurface Gezeichnet(const char *satz, int drawWidth = 1)
{
    RecordingSurface flaeche(1, 673, 329, QFont(QStringLiteral("Times New Roman"), 24));
    flaeche.SetDrawWidth(drawWidth);
    Ziehungsanzeige::Zeichnen(flaeche, Ziehungssatz(QString::fromLatin1(satz)));
    return flaeche;
}

// Numbers 06 12 42 in column 6 and 43 44 45 in row 8, Zusatzzahl 18, Joker 907001.
const char *const MitJoker = "07.01.200100206124243444518907001";

TEST(Ziehungsanzeige, CrossesAndCircleMarkTheGridWithLineWidthTwo)
{
    const auto flaeche = Gezeichnet(MitJoker, 3);
    Werte linien, breiten;
    for (const auto &linie : flaeche.Nur(Art::Line)) {
        linien.insert(linien.end(), {linie.x, linie.y, linie.dx, linie.dy});
        breiten.push_back(linie.drawWidth);
    }
    // Top-left corners of 6, 12, 42 (column 6) and 43, 44, 45 (row 8).
    const double ecken[] = {635, 55, 635, 81, 635, 211, 505, 237, 531, 237, 557, 237};
    Werte erwartet;
    for (int i = 0; i < 12; i += 2)
        erwartet.insert(erwartet.end(), {ecken[i], ecken[i + 1], 20.8, 20.8, ecken[i],
                                         ecken[i + 1] + 20.8, 20.8, -20.8});
    EXPECT_THAT(linien, Pointwise(DoubleNear(1e-9), erwartet));
    EXPECT_EQ(breiten, Werte(12, 2));

    const auto kreise = flaeche.Nur(Art::Circle);
    ASSERT_EQ(kreise.size(), 1);
    // 18 is row 3, column 6: corner (635, 107).
    EXPECT_THAT((Werte{kreise[0].x, kreise[0].y, kreise[0].dx, double(kreise[0].drawWidth)}),
                Pointwise(DoubleNear(1e-9), Werte{645.4, 117.4, 12.48, 2}));
    EXPECT_EQ(flaeche.DrawWidth(), 3) << "the line width is restored";
}

TEST(Ziehungsanzeige, NumbersAndJokerDigitsArePrintedCentredOnTheBalls)
{
    const auto flaeche = Gezeichnet(MitJoker);
    const auto texte = flaeche.Nur(Art::Print);
    ASSERT_EQ(texte.size(), 13);
    const char *erwartet[] = {"6", "12", "42", "43", "44", "45", "18",
                              "9", "0",  "7",  "0",  "0",  "1"};
    const double mitteX[] = {100.5, 155.5, 210.5, 265.5, 320.5, 375.5, 458,
                             100.5, 155.5, 210.5, 265.5, 320.5, 375.5};
    for (int i = 0; i < 13; ++i) {
        const auto &text = texte.at(i);
        EXPECT_EQ(text.text, QString::fromLatin1(erwartet[i]));
        EXPECT_DOUBLE_EQ(text.x + flaeche.TextWidth(text.text) / 2, mitteX[i]) << i;
        EXPECT_DOUBLE_EQ(text.y + flaeche.TextHeight(text.text) / 2, i < 7 ? 75.5 : 130.5) << i;
    }
    const auto ohneJoker = Gezeichnet("07.01.200100206124243444518      ").Nur(Art::Print);
    ASSERT_EQ(ohneJoker.size(), 13);
    for (int i = 7; i < 13; ++i)
        EXPECT_EQ(ohneJoker.at(i).text, QStringLiteral(" "));
}

} // namespace
