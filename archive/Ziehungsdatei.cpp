#include "Ziehungsdatei.h"

#include <QDate>
#include <algorithm>

namespace Ziehungsdatei {
namespace {

// The number that the characters of `text` spell, or -1 unless they are all digits.
int ziffernWert(const QString &text)
{
    if (text.isEmpty())
        return -1;
    int wert = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        wert = wert * 10 + (c.unicode() - '0');
    }
    return wert;
}

bool speicherbar(int jahr, int runde)
{
    return jahr >= 1980 && jahr <= 2235 && jahr != 2222 && runde >= 0 && runde <= 255 &&
           runde != 242;
}

} // namespace

std::optional<Ziehungssatz> ZeileLesen(QByteArrayView zeile)
{
    if (zeile.size() != ZeilenLaenge)
        return std::nullopt;
    auto wert = [&](int byte) { return 255 - quint8(zeile.at(byte - 1)); };

    const int jahr = 2235 - quint8(zeile.at(0));
    const int monat = wert(2);
    const int tag = wert(3);
    const int runde = wert(4);
    if (!QDate::isValid(jahr, monat, tag) || !speicherbar(jahr, runde))
        return std::nullopt;

    // Built as Latin-1 bytes, which the record keeps as they are: this runs
    // once per draw at start-up.
    char text[Ziehungssatz::Laenge];
    char *p = text;
    auto ziffern = [&p](int zahl, int stellen) {
        for (int i = stellen - 1; i >= 0; --i, zahl /= 10)
            p[i] = char('0' + zahl % 10);
        p += stellen;
    };
    ziffern(tag, 2);
    *p++ = '.';
    ziffern(monat, 2);
    *p++ = '.';
    ziffern(jahr, 4);
    ziffern(runde, 3);
    for (int j = 1; j <= 7; ++j) {
        if (wert(4 + j) > 99)
            return std::nullopt;
        ziffern(wert(4 + j), 2);
    }
    if (zeile.endsWith(QByteArrayView("   "))) {
        std::fill(p, p + 6, ' ');
    } else {
        for (int k = 1; k <= 3; ++k) {
            if (wert(11 + k) > 99)
                return std::nullopt;
            ziffern(wert(11 + k), 2);
        }
    }
    return Ziehungssatz(QLatin1StringView(text, Ziehungssatz::Laenge));
}

std::optional<QByteArray> ZeileSchreiben(const Ziehungssatz &satz)
{
    if (satz.text().size() != Ziehungssatz::Laenge || satz.mid(3, 1) != QLatin1String(".") ||
        satz.mid(6, 1) != QLatin1String("."))
        return std::nullopt;
    const int tag = ziffernWert(satz.mid(1, 2));
    const int monat = ziffernWert(satz.mid(4, 2));
    const int jahr = ziffernWert(satz.mid(7, 4));
    const int runde = ziffernWert(satz.mid(11, 3));
    if (!QDate::isValid(jahr, monat, tag) || !speicherbar(jahr, runde))
        return std::nullopt;

    QByteArray zeile;
    zeile.reserve(ZeilenLaenge);
    zeile += char(2235 - jahr);
    zeile += char(255 - monat);
    zeile += char(255 - tag);
    zeile += char(255 - runde);
    for (int j = 1; j <= 7; ++j) {
        const int feld = ziffernWert(satz.ZahlText(j));
        if (feld < 0)
            return std::nullopt;
        zeile += char(255 - feld);
    }
    if (!satz.HatJoker()) {
        zeile += "   ";
    } else {
        for (int k = 1; k <= 3; ++k) {
            const int paar = ziffernWert(satz.mid(26 + 2 * k, 2));
            if (paar < 0)
                return std::nullopt;
            zeile += char(255 - paar);
        }
    }
    return zeile;
}

namespace {

// The line that begins at `anfang`, up to the next CR LF or the end of the
// file; moves `anfang` to the line after it.
QByteArrayView NaechsteZeile(QByteArrayView bytes, qsizetype &anfang)
{
    for (qsizetype cr = bytes.indexOf('\r', anfang); cr >= 0 && cr + 1 < bytes.size();
         cr = bytes.indexOf('\r', cr + 1)) {
        if (bytes.at(cr + 1) == '\n') {
            const QByteArrayView zeile = bytes.sliced(anfang, cr - anfang);
            anfang = cr + 2;
            return zeile;
        }
    }
    const QByteArrayView rest = bytes.sliced(anfang);
    anfang = bytes.size();
    return rest;
}

// The number of lines, without the empty lines at the very end.
qsizetype ZeilenZaehlen(QByteArrayView bytes)
{
    qsizetype gezaehlt = 0, nichtLeer = 0;
    for (qsizetype anfang = 0; anfang < bytes.size();) {
        ++gezaehlt;
        if (!NaechsteZeile(bytes, anfang).isEmpty())
            nichtLeer = gezaehlt;
    }
    return nichtLeer;
}

} // namespace

Leseergebnis DateiLesen(const QByteArray &bytes, QList<Ziehungssatz> &saetze)
{
    Leseergebnis ergebnis;
    const qsizetype anzahl = ZeilenZaehlen(bytes);
    if (anzahl > Modul1::MaxZiehungen) {
        ergebnis.art = Leseergebnis::Art::ZuViele;
        return ergebnis;
    }
    // Counted first, so that the records go straight into one block.
    const qsizetype vorher = saetze.size();
    saetze.reserve(vorher + anzahl);
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < anzahl; ++i) {
        auto satz = ZeileLesen(NaechsteZeile(bytes, anfang));
        if (!satz) {
            saetze.resize(vorher);
            ergebnis.art = Leseergebnis::Art::Fehlerhaft;
            ergebnis.zeile = int(i) + 1;
            return ergebnis;
        }
        saetze.append(std::move(*satz));
    }
    return ergebnis;
}

Inhalt DateiLesen(const QByteArray &bytes)
{
    Inhalt inhalt;
    inhalt.ergebnis = DateiLesen(bytes, inhalt.saetze);
    return inhalt;
}

std::optional<QByteArray> DateiSchreiben(const QList<Ziehungssatz> &ziehungen, int *abgelehnt)
{
    QByteArray bytes;
    bytes.reserve((ziehungen.size() - 1) * (ZeilenLaenge + 2));
    for (qsizetype i = 1; i < ziehungen.size(); ++i) {
        const auto zeile = ZeileSchreiben(ziehungen.at(i));
        if (!zeile) {
            if (abgelehnt)
                *abgelehnt = int(i);
            return std::nullopt;
        }
        bytes += *zeile;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace Ziehungsdatei
