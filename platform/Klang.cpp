#include "Klang.h"

#include <iterator>

namespace {

// Little-endian words; callers check that the bytes are there.
quint16 Wort16(const QByteArray &daten, qsizetype pos)
{
    return quint16(quint8(daten.at(pos)) | quint8(daten.at(pos + 1)) << 8);
}

quint32 Wort32(const QByteArray &daten, qsizetype pos)
{
    return Wort16(daten, pos) | quint32(Wort16(daten, pos + 2)) << 16;
}

enum Art : quint32 { Pcm = 1, Fliesskomma = 3, ALaw = 6, MuLaw = 7, Erweitert = 0xFFFE };

// An extensible header names its format by a GUID: the plain format's tag,
// then these twelve bytes.
const QByteArray GuidRest = QByteArray::fromHex("00001000800000aa00389b71");

// A header needs a few chunks before its samples; one with more is no sound
// anyone made, and each chunk costs a read.
constexpr int MaxChunks = 64;

// What the "fmt " chunk says.
struct Formatangabe {
    quint32 art = 0;
    quint16 kanaele = 0;
    quint32 rate = 0;
    quint32 bytesProSekunde = 0;
    quint16 blockgroesse = 0;
    quint16 bits = 0;
    quint32 lautsprecher = 0; // the extensible header's channel mask; 0 for the standard order
};

std::optional<Formatangabe> FormatLesen(const QByteArray &fmt)
{
    if (fmt.size() < 16)
        return std::nullopt;
    Formatangabe f{Wort16(fmt, 0),
                   Wort16(fmt, 2),
                   Wort32(fmt, 4),
                   Wort32(fmt, 8),
                   Wort16(fmt, 12),
                   Wort16(fmt, 14),
                   0};
    if (f.art != Erweitert)
        return f;
    // Its extension: 22 bytes of valid bits, channel mask and sub-format.
    if (fmt.size() < 40 || Wort16(fmt, 16) < 22 || Wort16(fmt, 18) > f.bits ||
        fmt.mid(28) != GuidRest)
        return std::nullopt;
    f.lautsprecher = Wort32(fmt, 20);
    f.art = Wort32(fmt, 24);
    return f;
}

std::optional<Klang::Format> Sampleformat(const Formatangabe &f)
{
    using F = Klang::Format;
    switch (f.art) {
    case Pcm:
        switch (f.bits) {
        case 8:
            return F::U8;
        case 16:
            return F::S16;
        case 24:
            return F::S24;
        case 32:
            return F::S32;
        }
        break;
    case Fliesskomma:
        if (f.bits == 32)
            return F::Float32;
        if (f.bits == 64)
            return F::Float64;
        break;
    case ALaw:
        if (f.bits == 8)
            return F::ALaw;
        break;
    case MuLaw:
        if (f.bits == 8)
            return F::MuLaw;
        break;
    }
    return std::nullopt;
}

// Whether the format plays and the header's sizes agree with it.
bool Spielbar(const Formatangabe &f)
{
    const quint32 block = quint32(f.kanaele) * f.bits / 8;
    return Sampleformat(f) && f.kanaele >= 1 && f.kanaele <= 8 && f.rate >= 8000 &&
           f.rate <= 192000 && f.blockgroesse == block && f.bytesProSekunde == f.rate * block;
}

// The speakers in the order of the channel mask's bits.
constexpr pa_channel_position_t Lautsprecher[] = {PA_CHANNEL_POSITION_FRONT_LEFT,
                                                  PA_CHANNEL_POSITION_FRONT_RIGHT,
                                                  PA_CHANNEL_POSITION_FRONT_CENTER,
                                                  PA_CHANNEL_POSITION_LFE,
                                                  PA_CHANNEL_POSITION_REAR_LEFT,
                                                  PA_CHANNEL_POSITION_REAR_RIGHT,
                                                  PA_CHANNEL_POSITION_FRONT_LEFT_OF_CENTER,
                                                  PA_CHANNEL_POSITION_FRONT_RIGHT_OF_CENTER,
                                                  PA_CHANNEL_POSITION_REAR_CENTER,
                                                  PA_CHANNEL_POSITION_SIDE_LEFT,
                                                  PA_CHANNEL_POSITION_SIDE_RIGHT,
                                                  PA_CHANNEL_POSITION_TOP_CENTER,
                                                  PA_CHANNEL_POSITION_TOP_FRONT_LEFT,
                                                  PA_CHANNEL_POSITION_TOP_FRONT_CENTER,
                                                  PA_CHANNEL_POSITION_TOP_FRONT_RIGHT,
                                                  PA_CHANNEL_POSITION_TOP_REAR_LEFT,
                                                  PA_CHANNEL_POSITION_TOP_REAR_CENTER,
                                                  PA_CHANNEL_POSITION_TOP_REAR_RIGHT};

// A plain header, or an extensible one without a mask, has the standard order: the mask's
// first speakers, or mono. Channels beyond the mask's speakers belong to none.
pa_channel_map Belegung(quint16 kanaele, quint32 maske)
{
    pa_channel_map belegung{};
    belegung.channels = quint8(kanaele);
    if (maske == 0 && kanaele == 1) {
        belegung.map[0] = PA_CHANNEL_POSITION_MONO;
        return belegung;
    }
    if (maske == 0)
        maske = (1u << kanaele) - 1;
    int kanal = 0;
    for (int bit = 0; bit < int(std::size(Lautsprecher)) && kanal < kanaele; ++bit) {
        if (maske & 1u << bit)
            belegung.map[kanal++] = Lautsprecher[bit];
    }
    for (int ohne = 0; kanal < kanaele; ++ohne)
        belegung.map[kanal++] = pa_channel_position_t(PA_CHANNEL_POSITION_AUX0 + ohne);
    return belegung;
}

} // namespace

int Klang::BytesProFrame() const
{
    switch (format) {
    case Format::U8:
    case Format::ALaw:
    case Format::MuLaw:
        return kanaele;
    case Format::S16:
        return kanaele * 2;
    case Format::S24:
        return kanaele * 3;
    case Format::S32:
    case Format::Float32:
        return kanaele * 4;
    case Format::Float64:
        break;
    }
    return kanaele * 8;
}

qint64 Klang::Dauer() const
{
    return laenge / BytesProFrame() * 1000 / rate;
}

std::optional<Klang> KlangLesen(qint64 dateigroesse, const Dateileser &lesen)
{
    const QByteArray riff = lesen(0, 12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8) != "WAVE")
        return std::nullopt;
    std::optional<Formatangabe> angabe;
    qint64 pos = 12;
    for (int chunk = 0; chunk < MaxChunks && pos + 8 <= dateigroesse; ++chunk) {
        const QByteArray kopf = lesen(pos, 8);
        if (kopf.size() < 8)
            return std::nullopt;
        const qint64 laenge = Wort32(kopf, 4);
        const qint64 inhalt = pos + 8;
        if (kopf.startsWith("fmt ")) {
            angabe = FormatLesen(lesen(inhalt, int(qMin<qint64>(laenge, 40))));
            if (!angabe)
                return std::nullopt;
        } else if (kopf.startsWith("data")) {
            if (!angabe || !Spielbar(*angabe))
                return std::nullopt;
            Klang klang{*Sampleformat(*angabe),
                        angabe->kanaele,
                        angabe->rate,
                        Belegung(angabe->kanaele, angabe->lautsprecher),
                        inhalt,
                        0};
            // A streamed or cut file may end before its header says.
            const qint64 vorhanden = qMin(laenge, dateigroesse - inhalt);
            klang.laenge = vorhanden - vorhanden % klang.BytesProFrame();
            if (klang.laenge <= 0)
                return std::nullopt;
            return klang;
        }
        pos = inhalt + laenge + (laenge & 1);
    }
    return std::nullopt;
}
