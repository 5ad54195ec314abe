#include "Balkengrafik.h"
#include "GrafikTesthilfe.h"
#include "PictureBox.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace grafik_test;

namespace {

// A picture box that also records the boxes drawn on it.
class MitschreibendeBox : public PictureBox {
public:
    MitschreibendeBox()
        : PictureBox(PictureBox::Einheit::Twips)
    {
    }
    void Box(double x, double y, double dx, double dy, std::optional<QColor> farbe) override
    {
        kaesten << QRectF(x, y, dx, dy);
        PictureBox::Box(x, y, dx, dy, farbe);
    }
    QList<QRectF> kaesten;
};

QColor Pixel(const QImage &bild, double xTwips, double yTwips)
{
    return bild.pixelColor(int(std::floor(xTwips / 15)), int(std::floor(yTwips / 15)));
}

} // namespace

TEST(DiagrammBild, BarsLieWhereTheRecordedBoxesSay)
{
    Modul1 m;
    Anhaengen(m, Ziehung({1, 2, 3, 4, 5, 6}, 7), 57);
    Anhaengen(m, Ziehung({1, 2, 3, 10, 20, 30}, 7), 20);
    MitschreibendeBox box;
    box.resize(513, 457); // 7695 × 6855 twips
    box.SetFont(Schrift());
    const QColor hintergrund(198, 198, 198);
    box.SetBackColor(hintergrund);
    AnzahlGezogenGrafik(m, false, false, box);

    const QImage &bild = box.Bild();
    int geprueft = 0;
    for (int i = 1; i < box.kaesten.size(); i += 2) { // shadow, then bar
        const QRectF b = box.kaesten[i];
        if (b.width() < 300)
            continue;
        SCOPED_TRACE(i / 2 + 1);
        const double mitte = b.x() + b.width() / 2, hoehe = b.y() + b.height() / 2;
        // Inside the bar, in the grey strip above it, and clear of its far end and below it
        // (a box covers the pixels of both corners, so up to a pixel more).
        EXPECT_EQ(Pixel(bild, mitte, hoehe), Blau);
        EXPECT_EQ(Pixel(bild, mitte, b.y() - 12.5), Grau);
        EXPECT_EQ(Pixel(bild, b.right() + 30, hoehe), hintergrund);
        EXPECT_EQ(Pixel(bild, b.x() + 60, b.bottom() + 35), hintergrund);
        EXPECT_NE(Pixel(bild, b.x() - 30, hoehe), Blau);
        ++geprueft;
    }
    EXPECT_EQ(geprueft, 9); // numbers 1..6, 10, 20, 30
}
