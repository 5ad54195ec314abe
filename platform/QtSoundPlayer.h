#pragma once

#include "SoundPlayer.h"

#include <QByteArray>
#include <memory>
#include <optional>

// Plays PCM wave files on the default audio output. A new sound stops the one
// playing. Without an audio output nothing plays and nothing waits.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void Play(const QString &pfad, int flags) override;

private:
    struct Klang;
    // The sound started without waiting, kept alive while it plays.
    std::unique_ptr<Klang> m_laufend;
};

// What the header of a wave file says: its format and where its samples lie.
struct WaveKopf {
    quint16 art = 0; // 1 integer PCM, 3 floating point
    quint16 kanaele = 0;
    quint32 rate = 0;
    quint32 bytesProSekunde = 0;
    quint16 bits = 0;
    qsizetype datenAnfang = 0;
    qint64 datenLaenge = 0; // as the header gives it; a streamed file may end before
};

// nullopt when the bytes are no readable RIFF wave.
std::optional<WaveKopf> WaveKopfLesen(const QByteArray &datei);

// The playing time of a wave file in milliseconds, from its header.
std::optional<qint64> WaveDauer(const QByteArray &datei);
