#include "Zahlen.h"

#include <QtGlobal>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

double Val(const QString &text)
{
    QString zahl;
    bool ziffern = false;
    bool punkt = false;
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && zahl.isEmpty()) {
            zahl += c;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            zahl += c;
            ziffern = true;
        } else if (c == QLatin1Char('.') && !punkt) {
            zahl += c;
            punkt = true;
        } else {
            break;
        }
    }
    return ziffern ? zahl.toDouble() : 0.0;
}

QString RechtsBuendig(const QString &wert, qint16 breite)
{
    if (wert.size() <= breite)
        return QString(breite - wert.size(), QLatin1Char(' ')) + wert;
    return QLatin1Char('~') + wert.right(breite - 1);
}

QString RechtsBuendig(long long wert, qint16 breite)
{
    return RechtsBuendig(QString::number(wert), breite);
}

QString RechtsBuendig(int wert, qint16 breite)
{
    return RechtsBuendig(QString::number(wert), breite);
}

QString RechtsBuendig(double wert, qint16 breite)
{
    return RechtsBuendig(ZahlText(wert), breite);
}

QString ZahlText(double wert)
{
    QString text = QString::number(wert, 'g', 15);
    if (text.contains(QLatin1Char('e'))) {
        text = QString::number(wert, 'f', 20);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

namespace {

// The value's decimal digits rounded half away from zero to `stellen`
// fraction digits, taken from its 15-significant-digit text.
struct Dezimal {
    bool negativ = false;
    QString ganz;  // without leading zeros, empty for 0
    QString bruch; // exactly `stellen` digits
};

Dezimal runden(double wert, int stellen)
{
    Dezimal d;
    // d.dddddddddddddde[+-]XX, the same in every locale.
    char puffer[32];
    const char *ende = std::to_chars(std::begin(puffer), std::end(puffer), std::fabs(wert),
                                     std::chars_format::scientific, 14)
                           .ptr;
    const char *e = std::find<const char *>(puffer, ende, 'e');
    QString mantisse;
    for (const char *c = puffer; c != e; ++c) {
        if (*c != '.')
            mantisse += QLatin1Char(*c);
    }
    int exponent = 0;
    if (e != ende) {
        const bool minus = e[1] == '-';
        std::from_chars(e + 2, ende, exponent);
        if (minus)
            exponent = -exponent;
    }
    // Digits with the decimal point after position exponent + 1.
    int punkt = exponent + 1;
    if (punkt < 0) {
        mantisse = QString(-punkt, QLatin1Char('0')) + mantisse;
        punkt = 0;
    }
    while (mantisse.size() < punkt + stellen + 1)
        mantisse += QLatin1Char('0');
    QString behalten = mantisse.left(punkt + stellen);
    const bool aufrunden = mantisse.at(punkt + stellen) >= QLatin1Char('5');
    if (aufrunden) {
        int k = int(behalten.size()) - 1;
        for (; k >= 0; --k) {
            if (behalten[k] == QLatin1Char('9')) {
                behalten[k] = QLatin1Char('0');
            } else {
                behalten[k] = QChar(behalten[k].unicode() + 1);
                break;
            }
        }
        if (k < 0) {
            behalten.prepend(QLatin1Char('1'));
            ++punkt;
        }
    }
    d.ganz = behalten.left(punkt);
    d.bruch = behalten.mid(punkt);
    while (d.ganz.startsWith(QLatin1Char('0')))
        d.ganz.remove(0, 1);
    const bool null =
        d.ganz.isEmpty() && std::all_of(d.bruch.cbegin(), d.bruch.cend(),
                                        [](QChar c) { return c == QLatin1Char('0'); });
    d.negativ = wert < 0 && !null;
    return d;
}

} // namespace

QString Format(double wert, const QString &muster)
{
    // Split the pattern into its leading literal text, the integer digits and
    // the fraction digits.
    int anfang = 0;
    while (anfang < muster.size() && !QStringLiteral("0#.,").contains(muster.at(anfang)))
        ++anfang;
    const QString praefix = muster.left(anfang);
    const QString zahlteil = muster.mid(anfang);
    const int punkt = int(zahlteil.indexOf(QLatin1Char('.')));
    const QString ganzMuster = punkt < 0 ? zahlteil : zahlteil.left(punkt);
    const QString bruchMuster = punkt < 0 ? QString() : zahlteil.mid(punkt + 1);

    const Dezimal d = runden(wert, int(bruchMuster.size()));
    QString ganz = d.ganz;
    const int mindestens = int(ganzMuster.count(QLatin1Char('0')));
    while (ganz.size() < mindestens)
        ganz.prepend(QLatin1Char('0'));
    if (ganzMuster.contains(QLatin1Char(','))) {
        for (int k = int(ganz.size()) - 3; k > 0; k -= 3)
            ganz.insert(k, QLatin1Char('.'));
    }
    QString text = ganz;
    if (!bruchMuster.isEmpty())
        text += QLatin1Char(',') + d.bruch;
    return praefix + (d.negativ ? QStringLiteral("-") : QString()) + text;
}
