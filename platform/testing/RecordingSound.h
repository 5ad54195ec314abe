#pragma once

#include "SoundPlayer.h"

#include <QList>
#include <QString>
#include <functional>

// Records every sound requested.
class RecordingSound : public SoundPlayer {
public:
    struct Aufruf {
        QString pfad;
        int flags;
    };
    QList<Aufruf> aufrufe;
    // Runs inside Play: what arrives while a sound plays, such as a close request.
    std::function<void()> waehrendDesKlangs;

    void Play(const QString &pfad, int flags) override
    {
        aufrufe.append({pfad, flags});
        if (waehrendDesKlangs)
            waehrendDesKlangs();
    }
};
