#pragma once

#include <QString>
#include <utility>

// The result of writing a data file: ok, or the system's reason for the failure.
struct Schreibergebnis {
    bool ok = true;
    QString grund;

    static Schreibergebnis Erfolg() { return {}; }
    static Schreibergebnis Fehler(QString grund) { return {false, std::move(grund)}; }
};
