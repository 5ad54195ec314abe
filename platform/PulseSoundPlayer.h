#pragma once

#include "SoundPlayer.h"

#include <QByteArray>
#include <memory>
#include <thread>

// Plays wave files on the desktop's sound server (PulseAudio, or PipeWire
// through its PulseAudio service). The window thread opens only a regular
// file and reads only its header; the samples are read and handed to the
// server, slice by slice, on a thread of its own. Whatever the file or the
// server does, Play never runs the window's events and never waits longer
// than the sound plus one second. A new sound stops the one playing at once;
// a file that is missing or no playable wave plays nothing.
class PulseSoundPlayer : public SoundPlayer {
public:
    // `server` as PULSE_SERVER takes it; empty for the desktop's own.
    explicit PulseSoundPlayer(QByteArray server = {});
    // Lets a sound started without waiting play to its end, but waits no
    // longer than that sound plus one second: the program's closing sound.
    ~PulseSoundPlayer() override;

    void Play(const QString &pfad, int flags) override;

private:
    struct Zustand;
    std::shared_ptr<Zustand> m_zustand;
    std::thread m_ausgabe;
};
