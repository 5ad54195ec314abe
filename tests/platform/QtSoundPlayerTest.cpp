#include "QtSoundPlayer.h"
#include "Testhilfe.h"

#include <QElapsedTimer>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray Wort(quint32 wert, int bytes)
{
    QByteArray b(4, 0);
    qToLittleEndian(wert, b.data());
    return b.left(bytes);
}

// A wave of silence in the given format, `vorher` between format and data.
QByteArray Welle(quint16 kanaele, quint32 rate, quint16 bits, int bytes, QByteArray vorher = {})
{
    const quint16 block = quint16(kanaele * bits / 8);
    const QByteArray chunks = "fmt " + Wort(16, 4) + Wort(1, 2) + Wort(kanaele, 2) + Wort(rate, 4) +
                              Wort(rate * block, 4) + Wort(block, 2) + Wort(bits, 2) + vorher +
                              "data" + Wort(quint32(bytes), 4) + QByteArray(bytes, '\x80');
    return "RIFF" + Wort(quint32(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// The wait for a sound is bounded by its length; a chunk of odd length is padded to an even one.
TEST(WaveDauer, ReadsLengthFromHeaderOrNone)
{
    EXPECT_EQ(WaveDauer(Welle(1, 8000, 8, 800)), 100);
    EXPECT_EQ(WaveDauer(Welle(2, 44100, 16, 176400)), 1000);
    EXPECT_EQ(WaveDauer(Welle(1, 8000, 16, 4000, "LIST" + Wort(3, 4) + "abc" + '\0')), 250);
    EXPECT_EQ(WaveDauer(QByteArray("MThd") + QByteArray(40, 0)), std::nullopt);
    EXPECT_EQ(WaveDauer(Welle(1, 8000, 8, 800).left(36)), std::nullopt) << "no data chunk";
}

TEST(QtSoundPlayer, NeverHangsOnMissingBrokenOrShortSound)
{
    TempFolder ordner;
    ordner.Schreiben(S("kurz.wav"), Welle(1, 8000, 8, 800));
    ordner.Schreiben(S("kaputt.wav"), QByteArray("kein Klang"));
    QtSoundPlayer player;
    QElapsedTimer uhr;
    uhr.start();
    for (const char *name : {"fehlt.wav", "kaputt.wav", "kurz.wav"})
        for (const int flag : {SoundPlayer::Sofort, SoundPlayer::Warten})
            player.Play(ordner.Datei(S(name)), flag);
    // Only a guard against hanging: each wait gives up 1.1 s after its start.
    EXPECT_LT(uhr.elapsed(), 10000);
}

// Key repeat on a winning draw starts its sound anew every 15 to 25 ms, the pace at which
// deleting a running PulseAudio output used to abort.
TEST(QtSoundPlayer, SurvivesHundredsOfQuickRestarts)
{
    TempFolder ordner;
    ordner.Schreiben(S("lang.wav"), Welle(2, 44100, 16, 176400));
    QtSoundPlayer player;
    for (int i = 0; i < 200; ++i) {
        player.Play(ordner.Datei(S("lang.wav")), SoundPlayer::Sofort);
        (void)QTest::qWaitFor([] { return false; }, 15 + i % 11);
    }
}

} // namespace
