#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder for one test.
class TempFolder {
public:
    // The folder's path, ending in "/".
    QString Pfad() const { return m_dir.path() + QLatin1Char('/'); }
    QString Datei(const QString &name) const { return Pfad() + name; }

    void Schreiben(const QString &name, const QByteArray &inhalt) const
    {
        QFile datei(Datei(name));
        if (datei.open(QIODevice::WriteOnly))
            datei.write(inhalt);
    }
    QByteArray Lesen(const QString &name) const
    {
        QFile datei(Datei(name));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }
    bool Existiert(const QString &name) const { return QFile::exists(Datei(name)); }

private:
    QTemporaryDir m_dir;
};
