// Decodes any bytes as a draw file, as start-up does. Whatever is accepted
// must write back to the same bytes (apart from trailing empty lines and a
// missing last line end) and consist of records of the record's layout.

#include "Fuzzhilfe.h"
#include "Ziehungsdatei.h"

#include <QRegularExpression>

namespace {

QByteArray kanonisch(QByteArray bytes)
{
    while (bytes.endsWith("\r\n"))
        bytes.chop(2);
    if (!bytes.isEmpty())
        bytes += "\r\n";
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray bytes = Eingabe(daten, groesse);
    const auto inhalt = Ziehungsdatei::DateiLesen(bytes);
    if (!inhalt.ergebnis.ok()) {
        pruefen(inhalt.ergebnis.art != Leseergebnis::Art::Fehlerhaft || inhalt.ergebnis.zeile >= 1);
        return 0;
    }
    static const QRegularExpression layout(
        QStringLiteral("^[0-9]{2}\\.[0-9]{2}\\.[0-9]{4}[0-9]{3}[0-9]{14}([0-9]{6}| {6})$"));
    QList<Ziehungssatz> archiv{Ziehungssatz()};
    for (const Ziehungssatz &satz : inhalt.saetze) {
        pruefen(satz.text().size() == Ziehungssatz::Laenge);
        pruefen(layout.match(satz.text()).hasMatch());
        archiv.append(satz);
    }
    const auto zurueck = Ziehungsdatei::DateiSchreiben(archiv);
    pruefen(zurueck.has_value());
    pruefen(*zurueck == kanonisch(bytes));
    return 0;
}
