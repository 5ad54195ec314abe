#pragma once

#include "RecordingSurface.h"
#include "Testhilfe.h"

using Art = RecordingSurface::Art;
using Aufruf = RecordingSurface::Aufruf;
constexpr double Breite = 7695, Hoehe = 6855, Genau = 1e-3;
const QColor Blau(0, 0, 255), Rot(255, 0, 0), Grau(128, 128, 128);

// The statistics window's picture box: twips, 7695 × 6855, Arial 6.75 pt.
inline RecordingSurface Flaeche()
{
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(6.75);
    return RecordingSurface(15, Breite, Hoehe, schrift);
}

// The lines of a text whose every line ends in CR LF.
inline QStringList Zeilen(const QString &text)
{
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    return text.chopped(2).split(QStringLiteral("\r\n"));
}

// Where a print ends: its left edge plus its width.
inline double Rechts(const RecordingSurface &s, const Aufruf &a)
{
    return a.x + s.TextWidth(a.text);
}

// The texts printed after the clear. (The charts draw lines and boxes only after it.)
inline QStringList Texte(const RecordingSurface &s)
{
    QStringList texte;
    for (const Aufruf &a : s.SeitCls())
        if (a.art == Art::Print)
            texte << a.text;
    return texte;
}
