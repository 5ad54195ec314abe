#pragma once

#include "Modul1.h"
#include "Surface.h"

#include <array>

// How often each Joker digit 0..9 was drawn: column 0 over all six positions,
// columns 1..6 at each position, counted over the draws from the first draw
// with a Joker on (a draw without one in that range counts as 000000).
using JokerTreffer = std::array<std::array<int, 7>, 10>;

JokerTreffer JokerZaehlen(const Modul1 &m);

// The table of 11 rows by 8 columns with a bar under every count, in twips.
void JokerGrafik(const Modul1 &m, Surface &s);

// The drawing half, from counts already made: clears the surface and draws.
void JokerZeichnen(const JokerTreffer &treffer, Surface &s);
