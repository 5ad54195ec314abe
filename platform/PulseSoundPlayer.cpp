#include "PulseSoundPlayer.h"

#include "Klang.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <pulse/simple.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

// The output thread hands the server a slice at a time and keeps between
// `Vorlauf` less a slice and `Vorlauf` ahead of the speaker: never so much that
// a write waits for the server, so that a newer sound is noticed within a slice.
constexpr pa_usec_t Scheibe = 25'000;
constexpr pa_usec_t Vorlauf = 150'000;
// The server's buffer for the stream, roomier than what is kept in it.
constexpr pa_usec_t Puffer = 300'000;

// An open file, closed with its owner.
class Datei {
public:
    explicit Datei(int fd)
        : m_fd(fd)
    {
    }
    Datei(Datei &&andere) noexcept
        : m_fd(std::exchange(andere.m_fd, -1))
    {
    }
    Datei &operator=(Datei &&andere) noexcept
    {
        std::swap(m_fd, andere.m_fd);
        return *this;
    }
    ~Datei()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int fd() const { return m_fd; }

    // Up to `laenge` bytes from `pos`; fewer at the end, none on an error.
    QByteArray Lesen(qint64 pos, int laenge) const
    {
        QByteArray daten(laenge, Qt::Uninitialized);
        ssize_t gelesen;
        do
            gelesen = ::pread(m_fd, daten.data(), size_t(laenge), off_t(pos));
        while (gelesen < 0 && errno == EINTR);
        daten.resize(gelesen > 0 ? qsizetype(gelesen) : 0);
        return daten;
    }

private:
    int m_fd;
};

// Only a regular file, or a link to one, is opened: a FIFO or a device could
// block the opening or the reading, or never end.
std::optional<Datei> Oeffnen(const QString &pfad, qint64 *groesse)
{
    const QByteArray name = QFile::encodeName(pfad);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    Datei datei(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    // It may have been replaced in between.
    if (datei.fd() < 0 || ::fstat(datei.fd(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    *groesse = info.st_size;
    return datei;
}

struct Auftrag {
    Klang klang;
    Datei datei;
    quint64 nummer;
};

// The server takes every format as it is but 64-bit float, which is converted.
pa_sample_format_t PulseFormat(Klang::Format format)
{
    switch (format) {
    case Klang::Format::U8:
        return PA_SAMPLE_U8;
    case Klang::Format::S16:
        return PA_SAMPLE_S16LE;
    case Klang::Format::S24:
        return PA_SAMPLE_S24LE;
    case Klang::Format::S32:
        return PA_SAMPLE_S32LE;
    case Klang::Format::Float32:
    case Klang::Format::Float64:
        return PA_SAMPLE_FLOAT32LE;
    case Klang::Format::ALaw:
        return PA_SAMPLE_ALAW;
    case Klang::Format::MuLaw:
        return PA_SAMPLE_ULAW;
    }
    return PA_SAMPLE_INVALID;
}

QByteArray AlsFloat32(const QByteArray &doubles)
{
    QByteArray floats(doubles.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < floats.size() / 4; ++i) {
        const double wert = qFromLittleEndian<double>(doubles.constData() + 8 * i);
        qToLittleEndian(float(std::clamp(wert, -1.0, 1.0)), floats.data() + 4 * i);
    }
    return floats;
}

struct Freigabe {
    void operator()(pa_simple *strom) const { pa_simple_free(strom); }
};

// A stream to the server, kept from one sound to the next of the same format.
struct Strom {
    std::unique_ptr<pa_simple, Freigabe> p;
    pa_sample_spec spec{};
    pa_channel_map belegung{};
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
    bool spielt = false;  // the output thread is at a sound
    // The latest the last sound given ends: its length and a second.
    steady_clock::time_point frist = steady_clock::now();
    bool abbrechen = false; // the player goes
    bool beendet = false;   // the output thread has left its loop
    const QByteArray server;

    explicit Zustand(QByteArray s)
        : server(std::move(s))
    {
    }

    // Waits for `dauer`, or less when the sound of this number is to stop: a
    // newer call came, or the player goes. Returns whether it is to stop.
    bool Warten(quint64 nummer, microseconds dauer)
    {
        std::unique_lock sperre(mutex);
        return geaendert.wait_for(sperre, dauer,
                                  [this, nummer] { return abbrechen || gegeben != nummer; });
    }

    void Abspielen(const Auftrag &auftrag, Strom &strom);
    void Arbeiten();
};

// Reads and writes the sound slice by slice, then waits until it is played.
// On a newer sound it returns at once and keeps the stream, whose rest the
// next sound drops; on a fault it closes it.
void PulseSoundPlayer::Zustand::Abspielen(const Auftrag &auftrag, Strom &strom)
{
    const Klang &klang = auftrag.klang;
    const pa_sample_spec spec{PulseFormat(klang.format), klang.rate, quint8(klang.kanaele)};
    int fehler = 0;
    if (strom.p && (!pa_sample_spec_equal(&strom.spec, &spec) ||
                    !pa_channel_map_equal(&strom.belegung, &klang.belegung)))
        strom.p.reset();
    if (strom.p) {
        if (pa_simple_flush(strom.p.get(), &fehler) < 0)
            strom.p.reset();
    }
    if (!strom.p) {
        const uint32_t standard = uint32_t(-1);
        // No prebuffering: a sound plays from its first slice on.
        const pa_buffer_attr puffer{standard, uint32_t(pa_usec_to_bytes(Puffer, &spec)), 0,
                                    standard, standard};
        strom.p.reset(pa_simple_new(server.isEmpty() ? nullptr : server.constData(), "Ziehbuch",
                                    PA_STREAM_PLAYBACK, nullptr, "Klang", &spec, &klang.belegung,
                                    &puffer, &fehler));
        strom.spec = spec;
        strom.belegung = klang.belegung;
    }
    if (!strom.p)
        return;

    const int frame = klang.BytesProFrame();
    const qint64 scheibe = qMax<qint64>(1, qint64(klang.rate) * Scheibe / 1'000'000) * frame;
    for (qint64 pos = 0; pos < klang.laenge;) {
        const pa_usec_t voraus = pa_simple_get_latency(strom.p.get(), &fehler);
        if (voraus == pa_usec_t(-1)) {
            strom.p.reset();
            return;
        }
        if (voraus + Scheibe > Vorlauf) {
            if (Warten(auftrag.nummer, microseconds(voraus + Scheibe - Vorlauf)))
                return;
            continue;
        }
        QByteArray daten =
            auftrag.datei.Lesen(klang.anfang + pos, int(qMin(scheibe, klang.laenge - pos)));
        // A file cut while it plays ends there.
        daten.chop(daten.size() % frame);
        if (daten.isEmpty())
            break;
        pos += daten.size();
        if (klang.format == Klang::Format::Float64)
            daten = AlsFloat32(daten);
        if (pa_simple_write(strom.p.get(), daten.constData(), size_t(daten.size()), &fehler) < 0) {
            strom.p.reset();
            return;
        }
    }
    // Until the speaker has played what the server holds; a sink that has not
    // started yet holds it longer.
    for (;;) {
        const pa_usec_t rest = pa_simple_get_latency(strom.p.get(), &fehler);
        if (rest == pa_usec_t(-1)) {
            strom.p.reset();
            return;
        }
        if (rest < 1000 || Warten(auftrag.nummer, microseconds(qMin(rest, Scheibe))))
            return;
    }
}

void PulseSoundPlayer::Zustand::Arbeiten()
{
    Strom strom;
    std::unique_lock sperre(mutex);
    for (;;) {
        geaendert.wait(sperre, [this] { return naechster || abbrechen; });
        if (abbrechen)
            break;
        const Auftrag auftrag = std::move(*naechster);
        naechster.reset();
        spielt = true;
        sperre.unlock();
        Abspielen(auftrag, strom);
        sperre.lock();
        spielt = false;
        erledigt = auftrag.nummer;
        geaendert.notify_all();
        if (!naechster) {
            // Played out, or stopped by a call that plays nothing.
            sperre.unlock();
            strom.p.reset();
            sperre.lock();
        }
    }
    sperre.unlock();
    strom.p.reset();
    sperre.lock();
    beendet = true;
    geaendert.notify_all();
}

PulseSoundPlayer::PulseSoundPlayer(QByteArray server)
    : m_zustand(std::make_shared<Zustand>(std::move(server)))
    , m_ausgabe([zustand = m_zustand] { zustand->Arbeiten(); })
{
}

PulseSoundPlayer::~PulseSoundPlayer()
{
    Zustand &z = *m_zustand;
    std::unique_lock sperre(z.mutex);
    z.geaendert.wait_until(sperre, z.frist, [&z] { return !z.naechster && !z.spielt; });
    z.abbrechen = true;
    z.naechster.reset();
    z.geaendert.notify_all();
    // A server that does not answer keeps the output thread; the program ends
    // without it.
    const bool beendet = z.geaendert.wait_until(
        sperre, std::max(z.frist, steady_clock::now()) + 100ms, [&z] { return z.beendet; });
    sperre.unlock();
    if (beendet)
        m_ausgabe.join();
    else
        m_ausgabe.detach();
}

void PulseSoundPlayer::Play(const QString &pfad, int flags)
{
    qint64 groesse = 0;
    std::optional<Datei> datei = Oeffnen(pfad, &groesse);
    std::optional<Klang> klang;
    if (datei) {
        klang = KlangLesen(groesse,
                           [&datei](qint64 pos, int laenge) { return datei->Lesen(pos, laenge); });
    }

    Zustand &z = *m_zustand;
    std::unique_lock sperre(z.mutex);
    // Every call stops the sound playing, even one that plays nothing.
    const quint64 nummer = ++z.gegeben;
    z.naechster.reset();
    z.geaendert.notify_all();
    z.frist = steady_clock::now();
    if (!klang)
        return;
    z.frist += milliseconds(qMin<qint64>(klang->Dauer(), 10 * 60 * 1000)) + 1s;
    z.naechster = Auftrag{std::move(*klang), std::move(*datei), nummer};
    if (flags & Sofort)
        return;
    z.geaendert.wait_until(sperre, z.frist, [&z, nummer] { return z.erledigt >= nummer; });
}
