#include "Sprungziel.h"

#include "Datum.h"

#include <QDate>
#include <functional>

namespace {

Sprungziel Ziehung(int index)
{
    return {Sprungziel::Art::Ziehung, index};
}

// The oldest draw when the target lies before it, the newest when after it,
// else the first draw at or after the target.
template <typename Wert, typename Kleiner>
Sprungziel Suche(const Modul1 &m, const Wert &ziel, const std::function<Wert(int)> &wert,
                 Kleiner kleiner)
{
    const int anzahl = m.AnzahlZiehungen();
    if (kleiner(ziel, wert(1)))
        return Ziehung(1);
    if (kleiner(wert(anzahl), ziel))
        return Ziehung(anzahl);
    for (int i = 1; i <= anzahl; ++i) {
        if (!kleiner(wert(i), ziel))
            return Ziehung(i);
    }
    return Ziehung(anzahl);
}

} // namespace

Sprungziel GeheZuZiel(const Modul1 &m, const QString &antwort)
{
    if (antwort.isEmpty())
        return {};
    if (antwort == QLatin1String("1"))
        return Ziehung(1);
    if (antwort == QLatin1String("9"))
        return Ziehung(m.AnzahlZiehungen());

    if (antwort.size() == 8 && antwort.at(4) == QLatin1Char('-')) {
        const QString schluessel = antwort.left(4) + antwort.right(3);
        return Suche<QString>(
            m, schluessel, [&](int i) { return m.Ziehungen.at(i).Rundenschluessel(); },
            [](const QString &a, const QString &b) { return QString::compare(a, b) < 0; });
    }

    const auto datum = Datum::Lesen(antwort);
    if (!datum)
        return {Sprungziel::Art::FalscheEingabe, 0};
    return Suche<QDate>(
        m, *datum, [&](int i) { return Datum::Lesen(m.Ziehungen.at(i).Datum()).value_or(QDate()); },
        [](const QDate &a, const QDate &b) { return a < b; });
}
