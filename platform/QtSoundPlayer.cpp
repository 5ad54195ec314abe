#include "QtSoundPlayer.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

namespace {

quint32 Wort32(const QByteArray &daten, qsizetype pos)
{
    return qFromLittleEndian<quint32>(daten.constData() + pos);
}

// Only the header is needed for the length; a wave's chunks before its data
// are small.
constexpr qint64 KopfGrenze = 64 * 1024;

} // namespace

std::optional<qint64> WaveDauer(const QByteArray &datei)
{
    if (datei.size() < 12 || !datei.startsWith("RIFF") || datei.mid(8, 4) != "WAVE")
        return std::nullopt;
    quint32 bytesProSekunde = 0;
    for (qsizetype pos = 12; pos + 8 <= datei.size();) {
        const QByteArray kennung = datei.mid(pos, 4);
        const qint64 laenge = Wort32(datei, pos + 4);
        const qsizetype inhalt = pos + 8;
        if (kennung == "fmt ") {
            if (laenge < 16 || inhalt + 16 > datei.size())
                return std::nullopt;
            bytesProSekunde = Wort32(datei, inhalt + 8);
        } else if (kennung == "data") {
            if (bytesProSekunde == 0)
                return std::nullopt;
            // A streamed file may give a size beyond its end; the file's own
            // size does not count here, as only its header may have been read.
            return laenge * 1000 / bytesProSekunde;
        }
        pos = inhalt + laenge + (laenge & 1);
    }
    return std::nullopt;
}

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::Play(const QString &pfad, int flags)
{
    if (!QFileInfo(pfad).isFile())
        return;
    m_laufend.reset();

    auto effekt = std::make_unique<QSoundEffect>();
    if (flags & Sofort) {
        effekt->setSource(QUrl::fromLocalFile(pfad));
        effekt->play();
        m_laufend = std::move(effekt);
        return;
    }

    qint64 dauer = 0;
    QFile datei(pfad);
    if (datei.open(QIODevice::ReadOnly))
        dauer = WaveDauer(datei.read(KopfGrenze)).value_or(0);

    // Waits in a local loop that takes no user input; the guard ends it one
    // second after the sound should have ended, so a machine whose audio
    // device never answers cannot hang here.
    QEventLoop schleife;
    bool fertig = false;
    const auto beenden = [&] {
        fertig = true;
        schleife.quit();
    };
    QSoundEffect *e = effekt.get();
    QObject::connect(e, &QSoundEffect::playingChanged, &schleife, [&, e] {
        if (!e->isPlaying())
            beenden();
    });
    QObject::connect(e, &QSoundEffect::statusChanged, &schleife, [&, e] {
        if (e->status() == QSoundEffect::Error)
            beenden();
    });
    QTimer waechter;
    waechter.setSingleShot(true);
    QObject::connect(&waechter, &QTimer::timeout, &schleife, beenden);
    waechter.start(int(qMin<qint64>(dauer, 10 * 60 * 1000) + 1000));

    e->setSource(QUrl::fromLocalFile(pfad));
    e->play();
    if (!fertig && e->status() != QSoundEffect::Error)
        schleife.exec(QEventLoop::ExcludeUserInputEvents);
    e->stop();
}
