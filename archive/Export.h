#pragma once

#include "Modul1.h"

// The export file "ziehbuch.txt": one comma-separated line of 49 characters per draw.
namespace Export {

QString Exportzeile(const Ziehungssatz &r);
QString DateiPfad(const Modul1 &modul);
// Writes the whole archive through a temporary file; an older export stays
// whole when this fails.
Schreibergebnis Schreiben(const Modul1 &modul);

} // namespace Export
