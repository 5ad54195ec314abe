#include "Klang.h"

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

// What the "fmt " chunk says.
struct Formatangabe {
    quint16 art = 0; // 1 integer PCM, 3 floating point
    quint16 kanaele = 0;
    quint32 rate = 0;
    quint32 bytesProSekunde = 0;
    quint16 blockgroesse = 0;
    quint16 bits = 0;
};

std::optional<Klang::Format> Sampleformat(const Formatangabe &f)
{
    if (f.art == 1 && f.bits == 8)
        return Klang::Format::U8;
    if (f.art == 1 && f.bits == 16)
        return Klang::Format::S16;
    if (f.art == 1 && f.bits == 32)
        return Klang::Format::S32;
    if (f.art == 3 && f.bits == 32)
        return Klang::Format::Float32;
    return std::nullopt;
}

// Whether a sound card plays this format and the header's sizes agree with it.
bool Spielbar(const Formatangabe &f)
{
    const quint32 block = quint32(f.kanaele) * f.bits / 8;
    return Sampleformat(f) && f.kanaele >= 1 && f.kanaele <= 8 && f.rate >= 8000 &&
           f.rate <= 192000 && f.blockgroesse == block && f.bytesProSekunde == f.rate * block;
}

} // namespace

int Klang::BytesProFrame() const
{
    const int bytesProSample = format == Format::U8 ? 1 : format == Format::S16 ? 2 : 4;
    return kanaele * bytesProSample;
}

qint64 Klang::Dauer() const
{
    return samples.size() / BytesProFrame() * 1000 / rate;
}

std::optional<Klang> KlangLesen(const QByteArray &datei)
{
    if (datei.size() < 12 || !datei.startsWith("RIFF") || datei.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<Formatangabe> angabe;
    for (qsizetype pos = 12; pos + 8 <= datei.size();) {
        const QByteArray kennung = datei.mid(pos, 4);
        const qint64 laenge = Wort32(datei, pos + 4);
        const qsizetype inhalt = pos + 8;
        if (kennung == "fmt ") {
            if (laenge < 16 || inhalt + 16 > datei.size())
                return std::nullopt;
            angabe = Formatangabe{Wort16(datei, inhalt),      Wort16(datei, inhalt + 2),
                                  Wort32(datei, inhalt + 4),  Wort32(datei, inhalt + 8),
                                  Wort16(datei, inhalt + 12), Wort16(datei, inhalt + 14)};
        } else if (kennung == "data") {
            if (!angabe || !Spielbar(*angabe))
                return std::nullopt;
            Klang klang{*Sampleformat(*angabe), angabe->kanaele, angabe->rate, {}};
            // A streamed or cut file may end before its header says.
            const qint64 vorhanden = qMin(laenge, qint64(datei.size() - inhalt));
            klang.samples = datei.mid(inhalt, vorhanden - vorhanden % klang.BytesProFrame());
            if (klang.samples.isEmpty())
                return std::nullopt;
            return klang;
        }
        pos = inhalt + laenge + (laenge & 1);
    }
    return std::nullopt;
}
