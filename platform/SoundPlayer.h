#pragma once

#include <QString>

// Plays a wave file of the program's folder.
class SoundPlayer {
public:
    // Flag 1: start the sound and return at once. Flag 0: return when the
    // sound has ended (never later than its length plus one second).
    enum Flag { Warten = 0, Sofort = 1 };

    virtual ~SoundPlayer() = default;
    // A missing file plays nothing and says nothing.
    virtual void Play(const QString &pfad, int flags) = 0;
};
