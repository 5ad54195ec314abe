#include "PictureBox.h"

#include <gtest/gtest.h>

namespace {

const QColor Weiss(Qt::white);
const QColor Rot(VbFarbe(0xFF));

std::unique_ptr<PictureBox> Kasten(PictureBox::Einheit einheit, int breite, int hoehe)
{
    auto box = std::make_unique<PictureBox>(einheit);
    box->resize(breite, hoehe);
    box->SetBackColor(Weiss);
    return box;
}

} // namespace

TEST(PictureBox, FilledBoxCoversExactlyItsPixels)
{
    using E = PictureBox::Einheit;
    struct Fall {
        E einheit;
        double x, y, dx, dy;
        QRect pixel; // corners included
    };
    const Fall faelle[] = {
        {E::Twips, 150, 75, 300, 150, {QPoint(10, 5), QPoint(30, 15)}},
        {E::Pixel, 20, 10, -5, -3, {QPoint(15, 7), QPoint(20, 10)}},
        {E::Twips, 300, 30, 0, 60, {QPoint(20, 2), QPoint(20, 6)}},        // a bar of length 0
        {E::Twips, 300, 30, -25, 60, {QPoint(18, 2), QPoint(20, 6)}},      // 18.33..20 pixels
        {E::Twips, -150, -150, 3000, 300, {QPoint(0, 0), QPoint(39, 10)}}, // clipped
    };
    for (const Fall &fall : faelle) {
        const auto box = Kasten(fall.einheit, 40, 30);
        box->Box(fall.x, fall.y, fall.dx, fall.dy, Rot);
        const QImage &bild = box->Bild();
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                ASSERT_EQ(bild.pixelColor(x, y), fall.pixel.contains(x, y) ? Rot : Weiss)
                    << "box " << fall.x << "," << fall.y << " pixel " << x << "," << y;
    }
}

TEST(PictureBox, ClsKeepsStoredPictureAndResetsPosition)
{
    const auto box = Kasten(PictureBox::Einheit::Pixel, 20, 20);
    QImage bild(10, 10, QImage::Format_RGB32);
    bild.fill(Qt::green);
    box->SetPicture(bild);
    box->Box(0, 0, 19, 19, Rot);
    box->SetCurrentX(7);
    box->SetCurrentY(3);
    box->Cls();
    EXPECT_EQ(box->Bild().pixelColor(5, 5), QColor(Qt::green));
    EXPECT_EQ(box->Bild().pixelColor(15, 15), Weiss);
    EXPECT_EQ(QPointF(box->CurrentX(), box->CurrentY()), QPointF(0, 0));
}
