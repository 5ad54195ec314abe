#include "SaveFile.h"

#include <QSaveFile>

Schreibergebnis SaveFileAtomically(const QString &pfad, const QByteArray &inhalt)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return Schreibergebnis::Fehler(datei.errorString());
    // QSaveFile::commit() has been seen to succeed after a short write, so
    // every step is checked before the rename.
    if (datei.write(inhalt) != inhalt.size() || !datei.flush()) {
        const QString grund = datei.errorString();
        datei.cancelWriting();
        return Schreibergebnis::Fehler(grund);
    }
    if (!datei.commit())
        return Schreibergebnis::Fehler(datei.errorString());
    return Schreibergebnis::Erfolg();
}
