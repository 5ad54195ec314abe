#pragma once

#include "FakePlattform.h"
#include "Modul1.h"

#include <QAbstractButton>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <gmock/gmock.h>
#include <ostream>

using ::testing::DoubleNear;
using ::testing::Pointwise;

// Readable failure messages for Qt's string types.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << '"' << bytes.toHex(' ').toStdString() << '"';
}

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
void Dazu(Modul1 &m, QAnyStringView text, int mal = 1);
// The draws `mal` times over, the last one shown.
Modul1 Archiv(std::initializer_list<const char *> texte, int mal = 1);

// A temporary program folder for one test; its path ends in "/".
class TempFolder {
public:
    QString Pfad() const { return m_dir.path() + QLatin1Char('/'); }
    QString Datei(const QString &name) const { return Pfad() + name; }
    void Schreiben(const QString &name, const QByteArray &inhalt) const
    {
        QFile datei(Datei(name));
        if (datei.open(QIODevice::WriteOnly))
            datei.write(inhalt);
    }
    QByteArray Lesen(const QString &name) const
    {
        QFile datei(Datei(name));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

// A program folder, the shared data on it, and every platform service faked.
struct Umgebung {
    TempFolder ordner;
    Modul1 m;
    FakePlattform fake;
    Umgebung() { m.ProgrammPfad = ordner.Pfad(); }
    void Lege(const char *name, const QByteArray &inhalt) const
    {
        ordner.Schreiben(S(name), inhalt);
    }
    QByteArray Datei(const char *name) const { return ordner.Lesen(S(name)); }
};

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

// Runs `schreiben` in a forked child whose files may grow to at most `bytes` bytes, so that a
// write fails even for root. Returns the child's exit code, or -1 when it did not exit normally.
int MitSchreibgrenze(long bytes, const std::function<int()> &schreiben);
// The system's reason for refusing a write beyond that limit, in the language of the locale
// the test runs in.
inline QString ZuGross()
{
    return qt_error_string(EFBIG);
}
