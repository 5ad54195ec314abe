#pragma once

#include "SoundPlayer.h"

#include <QByteArray>
#include <memory>
#include <thread>

// Plays wave files on the desktop's sound server (PulseAudio, or PipeWire
// through its PulseAudio service). The server is talked to on a thread of its
// own, which the window thread only hands sounds to: whatever the server does,
// Play never runs the window's events and never waits longer than the sound
// plus one second. A new sound stops the one playing; a file that is missing
// or no playable wave plays nothing.
class PulseSoundPlayer : public SoundPlayer {
public:
    // `server` as PULSE_SERVER takes it; empty for the desktop's own.
    explicit PulseSoundPlayer(QByteArray server = {});
    ~PulseSoundPlayer() override;

    void Play(const QString &pfad, int flags) override;

private:
    struct Zustand;
    std::shared_ptr<Zustand> m_zustand;
    std::thread m_ausgabe;
};
