#pragma once

#include "Modul1.h"
#include "RecordingSurface.h"

#include <QFont>
#include <QStringList>
#include <array>

namespace grafik_test {

using Art = RecordingSurface::Art;
using Aufruf = RecordingSurface::Aufruf;

constexpr double Breite = 7695;
constexpr double Hoehe = 6855;
constexpr double Genau = 1e-3;
const QColor Blau(0, 0, 255), Rot(255, 0, 0), Grau(128, 128, 128);

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

inline void Anhaengen(Modul1 &m, const Ziehungssatz &satz, int mal = 1)
{
    for (int i = 0; i < mal; ++i)
        m.Ziehungen << satz;
}

inline void Joker(Modul1 &m, const char *joker, int mal = 1)
{
    Anhaengen(m, Ziehung({1, 2, 3, 4, 5, 6}, 7, QLatin1String(joker)), mal);
}

// The calls of one kind after the clear.
inline QList<Aufruf> Nur(const RecordingSurface &s, Art art)
{
    QList<Aufruf> auswahl;
    for (const Aufruf &a : s.SeitCls()) {
        if (a.art == art)
            auswahl << a;
    }
    return auswahl;
}

// The printed texts after the clear, in their order.
inline QStringList Texte(const RecordingSurface &s)
{
    QStringList texte;
    for (const Aufruf &a : Nur(s, Art::Print))
        texte << a.text;
    return texte;
}

} // namespace grafik_test
