#pragma once

#include "Modul1.h"

#include <QString>
#include <optional>

// The history of one number over the archive: totals, the last round that
// held it, and one row of marks per year, the newest year first.
// Every line of the result ends in CR LF.
QString Zahlenstatistik(const Modul1 &m, int zahl, bool mitZZ);

// Every number's deviation from its expected count over the whole archive,
// with its marks over the newest 100 draws. Every line ends in CR LF.
QString Verteilung(const Modul1 &m, bool mitZZ);

// The number typed for Zahlenstatistik: a whole number 1..45 read from the
// start of the text, or nothing when the text does not give one.
std::optional<int> GewaehlteZahl(const QString &text);
