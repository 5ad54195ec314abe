#include "PictureBox.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor Weiss(Qt::white);
const QColor Rot(VbFarbe(0xFF));
const QColor Gruen(Qt::green);
const QColor Schwarz(Qt::black);

// A box of the given size in pixels on a white background.
std::unique_ptr<PictureBox> Kasten(PictureBox::Einheit einheit, int breite, int hoehe) {
    auto box = std::make_unique<PictureBox>(einheit);
    box->resize(breite, hoehe);
    box->SetBackColor(Weiss);
    return box;
}

bool Ist(const QImage &bild, int x, int y, const QColor &farbe) {
    return bild.pixelColor(x, y) == farbe;
}

// Whether any pixel within one pixel of (x, y) has the colour.
bool Nahe(const QImage &bild, int x, int y, const QColor &farbe) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (bild.valid(x + dx, y + dy) && Ist(bild, x + dx, y + dy, farbe))
                return true;
        }
    }
    return false;
}

} // namespace

TEST(PictureBox, ScaleIsFifteenTwipsPerPixel) {
    const auto pixel = Kasten(PictureBox::Einheit::Pixel, 200, 100);
    const auto twips = Kasten(PictureBox::Einheit::Twips, 200, 100);
    EXPECT_DOUBLE_EQ(pixel->ScaleWidth(), 200);
    EXPECT_DOUBLE_EQ(pixel->ScaleHeight(), 100);
    EXPECT_DOUBLE_EQ(twips->ScaleWidth(), 3000);
    EXPECT_DOUBLE_EQ(twips->ScaleHeight(), 1500);

    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(6.75);
    pixel->SetFont(arial);
    twips->SetFont(arial);
    const QString probe = QStringLiteral("999999");
    ASSERT_GT(pixel->TextWidth(probe), 0);
    EXPECT_NEAR(twips->TextWidth(probe), 15 * pixel->TextWidth(probe), 1e-9);
    EXPECT_NEAR(twips->TextHeight(probe), 15 * pixel->TextHeight(probe), 1e-9);
}

struct BoxFall {
    const char *name;
    PictureBox::Einheit einheit;
    double x, y, dx, dy;
    QRect pixel; // the pixels the box must cover, corners included
};

class PictureBoxBox : public ::testing::TestWithParam<BoxFall> {};

TEST_P(PictureBoxBox, CoversExactlyItsPixels) {
    const BoxFall &fall = GetParam();
    const auto box = Kasten(fall.einheit, 40, 30);
    box->Box(fall.x, fall.y, fall.dx, fall.dy, Rot);
    const QImage &bild = box->Bild();
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QColor erwartet = fall.pixel.contains(x, y) ? Rot : Weiss;
            ASSERT_EQ(bild.pixelColor(x, y), erwartet) << "pixel " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, PictureBoxBox,
    ::testing::Values(
        // 150..450 twips are pixels 10..30, 75..225 twips pixels 5..15.
        BoxFall{"Twips",
                PictureBox::Einheit::Twips,
                150,
                75,
                300,
                150,
                {QPoint(10, 5), QPoint(30, 15)}},
        BoxFall{"NegativeExtent",
                PictureBox::Einheit::Pixel,
                20,
                10,
                -5,
                -3,
                {QPoint(15, 7), QPoint(20, 10)}},
        // 2.4..5.4 rounds to 2..5, 2.6 to 3.
        BoxFall{
            "Fractional", PictureBox::Einheit::Pixel, 2.4, 2.6, 3, 0, {QPoint(2, 3), QPoint(5, 3)}},
        // A bar of length 0 still shows as one column.
        BoxFall{"ZeroWidthTwips",
                PictureBox::Einheit::Twips,
                300,
                30,
                0,
                60,
                {QPoint(20, 2), QPoint(20, 6)}},
        // A shadow 25 twips left of 300 twips: 18.33..20 pixels, so 18..20.
        BoxFall{"ShadowLeftOfOrigin",
                PictureBox::Einheit::Twips,
                300,
                30,
                -25,
                60,
                {QPoint(18, 2), QPoint(20, 6)}},
        // -10..190 pixels across, -10..10 down: clipped to the box.
        BoxFall{"Clipped",
                PictureBox::Einheit::Twips,
                -150,
                -150,
                3000,
                300,
                {QPoint(0, 0), QPoint(39, 10)}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PictureBox, ClsKeepsStoredPictureAndBackground) {
    const auto box = Kasten(PictureBox::Einheit::Pixel, 20, 20);
    QImage bild(10, 10, QImage::Format_RGB32);
    bild.fill(Gruen);
    box->SetPicture(bild);
    box->Box(0, 0, 19, 19, Rot);
    box->SetCurrentX(7);
    box->SetCurrentY(3);
    ASSERT_TRUE(Ist(box->Bild(), 5, 5, Rot));

    box->Cls();

    EXPECT_TRUE(Ist(box->Bild(), 5, 5, Gruen));
    EXPECT_TRUE(Ist(box->Bild(), 15, 15, Weiss));
    EXPECT_TRUE(Ist(box->Bild(), 15, 5, Weiss));
    EXPECT_EQ(box->CurrentX(), 0);
    EXPECT_EQ(box->CurrentY(), 0);
}

TEST(PictureBox, PrintPaintsOnlyLettersAtCurrentPosition) {
    const auto box = Kasten(PictureBox::Einheit::Pixel, 200, 60);
    QImage gruen(200, 60, QImage::Format_RGB32);
    gruen.fill(Gruen);
    box->SetPicture(gruen);
    QFont times(QStringLiteral("Times New Roman"));
    times.setPointSize(24);
    box->SetFont(times);
    const QString text = QStringLiteral("I     I");
    const int breite = int(box->TextWidth(text));
    const int hoehe = int(box->TextHeight(text));
    box->SetCurrentX(20);
    box->SetCurrentY(10);

    box->Print(text);

    const QImage &bild = box->Bild();
    int dunkel = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (Ist(bild, x, y, Gruen))
                continue;
            ++dunkel;
            EXPECT_TRUE(x >= 19 && x <= 20 + breite && y >= 10 && y <= 10 + hoehe)
                << "letter pixel outside the text at " << x << ", " << y;
        }
    }
    EXPECT_GT(dunkel, 20);
    // The middle of the blanks keeps the picture.
    EXPECT_TRUE(Ist(bild, 20 + breite / 2, 10 + hoehe / 2, Gruen));
}

TEST(PictureBox, CircleIsOutlineOnly) {
    const auto box = Kasten(PictureBox::Einheit::Pixel, 60, 60);
    box->Circle(30, 30, 20, Schwarz);
    const QImage &bild = box->Bild();
    EXPECT_TRUE(Nahe(bild, 50, 30, Schwarz));
    EXPECT_TRUE(Nahe(bild, 10, 30, Schwarz));
    EXPECT_TRUE(Nahe(bild, 30, 10, Schwarz));
    EXPECT_TRUE(Nahe(bild, 30, 50, Schwarz));
    EXPECT_TRUE(Ist(bild, 30, 30, Weiss));
    EXPECT_TRUE(Ist(bild, 40, 30, Weiss));
    EXPECT_TRUE(Ist(bild, 5, 5, Weiss));
}

TEST(PictureBox, DrawWidthIsInPixelsInTwipsToo) {
    const auto box = Kasten(PictureBox::Einheit::Twips, 40, 30);
    box->SetDrawWidth(2);
    box->Line(75, 150, 300, 0, Schwarz); // pixels 5..25 at y 10
    int zeilen = 0;
    for (int y = 0; y < 30; ++y)
        zeilen += Ist(box->Bild(), 15, y, Schwarz);
    EXPECT_EQ(zeilen, 2);
    EXPECT_TRUE(Ist(box->Bild(), 15, 3, Weiss));
}

TEST(PictureBox, WidgetShowsItsDrawingAfterGrowing) {
    const auto box = Kasten(PictureBox::Einheit::Pixel, 30, 30);
    box->Box(2, 2, 4, 4, Rot);
    box->resize(50, 40);
    const QImage gezeigt = box->grab().toImage();
    ASSERT_EQ(gezeigt.size(), QSize(50, 40));
    EXPECT_EQ(gezeigt.pixelColor(4, 4), Rot);
    EXPECT_EQ(gezeigt.pixelColor(45, 35), Weiss);
}
