#include "Bilder.h"

#include <QImageReader>

namespace Bilder {
namespace {

// A picture the build drew, in the format it was drawn in. Naming the format
// spares loading every image format plug-in to ask it.
QImage Gespeichert(const QString &name, QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    QImageReader datei(QStringLiteral(":/bilder/") + name + QStringLiteral(".png"), "png");
    datei.setAutoDetectImageFormat(false);
    return datei.read().convertToFormat(format);
}

} // namespace

// Loaded once per process; every window shares the one image.
QImage Textur()
{
    static const QImage textur = Gespeichert(QStringLiteral("textur"), QImage::Format_RGB32);
    return textur;
}

QImage Hauptbild()
{
    return Gespeichert(QStringLiteral("hauptbild"));
}

QImage KugelHoch()
{
    return Gespeichert(QStringLiteral("kugel_hoch"));
}

QImage KugelRunter()
{
    return Gespeichert(QStringLiteral("kugel_runter"));
}

QImage Infobild()
{
    return Gespeichert(QStringLiteral("infobild"));
}

QImage Werkzeugbild(int nummer)
{
    if (nummer >= 1 && nummer <= Werkzeugbilder)
        return Gespeichert(QStringLiteral("werkzeug%1").arg(nummer));
    QImage leer(WerkzeugbildSeite, WerkzeugbildSeite, QImage::Format_ARGB32_Premultiplied);
    leer.fill(Qt::transparent);
    return leer;
}

QImage Fenstersymbol()
{
    return Gespeichert(QStringLiteral("fenstersymbol"));
}

} // namespace Bilder
