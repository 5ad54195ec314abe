#pragma once

#include "Modul1.h"
#include "QtPrinters.h"

#include <QAbstractButton>
#include <QStringList>
#include <gtest/gtest.h>

// A text, and a list written as one text with its entries separated by '|'.
inline QString S(const char *text)
{
    return QString::fromUtf8(text);
}
inline QStringList L(const char *texte)
{
    return S(texte).split(QLatin1Char('|'));
}

// Appends `mal` draws. A text beginning with a date is the record (date and round alone get the
// numbers 01 to 07 and Joker 123456); number fields alone, with or without a Joker, get the date
// and round of their place, 100 rounds a year from 2000.
void Dazu(Modul1 &m, const QString &text, int mal = 1);
inline void Dazu(Modul1 &m, const char *text, int mal = 1)
{
    Dazu(m, S(text), mal);
}
// The draws `mal` times over, the last one shown.
Modul1 Archiv(std::initializer_list<const char *> texte, int mal = 1);

// The control `name` of a window, which must exist.
template <typename T = QWidget> T *Kind(const QObject &fenster, const char *name)
{
    T *kind = fenster.findChild<T *>(S(name));
    EXPECT_NE(kind, nullptr) << name;
    return kind;
}
inline void Klick(const QObject &fenster, const char *knopf)
{
    Kind<QAbstractButton>(fenster, knopf)->click();
}
