#include "Bilder.h"
#include "Geometrie.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

const QRgb Grau = qRgb(128, 128, 128);
const QRgb Weiss = qRgb(255, 255, 255);
const QRgb Innen = qRgb(198, 198, 198);

bool IstRot(QRgb c)
{
    return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90;
}

int DunklePunkteInZeile(const QImage &bild, int y)
{
    int anzahl = 0;
    for (int x = 0; x < bild.width(); ++x)
        anzahl += qAlpha(bild.pixel(x, y)) == 255 && qGray(bild.pixel(x, y)) < 60;
    return anzahl;
}

TEST(Bilder, EveryPictureHasItsStoredSize)
{
    EXPECT_EQ(Bilder::Hauptbild().size(), QSize(673, 329));
    EXPECT_EQ(Bilder::KugelHoch().size(), QSize(35, 35));
    EXPECT_EQ(Bilder::KugelRunter().size(), QSize(35, 35));
    EXPECT_EQ(Bilder::Infobild().size(), QSize(310, 320));
    EXPECT_EQ(Bilder::Textur().size(), QSize(500, 250));
    EXPECT_EQ(Bilder::Fenstersymbol().size(), QSize(32, 32));
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(Bilder::Werkzeugbild(n).size(), QSize(32, 32)) << n;
}

TEST(Hauptbild, PanelsAreSunkenWithGreyTopLeftAndWhiteBottomRight)
{
    const QRect panels[] = {{QPoint(72, 47), QPoint(487, 160)},
                            {QPoint(72, 178), QPoint(487, 266)}};
    const QImage bild = Bilder::Hauptbild();
    for (const QRect &p : panels) {
        SCOPED_TRACE(p.top());
        const QPoint m = p.center();
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(bild.pixel(p.left() + i, m.y()), Grau);
            EXPECT_EQ(bild.pixel(m.x(), p.top() + i), Grau);
            EXPECT_EQ(bild.pixel(p.right() - i, m.y()), Weiss);
            EXPECT_EQ(bild.pixel(m.x(), p.bottom() - i), Weiss);
        }
        EXPECT_EQ(bild.pixel(p.left() + 2, m.y()), Innen);
        EXPECT_NE(bild.pixel(p.left() - 1, m.y()), Grau) << "edge only two pixels inside";
    }
}

TEST(Hauptbild, GridBoxesHaveRedOutlinesWhereTheDisplayMarksThem)
{
    const std::pair<int, QPoint> felder[] = {
        {1, {505, 55}}, {6, {635, 55}}, {43, {505, 237}}, {45, {557, 237}}};
    const QImage bild = Bilder::Hauptbild();
    for (const auto &[zahl, e] : felder) {
        SCOPED_TRACE(zahl);
        ASSERT_EQ(Geometrie::GitterFeld(zahl), QPointF(e));
        for (const QPoint &d : {QPoint(0, 9), QPoint(18, 9), QPoint(9, 0), QPoint(9, 18)})
            EXPECT_TRUE(IstRot(bild.pixel(e + d)));
        EXPECT_FALSE(IstRot(bild.pixel(e + QPoint(2, 2))));
    }
    EXPECT_FALSE(IstRot(bild.pixel(583, 246))) << "no box after 45";
}

TEST(KugelKnopf, TrianglePointsUpOrDown)
{
    const QImage hoch = Bilder::KugelHoch(), runter = Bilder::KugelRunter();
    EXPECT_LT(DunklePunkteInZeile(hoch, 12), DunklePunkteInZeile(hoch, 22));
    EXPECT_GT(DunklePunkteInZeile(runter, 12), DunklePunkteInZeile(runter, 22));
}

} // namespace
