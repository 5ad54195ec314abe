#pragma once

#include <QString>
#include <QStringList>

// The user's tips as the settings file keeps them and the tips window lists
// them. Settings lines are indexed from 1, as in Modul1::IniZeilen.
namespace Tipliste {

enum class Tipart { Keiner, Zahlen, Joker };

// The kind of a settings line, by its key in any letter case.
Tipart ArtDerZeile(const QString &zeile);

// The list row of every tip line, in file order; other lines give no row.
QStringList Reihen(const QStringList &iniZeilen);

// Index of the settings line that list row `reihe` (from 0) shows, or 0 when
// there is no such row. Rows are the tip lines in order, so lines of neither
// kind are skipped when counting.
int ZeileDerReihe(const QStringList &iniZeilen, int reihe);

struct NeuerTip {
    Tipart art = Tipart::Keiner;
    QString tipZahlen;
    QString tipName;
};

struct Pruefergebnis {
    QString fehlertext; // the one sentence shown; empty when the tip may be stored
    NeuerTip tip;

    bool ok() const { return fehlertext.isEmpty(); }
};

// Checks a non-empty answer of the input box for a new tip of the given kind
// against the stored tips.
Pruefergebnis Pruefen(Tipart art, const QString &antwort, const QStringList &iniZeilen);

// The settings line of a new tip: key, numbers and name without separator.
QString Tipzeile(const NeuerTip &tip);
// The list row of a new tip, its name in column 31.
QString Reihe(const NeuerTip &tip);

} // namespace Tipliste
