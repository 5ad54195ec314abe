#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

// The program's pictures drawn in code, as Bilder.h describes them. The build
// draws them once; the program loads what it drew. Drawing text needs a
// QGuiApplication.
namespace Zeichnung {

struct Bild {
    QString name; // of the file, without ".png"
    std::function<QImage()> zeichnen;
};

// Every picture Bilder.h hands out.
std::vector<Bild> Alle();

// A font family the pictures are drawn in that this system lacks: the letters
// would come out in another font, or as empty boxes.
struct FehlendeSchrift {
    QString familie;
    QString paket; // the Debian package that brings it
};

std::vector<FehlendeSchrift> FehlendeSchriften();

} // namespace Zeichnung
