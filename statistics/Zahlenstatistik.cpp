#include "Zahlenstatistik.h"

#include "Zahlen.h"

#include <QStringList>
#include <array>
#include <cmath>

namespace {

const QString Zeilenende = QStringLiteral("\r\n");

// The fields counted per draw: the six numbers, and the Zusatzzahl with them.
int Felder(bool mitZZ)
{
    return mitZZ ? 7 : 6;
}

// A number's expected count over the archive.
double Erwartung(const Modul1 &m, bool mitZZ)
{
    return double(m.AnzahlZiehungen()) * Felder(mitZZ) / 45.0;
}

bool Enthaelt(const Ziehungssatz &satz, int zahl, int felder)
{
    for (int j = 1; j <= felder; ++j) {
        if (satz.Zahl(j) == zahl)
            return true;
    }
    return false;
}

// The draw at index i, or an empty record for an archive without draws.
Ziehungssatz Satz(const Modul1 &m, int i)
{
    return i >= 1 && i <= m.AnzahlZiehungen() ? m.Ziehungen.at(i) : Ziehungssatz();
}

} // namespace

std::optional<int> GewaehlteZahl(const QString &text)
{
    const double z = Val(text);
    if (z < 1 || z > 45 || z != std::floor(z))
        return std::nullopt;
    return int(z);
}

QString Zahlenstatistik(const Modul1 &m, int zahl, bool mitZZ)
{
    const int n = m.AnzahlZiehungen();
    const int felder = Felder(mitZZ);

    QString jahr = Satz(m, 1).Jahr();
    int jahresAnzahl = 0;
    int gesamt = 0;
    int abstand = 0;
    QString letzteRunde;
    QString marken(36, QLatin1Char(' '));
    QStringList zeilen; // oldest run of draws first

    for (int i = 1; i <= n; ++i) {
        const Ziehungssatz &satz = m.Ziehungen.at(i);
        if (satz.Jahr() != jahr) {
            zeilen << jahr + RechtsBuendig(jahresAnzahl, 3) + QStringLiteral("x  ") + marken +
                          QLatin1Char(' ') + Zeilenende;
            jahr = satz.Jahr();
            marken.clear();
            gesamt += jahresAnzahl;
            jahresAnzahl = 0;
        }
        if (Enthaelt(satz, zahl, felder)) {
            marken += QLatin1Char('O');
            ++jahresAnzahl;
            letzteRunde = satz.RundeAnzeige();
            abstand = 0;
        } else {
            marken += QLatin1Char('-');
        }
        ++abstand;
    }
    zeilen << jahr + RechtsBuendig(jahresAnzahl, 3) + QStringLiteral("x  ") + marken + Zeilenende;
    gesamt += jahresAnzahl;

    const double erwartung = Erwartung(m, mitZZ);
    const Ziehungssatz neueste = Satz(m, n);
    QString text;
    text += QStringLiteral("Zahl:            ") + QString::number(zahl) + Zeilenende;
    text += QStringLiteral("Gezogen:         ") + QString::number(gesamt) + QStringLiteral(" mal") +
            Zeilenende;
    text +=
        QStringLiteral("Durchschnitt:    ") + Format(erwartung, QStringLiteral("0.0")) + Zeilenende;
    text += QStringLiteral("Differenz:       ") +
            Format(gesamt - erwartung, QStringLiteral("0.0")) + Zeilenende;
    if (letzteRunde.isEmpty()) {
        text += QStringLiteral("Zuletzt gezogen: noch nie") + Zeilenende;
    } else {
        text += QStringLiteral("Zuletzt gezogen: ") + letzteRunde + QStringLiteral(", vor ") +
                QString::number(abstand - 1) + QStringLiteral(" Runden") + Zeilenende;
    }
    text += QStringLiteral("Letzte Eingabe:  ") + neueste.RundeAnzeige() + QStringLiteral(", ") +
            neueste.Datum() + Zeilenende;
    text += Zeilenende;
    text += QStringLiteral("Verteilung:") + Zeilenende;
    for (qsizetype k = zeilen.size() - 1; k >= 0; --k)
        text += zeilen.at(k);
    return text;
}

QString Verteilung(const Modul1 &m, bool mitZZ)
{
    constexpr int Fenster = 100; // the newest draws that get marks
    const int n = m.AnzahlZiehungen();
    const int felder = Felder(mitZZ);

    std::array<int, 46> haeufigkeit{};
    std::array<QString, 46> reihe;
    for (QString &r : reihe)
        r.reserve(Fenster);
    QString kopf =
        QStringLiteral("Zahl VzD Runde ") + Satz(m, n).RundeAnzeige() + QStringLiteral(" bis ");

    int r = 1;
    for (int i = n; i >= 1; --i, ++r) {
        const Ziehungssatz &satz = m.Ziehungen.at(i);
        for (int j = 1; j <= felder; ++j) {
            const int v = satz.Zahl(j);
            if (v == 0)
                continue;
            ++haeufigkeit[v];
            // One mark per draw, even should a draw hold a number twice.
            if (r <= Fenster && reihe[v].size() < r)
                reihe[v] += QLatin1Char('O');
        }
        if (r <= Fenster) {
            for (int z = 1; z <= 45; ++z) {
                if (reihe[z].size() < r)
                    reihe[z] += QLatin1Char('-');
            }
        }
        if (r == Fenster) {
            kopf += satz.RundeAnzeige() + QStringLiteral(" (die letzten 100 Runden)") + Zeilenende;
        }
    }
    if (n < Fenster) {
        kopf += Satz(m, 1).RundeAnzeige() + QStringLiteral(" (die letzten ") + QString::number(n) +
                QStringLiteral(" Runden)") + Zeilenende;
    }

    const double erwartung = Erwartung(m, mitZZ);
    QString text = kopf;
    for (int z = 1; z <= 45; ++z) {
        text += Format(z, QStringLiteral("00")) +
                RechtsBuendig(Format(haeufigkeit[z] - erwartung, QStringLiteral("#.0")), 6) +
                QLatin1Char(' ') + reihe[z] + QLatin1Char(' ') + Zeilenende;
    }
    return text;
}
