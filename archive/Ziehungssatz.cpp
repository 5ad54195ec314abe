#include "Ziehungssatz.h"

#include <algorithm>

namespace {

// The digit at 1-based position `pos`, or -1 when there is none.
int ziffer(const QString &text, int pos)
{
    if (pos < 1 || pos > text.size())
        return -1;
    const QChar c = text.at(pos - 1);
    return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : -1;
}

} // namespace

int Ziehungssatz::Zahl(int j) const
{
    const int zehner = ziffer(m_text, 12 + 2 * j);
    const int einer = ziffer(m_text, 13 + 2 * j);
    if (zehner < 0 || einer < 0)
        return 0;
    const int wert = zehner * 10 + einer;
    return wert >= 1 && wert <= 45 ? wert : 0;
}

int Ziehungssatz::JokerZiffer(int p) const
{
    return std::max(ziffer(m_text, 27 + p), 0);
}
