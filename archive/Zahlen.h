#pragma once

#include <QString>

// Reads a text as a number: blanks anywhere are skipped, then an optional
// sign, digits and one decimal point up to the first character that cannot
// continue the number; a text that starts with no number reads as 0.
double Val(const QString &text);

// The value's text right-aligned in exactly `breite` characters; a longer text
// becomes "~" followed by its last breite - 1 characters.
QString RechtsBuendig(const QString &wert, qint16 breite);
QString RechtsBuendig(long long wert, qint16 breite);
QString RechtsBuendig(int wert, qint16 breite);
// A number with a fraction is written with the German decimal comma.
QString RechtsBuendig(double wert, qint16 breite);

// A number's plain text without pattern: whole numbers as digits, fractions
// with the German decimal comma and up to 15 significant digits.
QString ZahlText(double wert);

// Formats a value by a picture pattern with German separators: "0" a digit
// always shown, "#" a digit shown when significant, "." the decimal comma,
// "," the thousands point; other characters stand as they are. The value is
// rounded half away from zero as its 15-digit decimal text shows it; a value
// that rounds to zero has no minus sign.
QString Format(double wert, const QString &muster);
