#include "Modul1.h"

#include "Einstellungsdatei.h"
#include "SaveFile.h"
#include "Ziehungsdatei.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::optional<QByteArray> dateiLesen(const QString &pfad, QString *grund)
{
    // A FIFO or a device named like the file would hold the start, or never
    // end: only a regular file is read, and opening it does not wait.
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    const bool regulaer = fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    QFile datei;
    if (regulaer) {
        datei.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
        return datei.readAll();
    }
    if (fd >= 0)
        ::close(fd);
    if (fd >= 0 && !S_ISDIR(info.st_mode)) {
        *grund = QStringLiteral("Sie ist keine gewöhnliche Datei.");
        return std::nullopt;
    }
    // The reasons of the system, and of Qt for a folder.
    datei.setFileName(pfad);
    datei.open(QIODevice::ReadOnly);
    *grund = datei.errorString();
    return std::nullopt;
}

} // namespace

Leseergebnis Modul1::ZiehungenLesen()
{
    Leseergebnis fehler{Leseergebnis::Art::NichtLesbar, 0, {}};
    const auto bytes = dateiLesen(DrawFilePath(), &fehler.grund);
    if (!bytes)
        return fehler;
    QList<Ziehungssatz> gelesen{Ziehungssatz()};
    const Leseergebnis ergebnis = Ziehungsdatei::DateiLesen(*bytes, gelesen);
    if (ergebnis.ok())
        Ziehungen = std::move(gelesen);
    return ergebnis;
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
    IniZeilen = QStringList{QString()} + Einstellungsdatei::ZeilenLesen(*bytes);
    return Schreibergebnis::Erfolg();
}

Schreibergebnis Modul1::IniSchreiben() const
{
    int abgelehnt = 0;
    const auto bytes = Einstellungsdatei::ZeilenSchreiben(IniZeilen.mid(1), &abgelehnt);
    if (!bytes) {
        return Schreibergebnis::Fehler(
            QStringLiteral("Die Zeile %1 enthält Zeichen, die nicht gespeichert werden können.")
                .arg(abgelehnt + 1));
    }
    return SaveFileAtomically(SettingsFilePath(), *bytes);
}
