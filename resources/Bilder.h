#pragma once

#include <QImage>
#include <QSize>

// The program's stored pictures, drawn when the program is built and compiled
// into it; every picture comes out the same on every call.
namespace Bilder {

constexpr QSize InfobildGroesse(310, 320);
constexpr QSize TexturGroesse(500, 250);
constexpr int KugelKnopfSeite = 35;
constexpr int WerkzeugbildSeite = 32;
constexpr int Werkzeugbilder = 6;

// The main window's face (Geometrie::BildBreite × BildHoehe): texture, the
// three words, the sunken ball and result panels, the red ticket grid.
QImage Hauptbild();

// The stepping buttons' silver balls with a black triangle up or down.
QImage KugelHoch();
QImage KugelRunter();

// The About box's picture: the product name above a white field in a
// dark-green frame that holds the text block and the OK button.
QImage Infobild();

// A light-grey studded tile, seamless when repeated; shared by every window
// that shows it.
QImage Textur();

// Toolbar image 1..6: blank pages, written pages, note pad, bar chart, help
// book, exit door. Any other number gives a transparent image.
QImage Werkzeugbild(int nummer);

// The window icon of every window, 32 × 32: a black ball with a red 8.
QImage Fenstersymbol();

} // namespace Bilder
