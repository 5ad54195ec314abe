#pragma once

#include <QFont>

// "MS Sans Serif" 8.25 points, the font of every window that sets no other.
QFont SansSerif(bool fett = false);

// Maps the font names of older installations to fonts this system has and
// makes SansSerif the default font of every window of the program; once, at start-up.
void SchriftenEinrichten();
