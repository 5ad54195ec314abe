#include "Diagramm.h"

#include "Zahlen.h"

namespace Diagramm {

void Start(Surface &s)
{
    Text(s, 0, 0, QStringLiteral("bitte warten ..."));
    s.Refresh();
}

void Text(Surface &s, double x, double y, const QString &text)
{
    s.SetCurrentY(y);
    s.SetCurrentX(x);
    s.Print(text);
}

void TextRechts(Surface &s, double x, double y, const QString &text)
{
    Text(s, x - s.TextWidth(text), y, text);
}

void Balken(Surface &s, double x0, double oben, double laenge, double hoehe, const QColor &farbe,
            double kuerzung)
{
    s.Box(x0, oben - 25, laenge - kuerzung, hoehe, Schatten);
    s.Box(x0, oben, laenge, hoehe, farbe);
}

void Gitterlinie(Surface &s, double x, double laenge)
{
    s.Line(x, 0, 0, laenge, Gitter);
}

double Massstab(double breite, double teiler)
{
    return teiler == 0 ? 0.0 : breite / teiler;
}

QString Anteil(double teil, double ganzes)
{
    return Format(ganzes == 0 ? 0.0 : teil / ganzes * 100, QStringLiteral("0.0"));
}

} // namespace Diagramm
