#include "GeradeUngerade.h"

#include "Diagramm.h"

namespace {

void Zaehlen(GeradeUngeradeZaehlung &z, const std::array<int, 7> &werte)
{
    int gerade = 0;
    for (int p = 0; p < z.anzahlWerte; ++p) {
        if (werte[p] % 2 == 0) {
            ++gerade;
            ++z.summeGerade;
        } else {
            ++z.summeUngerade;
        }
    }
    ++z.klassen[gerade];
}

} // namespace

int ErsteJokerZiehung(const Modul1 &m)
{
    int i = 1;
    while (i <= m.AnzahlZiehungen() && !m.Ziehungen.at(i).HatJoker())
        ++i;
    return i;
}

GeradeUngeradeZaehlung GeradeUngeradeZaehlen(const Modul1 &m, bool mitZZ)
{
    GeradeUngeradeZaehlung z;
    z.anzahlWerte = mitZZ ? 7 : 6;
    for (int d = 1; d <= m.AnzahlZiehungen(); ++d) {
        const Ziehungssatz &satz = m.Ziehungen.at(d);
        std::array<int, 7> werte{};
        for (int j = 1; j <= z.anzahlWerte; ++j)
            werte[j - 1] = satz.Zahl(j);
        Zaehlen(z, werte);
    }
    return z;
}

GeradeUngeradeZaehlung JokerGeradeUngeradeZaehlen(const Modul1 &m)
{
    GeradeUngeradeZaehlung z;
    z.anzahlWerte = 6;
    for (int d = ErsteJokerZiehung(m); d <= m.AnzahlZiehungen(); ++d) {
        const Ziehungssatz &satz = m.Ziehungen.at(d);
        std::array<int, 7> werte{};
        for (int p = 1; p <= 6; ++p)
            werte[p - 1] = satz.JokerZiffer(p);
        Zaehlen(z, werte);
    }
    return z;
}

void GeradeUngeradeZeichnen(const GeradeUngeradeZaehlung &z, Surface &s)
{
    using namespace Diagramm;
    int groesste = 0;
    for (int k : z.klassen) {
        if (k > groesste)
            groesste = k;
    }
    const double spalte = s.TextWidth(QStringLiteral("9G 9U 999999"));
    const double faktorX = Massstab(s.ScaleWidth() - spalte * 1.2 - 300, groesste);
    const double x0 = 1.2 * spalte;

    s.Cls();
    const double zeile = s.TextHeight(QStringLiteral("0")) * 2.5;
    Gitterlinie(s, x0, (z.anzahlWerte + 2) * zeile);
    Text(s, 50, 50, QStringLiteral("xG xU"));
    TextRechts(s, spalte, 50, QStringLiteral("Wert"));
    for (int k = 0; k <= z.anzahlWerte; ++k) {
        const double y = 50 + zeile * (k + 1);
        Text(s, 50, y,
             QString::number(k) + QStringLiteral("G ") + QString::number(z.anzahlWerte - k) +
                 QLatin1Char('U'));
        TextRechts(s, spalte, y, QString::number(z.klassen[k]));
        Balken(s, x0, y, z.klassen[k] * faktorX, 0.5 * zeile, Blau);
    }
    Text(s, 50, (z.anzahlWerte + 3) * zeile,
         QStringLiteral("Gesamt: ") + QString::number(z.summeGerade) + QStringLiteral(" gerade (") +
             Anteil(z.summeGerade, double(z.summeGerade) + z.summeUngerade) +
             QStringLiteral("%), ") + QString::number(z.summeUngerade) +
             QStringLiteral(" ungerade"));
}

void GeradeUngeradeGrafik(const Modul1 &m, bool mitZZ, Surface &s)
{
    Diagramm::Start(s);
    GeradeUngeradeZeichnen(GeradeUngeradeZaehlen(m, mitZZ), s);
}

void JokerGeradeUngeradeGrafik(const Modul1 &m, Surface &s)
{
    Diagramm::Start(s);
    GeradeUngeradeZeichnen(JokerGeradeUngeradeZaehlen(m), s);
}
