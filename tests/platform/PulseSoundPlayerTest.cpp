#include "PulseSoundPlayer.h"
#include "Testhilfe.h"
#include "Welle.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtEndian>
#include <pulse/simple.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QByteArray Wort(quint32 wert, int bytes)
{
    QByteArray b(4, 0);
    qToLittleEndian(wert, b.data());
    return b.left(bytes);
}

struct Kopf {
    quint16 art = 1, kanaele = 1;
    quint32 rate = 8000;
    quint16 bits = 16;
    qint64 bytesProSekunde = -1, block = -1, datenlaenge = -1; // -1: as the format makes them
};

// A wave of `bytes` bytes of silence under the header `k`, `vorher` between format and data.
QByteArray Welle(Kopf k, int bytes, const QByteArray &vorher = {})
{
    const quint32 block = k.block < 0 ? k.kanaele * k.bits / 8 : quint32(k.block);
    const quint32 proSekunde = k.bytesProSekunde < 0 ? k.rate * block : quint32(k.bytesProSekunde);
    const quint32 laenge = k.datenlaenge < 0 ? quint32(bytes) : quint32(k.datenlaenge);
    const QByteArray chunks = "fmt " + Wort(16, 4) + Wort(k.art, 2) + Wort(k.kanaele, 2) +
                              Wort(k.rate, 4) + Wort(proSekunde, 4) + Wort(block, 2) +
                              Wort(k.bits, 2) + vorher + "data" + Wort(laenge, 4) +
                              QByteArray(bytes, k.bits == 8 ? '\x80' : '\0');
    return "RIFF" + Wort(quint32(4 + chunks.size()), 4) + "WAVE" + chunks;
}

QByteArray Sekunden(double s)
{
    return Welle({1, 2, 44100, 16}, int(s * 44100) * 4);
}

// The sound files that must never reach the output as they are.
const QByteArray Abgeschnitten = Welle({}, 4000).left(44 + 1001);
const QByteArray EinHertz = Welle({1, 1, 1, 16}, 1000);

// Which sounds play, as how many bytes of samples; 0 for none.
TEST(KlangLesen, PlaysConsistentHeadersAsWholeFramesAndRefusesTheRest)
{
    const struct {
        const char *fall;
        QByteArray datei;
        qsizetype samples;
    } faelle[] = {
        {"16-bit stereo", Sekunden(1), 176400},
        {"8-bit mono", Welle({1, 1, 8000, 8}, 800), 800},
        {"32-bit float", Welle({3, 2, 48000, 32}, 800), 800},
        {"a chunk of odd length before the data",
         Welle({}, 4000, "LIST" + Wort(3, 4) + "abc" + '\0'), 4000},
        {"cut off mid-sample", Abgeschnitten, 1000},
        {"a data chunk longer than the file", Welle({1, 2, 8000, 16, -1, -1, 1 << 30}, 4003), 4000},
        {"1 Hz", EinHertz, 0},
        {"7,999 Hz", Welle({1, 1, 7999, 16}, 1000), 0},
        {"192,001 Hz", Welle({1, 1, 192001, 16}, 1000), 0},
        {"no channel", Welle({1, 0, 8000, 16}, 1000), 0},
        {"nine channels", Welle({1, 9, 8000, 16}, 1800), 0},
        {"24 bits", Welle({1, 1, 8000, 24}, 1200), 0},
        {"block size disagrees", Welle({1, 2, 8000, 16, -1, 2}, 1000), 0},
        {"bytes per second disagree", Welle({1, 1, 8000, 16, 8000}, 1000), 0},
        {"no samples", Welle({}, 0), 0},
        {"no data chunk", Welle({}, 800).left(36), 0},
        {"no wave", QByteArray("MThd") + QByteArray(40, 0), 0},
    };
    for (const auto &f : faelle) {
        const std::optional<Klang> klang = KlangLesen(f.datei);
        EXPECT_EQ(klang ? klang->samples.size() : 0, f.samples) << f.fall;
    }
    EXPECT_EQ(KlangLesen(Sekunden(1))->Dauer(), 1000);
}

// A server that takes the connection and never answers, as a stopped one does.
class StummerServer {
public:
    StummerServer()
    {
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        const QByteArray pfad = QFile::encodeName(m_ordner.Datei(S("native")));
        qstrncpy(adresse.sun_path, pfad.constData(), sizeof adresse.sun_path);
        m_socket = socket(AF_UNIX, SOCK_STREAM, 0);
        EXPECT_EQ(bind(m_socket, reinterpret_cast<sockaddr *>(&adresse), sizeof adresse), 0);
        EXPECT_EQ(listen(m_socket, 8), 0);
        Adresse = "unix:" + pfad;
    }
    // Closing lets the connections waiting on it fail.
    ~StummerServer() { close(m_socket); }
    QByteArray Adresse;

private:
    TempFolder m_ordner;
    int m_socket = -1;
};

TEST(PulseSoundPlayer, AServerThatNeverAnswersHoldsNoPlayLongerThanTheSoundAndASecond)
{
    TempFolder ordner;
    ordner.Schreiben(S("halb.wav"), Sekunden(0.5));
    StummerServer server;
    QElapsedTimer uhr;
    {
        PulseSoundPlayer player(server.Adresse);
        uhr.start();
        player.Play(ordner.Datei(S("halb.wav")), SoundPlayer::Sofort);
        EXPECT_LT(uhr.elapsed(), 250) << "a start without waiting";
        uhr.restart();
        player.Play(ordner.Datei(S("halb.wav")), SoundPlayer::Warten);
        EXPECT_LT(uhr.elapsed(), 1500 + 250) << "a waiting play";
        uhr.restart();
    }
    EXPECT_LT(uhr.elapsed(), 1000 + 250) << "the player goes though its output thread is held";
}

bool ServerAntwortet()
{
    const pa_sample_spec spec{PA_SAMPLE_S16LE, 8000, 1};
    pa_simple *strom = pa_simple_new(nullptr, "Ziehbuch-Test", PA_STREAM_PLAYBACK, nullptr, "Probe",
                                     &spec, nullptr, nullptr, nullptr);
    if (strom)
        pa_simple_free(strom);
    return strom;
}

#define AUDIO_SERVER_NOETIG()                                                                      \
    if (!ServerAntwortet())                                                                        \
    GTEST_SKIP() << "no PulseAudio server answers here (PULSE_SERVER, or the desktop's own)"

TEST(PulseSoundPlayer, WaitsForASoundButNeverLongerThanItAndASecond)
{
    AUDIO_SERVER_NOETIG();
    TempFolder ordner;
    const struct {
        const char *name;
        QByteArray inhalt;
        int dauer; // ms
    } faelle[] = {
        {"fehlt.wav", {}, 0},
        {"kaputt.wav", "kein Klang", 0},
        {"1hz.wav", EinHertz, 0},
        {"abgeschnitten.wav", Abgeschnitten, 62},
        {"halb.wav", Sekunden(0.5), 500},
    };
    PulseSoundPlayer player;
    QElapsedTimer uhr;
    for (const auto &f : faelle) {
        if (!f.inhalt.isNull())
            ordner.Schreiben(S(f.name), f.inhalt);
        uhr.start();
        player.Play(ordner.Datei(S(f.name)), SoundPlayer::Sofort);
        EXPECT_LT(uhr.elapsed(), 250) << f.name << " without waiting";
        uhr.restart();
        player.Play(ordner.Datei(S(f.name)), SoundPlayer::Warten);
        EXPECT_LT(uhr.elapsed(), f.dauer + 1250) << f.name;
        EXPECT_GE(uhr.elapsed(), f.dauer) << f.name << " ends before its sound";
    }
}

// Key repeat on a winning draw starts its sound anew many times a second.
TEST(PulseSoundPlayer, StartingAndStoppingSoundsRunsNoEventOfTheWindow)
{
    AUDIO_SERVER_NOETIG();
    TempFolder ordner;
    ordner.Schreiben(S("lang.wav"), Sekunden(2));
    ordner.Schreiben(S("kurz.wav"), Sekunden(0.1));
    PulseSoundPlayer player;
    int gelaufen = 0;
    QTimer::singleShot(0, [&gelaufen] { ++gelaufen; });
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&gelaufen] { ++gelaufen; }, Qt::QueuedConnection);
    for (int i = 0; i < 100; ++i)
        player.Play(ordner.Datei(S("lang.wav")), SoundPlayer::Sofort);
    player.Play(ordner.Datei(S("kurz.wav")), SoundPlayer::Warten);
    EXPECT_EQ(gelaufen, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(gelaufen, 2);
}

} // namespace
