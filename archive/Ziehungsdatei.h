#pragma once

#include "Modul1.h"
#include "Ziehungssatz.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>

// The 14-byte line of the draw file: each byte is 255 minus a value.
namespace Ziehungsdatei {

constexpr int ZeilenLaenge = 14;

// Decodes one line (without its CR LF); nullopt when it is not a line the
// writer could have made (length, a field above 99, Joker bytes, calendar date).
std::optional<Ziehungssatz> ZeileLesen(QByteArrayView zeile);

// Encodes one record; nullopt when it lies outside the limits of the encoding.
std::optional<QByteArray> ZeileSchreiben(const Ziehungssatz &satz);

struct Inhalt {
    Leseergebnis ergebnis;
    QList<Ziehungssatz> saetze; // 0-based, in file order
};

// Decodes a whole file's bytes. A line ends at CR followed by LF; empty lines
// at the very end are passed over.
Inhalt DateiLesen(const QByteArray &bytes);
// The same, appending the records to `saetze`, which a failure leaves as it was.
Leseergebnis DateiLesen(const QByteArray &bytes, QList<Ziehungssatz> &saetze);

// Encodes records 1..n of an archive (entry 0 is the placeholder); nullopt and
// the first refused index when a record cannot be encoded.
std::optional<QByteArray> DateiSchreiben(const QList<Ziehungssatz> &ziehungen,
                                         int *abgelehnt = nullptr);

} // namespace Ziehungsdatei
