#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The Windows-1252 code page, in which the settings and export files are kept.
namespace Windows1252 {

QString Decode(const QByteArray &bytes);
// nullopt when a character has no place in the code page.
std::optional<QByteArray> Encode(const QString &text);
bool KannSpeichern(const QString &text);

} // namespace Windows1252
