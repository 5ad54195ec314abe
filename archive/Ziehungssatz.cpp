#include "Ziehungssatz.h"

namespace {
bool istZiffer(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
} // namespace

int Ziehungssatz::Zahl(int j) const
{
    const QString feld = ZahlText(j);
    if (feld.size() != 2 || !istZiffer(feld[0]) || !istZiffer(feld[1]))
        return 0;
    const int wert = feld[0].digitValue() * 10 + feld[1].digitValue();
    return wert >= 1 && wert <= 45 ? wert : 0;
}

int Ziehungssatz::JokerZiffer(int p) const
{
    const QString ziffer = mid(27 + p, 1);
    return ziffer.size() == 1 && istZiffer(ziffer[0]) ? ziffer[0].digitValue() : 0;
}
