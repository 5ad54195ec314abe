#pragma once

#include "Schreibergebnis.h"
#include "Ziehungssatz.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// The result of reading the draw file at start-up.
struct Leseergebnis {
    enum class Art { Ok, Fehlerhaft, ZuViele, NichtLesbar };
    Art art = Art::Ok;
    int zeile = 0; // first bad line, for Fehlerhaft
    QString grund; // system's reason, for NichtLesbar

    bool ok() const { return art == Art::Ok; }
};

// The state shared by every window: the archive, the tips, paths and modes,
// and the operations on the two data files.
//
// Both arrays are indexed from 1, as the program counts draws and settings
// lines; entry 0 is an empty placeholder and is never read.
class Modul1 {
public:
    static constexpr int MaxZiehungen = 32767;

    QList<Ziehungssatz> Ziehungen{Ziehungssatz()};
    qint16 AktZiehung = 0;
    QStringList IniZeilen{QString()};
    QString ProgrammPfad; // ends in "/"
    QString HilfeDatei;
    QString EingabeModus; // "neu" or "edit"
    QColor FarbeHintergrund = QColor(198, 198, 198);

    int AnzahlZiehungen() const { return int(Ziehungen.size()) - 1; }
    int AnzahlIniZeilen() const { return int(IniZeilen.size()) - 1; }
    const Ziehungssatz &AktuelleZiehung() const { return Ziehungen.at(AktZiehung); }

    QString DrawFilePath() const { return ProgrammPfad + QStringLiteral("ziehbuch.dat"); }
    QString SettingsFilePath() const { return ProgrammPfad + QStringLiteral("ziehbuch.ini"); }

    // Reads the draw file whole. On any failure the archive stays as it was.
    Leseergebnis ZiehungenLesen();
    // Rewrites the draw file whole; on failure the old file stays whole.
    Schreibergebnis ZiehungenSchreiben() const;
    // Reads the settings file whole (Windows-1252, any line end).
    Schreibergebnis IniLesen();
    // Rewrites the settings file whole (Windows-1252, CR LF); on failure the old file stays whole.
    Schreibergebnis IniSchreiben() const;
};
