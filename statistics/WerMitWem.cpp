#include "WerMitWem.h"

#include "Zahlen.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

const QString Zeilenende = QStringLiteral("\r\n");

// Paare[a][b]: the draws that held both a and b among their counted fields.
// Row and column 0 stay empty: a field without a number pairs with nothing.
using Paartabelle = std::array<std::array<int, 46>, 46>;

Paartabelle PaareZaehlen(const Modul1 &m, bool mitZZ)
{
    Paartabelle paare{};
    const int felder = mitZZ ? 7 : 6;
    for (int i = 1; i <= m.AnzahlZiehungen(); ++i) {
        const Ziehungssatz &satz = m.Ziehungen.at(i);
        std::array<int, 7> zahl{};
        for (int j = 0; j < felder; ++j)
            zahl[j] = satz.Zahl(j + 1);
        for (int j = 0; j < felder - 1; ++j) {
            for (int k = j + 1; k < felder; ++k) {
                const int x = zahl[j];
                const int y = zahl[k];
                if (x == 0 || y == 0)
                    continue;
                ++paare[x][y];
                ++paare[y][x];
            }
        }
    }
    return paare;
}

QString Zweistellig(int zahl)
{
    return Format(zahl, QStringLiteral("00"));
}

QString Spaltenkopf()
{
    QString zeile(3, QLatin1Char(' '));
    for (int c = 1; c <= 44; ++c)
        zeile += Format(c, QStringLiteral(" 00"));
    return zeile + Zeilenende;
}

QString Trennlinie()
{
    return QString(4, QLatin1Char(' ')) + QString(131, QLatin1Char('-')) + Zeilenende;
}

struct Paar {
    int wert;
    int a;
    int b;
};

} // namespace

QString WerMitWemNachZahl(const Modul1 &m, bool mitZZ)
{
    const Paartabelle paare = PaareZaehlen(m, mitZZ);
    const QString kopf = Spaltenkopf();
    QString text;
    text.reserve(49 * 141);
    text += kopf;
    text += Trennlinie();
    for (int r = 1; r <= 45; ++r) {
        QString zeile = Zweistellig(r) + QLatin1Char(':');
        for (int c = 1; c < r; ++c)
            zeile += RechtsBuendig(paare[r][c], 3);
        text += zeile.leftJustified(136, QLatin1Char(' '));
        text += QLatin1Char(':') + Zweistellig(r) + Zeilenende;
    }
    text += Trennlinie();
    text += kopf;
    return text;
}

QString WerMitWemNachWert(const Modul1 &m, bool mitZZ)
{
    const Paartabelle paare = PaareZaehlen(m, mitZZ);

    // The 990 pairs of 1..45 by value; within a value in order of a, then b.
    std::vector<Paar> liste;
    liste.reserve(990);
    for (int a = 1; a <= 44; ++a) {
        for (int b = a + 1; b <= 45; ++b)
            liste.push_back({paare[a][b], a, b});
    }
    std::stable_sort(liste.begin(), liste.end(),
                     [](const Paar &p, const Paar &q) { return p.wert < q.wert; });
    const int hoechst = liste.back().wert;

    const QString leer(2, QLatin1Char(' '));
    QString text;
    auto naechstes = liste.cbegin();
    for (int v = 0; v <= hoechst; ++v) {
        int anzahl = 0;
        QString zeile = leer;
        QString block;
        for (; naechstes != liste.cend() && naechstes->wert == v; ++naechstes) {
            zeile += Zweistellig(naechstes->a) + QLatin1Char('-') + Zweistellig(naechstes->b) +
                     QLatin1Char(',');
            ++anzahl;
            if (zeile.size() > 60) {
                block += zeile + Zeilenende;
                zeile = leer;
            }
        }
        text += QString::number(v) + QStringLiteral("x (") + QString::number(anzahl) +
                QStringLiteral(" Kombinationen)") + Zeilenende;
        text += block;
        if (zeile != leer) {
            zeile.chop(1);
            text += zeile + Zeilenende;
        }
    }
    return text;
}
