#pragma once

#include "Modul1.h"

#include <QString>

// Where the go-to command lands for the user's answer.
struct Sprungziel {
    enum class Art {
        Nichts,         // empty answer or Cancel
        FalscheEingabe, // neither "1", "9", a round nor a date
        Ziehung         // the draw `index`
    };
    Art art = Art::Nichts;
    int index = 0;
};

// The answer "1", "9", a round YYYY-RRR or a date, searched in an archive of
// at least one draw, read in its stored order.
Sprungziel GeheZuZiel(const Modul1 &m, const QString &antwort);
