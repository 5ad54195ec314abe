#include "SaveFile.h"

#include <QSaveFile>
#include <cerrno>
#include <unistd.h>

Schreibergebnis SaveFileAtomically(const QString &pfad, const QByteArray &inhalt)
{
    // Unbuffered, so that every write reaches the system here, where it is checked:
    // QSaveFile::commit() has been seen to succeed after a short write.
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Schreibergebnis::Fehler(datei.errorString());
    // A write cut short, as on a nearly full disk, gives no reason; writing the
    // rest again makes the system refuse it and name its reason.
    for (qint64 geschrieben = 0; geschrieben < inhalt.size();) {
        const qint64 stueck =
            datei.write(inhalt.constData() + geschrieben, inhalt.size() - geschrieben);
        if (stueck <= 0) {
            const QString grund = datei.errorString();
            datei.cancelWriting();
            return Schreibergebnis::Fehler(grund);
        }
        geschrieben += stueck;
    }
    // QSaveFile::commit() ignores a failed sync and would put a file whose data may never
    // reach the disk in place of the only good copy.
    if (fdatasync(datei.handle()) != 0) {
        const QString grund = qt_error_string(errno);
        datei.cancelWriting();
        return Schreibergebnis::Fehler(grund);
    }
    if (!datei.commit())
        return Schreibergebnis::Fehler(datei.errorString());
    return Schreibergebnis::Erfolg();
}
