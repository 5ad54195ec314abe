#include "Ziehungsanzeige.h"
#include "RecordingSurface.h"
#include "Testhilfe.h"

namespace {

using Art = RecordingSurface::Art;
using Werte = std::vector<double>;

RecordingSurface Gezeichnet(const char *satz, int drawWidth = 1)
{
    RecordingSurface flaeche(1, 673, 329, QFont(S("Times New Roman"), 24));
    flaeche.SetDrawWidth(drawWidth);
    Ziehungsanzeige::Zeichnen(flaeche, Ziehungssatz(S(satz)));
    return flaeche;
}

// Numbers 06 12 42 in column 6 and 43 44 45 in row 8, Zusatzzahl 18, Joker 907001.
const char *const MitJoker = "07.01.200100206124243444518907001";

TEST(Ziehungsanzeige, PrintsTheNumbersAndADrawnJokerAndMarksTheGridWithLineWidthTwo)
{
    const auto gedruckt = [](const RecordingSurface &flaeche) {
        QString ziffern;
        for (const auto &text : flaeche.Nur(Art::Print))
            ziffern += text.text.trimmed();
        return ziffern;
    };
    EXPECT_EQ(gedruckt(Gezeichnet("07.01.200100206124243444518      ")), S("6124243444518"));
    const auto flaeche = Gezeichnet(MitJoker, 3);
    EXPECT_EQ(gedruckt(flaeche), S("6124243444518907001"));
    Werte gezeichnet; // x, y, dx (the radius of a circle), dy, line width
    for (const auto &a : flaeche.aufrufe)
        if (a.art == Art::Line || a.art == Art::Circle)
            gezeichnet.insert(gezeichnet.end(), {a.x, a.y, a.dx, a.dy, double(a.drawWidth)});
    // Top-left corners of the cells of 6, 12, 42 (column 6) and 43, 44, 45 (row 8).
    const double ecken[][2] = {{635, 55},  {635, 81},  {635, 211},
                               {505, 237}, {531, 237}, {557, 237}};
    Werte erwartet;
    for (const auto &e : ecken)
        erwartet.insert(erwartet.end(),
                        {e[0], e[1], 20.8, 20.8, 2, e[0], e[1] + 20.8, 20.8, -20.8, 2});
    // The Zusatzzahl 18 is row 3, column 6: its cell's corner is (635, 107).
    erwartet.insert(erwartet.end(), {645.4, 117.4, 12.48, 0, 2});
    EXPECT_THAT(gezeichnet, Pointwise(DoubleNear(1e-9), erwartet));
    EXPECT_EQ(flaeche.DrawWidth(), 3) << "the line width is restored";
}

} // namespace
