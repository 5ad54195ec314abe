#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder for one test.
class TempFolder {
public:
    // The folder's path, ending in "/".
    QString Pfad() const { return m_dir.path() + QLatin1Char('/'); }
    QString Datei(const QString &name) const { return Pfad() + name; }

    void Schreiben(const QString &name, const QByteArray &inhalt) const;
    QByteArray Lesen(const QString &name) const;
    bool Existiert(const QString &name) const;

private:
    QTemporaryDir m_dir;
};
