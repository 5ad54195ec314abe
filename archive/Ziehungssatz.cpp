#include "Ziehungssatz.h"

#include <algorithm>
#include <cstring>

Ziehungssatz::Ziehungssatz(const QString &text)
    : m_null(text.isNull())
{
    const bool latin1 =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 256; });
    if (text.size() > Laenge || !latin1) {
        m_sonst = std::make_shared<const QString>(text);
        return;
    }
    m_laenge = qint8(text.size());
    std::transform(text.begin(), text.end(), m_zeichen.begin(),
                   [](QChar c) { return char(c.unicode()); });
}

Ziehungssatz::Ziehungssatz(QLatin1StringView text)
    : m_null(text.isNull())
{
    if (text.size() > Laenge) {
        m_sonst = std::make_shared<const QString>(text);
        return;
    }
    m_laenge = qint8(text.size());
    std::copy(text.begin(), text.end(), m_zeichen.begin());
}

QString Ziehungssatz::text() const
{
    if (m_sonst)
        return *m_sonst;
    return m_null ? QString() : QString(Zeichen());
}

bool Ziehungssatz::operator==(const Ziehungssatz &other) const
{
    if (m_sonst || other.m_sonst)
        return m_sonst && other.m_sonst && *m_sonst == *other.m_sonst;
    return m_laenge == other.m_laenge &&
           std::memcmp(m_zeichen.data(), other.m_zeichen.data(), size_t(m_laenge)) == 0;
}

// QLatin1StringView::mid cuts as QString::mid does, null and empty results alike.
QString Ziehungssatz::mid(int pos, int len) const
{
    if (m_sonst)
        return m_sonst->mid(pos - 1, len);
    return m_null ? QString() : QString(Zeichen().mid(pos - 1, len));
}

int Ziehungssatz::Ziffer(int pos) const
{
    const qsizetype laenge = m_sonst ? m_sonst->size() : m_laenge;
    if (pos < 1 || pos > laenge)
        return -1;
    const char16_t c =
        m_sonst ? m_sonst->at(pos - 1).unicode() : quint8(m_zeichen[size_t(pos - 1)]);
    return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

int Ziehungssatz::Zahl(int j) const
{
    const int zehner = Ziffer(12 + 2 * j);
    const int einer = Ziffer(13 + 2 * j);
    if (zehner < 0 || einer < 0)
        return 0;
    const int wert = zehner * 10 + einer;
    return wert >= 1 && wert <= 45 ? wert : 0;
}

bool Ziehungssatz::HatJoker() const
{
    return Joker() != QLatin1String("      ");
}

int Ziehungssatz::JokerZiffer(int p) const
{
    return std::max(Ziffer(27 + p), 0);
}
