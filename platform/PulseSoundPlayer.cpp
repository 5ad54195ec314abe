#include "PulseSoundPlayer.h"

#include "Klang.h"

#include <QFile>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <pulse/simple.h>

using namespace std::chrono_literals;

namespace {

struct Auftrag {
    Klang klang;
    quint64 nummer;
};

pa_sample_format_t PulseFormat(Klang::Format format)
{
    switch (format) {
    case Klang::Format::U8:
        return PA_SAMPLE_U8;
    case Klang::Format::S16:
        return PA_SAMPLE_S16LE;
    case Klang::Format::S32:
        return PA_SAMPLE_S32LE;
    case Klang::Format::Float32:
        return PA_SAMPLE_FLOAT32LE;
    }
    return PA_SAMPLE_INVALID;
}

struct Freigabe {
    void operator()(pa_simple *strom) const { pa_simple_free(strom); }
};

} // namespace

// What the window thread and the output thread share.
struct PulseSoundPlayer::Zustand {
    std::mutex mutex;
    std::condition_variable geaendert;
    // The sound to play next; a newer call drops it before it starts.
    std::optional<Auftrag> naechster;
    quint64 gegeben = 0;  // the number of the last call to Play
    quint64 erledigt = 0; // the number of the last sound played or stopped
    bool ende = false;
    bool beendet = false; // the output thread has left its loop
    const QByteArray server;

    explicit Zustand(QByteArray s)
        : server(std::move(s))
    {
    }

    // Whether the sound of this number is to stop: a newer call came, or the player goes.
    bool Abgeloest(quint64 nummer)
    {
        const std::lock_guard sperre(mutex);
        return ende || gegeben != nummer;
    }

    void Abspielen(const Auftrag &auftrag);
    void Arbeiten();
};

// Writes the sound in slices of 50 ms, so that a newer sound stops it soon;
// the server's buffer is kept at 200 ms for the same reason.
void PulseSoundPlayer::Zustand::Abspielen(const Auftrag &auftrag)
{
    const Klang &klang = auftrag.klang;
    const pa_sample_spec spec{PulseFormat(klang.format), klang.rate, quint8(klang.kanaele)};
    const uint32_t standard = uint32_t(-1);
    const pa_buffer_attr puffer{standard, uint32_t(pa_usec_to_bytes(200'000, &spec)), standard,
                                standard, standard};
    int fehler = 0;
    const std::unique_ptr<pa_simple, Freigabe> strom(
        pa_simple_new(server.isEmpty() ? nullptr : server.constData(), "Ziehbuch",
                      PA_STREAM_PLAYBACK, nullptr, "Klang", &spec, nullptr, &puffer, &fehler));
    if (!strom)
        return;
    const qsizetype scheibe = qsizetype(pa_usec_to_bytes(50'000, &spec));
    for (qsizetype pos = 0; pos < klang.samples.size(); pos += scheibe) {
        if (Abgeloest(auftrag.nummer)) {
            pa_simple_flush(strom.get(), &fehler);
            return;
        }
        const char *stueck = klang.samples.constData() + pos;
        const size_t laenge = size_t(qMin(scheibe, klang.samples.size() - pos));
        if (pa_simple_write(strom.get(), stueck, laenge, &fehler) < 0)
            return;
    }
    pa_simple_drain(strom.get(), &fehler);
}

void PulseSoundPlayer::Zustand::Arbeiten()
{
    std::unique_lock sperre(mutex);
    for (;;) {
        geaendert.wait(sperre, [this] { return naechster || ende; });
        if (ende)
            break;
        const Auftrag auftrag = std::move(*naechster);
        naechster.reset();
        sperre.unlock();
        Abspielen(auftrag);
        sperre.lock();
        erledigt = auftrag.nummer;
        geaendert.notify_all();
    }
    beendet = true;
    geaendert.notify_all();
}

PulseSoundPlayer::PulseSoundPlayer(QByteArray server)
    : m_zustand(std::make_shared<Zustand>(std::move(server)))
    , m_ausgabe([zustand = m_zustand] { zustand->Arbeiten(); })
{
}

// A server that does not answer keeps the output thread; the program ends
// without it.
PulseSoundPlayer::~PulseSoundPlayer()
{
    std::unique_lock sperre(m_zustand->mutex);
    m_zustand->ende = true;
    m_zustand->naechster.reset();
    m_zustand->geaendert.notify_all();
    const bool beendet =
        m_zustand->geaendert.wait_for(sperre, 1s, [this] { return m_zustand->beendet; });
    sperre.unlock();
    if (beendet)
        m_ausgabe.join();
    else
        m_ausgabe.detach();
}

void PulseSoundPlayer::Play(const QString &pfad, int flags)
{
    QFile datei(pfad);
    std::optional<Klang> klang;
    if (datei.open(QIODevice::ReadOnly))
        klang = KlangLesen(datei.readAll());

    std::unique_lock sperre(m_zustand->mutex);
    // Every call stops the sound playing, even one that plays nothing.
    const quint64 nummer = ++m_zustand->gegeben;
    m_zustand->naechster.reset();
    if (!klang)
        return;
    const auto ende = std::chrono::steady_clock::now() +
                      std::chrono::milliseconds(qMin<qint64>(klang->Dauer(), 10 * 60 * 1000)) + 1s;
    m_zustand->naechster = Auftrag{std::move(*klang), nummer};
    m_zustand->geaendert.notify_all();
    if (flags & Sofort)
        return;
    m_zustand->geaendert.wait_until(sperre, ende,
                                    [this, nummer] { return m_zustand->erledigt >= nummer; });
}
