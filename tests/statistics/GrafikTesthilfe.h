#pragma once

#include "Modul1.h"
#include "RecordingSurface.h"

#include <QFont>
#include <QString>
#include <array>

namespace grafik_test {

using Art = RecordingSurface::Art;
using Aufruf = RecordingSurface::Aufruf;

constexpr double Breite = 7695;
constexpr double Hoehe = 6855;

inline QFont Schrift()
{
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(6.75);
    return schrift;
}

// The statistics window's picture box: twips, 7695 × 6855, Arial 6.75 pt.
inline RecordingSurface Flaeche()
{
    return RecordingSurface(15, Breite, Hoehe, Schrift());
}

// A draw record with six numbers, a Zusatzzahl and a Joker (six blanks: none).
inline Ziehungssatz Ziehung(std::array<int, 6> zahlen, int zz,
                            const QString &joker = QStringLiteral("      "))
{
    QString text = QStringLiteral("01.01.2000001");
    for (int z : zahlen)
        text += QStringLiteral("%1").arg(z, 2, 10, QLatin1Char('0'));
    text += QStringLiteral("%1").arg(zz, 2, 10, QLatin1Char('0'));
    return Ziehungssatz(text + joker);
}

inline Ziehungssatz JokerZiehung(const QString &joker)
{
    return Ziehung({1, 2, 3, 4, 5, 6}, 7, joker);
}

inline void Anhaengen(Modul1 &m, const Ziehungssatz &satz, int mal = 1)
{
    for (int i = 0; i < mal; ++i)
        m.Ziehungen << satz;
}

// The prints and boxes after the clear, without the grid lines.
inline QList<Aufruf> TexteUndKaesten(const RecordingSurface &s)
{
    QList<Aufruf> auswahl;
    for (const Aufruf &a : s.SeitCls()) {
        if (a.art == Art::Print || a.art == Art::Box)
            auswahl << a;
    }
    return auswahl;
}

inline QList<Aufruf> Linien(const RecordingSurface &s)
{
    QList<Aufruf> auswahl;
    for (const Aufruf &a : s.SeitCls()) {
        if (a.art == Art::Line)
            auswahl << a;
    }
    return auswahl;
}

} // namespace grafik_test
