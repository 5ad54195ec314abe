#include "DatenExport.h"

#include "Export.h"

#include <QDir>

void DatenExport(const Modul1 &modul, Plattform &plattform, QWidget *parent)
{
    const auto ergebnis = Export::Schreiben(modul);
    if (!ergebnis.ok) {
        plattform.prompts.Fehler(parent,
                                 QStringLiteral("Die Datei ZIEHBUCH.TXT konnte nicht geschrieben "
                                                "werden.\r\n") +
                                     ergebnis.grund,
                                 QStringLiteral("Fehler"));
        return;
    }
    // The path as it stands on disk: upper-casing it would name a file that
    // does not exist on a case-sensitive file system.
    const QString pfad = QDir::toNativeSeparators(Export::DateiPfad(modul));
    plattform.prompts.MsgBox(
        parent,
        QStringLiteral("Die Daten wurden nach\r\n     ") + pfad + QStringLiteral("\r\nexportiert."),
        Prompts::Knoepfe::Ok, Prompts::Symbol::Information, QStringLiteral("Export"));
}
