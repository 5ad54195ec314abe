#include "Balkengrafik.h"

#include "Diagramm.h"
#include "Zahlen.h"

#include <QList>
#include <cmath>

namespace {

// The fields counted per draw: the six numbers, and the Zusatzzahl with them.
int Felder(bool mitZZ)
{
    return mitZZ ? 7 : 6;
}

template <typename T> struct Sortierung {
    std::array<T, 46> wert{};
    std::array<int, 46> zahl{};
};

// Selection sort of the values of 1..45 in the work type T, smallest first;
// equal values keep the lower number first.
template <typename T, typename W> Sortierung<T> Sortieren(const std::array<W, 46> &werte)
{
    std::array<T, 46> arbeit{};
    std::array<bool, 46> genommen{};
    for (int n = 1; n <= 45; ++n)
        arbeit[n] = T(werte[n]);
    Sortierung<T> ergebnis;
    for (int i = 1; i <= 45; ++i) {
        int beste = 0;
        for (int j = 1; j <= 45; ++j) {
            if (!genommen[j] && (beste == 0 || arbeit[j] < arbeit[beste]))
                beste = j;
        }
        genommen[beste] = true;
        ergebnis.wert[i] = arbeit[beste];
        ergebnis.zahl[i] = beste;
    }
    return ergebnis;
}

struct Reihe {
    int zahl = 0;
    double wert = 0;
    QString text;
};

// What one of the three charts draws, computed before the surface is cleared.
struct Aufbau {
    QString kopf;
    std::array<Reihe, 46> reihen; // rows 1..45, top to bottom
    double teiler = 0;            // values mapped onto the bar room
    double versatz = 0;           // values left of the bar origin
    QList<double> gitter;         // values with a grid line
    bool koepfeZuerst = false;    // heads, grid and zero line; else grid, heads
    bool nullLinie = false;
    bool rotUnterNull = false;
    bool kurzerSchattenBeiNull = false;
};

template <typename T, typename W, typename Beschriftung>
void ReihenFuellen(Aufbau &a, const std::array<W, 46> &werte, bool nachWert,
                   Beschriftung beschriftung)
{
    const Sortierung<T> sortiert = Sortieren<T>(werte);
    for (int i = 1; i <= 45; ++i) {
        Reihe &r = a.reihen[i];
        if (nachWert) {
            r.zahl = sortiert.zahl[i];
            r.wert = double(sortiert.wert[i]);
        } else {
            r.zahl = i;
            r.wert = double(werte[i]);
        }
        r.text = beschriftung(r.wert);
    }
}

void Zeichnen(Surface &s, const Aufbau &a)
{
    using namespace Diagramm;
    const double spalte = s.TextWidth(QStringLiteral("999999"));
    const double faktorX = Massstab(s.ScaleWidth() - 3 * spalte, a.teiler);
    const double x0 = 2.2 * spalte + a.versatz * faktorX;
    const float zeile = float(s.ScaleHeight() / 47);

    s.Cls();
    const auto gitter = [&] {
        for (double g : a.gitter)
            Gitterlinie(s, x0 + g * faktorX, s.ScaleHeight());
    };
    const auto koepfe = [&] {
        TextRechts(s, spalte, 0, QStringLiteral("Zahl"));
        TextRechts(s, 2 * spalte, 0, a.kopf);
    };
    if (a.koepfeZuerst) {
        koepfe();
        gitter();
    } else {
        gitter();
        koepfe();
    }
    if (a.nullLinie)
        s.Line(x0, 0, 0, s.ScaleHeight());

    for (int i = 1; i <= 45; ++i) {
        const Reihe &r = a.reihen[i];
        const double oben = i * double(zeile);
        TextRechts(s, spalte, oben, QString::number(r.zahl));
        TextRechts(s, 2 * spalte, oben, r.text);
        const QColor &farbe = a.rotUnterNull && r.wert < 0 ? Rot : Blau;
        const double kuerzung = a.kurzerSchattenBeiNull && r.wert == 0 ? 1 : 25;
        Balken(s, x0, oben + double(zeile) / 4, r.wert * faktorX, double(zeile) * 0.5, farbe,
               kuerzung);
    }
}

int Groesster(const Zahlenwerte &werte)
{
    int groesster = 0;
    for (int n = 1; n <= 45; ++n) {
        if (werte[n] > groesster)
            groesster = werte[n];
    }
    return groesster;
}

// 0, schritt, 2 × schritt, ... up to the first multiple strictly above `groesster`.
QList<double> Gitterwerte(int groesster, int schritt)
{
    QList<double> gitter;
    for (int g = 0;; g += schritt) {
        gitter.append(g);
        if (g > groesster)
            break;
    }
    return gitter;
}

} // namespace

Zahlenwerte AnzahlGezogenWerte(const Modul1 &m, bool mitZZ)
{
    Zahlenwerte werte{};
    const int felder = Felder(mitZZ);
    for (int d = 1; d <= m.AnzahlZiehungen(); ++d) {
        const Ziehungssatz &satz = m.Ziehungen.at(d);
        for (int j = 1; j <= felder; ++j)
            ++werte[satz.Zahl(j)]; // no number counts in the unused entry 0
    }
    return werte;
}

Abweichungen VerhDurchschnittWerte(const Modul1 &m, bool mitZZ)
{
    const Zahlenwerte anzahl = AnzahlGezogenWerte(m, mitZZ);
    const double erwartung = double(m.AnzahlZiehungen()) * Felder(mitZZ) / 45;
    Abweichungen werte{};
    for (int n = 1; n <= 45; ++n)
        werte[n] = anzahl[n] - erwartung;
    return werte;
}

Zahlenwerte ZuletztGezogenWerte(const Modul1 &m, bool mitZZ)
{
    // One scan from the newest draw back, until every number has been met.
    const int felder = Felder(mitZZ);
    const int anzahl = m.AnzahlZiehungen();
    std::array<bool, 46> gefunden{};
    Zahlenwerte werte;
    werte.fill(anzahl);
    werte[0] = 0;
    int offen = 45;
    for (int d = anzahl; d >= 1 && offen > 0; --d) {
        const Ziehungssatz &satz = m.Ziehungen.at(d);
        for (int j = 1; j <= felder; ++j) {
            const int n = satz.Zahl(j);
            if (n != 0 && !gefunden[n]) {
                gefunden[n] = true;
                werte[n] = anzahl - d;
                --offen;
            }
        }
    }
    return werte;
}

void AnzahlGezogenZeichnen(const Zahlenwerte &werte, bool nachWert, Surface &s)
{
    Aufbau a;
    a.kopf = QStringLiteral("Anz.");
    ReihenFuellen<int>(a, werte, nachWert,
                       [](double w) { return QString::number(qint64(w)) + QLatin1Char('x'); });
    const int groesster = Groesster(werte);
    a.teiler = groesster;
    a.gitter = Gitterwerte(groesster, 10);
    Zeichnen(s, a);
}

void VerhDurchschnittZeichnen(const Abweichungen &werte, bool nachWert, Surface &s)
{
    Aufbau a;
    a.kopf = QStringLiteral("VzD");
    ReihenFuellen<float>(a, werte, nachWert,
                         [](double w) { return Format(w, QStringLiteral("0.0")); });
    double kleinster = 9999;
    double groesster = -9999;
    for (int n = 1; n <= 45; ++n) {
        if (werte[n] < kleinster)
            kleinster = werte[n];
        if (werte[n] > groesster)
            groesster = werte[n];
    }
    kleinster = std::floor(kleinster);
    groesster = std::floor(groesster + 0.5);
    a.teiler = groesster + std::fabs(kleinster);
    a.versatz = std::fabs(kleinster);
    for (double g = kleinster; g <= groesster; ++g)
        a.gitter.append(g);
    a.koepfeZuerst = true;
    a.nullLinie = true;
    a.rotUnterNull = true;
    Zeichnen(s, a);
}

void ZuletztGezogenZeichnen(const Zahlenwerte &werte, bool nachWert, Surface &s)
{
    Aufbau a;
    a.kopf = QStringLiteral("Runden");
    ReihenFuellen<int>(a, werte, nachWert, [](double w) { return QString::number(qint64(w)); });
    const int groesster = Groesster(werte);
    a.teiler = groesster;
    a.gitter = Gitterwerte(groesster, 5);
    a.kurzerSchattenBeiNull = true;
    Zeichnen(s, a);
}

void AnzahlGezogenGrafik(const Modul1 &m, bool mitZZ, bool nachWert, Surface &s)
{
    Diagramm::Start(s);
    AnzahlGezogenZeichnen(AnzahlGezogenWerte(m, mitZZ), nachWert, s);
}

void VerhDurchschnittGrafik(const Modul1 &m, bool mitZZ, bool nachWert, Surface &s)
{
    Diagramm::Start(s);
    VerhDurchschnittZeichnen(VerhDurchschnittWerte(m, mitZZ), nachWert, s);
}

void ZuletztGezogenGrafik(const Modul1 &m, bool mitZZ, bool nachWert, Surface &s)
{
    Diagramm::Start(s);
    ZuletztGezogenZeichnen(ZuletztGezogenWerte(m, mitZZ), nachWert, s);
}
