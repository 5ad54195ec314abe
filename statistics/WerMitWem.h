#pragma once

#include "Modul1.h"

#include <QString>

// How often each two numbers were drawn together, as a lower triangle: row r
// holds the counts of r with every smaller number. With mitZZ the Zusatzzahl
// counts as a seventh number. Every line ends in CR LF.
QString WerMitWemNachZahl(const Modul1 &m, bool mitZZ);

// The same counts grouped by value, from 0 up to the highest count, each group
// listing its pairs ten to a line. Every line ends in CR LF.
QString WerMitWemNachWert(const Modul1 &m, bool mitZZ);
