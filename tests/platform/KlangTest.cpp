#include "Klang.h"
#include "Testhilfe.h"
#include "Wellen.h"

namespace {

std::optional<Klang> Lesen(const QByteArray &datei)
{
    return KlangLesen(datei.size(), [&datei](qint64 pos, int laenge) {
        return datei.mid(qsizetype(pos), laenge);
    });
}

// A file cut off mid-sample, and one at 1 Hz.
const QByteArray Abgeschnitten = Welle(1, 8000, 16, 4000).left(44 + 1001);
const QByteArray EinHertz = Welle(1, 1, 16, 1000);

// The same file with its bytes from `pos` on replaced by the word `wert`.
QByteArray Geaendert(QByteArray welle, int pos, quint32 wert, int bytes)
{
    return welle.replace(pos, bytes, Wort(wert, bytes));
}

// IMA ADPCM, as sox writes it: 4 bits a sample in blocks of 256 bytes.
const QByteArray Adpcm = Riff(Wort(0x11, 2) + Wort(1, 2) + Wort(8000, 4) + Wort(4055, 4) +
                                  Wort(256, 2) + Wort(4, 2) + Wort(2, 2) + Wort(505, 2),
                              Fact(505), 256);

// Which files play, as how many bytes of samples (0 for none), in which sample format for the
// server and with each channel's speaker: the mask's speakers in the order of its bits, the
// standard order without one. The plain header: channels at 22, rate at 24, bytes per second at
// 28, block size at 32, data length at 40; the extensible one: valid bits at 38.
TEST(KlangLesen, PlaysConsistentHeadersInTheirFormatAndSpeakersAndRefusesTheRest)
{
    using F = Klang::Format;
    const char *const stereo = "front-left,front-right";
    const struct {
        const char *fall;
        QByteArray datei;
        qint64 bytes;
        Klang::Format format = F::S16;
        const char *lautsprecher = "";
    } faelle[] = {
        {"16-bit stereo", Sekunden(1), 176400, F::S16, stereo},
        {"8-bit mono", Welle(1, 8000, 8, 800), 800, F::U8, "mono"},
        {"24 bits, plain", Welle(1, 8000, 24, 1200), 1200, F::S24, "mono"},
        {"32-bit float", Geaendert(Welle(2, 48000, 32, 800), 20, 3, 2), 800, F::Float32, stereo},
        {"plain 4 channels", Welle(4, 8000, 16, 800), 800, F::S16,
         "front-left,front-right,front-center,lfe"},
        {"plain 5 channels", Welle(5, 8000, 16, 1000), 1000, F::S16,
         "front-left,front-right,front-center,lfe,rear-left"},
        {"an odd chunk before the data",
         Welle(1, 8000, 16, 4000, "LIST" + Wort(3, 4) + "abc" + '\0'), 4000, F::S16, "mono"},
        {"cut off mid-sample", Abgeschnitten, 1000, F::S16, "mono"},
        {"a data chunk longer than the file", Geaendert(Welle(2, 8000, 16, 4003), 40, 1 << 30, 4),
         4000, F::S16, stereo},
        {"sox: extensible 24-bit mono", Erweitert(1, 24, 0x4, 1200), 1200, F::S24, "front-center"},
        {"sox: extensible 32-bit integer", Erweitert(2, 32, 0x3, 1600), 1600, F::S32, stereo},
        {"sox: 4 channels", Erweitert(4, 16, 0x33, 800), 800, F::S16,
         "front-left,front-right,rear-left,rear-right"},
        {"sox: 6 channels", Erweitert(6, 16, 0x3F, 2400), 2400, F::S16,
         "front-left,front-right,front-center,lfe,rear-left,rear-right"},
        {"ffmpeg: 7.1 with side speakers", Erweitert(8, 16, 0x63F, 1600), 1600, F::S16,
         "front-left,front-right,front-center,lfe,rear-left,rear-right,side-left,side-right"},
        {"a mask with fewer speakers than channels", Erweitert(3, 16, 0x3, 600), 600, F::S16,
         "front-left,front-right,aux0"},
        {"sox: A-law", OhneErweiterung(6, 1, 8, 800), 800, F::ALaw, "mono"},
        {"sox: µ-law", OhneErweiterung(7, 2, 8, 800), 800, F::MuLaw, stereo},
        {"sox: 64-bit float", OhneErweiterung(3, 1, 64, 800), 800, F::Float64, "mono"},
        {"extensible 64-bit float", Erweitert(2, 64, 0x3, 1600, 3), 1600, F::Float64, stereo},
        {"extensible µ-law", Erweitert(1, 8, 0x4, 800, 7), 800, F::MuLaw, "front-center"},
        {"1 Hz", EinHertz, 0},
        {"7,999 Hz", Welle(1, 7999, 16, 1000), 0},
        {"192,001 Hz", Welle(1, 192001, 16, 1000), 0},
        {"no channel", Welle(0, 8000, 16, 1000), 0},
        {"nine channels", Welle(9, 8000, 16, 1800), 0},
        {"20 bits", Welle(1, 8000, 20, 1000), 0},
        {"16-bit float", OhneErweiterung(3, 1, 16, 800), 0},
        {"16-bit A-law", OhneErweiterung(6, 1, 16, 800), 0},
        {"sox: IMA ADPCM", Adpcm, 0},
        {"extensible ADPCM", Erweitert(1, 16, 0x4, 800, 0x11), 0},
        {"extensible in extensible", Erweitert(1, 16, 0x4, 800, 0xFFFE), 0},
        {"extensible with a foreign GUID", Erweitert(1, 16, 0x4, 800, 1, QByteArray(12, 'x')), 0},
        {"extensible with more valid bits than bits",
         Geaendert(Erweitert(1, 16, 0x4, 800), 38, 17, 2), 0},
        {"extensible, its extension cut short",
         Riff(Fmt(0xFFFE, 1, 8000, 16) + Wort(0, 2), {}, 800), 0},
        {"block size disagrees", Geaendert(Welle(2, 8000, 16, 1000), 32, 2, 2), 0},
        {"bytes per second disagree", Geaendert(Welle(1, 8000, 16, 1000), 28, 8000, 4), 0},
        {"no samples", Welle(1, 8000, 16, 0), 0},
        {"no data chunk", Welle(1, 8000, 16, 800).left(36), 0},
        {"no wave", QByteArray("MThd") + QByteArray(40, 0), 0},
    };
    for (const auto &f : faelle) {
        const std::optional<Klang> klang = Lesen(f.datei);
        EXPECT_EQ(klang ? klang->laenge : 0, f.bytes) << f.fall;
        if (!klang)
            continue;
        EXPECT_LE(klang->anfang + klang->laenge, f.datei.size()) << f.fall;
        EXPECT_EQ(klang->format, f.format) << f.fall;
        char text[PA_CHANNEL_MAP_SNPRINT_MAX];
        EXPECT_STREQ(pa_channel_map_snprint(text, sizeof text, &klang->belegung), f.lautsprecher)
            << f.fall;
    }
    EXPECT_EQ(Lesen(Sekunden(1))->anfang, 44);
    EXPECT_EQ(Lesen(Erweitert(1, 24, 0x4, 1200))->anfang, 80) << "after the fact chunk";
    EXPECT_EQ(Lesen(Sekunden(1))->Dauer(), 1000);
    EXPECT_EQ(Lesen(OhneErweiterung(3, 1, 64, 8000))->Dauer(), 125);
}

// The header is read a chunk at a time, never the chunks it skips nor the samples, so that a
// large file costs no more than a small one.
TEST(KlangLesen, ReadsTheHeaderOnlyHoweverLargeTheFile)
{
    const qint64 gross = qint64(4) << 30;
    const QByteArray fmt = "fmt " + Wort(16, 4) + Fmt(1, 1, 8000, 16);
    const QByteArray junk = "JUNK" + Wort(quint32(gross - 100), 4);
    // RIFF, the format, a chunk of almost 4 GiB, then 50 bytes of samples.
    const qint64 datenchunk = 12 + fmt.size() + 8 + gross - 100;
    const QByteArray daten = "data" + Wort(50, 4);
    qint64 gelesen = 0;
    const auto klang = KlangLesen(datenchunk + 8 + 50, [&](qint64 pos, int laenge) {
        gelesen += laenge;
        if (pos == 0)
            return ("RIFF" + Wort(0xFFFFFFFF, 4) + "WAVE").left(laenge);
        if (pos == 12)
            return fmt.left(laenge);
        if (pos == 12 + fmt.size())
            return junk.left(laenge);
        if (pos == 20)
            return fmt.mid(8, laenge);
        EXPECT_EQ(pos, datenchunk) << "a read within a skipped chunk";
        return daten.left(laenge);
    });
    ASSERT_TRUE(klang);
    EXPECT_EQ(klang->anfang, datenchunk + 8);
    EXPECT_EQ(klang->laenge, 50);
    EXPECT_LT(gelesen, 100);

    // Each chunk costs a read: a header of a thousand empty chunks is none anyone made.
    QByteArray leer;
    for (int i = 0; i < 1000; ++i)
        leer += "JUNK" + Wort(0, 4);
    EXPECT_FALSE(Lesen(Welle(1, 8000, 16, 800, leer)));
    EXPECT_TRUE(Lesen(Welle(1, 8000, 16, 800, leer.left(8 * 20))));
}

} // namespace
