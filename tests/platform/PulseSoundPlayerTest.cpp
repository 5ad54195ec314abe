#include "PulseSoundPlayer.h"
#include "Klang.h"
#include "Testhilfe.h"

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

// A wave of `bytes` bytes of silence, `vorher` between format and data.
QByteArray Welle(quint16 kanaele, quint32 rate, quint16 bits, int bytes, QByteArray vorher = {})
{
    const quint16 block = quint16(kanaele * bits / 8);
    const QByteArray chunks = "fmt " + Wort(16, 4) + Wort(1, 2) + Wort(kanaele, 2) + Wort(rate, 4) +
                              Wort(rate * block, 4) + Wort(block, 2) + Wort(bits, 2) + vorher +
                              "data" + Wort(quint32(bytes), 4) + QByteArray(bytes, 0);
    return "RIFF" + Wort(quint32(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// The wave with its header's bytes from `pos` on replaced by the word `wert`.
QByteArray Geaendert(QByteArray welle, int pos, quint32 wert, int bytes)
{
    return welle.replace(pos, bytes, Wort(wert, bytes));
}

QByteArray Sekunden(double s)
{
    return Welle(2, 44100, 16, int(s * 44100) * 4);
}

const QByteArray Abgeschnitten = Welle(1, 8000, 16, 4000).left(44 + 1001);
const QByteArray EinHertz = Welle(1, 1, 16, 1000);

// Which files play, as how many bytes of samples; 0 for none. The header: channels at 22,
// rate at 24, bytes per second at 28, block size at 32, data length at 40.
TEST(KlangLesen, PlaysConsistentHeadersAsWholeFramesAndRefusesTheRest)
{
    const struct {
        const char *fall;
        QByteArray datei;
        qsizetype samples;
    } faelle[] = {
        {"16-bit stereo", Sekunden(1), 176400},
        {"8-bit mono", Welle(1, 8000, 8, 800), 800},
        {"32-bit float", Geaendert(Welle(2, 48000, 32, 800), 20, 3, 2), 800},
        {"an odd chunk before the data",
         Welle(1, 8000, 16, 4000, "LIST" + Wort(3, 4) + "abc" + '\0'), 4000},
        {"cut off mid-sample", Abgeschnitten, 1000},
        {"a data chunk longer than the file", Geaendert(Welle(2, 8000, 16, 4003), 40, 1 << 30, 4),
         4000},
        {"1 Hz", EinHertz, 0},
        {"7,999 Hz", Welle(1, 7999, 16, 1000), 0},
        {"192,001 Hz", Welle(1, 192001, 16, 1000), 0},
        {"no channel", Welle(0, 8000, 16, 1000), 0},
        {"nine channels", Welle(9, 8000, 16, 1800), 0},
        {"24 bits", Welle(1, 8000, 24, 1200), 0},
        {"block size disagrees", Geaendert(Welle(2, 8000, 16, 1000), 32, 2, 2), 0},
        {"bytes per second disagree", Geaendert(Welle(1, 8000, 16, 1000), 28, 8000, 4), 0},
        {"no samples", Welle(1, 8000, 16, 0), 0},
        {"no data chunk", Welle(1, 8000, 16, 800).left(36), 0},
        {"no wave", QByteArray("MThd") + QByteArray(40, 0), 0},
    };
    for (const auto &f : faelle) {
        const std::optional<Klang> klang = KlangLesen(f.datei);
        EXPECT_EQ(klang ? klang->samples.size() : 0, f.samples) << f.fall;
    }
    EXPECT_EQ(KlangLesen(Sekunden(1))->Dauer(), 1000);
}

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

// A start returns at once; a waiting play lasts the sound, but at most a second longer.
void StartenUndWarten(SoundPlayer &player, const QString &pfad, int dauer)
{
    QElapsedTimer uhr;
    uhr.start();
    player.Play(pfad, SoundPlayer::Sofort);
    EXPECT_LT(uhr.elapsed(), 250) << qPrintable(pfad) << " without waiting";
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
    const pa_sample_spec probe{PA_SAMPLE_S16LE, 8000, 1};
    if (pa_simple *strom = pa_simple_new(nullptr, "Ziehbuch-Test", PA_STREAM_PLAYBACK, nullptr,
                                         "Probe", &probe, nullptr, nullptr, nullptr))
        pa_simple_free(strom);
    else
        GTEST_SKIP() << "no PulseAudio server answers here (PULSE_SERVER, or the desktop's own)";
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

} // namespace
