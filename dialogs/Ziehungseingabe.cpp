#include "Ziehungseingabe.h"

#include "Datum.h"
#include "Zahlen.h"

namespace Ziehungseingabe {

namespace {

const QString ZeilenEnde = QStringLiteral("\r\n");

bool istZiffer(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool nurZiffern(const QString &text)
{
    for (QChar c : text) {
        if (!istZiffer(c))
            return false;
    }
    return true;
}

// A date the draw file can hold: its year takes one byte, which must not be
// the line end.
std::optional<QDate> gueltigesDatum(const QString &text)
{
    const auto datum = Datum::Lesen(text.trimmed());
    if (!datum)
        return std::nullopt;
    const int jahr = datum->year();
    if (jahr < 1980 || jahr > 2235 || jahr == 2222)
        return std::nullopt;
    return datum;
}

bool datumVorhanden(const Modul1 &m, const QString &gespeichert)
{
    for (int i = 1; i <= m.AnzahlZiehungen(); ++i) {
        if (m.Ziehungen.at(i).Datum() == gespeichert)
            return true;
    }
    return false;
}

bool rundeGueltig(const Modul1 &m, const QString &modus, const QString &runde)
{
    if (runde.size() != 8 || runde.at(4) != QLatin1Char('-'))
        return false;
    const QString nummer = runde.right(3);
    if (!nurZiffern(nummer))
        return false;
    const int wert = nummer.toInt();
    if (wert > 255 || wert == 242)
        return false;
    if (modus != ModusNeu || m.AnzahlZiehungen() == 0)
        return true;
    const double schluessel = Val(runde.left(4) + nummer);
    const double neuester = Val(m.Ziehungen.at(m.AnzahlZiehungen()).Rundenschluessel());
    return schluessel > neuester;
}

// One or two digits, blanks around them ignored; 0 for anything else, so that a
// typo is refused rather than stored as the number it begins with.
int zahlWert(const QString &feld)
{
    const QString ziffern = feld.trimmed();
    return ziffern.size() > 2 || !nurZiffern(ziffern) ? 0 : ziffern.toInt();
}

bool zahlenGueltig(const Felder &felder)
{
    std::array<int, 7> werte{};
    for (int i = 0; i < 7; ++i) {
        werte[i] = zahlWert(felder.zahlen[i]);
        if (werte[i] < 1 || werte[i] > 45)
            return false;
    }
    for (int i = 0; i < 7; ++i) {
        for (int k = i + 1; k < 7; ++k) {
            if (werte[i] == werte[k])
                return false;
        }
    }
    return true;
}

bool jokerGueltig(const QString &joker)
{
    return joker.size() == 6 && nurZiffern(joker);
}

QString zweistellig(int wert)
{
    return QStringLiteral("%1").arg(wert, 2, 10, QLatin1Char('0'));
}

} // namespace

std::optional<QDate> LetzteZiehung(const Modul1 &m)
{
    if (m.AnzahlZiehungen() == 0)
        return std::nullopt;
    return Datum::Lesen(m.Ziehungen.at(m.AnzahlZiehungen()).Datum());
}

QDate NaechsteZiehung(const Modul1 &m, const QDate &heute)
{
    const auto letzte = LetzteZiehung(m);
    return letzte ? Datum::NaechsterZiehungstag(*letzte) : heute;
}

QString Ablehnung(const QDate &letzteZiehung)
{
    return QStringLiteral("Die Zahlen der letzten Ziehung vom") + ZeilenEnde +
           Datum::Text(letzteZiehung) + QStringLiteral(" wurden bereits eingegeben.");
}

Felder Vorschlag(const Modul1 &m, const QDate &heute)
{
    Felder felder;
    felder.datum = Datum::Text(NaechsteZiehung(m, heute));
    if (m.AnzahlZiehungen() == 0) {
        felder.runde = QString::number(heute.year()) + QStringLiteral("-001");
    } else {
        const Ziehungssatz &neueste = m.Ziehungen.at(m.AnzahlZiehungen());
        felder.runde = neueste.Jahr() + QLatin1Char('-') +
                       Format(Val(neueste.Runde()) + 1, QStringLiteral("000"));
    }
    return felder;
}

Felder AusSatz(const Ziehungssatz &satz)
{
    Felder felder;
    felder.datum = satz.Datum();
    felder.runde = satz.RundeAnzeige();
    for (int i = 0; i < 7; ++i)
        felder.zahlen[i] = satz.ZahlText(i + 1);
    felder.joker = satz.Joker();
    return felder;
}

QString Pruefen(const Modul1 &m, const QString &modus, const Felder &felder)
{
    QString fehlertext;
    const auto datum = gueltigesDatum(felder.datum);
    if (!datum) {
        fehlertext += FehlerDatum + ZeilenEnde;
    } else {
        const QString gespeichert = Datum::Text(*datum);
        const bool suchen =
            modus == ModusNeu || (modus == ModusEdit && gespeichert != m.AktuelleZiehung().Datum());
        if (suchen && datumVorhanden(m, gespeichert))
            fehlertext += FehlerDatumVorhanden + ZeilenEnde;
    }
    if (!rundeGueltig(m, modus, felder.runde))
        fehlertext += FehlerRunde + ZeilenEnde;
    if (!zahlenGueltig(felder))
        fehlertext += FehlerZahlen + ZeilenEnde;
    if (!jokerGueltig(felder.joker))
        fehlertext += FehlerJoker + ZeilenEnde;
    return fehlertext;
}

std::array<qint16, 6> Sortieren(const Felder &felder)
{
    std::array<qint16, 6> sortiert{};
    int k = 0;
    for (int v = 1; v <= 45; ++v) {
        for (int i = 0; i < 6 && k < 6; ++i) {
            if (zahlWert(felder.zahlen[i]) == v)
                sortiert[k++] = qint16(v);
        }
    }
    return sortiert;
}

Ziehungssatz SatzBilden(const Felder &felder)
{
    QString text = Datum::Text(*gueltigesDatum(felder.datum)) + felder.runde.right(3);
    for (qint16 zahl : Sortieren(felder))
        text += zweistellig(zahl);
    text += zweistellig(zahlWert(felder.zahlen[6]));
    text += felder.joker;
    return Ziehungssatz(text);
}

Schreibergebnis Speichern(Modul1 &m, const QString &modus, const Felder &felder)
{
    if (modus == ModusNeu && m.AnzahlZiehungen() >= Modul1::MaxZiehungen)
        return Schreibergebnis::Fehler(ArchivVoll);

    const QList<Ziehungssatz> vorher = m.Ziehungen;
    const qint16 aktVorher = m.AktZiehung;

    const Ziehungssatz satz = SatzBilden(felder);
    if (modus == ModusNeu)
        m.Ziehungen.append(satz);
    else
        m.Ziehungen[m.AktZiehung] = satz;

    const Schreibergebnis ergebnis = m.ZiehungenSchreiben();
    if (!ergebnis.ok) {
        m.Ziehungen = vorher;
        m.AktZiehung = aktVorher;
        return ergebnis;
    }
    if (modus == ModusNeu)
        m.AktZiehung = qint16(m.AnzahlZiehungen());
    return ergebnis;
}

QString Schreibfehler(const QString &grund)
{
    return QStringLiteral("Die Datei ZIEHBUCH.DAT konnte nicht geschrieben werden.") + ZeilenEnde +
           grund;
}

} // namespace Ziehungseingabe
