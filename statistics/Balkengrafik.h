#pragma once

#include "Modul1.h"
#include "Surface.h"

#include <array>

// The three 45-row bar charts of the numbers: one bar per number 1..45, sorted
// by number or by value (`nachWert`), drawn in twips on the statistics window's
// picture box. Each starts with "bitte warten ...", computes, clears and draws.
void AnzahlGezogenGrafik(const Modul1 &m, bool mitZZ, bool nachWert, Surface &s);
void VerhDurchschnittGrafik(const Modul1 &m, bool mitZZ, bool nachWert, Surface &s);
void ZuletztGezogenGrafik(const Modul1 &m, bool mitZZ, bool nachWert, Surface &s);

// One value per number, indexed by the number 1..45; entry 0 is unused.
using Zahlenwerte = std::array<int, 46>;
using Abweichungen = std::array<double, 46>;

// How often each number was drawn.
Zahlenwerte AnzahlGezogenWerte(const Modul1 &m, bool mitZZ);
// Each number's count minus its expected count.
Abweichungen VerhDurchschnittWerte(const Modul1 &m, bool mitZZ);
// How many draws follow the newest draw that holds the number.
Zahlenwerte ZuletztGezogenWerte(const Modul1 &m, bool mitZZ);

// The drawing half of each chart, from values already computed: clears the
// surface and draws.
void AnzahlGezogenZeichnen(const Zahlenwerte &werte, bool nachWert, Surface &s);
void VerhDurchschnittZeichnen(const Abweichungen &werte, bool nachWert, Surface &s);
void ZuletztGezogenZeichnen(const Zahlenwerte &werte, bool nachWert, Surface &s);
