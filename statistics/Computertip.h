#pragma once

#include "Modul1.h"

#include <QString>

// Seven suggested tips: three of the numbers with the highest scores, three of
// those with the lowest, and a lucky tip drawn by a generator seeded with
// `seed` (the milliseconds since midnight). A number's score grows with the draws
// since it was last drawn and with how far its count lies below N × 7 / 45.
// With mitZZ the Zusatzzahl is counted too. Twelve lines, each ended by CR LF.
QString Computertip(const Modul1 &m, bool mitZZ, quint32 seed);

// The key that ranks a number by its score: the score times 100 truncated
// toward zero, with the number in the hundredths of the key's absolute value,
// so that no two numbers share a key.
double Sortierschluessel(double punktzahl, int zahl);
