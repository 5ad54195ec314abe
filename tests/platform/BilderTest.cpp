#include "Bilder.h"
#include "Geometrie.h"

#include <QImage>
#include <gtest/gtest.h>

#include <vector>

namespace {

const QRgb Grau = qRgb(128, 128, 128);
const QRgb Weiss = qRgb(255, 255, 255);
const QRgb Innen = qRgb(198, 198, 198);

bool IstRot(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90;
}

// Also the anti-aliased strokes of small red letters on light paper.
bool IstRoetlich(QRgb c) {
    return qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60;
}

bool IstDunkel(QRgb c) {
    return qAlpha(c) == 255 && qGray(c) < 60;
}

int DunklePunkteInZeile(const QImage &bild, int y) {
    int anzahl = 0;
    for (int x = 0; x < bild.width(); ++x)
        anzahl += IstDunkel(bild.pixel(x, y));
    return anzahl;
}

int Zaehle(const QImage &bild, const QRect &bereich, bool (*passt)(QRgb)) {
    int anzahl = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            anzahl += passt(bild.pixel(x, y));
    return anzahl;
}

struct Groesse {
    const char *name;
    QImage bild;
    QSize erwartet;
};

TEST(Bilder, EveryPictureHasItsStoredSize) {
    std::vector<Groesse> faelle{
        {"Hauptbild", Bilder::Hauptbild(), {673, 329}},
        {"KugelHoch", Bilder::KugelHoch(), {35, 35}},
        {"KugelRunter", Bilder::KugelRunter(), {35, 35}},
        {"Infobild", Bilder::Infobild(), {310, 320}},
        {"Textur", Bilder::Textur(), {500, 250}},
        {"Fenstersymbol", Bilder::Fenstersymbol(), {32, 32}},
        {"Fenstersymbol16", Bilder::Fenstersymbol(16), {16, 16}},
    };
    for (int n = 1; n <= 6; ++n)
        faelle.push_back({"Werkzeugbild", Bilder::Werkzeugbild(n), {32, 32}});
    for (const Groesse &fall : faelle)
        EXPECT_EQ(fall.bild.size(), fall.erwartet) << fall.name;
}

TEST(Bilder, PicturesComeOutTheSameEachTime) {
    EXPECT_EQ(Bilder::Hauptbild(), Bilder::Hauptbild());
    EXPECT_EQ(Bilder::Textur(), Bilder::Textur());
}

TEST(Hauptbild, PanelsAreSunkenWithGreyTopLeftAndWhiteBottomRight) {
    struct Panel {
        int links, oben, rechts, unten;
        QPoint innen;
    };
    const Panel panels[] = {{72, 47, 487, 160, {128, 103}}, {72, 178, 487, 266, {280, 222}}};
    const QImage bild = Bilder::Hauptbild();
    for (const Panel &p : panels) {
        const int mx = (p.links + p.rechts) / 2, my = (p.oben + p.unten) / 2;
        SCOPED_TRACE(p.oben);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(bild.pixel(p.links + i, my), Grau);
            EXPECT_EQ(bild.pixel(mx, p.oben + i), Grau);
            EXPECT_EQ(bild.pixel(p.rechts - i, my), Weiss);
            EXPECT_EQ(bild.pixel(mx, p.unten - i), Weiss);
        }
        EXPECT_EQ(bild.pixel(p.links + 2, my), Innen);
        EXPECT_EQ(bild.pixel(p.innen), Innen);
        EXPECT_NE(bild.pixel(p.links - 1, my), Grau) << "edge only two pixels inside the panel";
    }
}

TEST(Hauptbild, BallsSitAtTheirCentresAndStayLightForPrintedDigits) {
    std::vector<QPoint> mitten;
    for (int i = 0; i < 6; ++i) {
        mitten.emplace_back(100 + 55 * i, 75);
        mitten.emplace_back(100 + 55 * i, 130);
    }
    mitten.emplace_back(458, 75);
    const QImage bild = Bilder::Hauptbild();
    for (const QPoint &m : mitten) {
        SCOPED_TRACE(QStringLiteral("%1,%2").arg(m.x()).arg(m.y()).toStdString());
        EXPECT_NE(bild.pixel(m), Innen);
        EXPECT_GE(qGray(bild.pixel(m)), 180) << "black digits must stay readable";
        for (const QPoint &d : {QPoint(-20, 0), QPoint(20, 0), QPoint(0, -20), QPoint(0, 20)})
            EXPECT_NE(bild.pixel(m + d), Innen) << "a ball of about 48 pixels";
    }
    EXPECT_EQ(bild.pixel(430, 75), Innen) << "the Zusatzzahl ball stands apart";
    EXPECT_EQ(bild.pixel(458, 130), Innen) << "no Joker ball under the Zusatzzahl";
}

TEST(Hauptbild, GridBoxesHaveRedOutlinesWhereTheDisplayMarksThem) {
    struct Feld {
        int zahl;
        QPoint ecke;
    };
    const Feld felder[] = {{1, {505, 55}}, {6, {635, 55}}, {43, {505, 237}}, {45, {557, 237}}};
    const QImage bild = Bilder::Hauptbild();
    for (const Feld &f : felder) {
        SCOPED_TRACE(f.zahl);
        ASSERT_EQ(Geometrie::GitterFeld(f.zahl), QPointF(f.ecke));
        const QPoint e = f.ecke;
        EXPECT_TRUE(IstRot(bild.pixel(e + QPoint(0, 9))));
        EXPECT_TRUE(IstRot(bild.pixel(e + QPoint(18, 9))));
        EXPECT_TRUE(IstRot(bild.pixel(e + QPoint(9, 0))));
        EXPECT_TRUE(IstRot(bild.pixel(e + QPoint(9, 18))));
        EXPECT_FALSE(IstRot(bild.pixel(e + QPoint(2, 2))));
        EXPECT_GT(Zaehle(bild, QRect(e + QPoint(3, 3), QSize(13, 13)), IstRoetlich), 8)
            << "the box carries its number";
    }
    EXPECT_FALSE(IstRot(bild.pixel(583, 246))) << "no box after 45";
    EXPECT_TRUE(IstRot(bild.pixel(500, 150))) << "the red frame";
    EXPECT_TRUE(IstRot(bild.pixel(658, 150)));
}

TEST(Hauptbild, WordsStandLevelWithTheirRows) {
    const QImage bild = Bilder::Hauptbild();
    const auto schwarz = [](QRgb c) { return qGray(c) < 50; };
    EXPECT_GT(Zaehle(bild, QRect(0, 66, 72, 20), schwarz), 30) << "Zahlen:";
    EXPECT_GT(Zaehle(bild, QRect(0, 121, 72, 20), schwarz), 30) << "Joker:";
    EXPECT_GT(Zaehle(bild, QRect(0, 178, 72, 20), schwarz), 30) << "Gewinn:";
    EXPECT_EQ(Zaehle(bild, QRect(0, 97, 72, 12), schwarz), 0);
    EXPECT_EQ(Zaehle(bild, QRect(0, 210, 72, 119), schwarz), 0);
}

TEST(KugelKnopf, TrianglePointsUpOrDown) {
    const QImage hoch = Bilder::KugelHoch(), runter = Bilder::KugelRunter();
    EXPECT_LT(DunklePunkteInZeile(hoch, 12), DunklePunkteInZeile(hoch, 22));
    EXPECT_GT(DunklePunkteInZeile(runter, 12), DunklePunkteInZeile(runter, 22));
    EXPECT_TRUE(IstDunkel(hoch.pixel(17, 17)));
    EXPECT_TRUE(IstDunkel(runter.pixel(17, 17)));
    for (const QImage &bild : {hoch, runter}) {
        EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0) << "a round ball on a clear square";
        const QRgb rand = bild.pixel(17, 4);
        EXPECT_EQ(qAlpha(rand), 255);
        EXPECT_GT(qGray(rand), 100) << "silver around the triangle";
    }
}

TEST(Infobild, WhiteFieldHoldsTextBlockAndButton) {
    const QImage bild = Bilder::Infobild();
    const QRect bereiche[] = {{8, 120, 297, 121}, {120, 272, 73, 33}};
    for (const QRect &r : bereiche) {
        for (const QPoint &p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            EXPECT_EQ(bild.pixel(p), Weiss) << p.x() << "," << p.y();
    }
    const auto gruen = [](QRgb c) { return qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 60; };
    EXPECT_TRUE(gruen(bild.pixel(2, 200))) << "the frame left of the field";
    EXPECT_TRUE(gruen(bild.pixel(200, 317))) << "the frame below the field";
    EXPECT_GT(Zaehle(bild, QRect(0, 0, 310, 100), gruen), 1000) << "the green product name";
}

TEST(Textur, IsLightNeutralGreyWithStuds) {
    const QImage bild = Bilder::Textur();
    long summe = 0;
    int hell = 0, dunkel = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb c = bild.pixel(x, y);
            ASSERT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c));
            summe += qGray(c);
            hell += qGray(c) > 230;
            dunkel += qGray(c) < 180;
        }
    }
    const double mittel = double(summe) / (bild.width() * bild.height());
    EXPECT_GT(mittel, 190);
    EXPECT_LT(mittel, 230);
    EXPECT_GT(hell, 1000) << "lit side of the studs";
    EXPECT_GT(dunkel, 1000) << "shaded side of the studs";
}

TEST(Werkzeugbild, EachImageShowsItsColours) {
    struct Probe {
        int nummer;
        QPoint punkt;
        QRgb farbe;
    };
    const Probe proben[] = {
        {1, {10, 15}, qRgb(255, 255, 255)}, // blank page
        {3, {8, 25}, qRgb(220, 0, 0)},      // red cover
        {4, {9, 26}, qRgb(255, 0, 0)},      {4, {15, 26}, qRgb(0, 160, 0)},
        {4, {21, 26}, qRgb(0, 0, 255)},     {4, {27, 26}, qRgb(255, 255, 0)},
        {5, {22, 25}, qRgb(128, 0, 128)}, // purple book
        {6, {5, 24}, qRgb(0, 160, 0)},    // green door
        {6, {26, 16}, qRgb(0, 255, 255)}, // cyan arrow
    };
    for (const Probe &p : proben)
        EXPECT_EQ(Bilder::Werkzeugbild(p.nummer).pixel(p.punkt), p.farbe)
            << p.nummer << " at " << p.punkt.x() << "," << p.punkt.y();

    const QImage geschrieben = Bilder::Werkzeugbild(2), leer = Bilder::Werkzeugbild(1);
    const QRect seite(6, 4, 15, 21);
    EXPECT_GT(Zaehle(geschrieben, seite, IstDunkel), Zaehle(leer, seite, IstDunkel) + 30)
        << "written lines on the front page";
}

TEST(Werkzeugbild, NumbersOutsideOneToSixGiveAClearImage) {
    for (int nummer : {0, 7}) {
        const QImage bild = Bilder::Werkzeugbild(nummer);
        EXPECT_EQ(Zaehle(bild, bild.rect(), [](QRgb c) { return qAlpha(c) != 0; }), 0);
    }
}

TEST(Fenstersymbol, BlackBallWithRedEight) {
    for (int seite : {16, 32}) {
        SCOPED_TRACE(seite);
        const QImage bild = Bilder::Fenstersymbol(seite);
        EXPECT_TRUE(IstDunkel(bild.pixel(seite / 2, seite - 3)));
        EXPECT_TRUE(IstDunkel(bild.pixel(seite - 3, seite / 2)));
        EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0);
        const auto rot = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 100; };
        EXPECT_GT(
            Zaehle(bild, bild.rect().adjusted(seite / 4, seite / 4, -seite / 4, -seite / 4), rot),
            seite / 2);
    }
}

} // namespace
