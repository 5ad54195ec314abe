#pragma once

#include "Ziehungssatz.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// The check of the user's tips against one draw, and the fitting of tip names
// into the first result column. Widths come from a measure the caller gives,
// so the check runs without a window.
namespace Tipcheck {

// The width of a text in the unit of the limit.
using Textbreite = std::function<double(const QString &)>;

struct Ergebnis {
    // Tip names, the tips' numbers, the prize classes; each line ends in CR LF.
    std::array<QString, 3> GewinnSpalten;
    bool Gewonnen = false;
};

// The columns when no tip wins.
Ergebnis KeinGewinn();

// The name unchanged when it fits the limit; otherwise shortened until it
// and "..." stay below the limit, then "..." appended.
QString NamePassen(const QString &name, double grenze, const Textbreite &breite);

// The prize text of a Joker tip with `jTreffer` (2..6) matching end digits.
QString JokerGewinn(int jTreffer);

// Checks every tip line of iniZeilen (entries 1..n; entry 0 is not read)
// against the draw, in file order.
Ergebnis TipsPruefen(const Ziehungssatz &ziehung, const QStringList &iniZeilen, double grenze,
                     const Textbreite &breite);

} // namespace Tipcheck
