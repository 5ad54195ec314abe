#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

// The settings file's lines: Windows-1252 text; a line read may end in
// CR LF, CR or LF, a line written ends in CR LF.
namespace Einstellungsdatei {

QStringList ZeilenLesen(const QByteArray &bytes);
// nullopt and the 0-based index of the first line that the code page cannot hold.
std::optional<QByteArray> ZeilenSchreiben(const QStringList &zeilen, int *abgelehnt = nullptr);

} // namespace Einstellungsdatei
