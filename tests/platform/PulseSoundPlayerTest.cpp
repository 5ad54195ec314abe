#include "PulseSoundPlayer.h"
#include "FifoLoeser.h"
#include "Testhilfe.h"
#include "Wellen.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <pulse/simple.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

const QByteArray Abgeschnitten = Welle(1, 8000, 16, 4000).left(44 + 1001);
const QByteArray EinHertz = Welle(1, 1, 16, 1000);

// A server that takes connections and never answers, as a stopped one does.
struct StummerServer {
    TempFolder ordner;
    QByteArray adresse = "unix:" + QFile::encodeName(ordner.Datei(S("native")));
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    StummerServer()
    {
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        qstrncpy(a.sun_path, adresse.constData() + 5, sizeof a.sun_path);
        EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) | listen(fd, 8), 0);
    }
    ~StummerServer() { close(fd); }
};

bool ServerAntwortet()
{
    const pa_sample_spec probe{PA_SAMPLE_S16LE, 8000, 1};
    pa_simple *strom = pa_simple_new(nullptr, "Ziehbuch-Test", PA_STREAM_PLAYBACK, nullptr, "Probe",
                                     &probe, nullptr, nullptr, nullptr);
    if (strom)
        pa_simple_free(strom);
    return strom;
}
#define SERVER_NOETIG()                                                                            \
    if (!ServerAntwortet())                                                                        \
    GTEST_SKIP() << "no PulseAudio server answers here (PULSE_SERVER, or the desktop's own)"

// A start returns at once; a waiting play lasts the sound, but at most a second longer.
void StartenUndWarten(SoundPlayer &player, const QString &pfad, int dauer)
{
    QElapsedTimer uhr;
    uhr.start();
    player.Play(pfad, SoundPlayer::Sofort);
    EXPECT_LT(uhr.elapsed(), 50) << qPrintable(pfad) << " without waiting";
    uhr.restart();
    player.Play(pfad, SoundPlayer::Warten);
    EXPECT_LT(uhr.elapsed(), dauer + 1250) << qPrintable(pfad);
    EXPECT_GE(uhr.elapsed(), dauer) << qPrintable(pfad) << " ends before its sound";
}

TEST(PulseSoundPlayer, AServerThatNeverAnswersHoldsNoPlayLongerThanTheSoundAndASecond)
{
    TempFolder ordner;
    ordner.Schreiben(S("halb.wav"), Sekunden(0.5));
    StummerServer server;
    QElapsedTimer uhr;
    {
        PulseSoundPlayer player(server.adresse);
        StartenUndWarten(player, ordner.Datei(S("halb.wav")), 500);
        uhr.start();
    }
    EXPECT_LT(uhr.elapsed(), 1000 + 250) << "the player goes though its output thread is held";
}

// Key repeat on a winning draw starts its sound anew many times a second; no start and no wait
// runs an event of the window.
TEST(PulseSoundPlayer, PlaysWithoutRunningEventsAndWaitsNoLongerThanTheSoundAndASecond)
{
    SERVER_NOETIG();
    TempFolder ordner;
    ordner.Schreiben(S("lang.wav"), Sekunden(2));
    PulseSoundPlayer player;
    int gelaufen = 0;
    QTimer::singleShot(0, [&gelaufen] { ++gelaufen; });
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&gelaufen] { ++gelaufen; }, Qt::QueuedConnection);
    for (int i = 0; i < 100; ++i)
        player.Play(ordner.Datei(S("lang.wav")), SoundPlayer::Sofort);
    const std::tuple<const char *, QByteArray, int> faelle[] = {
        {"kaputt.wav", "kein Klang", 0},
        {"1hz.wav", EinHertz, 0},
        {"abgeschnitten.wav", Abgeschnitten, 62},
        {"halb.wav", Sekunden(0.5), 500}};
    StartenUndWarten(player, ordner.Datei(S("fehlt.wav")), 0);
    for (const auto &[name, inhalt, dauer] : faelle) {
        ordner.Schreiben(S(name), inhalt);
        StartenUndWarten(player, ordner.Datei(S(name)), dauer);
    }
    EXPECT_EQ(gelaufen, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(gelaufen, 2);
}

// Users put into the program's folder what they have: a FIFO, a link to a device or a folder
// plays nothing, and a file of gigabytes is read as it plays. No start takes longer than 50 ms.
TEST(PulseSoundPlayer, NoFileHoldsTheWindowAndLargeFilesAreReadAsTheyPlay)
{
    SERVER_NOETIG();
    TempFolder ordner;
    const QByteArray fifo = QFile::encodeName(ordner.Datei(S("fifo.wav")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(ordner.Datei(S("null.wav")))), 0);
    ASSERT_TRUE(QDir(ordner.Pfad()).mkdir(S("ordner.wav")));
    // 0.3 s of samples behind a skipped chunk of 3 GiB, and 2 GiB of samples; both sparse.
    const qint64 junk = qint64(3) << 30;
    ordner.Schreiben(S("hinten.wav"),
                     Welle(1, 8000, 16, 0, "JUNK" + Wort(quint32(junk), 4)).left(44));
    QFile hinten(ordner.Datei(S("hinten.wav")));
    ASSERT_TRUE(hinten.open(QIODevice::ReadWrite) && hinten.seek(44 + junk));
    hinten.write("data" + Wort(4800, 4) + QByteArray(4800, 0));
    hinten.close();
    ordner.Schreiben(S("gross.wav"), Welle(2, 44100, 16, 0).left(40) + Wort(0xFFFFFFF0, 4));
    ASSERT_EQ(
        ::truncate(QFile::encodeName(ordner.Datei(S("gross.wav"))).constData(), qint64(2) << 30),
        0);

    PulseSoundPlayer player;
    for (const char *name : {"fifo.wav", "null.wav", "ordner.wav"}) {
        const FifoLoeser loeser(ordner.Datei(S("fifo.wav")));
        StartenUndWarten(player, ordner.Datei(S(name)), 0);
    }
    StartenUndWarten(player, ordner.Datei(S("hinten.wav")), 300);

    // A waiting play of the large file ends when a newer sound stops it.
    QElapsedTimer uhr;
    uhr.start();
    player.Play(ordner.Datei(S("gross.wav")), SoundPlayer::Sofort);
    EXPECT_LT(uhr.elapsed(), 50) << "gross.wav without waiting";
    auto wartend = std::async(std::launch::async, [&player, &ordner] {
        player.Play(ordner.Datei(S("gross.wav")), SoundPlayer::Warten);
        return steady_clock::now();
    });
    ASSERT_EQ(wartend.wait_for(500ms), std::future_status::timeout) << "an hour of sound";
    const auto neu = steady_clock::now();
    player.Play(ordner.Datei(S("fehlt.wav")), SoundPlayer::Sofort);
    ASSERT_EQ(wartend.wait_for(1s), std::future_status::ready);
    EXPECT_LT(wartend.get() - neu, 150ms);
}

// Records what the server plays, from the monitor of its default sink: how many samples of
// the two test sounds came, and when; a sample counts when it is within 2000 of the sound's.
// Meanwhile it plays silence, which keeps a null sink rendering in small steps: an idle one may
// hold a new stream for up to two seconds.
class Mithoerer {
public:
    static constexpr qint16 Alt = 12000, Neu = -12000;

    Mithoerer()
    {
        const pa_sample_spec spec{PA_SAMPLE_S16LE, 8000, 1};
        const uint32_t standard = uint32_t(-1);
        const uint32_t klein = uint32_t(pa_usec_to_bytes(10'000, &spec));
        const pa_buffer_attr aufnahme{standard, standard, standard, standard, klein};
        const pa_buffer_attr stille{standard, 4 * klein, 0, klein, standard};
        m_aufnahme = pa_simple_new(nullptr, "Ziehbuch-Test", PA_STREAM_RECORD, "@DEFAULT_MONITOR@",
                                   "Mithoeren", &spec, nullptr, &aufnahme, nullptr);
        m_stille = pa_simple_new(nullptr, "Ziehbuch-Test", PA_STREAM_PLAYBACK, nullptr, "Stille",
                                 &spec, nullptr, &stille, nullptr);
        if (!Bereit())
            return;
        m_faeden[0] = std::thread([this] { Aufnehmen(); });
        m_faeden[1] = std::thread([this, klein] {
            const QByteArray nichts(int(klein), 0);
            while (!m_ende && pa_simple_write(m_stille, nichts.constData(), klein, nullptr) >= 0) {
                const std::lock_guard sperre(m_mutex);
                ++m_stilleScheiben;
                m_neue.notify_all();
            }
        });
        // Once the sink takes more than the stream holds, it renders in small steps.
        std::unique_lock sperre(m_mutex);
        m_neue.wait_for(sperre, 3s, [this] { return m_stilleScheiben >= 20; });
    }
    ~Mithoerer()
    {
        m_ende = true;
        for (std::thread &faden : m_faeden) {
            if (faden.joinable())
                faden.join();
        }
        for (pa_simple *strom : {m_aufnahme, m_stille}) {
            if (strom)
                pa_simple_free(strom);
        }
    }
    bool Bereit() const { return m_aufnahme && m_stille; }

    // Waits, at most `frist`, until `samples` samples of the sound `wert` came after `ab`.
    bool Warten(qint16 wert, int samples, steady_clock::time_point ab, milliseconds frist)
    {
        std::unique_lock sperre(m_mutex);
        return m_neue.wait_for(sperre, frist, [&] { return Zaehlen(wert, ab) >= samples; });
    }
    // How many samples of the sound `wert` came after `ab`.
    int Anzahl(qint16 wert, steady_clock::time_point ab)
    {
        const std::lock_guard sperre(m_mutex);
        return Zaehlen(wert, ab);
    }
    // When the first sample of the sound `wert` came after `ab`.
    std::optional<steady_clock::time_point> Erstes(qint16 wert, steady_clock::time_point ab)
    {
        const std::lock_guard sperre(m_mutex);
        for (const Block &b : m_bloecke) {
            if (b.zeit > ab && b.samples(wert) > 0)
                return b.zeit;
        }
        return std::nullopt;
    }

private:
    struct Block {
        steady_clock::time_point zeit;
        int alt = 0;
        int neu = 0;
        int samples(qint16 wert) const { return wert == Alt ? alt : neu; }
    };

    int Zaehlen(qint16 wert, steady_clock::time_point ab) const
    {
        int n = 0;
        for (const Block &b : m_bloecke)
            n += b.zeit > ab ? b.samples(wert) : 0;
        return n;
    }

    void Aufnehmen()
    {
        qint16 samples[40];
        while (!m_ende && pa_simple_read(m_aufnahme, samples, sizeof samples, nullptr) >= 0) {
            Block b{steady_clock::now()};
            for (const qint16 s : samples) {
                b.alt += qAbs(s - Alt) < 2000;
                b.neu += qAbs(s - Neu) < 2000;
            }
            const std::lock_guard sperre(m_mutex);
            m_bloecke.push_back(b);
            m_neue.notify_all();
        }
    }

    pa_simple *m_aufnahme = nullptr;
    pa_simple *m_stille = nullptr;
    std::atomic<bool> m_ende = false;
    std::mutex m_mutex;
    std::condition_variable m_neue;
    std::vector<Block> m_bloecke;
    int m_stilleScheiben = 0;
    std::thread m_faeden[2];
};

#define MITHOEREN(m)                                                                               \
    SERVER_NOETIG();                                                                               \
    Mithoerer m;                                                                                   \
    if (!m.Bereit())                                                                               \
    GTEST_SKIP() << "the server has no monitor of its default sink"

// Stepping from one winning draw to the next: the new sound is heard within 150 ms of its
// start, and nothing more of the old one, whether the old one is still being written or all
// of it waits in the server to be played.
TEST(PulseSoundPlayer, ANewSoundStopsTheOldOneAtOnceWhileItPlaysAndWhileItDrains)
{
    MITHOEREN(mithoerer);
    TempFolder ordner;
    ordner.Schreiben(S("neu.wav"), Gleichton(Mithoerer::Neu, 300));
    PulseSoundPlayer player;
    const struct {
        const char *fall;
        int dauer;   // of the old sound
        int gehoert; // of it before the new one starts
    } faelle[] = {{"while it plays", 3000, 300}, {"while it drains", 100, 10}};
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.fall);
        const QString alt = ordner.Datei(S("%1.wav").arg(f.dauer));
        ordner.Schreiben(QFileInfo(alt).fileName(), Gleichton(Mithoerer::Alt, f.dauer));
        const auto vorher = steady_clock::now();
        player.Play(alt, SoundPlayer::Sofort);
        ASSERT_TRUE(mithoerer.Warten(Mithoerer::Alt, f.gehoert * 8, vorher, 3s));
        const auto start = steady_clock::now();
        player.Play(ordner.Datei(S("neu.wav")), SoundPlayer::Sofort);
        ASSERT_TRUE(mithoerer.Warten(Mithoerer::Neu, 800, start, 3s));
        EXPECT_LT(*mithoerer.Erstes(Mithoerer::Neu, start) - start, 150ms);
        EXPECT_EQ(mithoerer.Anzahl(Mithoerer::Alt, start + 50ms), 0) << "old samples played out";
        player.Play(ordner.Datei(S("fehlt.wav")), SoundPlayer::Sofort);
    }
}

template <typename T> QByteArray Sample(T wert)
{
    QByteArray bytes(sizeof wert, 0);
    qToLittleEndian(wert, bytes.data());
    return bytes;
}

// A quarter of a second in each format that plays, every channel at the old sound's level (12000
// of 32768): heard at that level for most of its length, also with seven and eight channels,
// which the server takes only with their speakers named.
TEST(PulseSoundPlayer, EachFormatIsHeardAtItsLevel)
{
    MITHOEREN(mithoerer);
    const int frames = 2000;
    const QByteArray s16 = Wort(12000, 2);
    const struct {
        const char *fall;
        QByteArray datei;
    } faelle[] = {
        {"8-bit", Gefuellt(Welle(1, 8000, 8, frames), frames, "\xAF")},
        {"24-bit stereo",
         Gefuellt(Erweitert(2, 24, 0x3, 6 * frames), 6 * frames, Wort(12000 << 8, 3).repeated(2))},
        {"32-bit stereo",
         Gefuellt(Erweitert(2, 32, 0x3, 8 * frames), 8 * frames, Wort(12000 << 16, 4).repeated(2))},
        {"32-bit float",
         Gefuellt(OhneErweiterung(3, 1, 32, 4 * frames), 4 * frames, Sample(12000 / 32768.f))},
        {"64-bit float",
         Gefuellt(OhneErweiterung(3, 1, 64, 8 * frames), 8 * frames, Sample(12000 / 32768.))},
        {"A-law", Gefuellt(OhneErweiterung(6, 1, 8, frames), frames, "\xB2")},
        {"µ-law", Gefuellt(OhneErweiterung(7, 1, 8, frames), frames, "\x98")},
        {"6 channels", Gefuellt(Erweitert(6, 16, 0x3F, 12 * frames), 12 * frames, s16.repeated(6))},
        {"7 channels",
         Gefuellt(Erweitert(7, 16, 0x13F, 14 * frames), 14 * frames, s16.repeated(7))},
        {"8 channels, plain",
         Gefuellt(Welle(8, 8000, 16, 16 * frames), 16 * frames, s16.repeated(8))},
    };
    TempFolder ordner;
    PulseSoundPlayer player;
    for (const auto &f : faelle) {
        ordner.Schreiben(S("pegel.wav"), f.datei);
        const auto start = steady_clock::now();
        player.Play(ordner.Datei(S("pegel.wav")), SoundPlayer::Warten);
        EXPECT_GE(mithoerer.Anzahl(Mithoerer::Alt, start), frames * 8 / 10) << f.fall;
        EXPECT_EQ(mithoerer.Anzahl(Mithoerer::Neu, start), 0) << f.fall;
    }
}

// Closing the main window starts the closing sound without waiting, and the program ends:
// the player lets it play to its end, but waits no longer than the sound and a second, and
// not at all when there is nothing to play or no server.
TEST(PulseSoundPlayer, ASoundStartedWithoutWaitingPlaysToItsEndWhenThePlayerGoes)
{
    MITHOEREN(mithoerer);
    TempFolder ordner;
    ordner.Schreiben(S("ende.wav"), Gleichton(Mithoerer::Alt, 400));
    const auto dauer = [&ordner](const QByteArray &server, const char *datei) {
        QElapsedTimer uhr;
        {
            PulseSoundPlayer player(server);
            player.Play(ordner.Datei(S(datei)), SoundPlayer::Sofort);
            uhr.start();
        }
        return uhr.elapsed();
    };
    const auto start = steady_clock::now();
    const qint64 ende = dauer({}, "ende.wav");
    EXPECT_GE(ende, 400 - 50);
    EXPECT_LT(ende, 400 + 1000);
    EXPECT_GE(mithoerer.Anzahl(Mithoerer::Alt, start), 400 * 8 * 9 / 10) << "the sound is cut";
    EXPECT_LT(dauer({}, "fehlt.wav"), 150);
    EXPECT_LT(dauer("unix:" + QFile::encodeName(ordner.Datei(S("kein-server"))), "ende.wav"), 150);
}

} // namespace
