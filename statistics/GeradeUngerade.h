#pragma once

#include "Modul1.h"
#include "Surface.h"

#include <array>

// Draws sorted into classes by how many of their values are even.
struct GeradeUngeradeZaehlung {
    int anzahlWerte = 6;          // values per draw; the classes are 0..anzahlWerte
    std::array<int, 8> klassen{}; // draws with exactly k even values
    int summeGerade = 0;
    int summeUngerade = 0;
};

// The drawn numbers (with the Zusatzzahl as a seventh value when `mitZZ`).
// A field that holds no number 1..45 counts as 0, so as even.
GeradeUngeradeZaehlung GeradeUngeradeZaehlen(const Modul1 &m, bool mitZZ);
// The six Joker digits of every draw from the first draw with a Joker on; a
// draw without a Joker in that range counts as six digits 0.
GeradeUngeradeZaehlung JokerGeradeUngeradeZaehlen(const Modul1 &m);

// The even/odd charts: one bar per class and a totals line, in twips.
void GeradeUngeradeGrafik(const Modul1 &m, bool mitZZ, Surface &s);
void JokerGeradeUngeradeGrafik(const Modul1 &m, Surface &s);

// The drawing half, from a count already made: clears the surface and draws.
void GeradeUngeradeZeichnen(const GeradeUngeradeZaehlung &z, Surface &s);

// The first draw whose Joker field is not six blanks; AnzahlZiehungen + 1 when
// no draw has a Joker.
int ErsteJokerZiehung(const Modul1 &m);
