#pragma once

#include "Surface.h"

#include <QColor>
#include <QString>

// What every chart of the statistics window shares: the start with
// "bitte warten ...", labels, the bar with its grey shadow, grid lines, colours.
// All measures are in the surface's units (twips).
namespace Diagramm {

inline const QColor Blau = QColor(VbFarbe(0xFF0000));
inline const QColor Rot = QColor(VbFarbe(0xFF));
inline const QColor Schatten = QColor(VbFarbe(0x808080));
// Grid lines and axes: basic colour 8, the same mid grey.
inline const QColor Gitter = QColor(128, 128, 128);

// Shows "bitte warten ..." at (0, 0) and repaints, before the computing starts.
void Start(Surface &s);

// Prints the text with its top-left corner at (x, y).
void Text(Surface &s, double x, double y, const QString &text);
// Prints the text so that it ends at x.
void TextRechts(Surface &s, double x, double y, const QString &text);

// A bar from x0 with its top at `oben`, the signed length `laenge` and the
// height `hoehe`: a grey shadow box 25 higher and `kuerzung` shorter, then the
// bar box in its colour over it.
void Balken(Surface &s, double x0, double oben, double laenge, double hoehe, const QColor &farbe,
            double kuerzung = 25);

// A vertical line from (x, 0) down by `laenge`, in grid grey.
void Gitterlinie(Surface &s, double x, double laenge);

// Units per value so that `teiler` values fill `breite`; 0 for a divisor of 0,
// so that such a chart draws its bars with length 0.
double Massstab(double breite, double teiler);

// A share in percent with one decimal; no counted values give "0,0".
QString Anteil(double teil, double ganzes);

} // namespace Diagramm
