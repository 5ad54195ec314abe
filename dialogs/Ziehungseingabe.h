#pragma once

#include "Modul1.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

// The logic of entering and correcting a draw, free of any window.
namespace Ziehungseingabe {

inline const QString ModusNeu = QStringLiteral("neu");
inline const QString ModusEdit = QStringLiteral("edit");

inline const QString FehlerDatum = QStringLiteral("Fehler bei der Datumseingabe.");
inline const QString FehlerDatumVorhanden = QStringLiteral("Das Datum ist bereits eingegeben.");
inline const QString FehlerRunde = QStringLiteral("Fehler bei der Rundeneingabe.");
inline const QString FehlerZahlen = QStringLiteral("Fehler bei der Zahleneingabe.");
inline const QString FehlerJoker = QStringLiteral("Fehler im Joker.");
inline const QString ArchivVoll =
    QStringLiteral("Das Archiv ist voll: es fasst höchstens 32767 Ziehungen.");

// The texts of the dialog's fields: date, round (YYYY-RRR), the six numbers
// and the Zusatzzahl (index 6), the Joker.
struct Felder {
    QString datum;
    QString runde;
    std::array<QString, 7> zahlen;
    QString joker;
};

// The date of the newest draw; nullopt for an empty archive.
std::optional<QDate> LetzteZiehung(const Modul1 &m);

// The day of the draw after the newest one; today for an empty archive.
QDate NaechsteZiehung(const Modul1 &m, const QDate &heute);

// The refusal of a new draw before the next draw day.
QString Ablehnung(const QDate &letzteZiehung);

// The fields as a new draw proposes them: the next draw day and the round
// after the newest draw's, in the newest draw's year.
Felder Vorschlag(const Modul1 &m, const QDate &heute);

// The fields of a stored draw, as stored.
Felder AusSatz(const Ziehungssatz &satz);

// The five tests in their order; each failed test's sentence followed by
// CR LF, or the empty text when every test passes.
QString Pruefen(const Modul1 &m, const QString &modus, const Felder &felder);

// The six numbers in ascending order, counted out from 1 to 45.
std::array<qint16, 6> Sortieren(const Felder &felder);

// The 33-character record of fields that passed every test.
Ziehungssatz SatzBilden(const Felder &felder);

// Stores fields that passed every test: appends ("neu", and shows the new
// draw) or replaces the shown draw ("edit"), then rewrites the draw file. When
// the file cannot be written, the archive and AktZiehung return to what they
// were and the result carries the reason.
Schreibergebnis Speichern(Modul1 &m, const QString &modus, const Felder &felder);

// The message shown when the draw file cannot be written.
QString Schreibfehler(const QString &grund);

} // namespace Ziehungseingabe
