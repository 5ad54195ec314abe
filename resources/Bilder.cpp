#include "Bilder.h"

#include "Bildnamen.h"

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
    static const QImage textur = Gespeichert(Bildnamen::Textur, QImage::Format_RGB32);
    return textur;
}

QImage Hauptbild()
{
    return Gespeichert(Bildnamen::Hauptbild);
}

QImage KugelHoch()
{
    return Gespeichert(Bildnamen::KugelHoch);
}

QImage KugelRunter()
{
    return Gespeichert(Bildnamen::KugelRunter);
}

QImage Infobild()
{
    return Gespeichert(Bildnamen::Infobild);
}

QImage Werkzeugbild(int nummer)
{
    if (nummer >= 1 && nummer <= Werkzeugbilder)
        return Gespeichert(Bildnamen::Werkzeugbild(nummer));
    QImage leer(WerkzeugbildSeite, WerkzeugbildSeite, QImage::Format_ARGB32_Premultiplied);
    leer.fill(Qt::transparent);
    return leer;
}

QImage Fenstersymbol()
{
    return Gespeichert(Bildnamen::Fenstersymbol);
}

} // namespace Bilder
