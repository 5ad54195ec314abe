#include "Bilder.h"
#include "Geometrie.h"
#include "Testhilfe.h"
#include "Zeichnung.h"

#include <QImage>
#include <gtest/gtest.h>

#include <map>

namespace {

bool IstRot(QRgb c)
{
    return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90;
}

TEST(Bilder, PicturesHaveTheSizesTheirWindowsAreLaidOutFor)
{
    EXPECT_EQ(QList<QSize>({Bilder::Hauptbild().size(), Bilder::KugelHoch().size(),
                            Bilder::Infobild().size(), Bilder::Werkzeugbild(6).size()}),
              QList<QSize>({{673, 329}, {35, 35}, {310, 320}, {32, 32}}));
}

TEST(Bilder, CompiledInPicturesAreWhatTheDrawingCodeDrawsInTheSameFormat)
{
    std::map<QString, QImage> geladen{{S("hauptbild"), Bilder::Hauptbild()},
                                      {S("kugel_hoch"), Bilder::KugelHoch()},
                                      {S("kugel_runter"), Bilder::KugelRunter()},
                                      {S("infobild"), Bilder::Infobild()},
                                      {S("textur"), Bilder::Textur()},
                                      {S("fenstersymbol"), Bilder::Fenstersymbol()}};
    for (int i = 1; i <= 6; ++i)
        geladen[S("werkzeug%1").arg(i)] = Bilder::Werkzeugbild(i);
    const std::vector<Zeichnung::Bild> gezeichnet = Zeichnung::Alle();
    ASSERT_EQ(gezeichnet.size(), geladen.size());
    for (const auto &[name, zeichnen] : gezeichnet) {
        const QImage bild = zeichnen();
        EXPECT_EQ(geladen.at(name).format(), bild.format()) << qPrintable(name);
        EXPECT_EQ(geladen.at(name), bild) << qPrintable(name);
    }
}

TEST(Hauptbild, GridBoxesHaveRedOutlinesWhereTheDisplayMarksThem)
{
    const QImage bild = Bilder::Hauptbild();
    for (const auto &[zahl, e] :
         {std::pair{1, QPoint(505, 55)}, {6, {635, 55}}, {43, {505, 237}}, {45, {557, 237}}}) {
        ASSERT_EQ(Geometrie::GitterFeld(zahl), QPointF(e)) << zahl;
        for (const QPoint &d : {QPoint(0, 9), QPoint(18, 9), QPoint(9, 0), QPoint(9, 18)})
            EXPECT_TRUE(IstRot(bild.pixel(e + d))) << zahl;
        EXPECT_FALSE(IstRot(bild.pixel(e + QPoint(2, 2)))) << zahl;
    }
    EXPECT_FALSE(IstRot(bild.pixel(583, 246))) << "no box after 45";
}

} // namespace
