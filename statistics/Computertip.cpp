#include "Computertip.h"

#include "Zahlen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace {

const QString Zeilenende = QStringLiteral("\r\n");

struct Rang {
    double schluessel;
    int zahl;
};

// The 45 numbers in ascending order of their keys.
std::array<Rang, 45> Rangfolge(const Modul1 &m, bool mitZZ)
{
    const int n = m.AnzahlZiehungen();
    const int felder = mitZZ ? 7 : 6;
    std::array<int, 46> haeufigkeit{};
    std::array<int, 46> letzteZiehung{};
    for (int k = 1; k <= n; ++k) {
        const Ziehungssatz &satz = m.Ziehungen.at(k);
        for (int j = 1; j <= felder; ++j) {
            const int z = satz.Zahl(j); // 0, no number: entry 0 is never read
            ++haeufigkeit[z];
            letzteZiehung[z] = k;
        }
    }

    // Always seven fields per draw, whichever fields were counted.
    const double erwartung = double(n) * 7 / 45;
    std::array<Rang, 45> rang{};
    for (int z = 1; z <= 45; ++z) {
        const double punktzahl =
            double(n - letzteZiehung[z]) - (double(haeufigkeit[z]) - erwartung);
        rang[z - 1] = {Sortierschluessel(punktzahl, z), z};
    }
    std::sort(rang.begin(), rang.end(),
              [](const Rang &a, const Rang &b) { return a.schluessel < b.schluessel; });
    return rang;
}

QString Zahlenliste(const std::array<int, 6> &zahlen)
{
    QString liste;
    for (int zahl : zahlen) {
        if (!liste.isEmpty())
            liste += QLatin1Char(',');
        liste += Format(zahl, QStringLiteral("00"));
    }
    return liste;
}

// The numbers at the 1-based positions von, von + schritt, ... of the ranking.
std::array<int, 6> Tip(const std::array<Rang, 45> &rang, int von, int schritt)
{
    std::array<int, 6> tip{};
    for (int i = 0; i < 6; ++i)
        tip[i] = rang[von - 1 + i * schritt].zahl;
    return tip;
}

// Six different numbers of 1..45, ascending.
std::array<int, 6> Glueckstip(quint32 seed)
{
    std::mt19937 generator(seed);
    std::array<bool, 46> gewaehlt{};
    for (int i = 0; i < 6; ++i) {
        int z = 0;
        do {
            const double r = double(generator()) / 4294967296.0; // in [0, 1)
            z = int(r * 45) + 1;
        } while (gewaehlt[z]);
        gewaehlt[z] = true;
    }
    std::array<int, 6> tip{};
    int k = 0;
    for (int z = 1; z <= 45; ++z) {
        if (gewaehlt[z])
            tip[k++] = z;
    }
    return tip;
}

QString Tipzeile(int nummer, const std::array<int, 6> &zahlen)
{
    return QStringLiteral("  Tip ") + QString::number(nummer) + QStringLiteral(": ") +
           Zahlenliste(zahlen) + Zeilenende;
}

} // namespace

double Sortierschluessel(double punktzahl, int zahl)
{
    const double t = std::trunc(punktzahl * 100);
    return punktzahl >= 0 ? t + zahl / 100.0 : t - zahl / 100.0;
}

QString Computertip(const Modul1 &m, bool mitZZ, quint32 seed)
{
    const std::array<Rang, 45> rang = Rangfolge(m, mitZZ);
    QString text = QStringLiteral("Nach dem Gesetz der Wahrscheinlichkeit:") + Zeilenende;
    for (int t = 0; t < 3; ++t)
        text += Tipzeile(t + 1, Tip(rang, 45 - 6 * t, -1));
    text += Zeilenende;
    text += QStringLiteral("Nach dem Gesetz der Serie:") + Zeilenende;
    for (int t = 0; t < 3; ++t)
        text += Tipzeile(t + 1, Tip(rang, 1 + 6 * t, 1));
    text += Zeilenende;
    text += QStringLiteral("Glückstip:") + Zeilenende;
    text += QString(9, QLatin1Char(' ')) + Zahlenliste(Glueckstip(seed)) + Zeilenende;
    return text;
}
