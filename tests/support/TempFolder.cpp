#include "TempFolder.h"

#include <QFile>

void TempFolder::Schreiben(const QString &name, const QByteArray &inhalt) const
{
    QFile datei(Datei(name));
    if (datei.open(QIODevice::WriteOnly))
        datei.write(inhalt);
}

QByteArray TempFolder::Lesen(const QString &name) const
{
    QFile datei(Datei(name));
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

bool TempFolder::Existiert(const QString &name) const
{
    return QFile::exists(Datei(name));
}
