#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

// A wave file ready for the audio output: a format that sound cards play and
// its samples, whole frames only.
struct Klang {
    enum class Format { U8, S16, S32, Float32 };
    Format format = Format::S16;
    quint16 kanaele = 0;
    quint32 rate = 0;
    QByteArray samples;

    int BytesProFrame() const;
    // The playing time in milliseconds.
    qint64 Dauer() const;
};

// nullopt when the bytes are no RIFF wave, when its header disagrees with
// itself, or when its format is none that sound cards play (PCM of 8, 16 or
// 32 bits or 32-bit float; 1 to 8 channels; 8,000 to 192,000 Hz). Samples
// beyond the file's end or short of a whole frame are cut off.
std::optional<Klang> KlangLesen(const QByteArray &datei);
