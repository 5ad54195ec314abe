#include "Tipliste.h"

#include "Windows1252.h"

namespace Tipliste {
namespace {

const QString ZahlenSchluessel = QStringLiteral("Zahlentip=");
const QString JokerSchluessel = QStringLiteral("Jokertip=");
const QString ZahlenWort = QStringLiteral("Zahlentip  ");
const QString JokerWort = QStringLiteral("Jokertip   ");
constexpr int ZahlenLaenge = 17;
constexpr int JokerLaenge = 6;

// Where the numbers start in a settings line of the kind (from 0).
int ZahlenAnfang(Tipart art)
{
    return art == Tipart::Zahlen ? 10 : 9;
}
int ZahlenLaengeDer(Tipart art)
{
    return art == Tipart::Zahlen ? ZahlenLaenge : JokerLaenge;
}

QString ZahlenDerZeile(const QString &zeile, Tipart art)
{
    return zeile.mid(ZahlenAnfang(art), ZahlenLaengeDer(art));
}

QString NameDerZeile(const QString &zeile, Tipart art)
{
    return zeile.mid(ZahlenAnfang(art) + ZahlenLaengeDer(art));
}

QString ReiheAus(Tipart art, const QString &tipZahlen, const QString &tipName)
{
    if (art == Tipart::Zahlen)
        return ZahlenWort + tipZahlen + QStringLiteral("  ") + tipName;
    return JokerWort + tipZahlen + QString(13, QLatin1Char(' ')) + tipName;
}

// Removes leading and trailing blanks only, as the input rule says.
QString OhneRandblanks(const QString &text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text.at(anfang) == QLatin1Char(' '))
        ++anfang;
    while (ende > anfang && text.at(ende - 1) == QLatin1Char(' '))
        --ende;
    return text.mid(anfang, ende - anfang);
}

// A name the settings file can hold as typed: one line in the code page.
bool NameSpeicherbar(const QString &name)
{
    for (QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return Windows1252::KannSpeichern(name);
}

bool IstZiffer(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The numbers-tip checks after the name: commas, values, repetition.
QString ZahlenPruefen(const QString &tipZahlen)
{
    for (int pos : {2, 5, 8, 11, 14}) {
        if (tipZahlen.at(pos) != QLatin1Char(','))
            return QStringLiteral("Fehler in Tipzahlen (Beistriche).");
    }
    QStringList felder;
    for (int i = 0; i < 6; ++i)
        felder << tipZahlen.mid(3 * i, 2);
    // Only two digits can match a drawn number, so nothing else passes.
    for (const QString &feld : felder) {
        const bool zweiZiffern = IstZiffer(feld.at(0)) && IstZiffer(feld.at(1));
        const int wert = feld.toInt();
        if (!zweiZiffern || wert < 1 || wert > 45)
            return QStringLiteral("Fehler in Tipzahlen (Wert).");
    }
    for (int i = 0; i < 6; ++i) {
        for (int j = i + 1; j < 6; ++j) {
            if (felder.at(i) == felder.at(j))
                return QStringLiteral("Fehler in Tipzahlen (Zahl doppelt).");
        }
    }
    return {};
}

QString JokerPruefen(const QString &tipZahlen)
{
    for (QChar c : tipZahlen) {
        if (!IstZiffer(c))
            return QStringLiteral("Fehler in Tipzahlen (Wert).");
    }
    return {};
}

// Every stored tip of the kind is compared; the last hit gives the sentence.
QString DuplikatePruefen(const NeuerTip &tip, const QStringList &iniZeilen, QString fehlertext)
{
    const QString name = tip.tipName.toLower();
    for (qsizetype i = 1; i < iniZeilen.size(); ++i) {
        const QString &zeile = iniZeilen.at(i);
        if (ArtDerZeile(zeile) != tip.art)
            continue;
        if (ZahlenDerZeile(zeile, tip.art) == tip.tipZahlen)
            fehlertext = QStringLiteral("Diese Zahlen wurden bereits eingegeben.");
        if (NameDerZeile(zeile, tip.art).toLower() == name)
            fehlertext = QStringLiteral("Dieser Tipname wurde bereits eingegeben.");
    }
    return fehlertext;
}

} // namespace

Tipart ArtDerZeile(const QString &zeile)
{
    if (zeile.left(10).toLower() == QLatin1String("zahlentip="))
        return Tipart::Zahlen;
    if (zeile.left(9).toLower() == QLatin1String("jokertip="))
        return Tipart::Joker;
    return Tipart::Keiner;
}

QStringList Reihen(const QStringList &iniZeilen)
{
    QStringList reihen;
    for (qsizetype i = 1; i < iniZeilen.size(); ++i) {
        const QString &zeile = iniZeilen.at(i);
        const Tipart art = ArtDerZeile(zeile);
        if (art != Tipart::Keiner)
            reihen << ReiheAus(art, ZahlenDerZeile(zeile, art), NameDerZeile(zeile, art));
    }
    return reihen;
}

int ZeileDerReihe(const QStringList &iniZeilen, int reihe)
{
    if (reihe < 0)
        return 0;
    int gezaehlt = 0;
    for (qsizetype i = 1; i < iniZeilen.size(); ++i) {
        if (ArtDerZeile(iniZeilen.at(i)) == Tipart::Keiner)
            continue;
        if (gezaehlt == reihe)
            return int(i);
        ++gezaehlt;
    }
    return 0;
}

Pruefergebnis Pruefen(Tipart art, const QString &antwort, const QStringList &iniZeilen)
{
    const int laenge = ZahlenLaengeDer(art);
    Pruefergebnis ergebnis;
    if (antwort.size() < laenge + 2) {
        ergebnis.fehlertext = QStringLiteral("Eingabe zu kurz.");
        return ergebnis;
    }
    if (antwort.at(laenge) != QLatin1Char(' ')) {
        ergebnis.fehlertext = QStringLiteral("Das Leerzeichen fehlt.");
        return ergebnis;
    }
    ergebnis.tip = {art, antwort.left(laenge), OhneRandblanks(antwort.mid(laenge + 1))};
    if (ergebnis.tip.tipName.isEmpty()) {
        ergebnis.fehlertext = QStringLiteral("Der Tipname fehlt.");
        return ergebnis;
    }
    if (!NameSpeicherbar(ergebnis.tip.tipName)) {
        ergebnis.fehlertext = QStringLiteral("Der Tipname enthält ungültige Zeichen.");
        return ergebnis;
    }
    if (art == Tipart::Zahlen) {
        ergebnis.fehlertext = ZahlenPruefen(ergebnis.tip.tipZahlen);
        if (!ergebnis.ok())
            return ergebnis;
        ergebnis.fehlertext = DuplikatePruefen(ergebnis.tip, iniZeilen, {});
    } else {
        // A later duplicate hit replaces a failed digit check.
        ergebnis.fehlertext =
            DuplikatePruefen(ergebnis.tip, iniZeilen, JokerPruefen(ergebnis.tip.tipZahlen));
    }
    return ergebnis;
}

QString Tipzeile(const NeuerTip &tip)
{
    const QString &schluessel = tip.art == Tipart::Zahlen ? ZahlenSchluessel : JokerSchluessel;
    return schluessel + tip.tipZahlen + tip.tipName;
}

QString Reihe(const NeuerTip &tip)
{
    return ReiheAus(tip.art, tip.tipZahlen, tip.tipName);
}

} // namespace Tipliste
