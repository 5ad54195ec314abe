#pragma once

#include <QString>

// The stored pictures' file names, without ".png". Zeichnung.cpp saves its
// drawings under them and Bilder.cpp loads them; the build's file list,
// `bilder` in CMakeLists.txt, names them once more, and a name that differs
// there fails the build or BilderTest.
namespace Bildnamen {

constexpr QLatin1String Hauptbild("hauptbild");
constexpr QLatin1String KugelHoch("kugel_hoch");
constexpr QLatin1String KugelRunter("kugel_runter");
constexpr QLatin1String Infobild("infobild");
constexpr QLatin1String Textur("textur");
constexpr QLatin1String Fenstersymbol("fenstersymbol");

// Toolbar image 1..Bilder::Werkzeugbilder: "werkzeug1" ...
inline QString Werkzeugbild(int nummer)
{
    return QStringLiteral("werkzeug%1").arg(nummer);
}

} // namespace Bildnamen
