#pragma once

#include <QPointF>
#include <QRect>

// Geometry of the main window's display, in pixels of its picture box: the
// face is drawn on it and the draw is printed on it.
namespace Geometrie {

constexpr int BildBreite = 673;
constexpr int BildHoehe = 329;

// Balls: the cell of the first ball, the pitch, the Zusatzzahl's position and
// the diameter of a blank ball.
constexpr double KugelX = 73;
constexpr double KugelY = 48;
constexpr double KugelRaster = 55;
constexpr double ZusatzzahlPosition = 6.5;
constexpr double KugelDurchmesser = 48;

// Centre of the ball at position p of row 0 (numbers) or row 1 (Joker).
constexpr QPointF KugelMitte(double p, int reihe)
{
    return {KugelX + KugelRaster * p + KugelRaster / 2,
            KugelY + KugelRaster * reihe + KugelRaster / 2};
}

// Ticket grid: top-left of the box of number 1, the pitch, six to a row, and
// the side of a box's outline.
constexpr double GitterX = 505;
constexpr double GitterY = 55;
constexpr double GitterRaster = 26;
constexpr int GitterSpalten = 6;
constexpr int GitterFeldSeite = 19;

// Top-left of the box of number n (1..45).
constexpr QPointF GitterFeld(int n)
{
    const int reihe = (n - 1) / GitterSpalten;
    const int spalte = n - 1 - GitterSpalten * reihe;
    return {GitterX + GitterRaster * spalte, GitterY + GitterRaster * reihe};
}

// Sunken panels and the grid's red frame.
constexpr QRect KugelPanel(72, 47, 487 - 72 + 1, 160 - 47 + 1);
constexpr QRect GewinnPanel(72, 178, 487 - 72 + 1, 266 - 178 + 1);
constexpr QRect GitterRahmen(500, 47, 658 - 500 + 1, 265 - 47 + 1);

} // namespace Geometrie
