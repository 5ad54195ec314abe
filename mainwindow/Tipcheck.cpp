#include "Tipcheck.h"

#include "Zahlen.h"

#include <algorithm>

namespace Tipcheck {

namespace {

const QString ZeilenEnde = QStringLiteral("\r\n");

void Anfuegen(Ergebnis &ergebnis, const QString &name, const QString &zahlen, const QString &gewinn)
{
    ergebnis.GewinnSpalten[0] += name + ZeilenEnde;
    ergebnis.GewinnSpalten[1] += zahlen + ZeilenEnde;
    ergebnis.GewinnSpalten[2] += gewinn + ZeilenEnde;
    ergebnis.Gewonnen = true;
}

// The prize class of a numbers tip, or empty when it does not win.
QString ZahlenGewinn(const Ziehungssatz &ziehung, const QString &tipZahlen)
{
    int treffer = 0;
    for (int j = 1; j <= 6; ++j) {
        if (tipZahlen.contains(ziehung.ZahlText(j)))
            ++treffer;
    }
    if (treffer < 3)
        return {};
    const bool zusatzzahl = treffer == 5 && tipZahlen.contains(ziehung.ZahlText(7));
    return QString::number(treffer) + QStringLiteral("er") +
           (zusatzzahl ? QStringLiteral("+ZZ") : QString());
}

// The number of matching end digits, 0 or 2..6. A draw without Joker holds
// blanks, which no tip may match.
int JokerTreffer(const Ziehungssatz &ziehung, const QString &tipZahlen)
{
    if (!ziehung.HatJoker())
        return 0;
    const QString joker = ziehung.Joker();
    int jTreffer = 0;
    for (int k = 2; k <= 6; ++k) {
        if (joker.right(k) == tipZahlen.right(k))
            jTreffer = k;
    }
    return jTreffer;
}

} // namespace

Ergebnis KeinGewinn()
{
    Ergebnis ergebnis;
    ergebnis.GewinnSpalten = {QStringLiteral("KEIN GEWINN"), QString(), QString()};
    return ergebnis;
}

QString NamePassen(const QString &name, double grenze, const Textbreite &breite)
{
    // anfangsLaenge[i] is the length of the beginning that holds i characters,
    // a surrogate pair counting as one. Found by taking the last character
    // off again and again, as the cutting does.
    QList<qsizetype> anfangsLaenge{name.size()};
    for (qsizetype k = name.size(); k > 0;) {
        k -= k >= 2 && name.at(k - 1).isLowSurrogate() ? 2 : 1;
        anfangsLaenge << k;
    }
    std::reverse(anfangsLaenge.begin(), anfangsLaenge.end());
    const qsizetype letzte = anfangsLaenge.size() - 1; // the name's characters
    const auto anfang = [&](qsizetype i) { return name.left(anfangsLaenge.at(i)); };
    const QString punkte = QStringLiteral("...");
    const auto zuBreit = [&](qsizetype i) { return breite(anfang(i) + punkte) >= grenze; };

    // A text is never narrower than its beginning, so the longest beginning
    // that fits with "..." is found from short ones: doubling the length,
    // then halving the step. A long name is measured in short pieces only.
    qsizetype unten = 0;
    qsizetype oben = qMin<qsizetype>(1, letzte);
    while (!zuBreit(oben)) {
        if (oben == letzte)
            return name; // below the limit even with "..."
        unten = oben;
        oben = qMin(2 * oben, letzte);
    }
    if (breite(anfang(oben)) <= grenze && breite(name) <= grenze)
        return name;
    // Invariant: anfang(unten) fits with "..." or is empty; anfang(oben) does not.
    while (oben - unten > 1) {
        const qsizetype mitte = unten + (oben - unten) / 2;
        (zuBreit(mitte) ? oben : unten) = mitte;
    }
    return anfang(unten) + punkte;
}

QString JokerGewinn(int jTreffer)
{
    if (jTreffer == 6)
        return QStringLiteral("Joker");
    const double betrag = Val(QStringLiteral("100000").left(jTreffer + 1));
    return Format(betrag, QStringLiteral("#,###")) + QStringLiteral(",-");
}

Ergebnis TipsPruefen(const Ziehungssatz &ziehung, const QStringList &iniZeilen, double grenze,
                     const Textbreite &breite)
{
    Ergebnis ergebnis;
    ergebnis.GewinnSpalten = {QStringLiteral("TIPNAME") + ZeilenEnde,
                              QStringLiteral("TIPZAHLEN") + ZeilenEnde,
                              QStringLiteral("GEWINN") + ZeilenEnde};

    for (qsizetype i = 1; i < iniZeilen.size(); ++i) {
        const QString &zeile = iniZeilen.at(i);
        if (zeile.left(10).toLower() == QLatin1String("zahlentip=")) {
            const QString tipZahlen = zeile.mid(10, 17);
            const QString klasse = ZahlenGewinn(ziehung, tipZahlen);
            if (!klasse.isEmpty()) {
                Anfuegen(ergebnis,
                         NamePassen(QStringLiteral("Z: ") + zeile.mid(27), grenze, breite),
                         tipZahlen, klasse);
            }
        }
        if (zeile.left(9).toLower() == QLatin1String("jokertip=")) {
            const QString tipZahlen = zeile.mid(9, 6);
            const int jTreffer = JokerTreffer(ziehung, tipZahlen);
            if (jTreffer > 0) {
                Anfuegen(ergebnis,
                         NamePassen(QStringLiteral("J: ") + zeile.mid(15), grenze, breite),
                         tipZahlen, JokerGewinn(jTreffer));
            }
        }
    }

    if (!ergebnis.Gewonnen)
        return KeinGewinn();
    return ergebnis;
}

} // namespace Tipcheck
