#include "Ziehungsanzeige.h"

#include "Geometrie.h"
#include "Surface.h"
#include "Zahlen.h"

namespace Ziehungsanzeige {

namespace {

void Zentriert(Surface &flaeche, QPointF mitte, const QString &text)
{
    flaeche.SetCurrentX(mitte.x() - flaeche.TextWidth(text) / 2);
    flaeche.SetCurrentY(mitte.y() - flaeche.TextHeight(text) / 2);
    flaeche.Print(text);
}

void Kreuz(Surface &flaeche, QPointF ecke)
{
    const double r = MarkenGroesse;
    flaeche.Line(ecke.x(), ecke.y(), r, r, QColor(Qt::black));
    flaeche.Line(ecke.x(), ecke.y() + r, r, -r, QColor(Qt::black));
}

} // namespace

void Zeichnen(Surface &flaeche, const Ziehungssatz &ziehung)
{
    for (int i = 0; i <= 6; ++i) {
        const double position = i == 6 ? Geometrie::ZusatzzahlPosition : i;
        Zentriert(flaeche, Geometrie::KugelMitte(position, 0),
                  ZahlText(Val(ziehung.ZahlText(i + 1))));
    }

    const QString joker = ziehung.Joker();
    for (int i = 0; i <= 5; ++i)
        Zentriert(flaeche, Geometrie::KugelMitte(i, 1), joker.mid(i, 1));

    const int breite = flaeche.DrawWidth();
    flaeche.SetDrawWidth(MarkenBreite);
    for (int j = 1; j <= 7; ++j) {
        const int n = ziehung.Zahl(j);
        if (n == 0)
            continue; // not a number of the grid
        const QPointF ecke = Geometrie::GitterFeld(n);
        if (j <= 6) {
            Kreuz(flaeche, ecke);
        } else {
            flaeche.Circle(ecke.x() + MarkenGroesse / 2, ecke.y() + MarkenGroesse / 2, KreisRadius,
                           QColor(Qt::black));
        }
    }
    flaeche.SetDrawWidth(breite);
}

QString NrText(int aktZiehung)
{
    return QLatin1Char('#') + QString::number(aktZiehung);
}

QString StatusText(const Ziehungssatz &ziehung)
{
    return QStringLiteral("Ziehung vom ") + ziehung.Datum() + QStringLiteral(", Runde ") +
           ziehung.mid(7, 4) + QLatin1Char('-') + ziehung.mid(11, 3);
}

QString KeineZiehungText()
{
    return QStringLiteral("Keine Ziehung gespeichert");
}

} // namespace Ziehungsanzeige
