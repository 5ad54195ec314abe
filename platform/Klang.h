#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <pulse/channelmap.h>

// Where the samples of a wave file lie, and how the sound server is to play them.
struct Klang {
    enum class Format { U8, S16, S24, S32, Float32, Float64, ALaw, MuLaw };
    Format format = Format::S16;
    quint16 kanaele = 0;
    quint32 rate = 0;
    // The file's own speaker for each channel.
    pa_channel_map belegung{};
    qint64 anfang = 0; // the first sample's offset in the file
    qint64 laenge = 0; // bytes of samples, whole frames only

    int BytesProFrame() const;
    // The playing time in milliseconds.
    qint64 Dauer() const;
};

// Reads at most `laenge` bytes of the file from `pos`; fewer at its end.
using Dateileser = std::function<QByteArray(qint64 pos, int laenge)>;

// Reads a wave file's header, a few bytes at a time: nullopt when it is no
// RIFF wave, when its header disagrees with itself, or when its format is
// none that plays (PCM of 8, 16, 24 or 32 bits, 32- or 64-bit float, A-law or
// µ-law, in a plain or an extensible header; 1 to 8 channels; 8,000 to
// 192,000 Hz). Samples beyond the file's end or short of a whole frame are
// left out.
std::optional<Klang> KlangLesen(qint64 dateigroesse, const Dateileser &lesen);
