// Reads any bytes as a settings file and builds from it what the program
// shows: the tips window's rows and the tip check's three columns.

#include "Einstellungsdatei.h"
#include "Fuzzhilfe.h"
#include "Tipcheck.h"
#include "Tipliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray bytes = Eingabe(daten, groesse);
    const QStringList zeilen = Einstellungsdatei::ZeilenLesen(bytes);

    // Every line read can be written back and reads back the same.
    const auto zurueck = Einstellungsdatei::ZeilenSchreiben(zeilen);
    pruefen(zurueck.has_value());
    pruefen(Einstellungsdatei::ZeilenLesen(*zurueck) == zeilen);

    // Each row of the tips window shows a tip line of the file.
    const QStringList iniZeilen = QStringList{QString()} + zeilen;
    const QStringList reihen = Tipliste::Reihen(iniZeilen);
    for (int reihe = 0; reihe < reihen.size(); ++reihe) {
        const int zeile = Tipliste::ZeileDerReihe(iniZeilen, reihe);
        pruefen(zeile >= 1 && zeile < iniZeilen.size());
        pruefen(Tipliste::ArtDerZeile(iniZeilen.at(zeile)) != Tipliste::Tipart::Keiner);
    }
    pruefen(Tipliste::ZeileDerReihe(iniZeilen, int(reihen.size())) == 0);

    // The tip check against a draw with a Joker and one without: the three
    // columns always hold the same number of lines.
    const auto breite = [](const QString &text) { return 6.0 * double(text.size()); };
    for (const char *satz :
         {"05.03.200002003111726334107123456", "05.03.200002003111726334107      "}) {
        const auto ergebnis = Tipcheck::TipsPruefen(Ziehungssatz(QString::fromLatin1(satz)),
                                                    iniZeilen, 122.4, breite);
        if (ergebnis.Gewonnen) {
            const auto n = ergebnis.GewinnSpalten[0].count(QStringLiteral("\r\n"));
            pruefen(ergebnis.GewinnSpalten[1].count(QStringLiteral("\r\n")) == n);
            pruefen(ergebnis.GewinnSpalten[2].count(QStringLiteral("\r\n")) == n);
        }
    }
    return 0;
}
