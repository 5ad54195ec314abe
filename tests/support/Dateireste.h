#pragma once

#include <QString>
#include <QStringList>

// While an object of this class lives and was made with `an` true, opening an unnamed file
// (O_TMPFILE) fails as on a file system without them, so that QSaveFile writes into a named
// temporary file beside its target, one that a failed save must remove.
class OhneUnbenannteDateien {
public:
    explicit OhneUnbenannteDateien(bool an = true);
    ~OhneUnbenannteDateien();
    OhneUnbenannteDateien(const OhneUnbenannteDateien &) = delete;
    OhneUnbenannteDateien &operator=(const OhneUnbenannteDateien &) = delete;

private:
    bool m_vorher;
};

// What a save into `ordner` left there: its files, then each file in it, named or unnamed, that
// this process still holds open, as "offen: " and its name.
QStringList Reste(const QString &ordner);
