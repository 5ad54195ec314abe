#include "QtSoundPlayer.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>

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

std::optional<QAudioFormat::SampleFormat> Sampleformat(const WaveKopf &kopf)
{
    if (kopf.art == 1 && kopf.bits == 8)
        return QAudioFormat::UInt8;
    if (kopf.art == 1 && kopf.bits == 16)
        return QAudioFormat::Int16;
    if (kopf.art == 1 && kopf.bits == 32)
        return QAudioFormat::Int32;
    if (kopf.art == 3 && kopf.bits == 32)
        return QAudioFormat::Float;
    return std::nullopt;
}

} // namespace

std::optional<WaveKopf> WaveKopfLesen(const QByteArray &datei)
{
    if (datei.size() < 12 || !datei.startsWith("RIFF") || datei.mid(8, 4) != "WAVE")
        return std::nullopt;
    WaveKopf kopf;
    for (qsizetype pos = 12; pos + 8 <= datei.size();) {
        const QByteArray kennung = datei.mid(pos, 4);
        const qint64 laenge = Wort32(datei, pos + 4);
        const qsizetype inhalt = pos + 8;
        if (kennung == "fmt ") {
            if (laenge < 16 || inhalt + 16 > datei.size())
                return std::nullopt;
            kopf.art = Wort16(datei, inhalt);
            kopf.kanaele = Wort16(datei, inhalt + 2);
            kopf.rate = Wort32(datei, inhalt + 4);
            kopf.bytesProSekunde = Wort32(datei, inhalt + 8);
            kopf.bits = Wort16(datei, inhalt + 14);
        } else if (kennung == "data") {
            if (kopf.bytesProSekunde == 0)
                return std::nullopt;
            kopf.datenAnfang = inhalt;
            kopf.datenLaenge = laenge;
            return kopf;
        }
        pos = inhalt + laenge + (laenge & 1);
    }
    return std::nullopt;
}

std::optional<qint64> WaveDauer(const QByteArray &datei)
{
    const auto kopf = WaveKopfLesen(datei);
    if (!kopf)
        return std::nullopt;
    return kopf->datenLaenge * 1000 / kopf->bytesProSekunde;
}

// One sound on its way to the audio output.
struct QtSoundPlayer::Klang {
    Klang(const QAudioDevice &geraet, const QAudioFormat &format, QByteArray samples)
        : daten(std::move(samples))
        , ausgabe(geraet, format)
    {
        puffer.setData(daten);
        puffer.open(QIODevice::ReadOnly);
    }
    // Qt 6.4's PulseAudio output, deleted while running, may still handle a
    // queued feed for its closed stream and abort; a stopped one ignores it.
    ~Klang() { ausgabe.stop(); }

    QByteArray daten;
    QBuffer puffer;
    QAudioSink ausgabe;
};

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::Play(const QString &pfad, int flags)
{
    m_laufend.reset();

    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return;
    const QByteArray inhalt = datei.readAll();
    const auto kopf = WaveKopfLesen(inhalt);
    const auto sampleformat = kopf ? Sampleformat(*kopf) : std::nullopt;
    if (!sampleformat)
        return;
    QAudioFormat format;
    format.setSampleRate(int(kopf->rate));
    format.setChannelCount(kopf->kanaele);
    format.setSampleFormat(*sampleformat);
    const QAudioDevice geraet = QMediaDevices::defaultAudioOutput();
    if (geraet.isNull() || !format.isValid() || !geraet.isFormatSupported(format))
        return;

    auto klang =
        std::make_unique<Klang>(geraet, format, inhalt.mid(kopf->datenAnfang, kopf->datenLaenge));
    klang->ausgabe.start(&klang->puffer);
    if (flags & Sofort) {
        m_laufend = std::move(klang);
        return;
    }

    // Waits in a local loop that takes no user input; the guard ends it one
    // second after the sound should have ended, so an audio device that never
    // answers cannot hang the program.
    QEventLoop schleife;
    QObject::connect(&klang->ausgabe, &QAudioSink::stateChanged, &schleife,
                     [&schleife](QAudio::State zustand) {
                         if (zustand == QAudio::IdleState || zustand == QAudio::StoppedState)
                             schleife.quit();
                     });
    QTimer::singleShot(int(qMin<qint64>(*WaveDauer(inhalt), 10 * 60 * 1000) + 1000), &schleife,
                       &QEventLoop::quit);
    if (klang->ausgabe.state() == QAudio::ActiveState)
        schleife.exec(QEventLoop::ExcludeUserInputEvents);
    klang->ausgabe.stop();
}
