#include "Ziehungsanzeige.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

using Art = RecordingSurface::Art;

// Numbers 06 12 42 43 44 45 in column 6 and row 8, Zusatzzahl 18, Joker 907001.
const Ziehungssatz Ziehung(QStringLiteral("07.01.2001002061242434445189070") +
                           QStringLiteral("01"));

RecordingSurface Flaeche()
{
    return RecordingSurface(1, 673, 329, QFont(QStringLiteral("Times New Roman"), 24));
}

TEST(Ziehungsanzeige, CrossesMarkTheSixNumbersOnTheGrid)
{
    auto flaeche = Flaeche();
    Ziehungsanzeige::Zeichnen(flaeche, Ziehung);
    const auto linien = flaeche.Nur(Art::Line);
    ASSERT_EQ(linien.size(), 12);
    // Top-left corners of 6, 12, 42 (column 6) and 43, 44, 45 (row 8).
    const QList<QPointF> ecken{{635, 55},  {635, 81},  {635, 211},
                               {505, 237}, {531, 237}, {557, 237}};
    for (int i = 0; i < 6; ++i) {
        const auto &ab = linien.at(2 * i);
        const auto &auf = linien.at(2 * i + 1);
        EXPECT_DOUBLE_EQ(ab.x, ecken[i].x());
        EXPECT_DOUBLE_EQ(ab.y, ecken[i].y());
        EXPECT_DOUBLE_EQ(ab.dx, 20.8);
        EXPECT_DOUBLE_EQ(ab.dy, 20.8);
        EXPECT_DOUBLE_EQ(auf.x, ecken[i].x());
        EXPECT_DOUBLE_EQ(auf.y, ecken[i].y() + 20.8);
        EXPECT_DOUBLE_EQ(auf.dx, 20.8);
        EXPECT_DOUBLE_EQ(auf.dy, -20.8);
        for (const auto &linie : {ab, auf}) {
            EXPECT_EQ(linie.drawWidth, 2);
            EXPECT_EQ(linie.farbe, QColor(Qt::black));
        }
    }
}

TEST(Ziehungsanzeige, CircleMarksTheZusatzzahlAndLineWidthIsRestored)
{
    auto flaeche = Flaeche();
    flaeche.SetDrawWidth(3);
    Ziehungsanzeige::Zeichnen(flaeche, Ziehung);
    const auto kreise = flaeche.Nur(Art::Circle);
    ASSERT_EQ(kreise.size(), 1);
    // 18 is row 3, column 6: corner (635, 107).
    EXPECT_DOUBLE_EQ(kreise[0].x, 635 + 10.4);
    EXPECT_DOUBLE_EQ(kreise[0].y, 107 + 10.4);
    EXPECT_DOUBLE_EQ(kreise[0].dx, 12.48);
    EXPECT_EQ(kreise[0].drawWidth, 2);
    EXPECT_EQ(flaeche.DrawWidth(), 3);
}

TEST(Ziehungsanzeige, NumbersAndJokerDigitsArePrintedCentredOnTheBalls)
{
    auto flaeche = Flaeche();
    Ziehungsanzeige::Zeichnen(flaeche, Ziehung);
    const auto texte = flaeche.Nur(Art::Print);
    ASSERT_EQ(texte.size(), 13);
    const QStringList erwartet{QStringLiteral("6"),  QStringLiteral("12"), QStringLiteral("42"),
                               QStringLiteral("43"), QStringLiteral("44"), QStringLiteral("45"),
                               QStringLiteral("18"), QStringLiteral("9"),  QStringLiteral("0"),
                               QStringLiteral("7"),  QStringLiteral("0"),  QStringLiteral("0"),
                               QStringLiteral("1")};
    const QList<double> mitteX{100.5, 155.5, 210.5, 265.5, 320.5, 375.5, 458,
                               100.5, 155.5, 210.5, 265.5, 320.5, 375.5};
    for (int i = 0; i < 13; ++i) {
        const auto &text = texte.at(i);
        EXPECT_EQ(text.text, erwartet[i]);
        EXPECT_DOUBLE_EQ(text.x + flaeche.TextWidth(text.text) / 2, mitteX[i]) << i;
        EXPECT_DOUBLE_EQ(text.y + flaeche.TextHeight(text.text) / 2, i < 7 ? 75.5 : 130.5) << i;
    }
}

TEST(Ziehungsanzeige, DrawWithoutJokerPrintsOnlyBlanksInTheLowerRow)
{
    auto flaeche = Flaeche();
    Ziehungsanzeige::Zeichnen(flaeche, Ziehungssatz(QStringLiteral("07.01.2001002061242434445") +
                                                    QStringLiteral("18      ")));
    const auto texte = flaeche.Nur(Art::Print);
    ASSERT_EQ(texte.size(), 13);
    for (int i = 7; i < 13; ++i)
        EXPECT_EQ(texte.at(i).text, QStringLiteral(" "));
}

TEST(Ziehungsanzeige, LabelTexts)
{
    EXPECT_EQ(Ziehungsanzeige::NrText(1234), QStringLiteral("#1234"));
    EXPECT_EQ(Ziehungsanzeige::StatusText(Ziehung),
              QStringLiteral("Ziehung vom 07.01.2001, Runde 2001-002"));
}

} // namespace
