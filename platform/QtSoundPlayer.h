#pragma once

#include "SoundPlayer.h"

#include <QByteArray>
#include <memory>
#include <optional>

class QSoundEffect;

// Plays wave files through QSoundEffect. A new sound stops the one playing.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void Play(const QString &pfad, int flags) override;

private:
    // The sound started without waiting, kept alive while it plays.
    std::unique_ptr<QSoundEffect> m_laufend;
};

// The playing time of a wave file in milliseconds, from its header; none
// when the bytes are no readable RIFF wave.
std::optional<qint64> WaveDauer(const QByteArray &datei);
