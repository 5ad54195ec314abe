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

} // namespace Zeichnung
