#include "Modul1.h"

#include "SaveFile.h"
#include "Windows1252.h"
#include "Ziehungsdatei.h"

#include <QFile>

namespace {

std::optional<QByteArray> dateiLesen(const QString &pfad, QString *grund)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        *grund = datei.errorString();
        return std::nullopt;
    }
    return datei.readAll();
}

} // namespace

Leseergebnis Modul1::ZiehungenLesen()
{
    Leseergebnis fehler{Leseergebnis::Art::NichtLesbar, 0, {}};
    const auto bytes = dateiLesen(DrawFilePath(), &fehler.grund);
    if (!bytes)
        return fehler;
    auto inhalt = Ziehungsdatei::DateiLesen(*bytes);
    if (inhalt.ergebnis.ok()) {
        Ziehungen = QList<Ziehungssatz>{Ziehungssatz()};
        Ziehungen += inhalt.saetze;
    }
    return inhalt.ergebnis;
}

Schreibergebnis Modul1::ZiehungenSchreiben() const
{
    int abgelehnt = 0;
    const auto bytes = Ziehungsdatei::DateiSchreiben(Ziehungen, &abgelehnt);
    if (!bytes) {
        return Schreibergebnis::Fehler(
            QStringLiteral("Die Ziehung Nr. %1 liegt außerhalb des speicherbaren Bereichs.")
                .arg(abgelehnt));
    }
    return SaveFileAtomically(DrawFilePath(), *bytes);
}

Schreibergebnis Modul1::IniLesen()
{
    QString grund;
    const auto bytes = dateiLesen(SettingsFilePath(), &grund);
    if (!bytes)
        return Schreibergebnis::Fehler(grund);

    const QString text = Windows1252::Decode(*bytes);
    QStringList zeilen{QString()};
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        zeilen.append(text.mid(anfang, i - anfang));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        anfang = i + 1;
    }
    if (anfang < text.size())
        zeilen.append(text.mid(anfang));
    IniZeilen = zeilen;
    return Schreibergebnis::Erfolg();
}

Schreibergebnis Modul1::IniSchreiben() const
{
    QByteArray bytes;
    for (qsizetype i = 1; i < IniZeilen.size(); ++i) {
        const auto zeile = Windows1252::Encode(IniZeilen.at(i));
        if (!zeile) {
            return Schreibergebnis::Fehler(
                QStringLiteral("Die Zeile %1 enthält Zeichen, die nicht gespeichert werden können.")
                    .arg(i));
        }
        bytes += *zeile;
        bytes += "\r\n";
    }
    return SaveFileAtomically(SettingsFilePath(), bytes);
}
