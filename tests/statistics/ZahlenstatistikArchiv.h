#pragma once

#include "Modul1.h"

#include <QStringList>
#include <array>
#include <gtest/gtest.h>

namespace zahlenstatistik_test {

// A draw record from its parts; the Joker is left blank.
inline Ziehungssatz Ziehung(const QString &datum, int runde, std::array<int, 6> zahlen, int zz)
{
    QString text = datum + QStringLiteral("%1").arg(runde, 3, 10, QLatin1Char('0'));
    for (int z : zahlen)
        text += QStringLiteral("%1").arg(z, 2, 10, QLatin1Char('0'));
    text += QStringLiteral("%1").arg(zz, 2, 10, QLatin1Char('0'));
    return Ziehungssatz(text + QStringLiteral("      "));
}

// Draw i of a generated archive: 100 rounds per year from 2000 on.
inline Ziehungssatz Erzeugt(int i, std::array<int, 6> zahlen, int zz)
{
    const int jahr = 2000 + (i - 1) / 100;
    return Ziehung(QStringLiteral("01.01.%1").arg(jahr), (i - 1) % 100 + 1, zahlen, zz);
}

// Odd draws hold 1..6 with Zusatzzahl 7, even draws 8..13 with 14.
inline Modul1 Wechselarchiv(int anzahl)
{
    Modul1 m;
    for (int i = 1; i <= anzahl; ++i) {
        m.Ziehungen << (i % 2 ? Erzeugt(i, {1, 2, 3, 4, 5, 6}, 7)
                              : Erzeugt(i, {8, 9, 10, 11, 12, 13}, 14));
    }
    return m;
}

// An archive of draws whose seven number fields read as given, repeated `mal` times.
inline Modul1 Archiv(std::initializer_list<const char *> felder, int mal = 1)
{
    Modul1 m;
    for (int w = 0; w < mal; ++w) {
        for (const char *f : felder)
            m.Ziehungen << Ziehungssatz(QStringLiteral("01.01.2000001") + QLatin1String(f) +
                                        QStringLiteral("      "));
    }
    return m;
}

// The lines of a text whose every line ends in CR LF.
inline QStringList Zeilen(const QString &text)
{
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    QStringList zeilen = text.split(QStringLiteral("\r\n"));
    zeilen.removeLast();
    return zeilen;
}

} // namespace zahlenstatistik_test
