#pragma once

#include "Schreibergebnis.h"

#include <QByteArray>
#include <QString>

// Replaces a file's whole content through a temporary file and a rename, so
// that a failed or interrupted write leaves the old file whole.
Schreibergebnis SaveFileAtomically(const QString &pfad, const QByteArray &inhalt);
