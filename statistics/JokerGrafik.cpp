#include "JokerGrafik.h"

#include "Diagramm.h"
#include "GeradeUngerade.h"

#include <QStringList>

namespace {

struct Extreme {
    int kleinster = 99999;
    int groesster = 0;

    void Pruefen(int wert)
    {
        if (wert < kleinster)
            kleinster = wert;
        if (wert > groesster)
            groesster = wert;
    }
};

QString Beschriftung(int zeile, int spalte)
{
    static const QStringList kopf{QStringLiteral("Zahl"),  QStringLiteral("gezogen"),
                                  QStringLiteral("Pos.1"), QStringLiteral("Pos.2"),
                                  QStringLiteral("Pos.3"), QStringLiteral("Pos.4"),
                                  QStringLiteral("Pos.5"), QStringLiteral("Pos.6")};
    if (zeile == 0)
        return kopf.at(spalte);
    return QLatin1Char(' ') + QString::number(zeile - 1);
}

} // namespace

JokerTreffer JokerZaehlen(const Modul1 &m)
{
    JokerTreffer treffer{};
    for (int i = ErsteJokerZiehung(m); i <= m.AnzahlZiehungen(); ++i) {
        const Ziehungssatz &satz = m.Ziehungen.at(i);
        for (int p = 1; p <= 6; ++p) {
            const int d = satz.JokerZiffer(p);
            ++treffer[d][0];
            ++treffer[d][p];
        }
    }
    return treffer;
}

void JokerZeichnen(const JokerTreffer &treffer, Surface &s)
{
    using namespace Diagramm;
    Extreme gesamt;
    for (int d = 0; d <= 9; ++d)
        gesamt.Pruefen(treffer[d][0]);
    Extreme position;
    for (int d = 0; d <= 9; ++d) {
        for (int p = 1; p <= 6; ++p)
            position.Pruefen(treffer[d][p]);
    }

    const double breite = s.ScaleWidth() * 0.97 / 9;
    const double hoehe = s.TextHeight(QStringLiteral("0")) * 2.5;
    const double gesamtMassstab = breite * 2 * 0.9 / (gesamt.groesster - gesamt.kleinster + 5);
    const double positionMassstab = breite * 0.9 / (position.groesster - position.kleinster + 3);

    s.Cls();
    for (int r = 0; r <= 10; ++r) {
        for (int c = 0; c <= 7; ++c) {
            const double y = r * hoehe;
            const double x = (c <= 1 ? c : c + 1) * breite;
            if (r == 0 || c == 0) {
                Text(s, x, y, Beschriftung(r, c));
                continue;
            }
            const int anzahl = treffer[r - 1][c - 1];
            Text(s, x, y, QString::number(anzahl) + QLatin1Char('x'));
            const double laenge = c == 1 ? (anzahl - gesamt.kleinster + 5) * gesamtMassstab
                                         : (anzahl - position.kleinster + 3) * positionMassstab;
            Balken(s, x, y + 0.4 * hoehe, laenge, 0.4 * hoehe, c == 1 ? Rot : Blau);
        }
    }
}

void JokerGrafik(const Modul1 &m, Surface &s)
{
    Diagramm::Start(s);
    JokerZeichnen(JokerZaehlen(m), s);
}
