#include "Export.h"

#include "SaveFile.h"

namespace Export {

QString Exportzeile(const Ziehungssatz &r)
{
    const QLatin1Char quote('"');
    QString zeile = r.mid(7, 4) + r.mid(4, 2) + r.mid(1, 2) + QLatin1Char(',') + r.mid(7, 4) +
                    QLatin1Char('.') + r.mid(11, 3) + QLatin1Char(',') + quote;
    for (int j = 0; j <= 6; ++j) {
        QString feld = r.mid(14 + 2 * j, 2);
        if (feld.startsWith(QLatin1Char('0')))
            feld[0] = QLatin1Char(' ');
        zeile += feld;
        if (j <= 4)
            zeile += QLatin1Char(',');
        else if (j == 5)
            zeile += QLatin1Char(';');
    }
    return zeile + quote + QLatin1Char(',') + quote + r.mid(28, 6) + quote;
}

QString DateiPfad(const Modul1 &modul)
{
    return modul.ProgrammPfad + QStringLiteral("ziehbuch.txt");
}

Schreibergebnis Schreiben(const Modul1 &modul)
{
    QByteArray inhalt;
    inhalt.reserve(modul.AnzahlZiehungen() * 51);
    for (int i = 1; i <= modul.AnzahlZiehungen(); ++i) {
        inhalt += Exportzeile(modul.Ziehungen.at(i)).toLatin1();
        inhalt += "\r\n";
    }
    return SaveFileAtomically(DateiPfad(modul), inhalt);
}

} // namespace Export
