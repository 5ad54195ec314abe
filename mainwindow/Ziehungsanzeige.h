#pragma once

#include "Ziehungssatz.h"

#include <QString>

class Surface;

// The shown draw on the main window's display: the numbers on the balls, the
// Joker digits, and the marks on the ticket grid.
namespace Ziehungsanzeige {

constexpr double MarkenGroesse = 0.8 * 26;
constexpr double KreisRadius = 0.6 * MarkenGroesse;
constexpr int MarkenBreite = 2;

// Prints and draws the draw onto the cleared face; leaves the line width as
// it found it.
void Zeichnen(Surface &flaeche, const Ziehungssatz &ziehung);

// "#" and the index: the caption of LabelNr.
QString NrText(int aktZiehung);
// Date and round: the caption of LabelStatus.
QString StatusText(const Ziehungssatz &ziehung);
// LabelStatus with no draw stored.
QString KeineZiehungText();

} // namespace Ziehungsanzeige
