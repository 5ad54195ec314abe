#pragma once

#include "Modul1.h"
#include "QtPrinters.h"
#include "RecordingSurface.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace statistik_test {

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

// Appends `mal` draws. A text of the seven number fields (and a Joker, else blanks) gets
// the date and round of its place, 100 rounds a year from 2000; a longer text is a record.
inline void Dazu(Modul1 &m, QString text, int mal = 1)
{
    for (int w = 0; w < mal; ++w) {
        const int i = m.AnzahlZiehungen();
        const QString kopf = QStringLiteral("01.01.%1%2")
                                 .arg(2000 + i / 100)
                                 .arg(i % 100 + 1, 3, 10, QLatin1Char('0'));
        m.Ziehungen << Ziehungssatz((text.size() < 27 ? kopf + text : text).leftJustified(33));
    }
}
inline void Dazu(Modul1 &m, const char *text, int mal = 1)
{
    Dazu(m, QString::fromUtf8(text), mal);
}
inline Modul1 Archiv(std::initializer_list<const char *> texte, int mal = 1)
{
    Modul1 m;
    for (int w = 0; w < mal; ++w)
        for (const char *t : texte)
            Dazu(m, t);
    return m;
}

// The lines of a text whose every line ends in CR LF.
inline QStringList Zeilen(const QString &text)
{
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    return text.chopped(2).split(QStringLiteral("\r\n"));
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

} // namespace statistik_test
