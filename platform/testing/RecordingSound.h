#pragma once

#include "SoundPlayer.h"

#include <QList>
#include <QString>

// Records every sound requested.
class RecordingSound : public SoundPlayer {
public:
    struct Aufruf {
        QString pfad;
        int flags;
    };
    QList<Aufruf> aufrufe;

    void Play(const QString &pfad, int flags) override { aufrufe.append({pfad, flags}); }
};
