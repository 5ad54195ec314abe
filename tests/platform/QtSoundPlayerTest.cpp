#include "QtSoundPlayer.h"

#include "TempFolder.h"

#include <QElapsedTimer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray Wort32(quint32 wert) {
    QByteArray bytes(4, 0);
    qToLittleEndian(wert, bytes.data());
    return bytes;
}

QByteArray Wort16(quint16 wert) {
    QByteArray bytes(2, 0);
    qToLittleEndian(wert, bytes.data());
    return bytes;
}

QByteArray Format(quint16 kanaele, quint32 rate, quint16 bits) {
    const quint16 block = quint16(kanaele * bits / 8);
    return "fmt " + Wort32(16) + Wort16(1) + Wort16(kanaele) + Wort32(rate) + Wort32(rate * block) +
           Wort16(block) + Wort16(bits);
}

QByteArray Riff(const QByteArray &chunks) {
    return "RIFF" + Wort32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

QByteArray Daten(int bytes) {
    return "data" + Wort32(quint32(bytes)) + QByteArray(bytes, '\x80');
}

// A tenth of a second of silence, 8 kHz mono 8 bit.
QByteArray KurzeWelle() {
    return Riff(Format(1, 8000, 8) + Daten(800));
}

} // namespace

struct DauerFall {
    const char *name;
    QByteArray datei;
    std::optional<qint64> ms;
};

class WaveDauerTest : public ::testing::TestWithParam<DauerFall> {};

TEST_P(WaveDauerTest, ReadsLengthFromHeader) {
    EXPECT_EQ(WaveDauer(GetParam().datei), GetParam().ms);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, WaveDauerTest,
    ::testing::Values(
        DauerFall{"MonoEightBit", KurzeWelle(), 100},
        // 44100 Hz, 2 channels, 2 bytes: 176400 bytes a second.
        DauerFall{"CdQuality", Riff(Format(2, 44100, 16) + Daten(176400)), 1000},
        // A chunk of odd length is padded to an even one before the data.
        DauerFall{"ChunkBeforeData",
                  Riff(Format(1, 8000, 16) + "LIST" + Wort32(3) + "abc" + '\0' + Daten(4000)), 250},
        DauerFall{"NoRiff", QByteArray("MThd") + QByteArray(40, 0), std::nullopt},
        DauerFall{"DataBeforeFormat", Riff(Daten(800) + Format(1, 8000, 8)), std::nullopt},
        DauerFall{"HeaderOnly", Riff(QByteArray()), std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(QtSoundPlayer, MissingFilePlaysNothingEitherWay) {
    TempFolder ordner;
    QtSoundPlayer player;
    player.Play(ordner.Datei(QStringLiteral("kugel-2.wav")), SoundPlayer::Sofort);
    player.Play(ordner.Datei(QStringLiteral("kugel-2.wav")), SoundPlayer::Warten);
    SUCCEED();
}

TEST(QtSoundPlayer, WaitingReturnsAfterShortSound) {
    TempFolder ordner;
    ordner.Schreiben(QStringLiteral("kugel-1.wav"), KurzeWelle());
    QtSoundPlayer player;
    QElapsedTimer uhr;
    uhr.start();
    player.Play(ordner.Datei(QStringLiteral("kugel-1.wav")), SoundPlayer::Warten);
    // Only a guard against hanging: the player gives up 1.1 s after the start.
    EXPECT_LT(uhr.elapsed(), 10000);
}

TEST(QtSoundPlayer, StartingReturnsAndNextSoundReplacesIt) {
    TempFolder ordner;
    ordner.Schreiben(QStringLiteral("kugel-1.wav"), KurzeWelle());
    QtSoundPlayer player;
    player.Play(ordner.Datei(QStringLiteral("kugel-1.wav")), SoundPlayer::Sofort);
    player.Play(ordner.Datei(QStringLiteral("kugel-1.wav")), SoundPlayer::Sofort);
    player.Play(ordner.Datei(QStringLiteral("kugel-1.wav")), SoundPlayer::Warten);
    SUCCEED();
}

TEST(QtSoundPlayer, BrokenFileDoesNotHang) {
    TempFolder ordner;
    ordner.Schreiben(QStringLiteral("kugel-1.wav"), QByteArray("kein Klang"));
    QtSoundPlayer player;
    player.Play(ordner.Datei(QStringLiteral("kugel-1.wav")), SoundPlayer::Warten);
    SUCCEED();
}
