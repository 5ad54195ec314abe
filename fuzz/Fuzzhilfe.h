#pragma once

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

// An invariant of the fuzz targets: a violation aborts, which libFuzzer reports.
inline void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

inline QByteArray Eingabe(const uint8_t *daten, size_t groesse)
{
    return QByteArray(reinterpret_cast<const char *>(daten), qsizetype(groesse));
}
