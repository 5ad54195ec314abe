#pragma once

#include <QByteArray>
#include <QtEndian>

// Wave files written in the tests, laid out as sox and ffmpeg write them.

inline QByteArray Wort(quint32 wert, int bytes)
{
    QByteArray b(4, 0);
    qToLittleEndian(wert, b.data());
    return b.left(bytes);
}

// The 16 bytes of a "fmt " chunk whose sizes agree.
inline QByteArray Fmt(quint16 art, quint16 kanaele, quint32 rate, quint16 bits)
{
    const quint16 block = quint16(kanaele * bits / 8);
    return Wort(art, 2) + Wort(kanaele, 2) + Wort(rate, 4) + Wort(rate * block, 4) +
           Wort(block, 2) + Wort(bits, 2);
}

// A RIFF wave of this format, `vorher` between format and data, and `bytes` bytes of `wert`.
inline QByteArray Riff(const QByteArray &fmt, const QByteArray &vorher, int bytes, char wert = 0)
{
    const QByteArray chunks = "fmt " + Wort(quint32(fmt.size()), 4) + fmt + vorher + "data" +
                              Wort(quint32(bytes), 4) + QByteArray(bytes, wert);
    return "RIFF" + Wort(quint32(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// Integer PCM in a plain 16-byte header, as 16-bit mono and stereo files have it.
inline QByteArray Welle(quint16 kanaele, quint32 rate, quint16 bits, int bytes,
                        QByteArray vorher = {})
{
    return Riff(Fmt(1, kanaele, rate, bits), vorher, bytes);
}

inline QByteArray Fact(quint32 frames)
{
    return "fact" + Wort(4, 4) + Wort(frames, 4);
}

// As sox writes A-law, µ-law and float: an 18-byte format without extension, then a fact chunk.
inline QByteArray OhneErweiterung(quint16 art, quint16 kanaele, quint16 bits, int bytes)
{
    return Riff(Fmt(art, kanaele, 8000, bits) + Wort(0, 2), Fact(bytes * 8 / bits / kanaele),
                bytes);
}

inline const QByteArray GuidRest = QByteArray::fromHex("00001000800000aa00389b71");

// As sox writes 24- and 32-bit integers and more than two channels: the extensible format
// (tag 0xFFFE) with all bits valid, the speakers' mask and the sub-format's GUID.
inline QByteArray Erweitert(quint16 kanaele, quint16 bits, quint32 maske, int bytes,
                            quint32 art = 1, const QByteArray &guidRest = GuidRest)
{
    return Riff(Fmt(0xFFFE, kanaele, 8000, bits) + Wort(22, 2) + Wort(bits, 2) + Wort(maske, 4) +
                    Wort(art, 4) + guidRest,
                Fact(bytes * 8 / bits / kanaele), bytes);
}

inline QByteArray Sekunden(double s)
{
    return Welle(2, 44100, 16, int(s * 44100) * 4);
}

// The wave with its last `bytes` bytes of samples made of `frame` over and over.
inline QByteArray Gefuellt(QByteArray welle, int bytes, const QByteArray &frame)
{
    for (qsizetype pos = welle.size() - bytes; pos < welle.size(); pos += frame.size())
        welle.replace(pos, frame.size(), frame);
    return welle;
}

// 16-bit mono at 8,000 Hz holding one sample value throughout, to be told apart when recorded.
inline QByteArray Gleichton(qint16 wert, int ms)
{
    return Gefuellt(Welle(1, 8000, 16, ms * 16), ms * 16, Wort(quint16(wert), 2));
}
