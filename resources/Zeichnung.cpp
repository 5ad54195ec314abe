#include "Zeichnung.h"

#include "Bilder.h"
#include "Bildnamen.h"
#include "Geometrie.h"

#include <QFont>
#include <QFontInfo>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <array>
#include <vector>

namespace Zeichnung {

using namespace Bilder;

namespace {

const QColor Hintergrund(198, 198, 198);
const QColor Kantengrau(128, 128, 128);
const QColor Scheinrot(204, 0, 0);

QImage LeeresBild(QSize groesse, const QColor &farbe = Qt::transparent)
{
    QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(farbe);
    return bild;
}

// A family the pictures are drawn in, and its metric twin from fonts-liberation,
// which fontconfig gives in its place where the family itself is missing.
struct Familie {
    QString name;
    QString zwilling;
};
const Familie SerifFamilie{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
const Familie SansFamilie{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};

QFont Schrift(const Familie &familie, int pixel, bool fett)
{
    QFont schrift(familie.name);
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    return schrift;
}

QFont Serif(int pixel, bool fett = true)
{
    return Schrift(SerifFamilie, pixel, fett);
}

QFont Sans(int pixel, bool fett = true)
{
    return Schrift(SansFamilie, pixel, fett);
}

// A bevel of `dicke` one-pixel rings inside r, light or dark at top and left
// and the other colour at bottom and right, meeting diagonally at the corners.
void Kante(QPainter &p, const QRect &r, int dicke, const QColor &obenLinks,
           const QColor &untenRechts)
{
    for (int i = 0; i < dicke; ++i) {
        const int l = r.left() + i, o = r.top() + i, re = r.right() - i, u = r.bottom() - i;
        p.fillRect(QRect(QPoint(l, o), QPoint(re - 1, o)), obenLinks);
        p.fillRect(QRect(QPoint(l, o), QPoint(l, u - 1)), obenLinks);
        p.fillRect(QRect(QPoint(l, u), QPoint(re, u)), untenRechts);
        p.fillRect(QRect(QPoint(re, o), QPoint(re, u)), untenRechts);
    }
}

// A panel set into the face: grey edge above and left, white below and right.
void Vertieft(QPainter &p, const QRect &r)
{
    p.fillRect(r, Hintergrund);
    Kante(p, r, 2, Kantengrau, Qt::white);
}

// A shaded ball lit from the upper left, with a thin outline.
void Kugel(QPainter &p, QPointF mitte, double radius, const QColor &hell, const QColor &dunkel,
           const QColor &glanz = Qt::white)
{
    const QPointF licht = mitte - QPointF(0.2 * radius, 0.25 * radius);
    QRadialGradient verlauf(licht, 1.3 * radius);
    verlauf.setColorAt(0, glanz);
    verlauf.setColorAt(0.5, hell);
    verlauf.setColorAt(1, dunkel);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(dunkel.darker(140), 1));
    p.setBrush(verlauf);
    p.drawEllipse(mitte, radius - 0.5, radius - 0.5);
    p.restore();
}

void Polygon(QPainter &p, const QPolygonF &ecken, const QColor &fuellung, const QColor &rand)
{
    p.setPen(QPen(rand, 1));
    p.setBrush(fuellung);
    p.drawPolygon(ecken);
}

// The face: words at the left, ball panel, result panel, ticket grid.

void Beschriftung(QPainter &p)
{
    p.setFont(Serif(17));
    p.setPen(Qt::black);
    const auto wort = [&p](const QString &text, double y, Qt::Alignment senkrecht) {
        p.drawText(QRectF(4, y, Geometrie::KugelPanel.left() - 6, 30), Qt::AlignLeft | senkrecht,
                   text);
    };
    wort(QStringLiteral("Zahlen:"), Geometrie::KugelMitte(0, 0).y() - 15, Qt::AlignVCenter);
    wort(QStringLiteral("Joker:"), Geometrie::KugelMitte(0, 1).y() - 15, Qt::AlignVCenter);
    wort(QStringLiteral("Gewinn:"), Geometrie::GewinnPanel.top() + 2, Qt::AlignTop);
}

void LeereKugeln(QPainter &p)
{
    const double radius = Geometrie::KugelDurchmesser / 2;
    const QColor hell(222, 230, 242), dunkel(104, 120, 150);
    for (int i = 0; i < 6; ++i) {
        Kugel(p, Geometrie::KugelMitte(i, 0), radius, hell, dunkel);
        Kugel(p, Geometrie::KugelMitte(i, 1), radius, hell, dunkel);
    }
    Kugel(p, Geometrie::KugelMitte(Geometrie::ZusatzzahlPosition, 0), radius, hell, dunkel);
}

void Tippschein(QPainter &p)
{
    const QRect rahmen = Geometrie::GitterRahmen;
    p.fillRect(rahmen, QColor(255, 250, 240));
    p.setPen(QPen(Scheinrot, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rahmen.adjusted(1, 1, -1, -1));

    p.setFont(Sans(10, false));
    for (int n = 1; n <= 45; ++n) {
        const QPoint ecke = Geometrie::GitterFeld(n).toPoint();
        const int seite = Geometrie::GitterFeldSeite;
        p.setPen(QPen(Scheinrot, 1));
        p.drawRect(QRect(ecke, QSize(seite - 1, seite - 1)));
        p.drawText(QRect(ecke, QSize(seite, seite)), Qt::AlignCenter, QString::number(n));
    }
}

QImage KugelMitDreieck(bool hoch)
{
    const int seite = KugelKnopfSeite;
    QImage bild = LeeresBild({seite, seite});
    QPainter p(&bild);
    const QPointF mitte(seite / 2.0, seite / 2.0);
    Kugel(p, mitte, seite / 2.0 - 1, QColor(224, 224, 224), QColor(112, 112, 112));
    const double spitze = hoch ? -8 : 8, basis = hoch ? 6 : -6;
    p.setRenderHint(QPainter::Antialiasing);
    Polygon(p,
            QPolygonF({mitte + QPointF(0, spitze), mitte + QPointF(-8, basis),
                       mitte + QPointF(8, basis)}),
            Qt::black, Qt::black);
    return bild;
}

// The toolbar images, each on a 32 × 32 transparent square.

void Blatt(QPainter &p, const QRect &r)
{
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(r);
}

// Three pages, the front one at the upper left; returns the front page.
QRect Seitenstapel(QPainter &p)
{
    for (int k = 2; k > 0; --k)
        Blatt(p, QRect(5 + 3 * k, 3 + 2 * k, 17, 23));
    return {5, 3, 17, 23};
}

void LeereSeiten(QPainter &p)
{
    const QRect vorne = Seitenstapel(p);
    const int knick = 6, l = vorne.left(), o = vorne.top();
    const int re = vorne.left() + vorne.width(), u = vorne.top() + vorne.height();
    Polygon(p,
            QPolygonF({QPointF(l, o), QPointF(re - knick, o), QPointF(re, o + knick),
                       QPointF(re, u), QPointF(l, u)}),
            Qt::white, Qt::black);
    Polygon(
        p,
        QPolygonF({QPointF(re - knick, o), QPointF(re - knick, o + knick), QPointF(re, o + knick)}),
        QColor(192, 192, 192), Qt::black);
}

void BeschriebeneSeiten(QPainter &p)
{
    const QRect vorne = Seitenstapel(p);
    Blatt(p, vorne);
    const std::array<int, 6> laengen{12, 9, 12, 11, 7, 12};
    p.setPen(QColor(0, 0, 128));
    for (int z = 0; z < int(laengen.size()); ++z) {
        const int y = vorne.top() + 4 + 3 * z;
        p.drawLine(vorne.left() + 3, y, vorne.left() + 2 + laengen[z], y);
    }
}

void Notizblock(QPainter &p)
{
    Blatt(p, QRect(8, 7, 19, 23));
    p.setPen(QColor(128, 0, 0));
    p.setBrush(QColor(220, 0, 0));
    p.drawRect(6, 5, 19, 23);
    p.fillRect(QRect(10, 14, 11, 6), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(64, 64, 64), 1.2));
    p.setBrush(Qt::NoBrush);
    for (int x = 8; x <= 23; x += 3)
        p.drawEllipse(QRectF(x, 2, 2, 6));
}

void Balkendiagramm(QPainter &p)
{
    const int boden = 28;
    const std::array<int, 4> hoehen{13, 21, 9, 17};
    const std::array<QColor, 4> farben{QColor(255, 0, 0), QColor(0, 160, 0), QColor(0, 0, 255),
                                       QColor(255, 255, 0)};
    p.setPen(Qt::black);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(farben[i]);
        p.drawRect(7 + 6 * i, boden - hoehen[i], 5, hoehen[i]);
    }
    p.drawLine(4, 3, 4, boden);
    p.drawLine(4, boden, 30, boden);
}

void Hilfebuch(QPainter &p)
{
    Blatt(p, QRect(9, 6, 19, 23));
    p.setPen(Qt::black);
    p.setBrush(QColor(128, 0, 128));
    p.drawRect(6, 3, 19, 24);
    p.fillRect(QRect(7, 4, 3, 23), QColor(80, 0, 80));
    p.setFont(Sans(20));
    p.setPen(QColor(255, 255, 0));
    p.drawText(QRect(10, 3, 15, 25), Qt::AlignCenter, QStringLiteral("?"));
}

void Ausgang(QPainter &p)
{
    p.setPen(Qt::black);
    p.setBrush(QColor(32, 32, 32));
    p.drawRect(9, 3, 13, 26);
    Polygon(p, QPolygonF({QPointF(9, 3), QPointF(3, 1), QPointF(3, 31), QPointF(9, 29)}),
            QColor(0, 160, 0), QColor(0, 80, 0));
    p.fillRect(QRect(4, 16, 2, 2), QColor(255, 255, 0));
    Polygon(p,
            QPolygonF({QPointF(12, 14), QPointF(22, 14), QPointF(22, 9), QPointF(30, 16),
                       QPointF(22, 23), QPointF(22, 18), QPointF(12, 18)}),
            QColor(0, 255, 255), QColor(0, 96, 128));
}

QImage Textur()
{
    constexpr int breite = TexturGroesse.width(), hoehe = TexturGroesse.height();
    const int grund = 214;
    QImage bild(TexturGroesse, QImage::Format_RGB32);
    // Grey noise, a row of random numbers at a time; bounded(7) scales each
    // number the same way, so the pixels are those of one number per pixel.
    QRandomGenerator zufall(1977);
    std::vector<quint32> zahlen(breite);
    for (int y = 0; y < hoehe; ++y) {
        zufall.fillRange(zahlen.data(), zahlen.size());
        auto *zeile = reinterpret_cast<QRgb *>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x) {
            const int g = grund + int((quint64(zahlen[x]) * 7) >> 32) - 3;
            zeile[x] = qRgb(g, g, g);
        }
    }
    // Studs in staggered rows; the pitches divide the tile so that it repeats
    // without a seam.
    const auto setze = [&bild](int x, int y, int grau) {
        reinterpret_cast<QRgb *>(bild.scanLine((y + hoehe) % hoehe))[(x + breite) % breite] =
            qRgb(grau, grau, grau);
    };
    for (int reihe = 0; reihe < hoehe / 5; ++reihe) {
        for (int spalte = 0; spalte < breite / 10; ++spalte) {
            const int x = 10 * spalte + 5 * (reihe % 2), y = 5 * reihe;
            setze(x, y, 244);
            setze(x + 1, y, 236);
            setze(x, y + 1, 236);
            setze(x + 1, y + 1, 206);
            setze(x + 2, y + 1, 168);
            setze(x + 1, y + 2, 168);
            setze(x + 2, y + 2, 150);
        }
    }
    return bild;
}

QImage Hauptbild()
{
    QImage bild = LeeresBild({Geometrie::BildBreite, Geometrie::BildHoehe});
    QPainter p(&bild);
    p.fillRect(bild.rect(), QBrush(Textur()));
    Beschriftung(p);
    Vertieft(p, Geometrie::KugelPanel);
    LeereKugeln(p);
    Vertieft(p, Geometrie::GewinnPanel);
    Tippschein(p);
    return bild;
}

QImage Infobild()
{
    QImage bild = LeeresBild(InfobildGroesse);
    QPainter p(&bild);
    p.fillRect(bild.rect(), QBrush(Textur()));

    const QRect kopf(0, 0, bild.width(), 100);
    const QString name = QStringLiteral("Ziehbuch");
    p.setFont(Serif(66));
    p.setPen(QColor(0, 72, 0));
    p.drawText(kopf.translated(3, 3), Qt::AlignCenter, name);
    p.setPen(QColor(0, 168, 0));
    p.drawText(kopf, Qt::AlignCenter, name);

    // The frame's white field holds the text block (8,120 297×121) and the
    // OK button (120,272 73×33).
    const QRect rahmen(0, kopf.height(), bild.width(), bild.height() - kopf.height());
    const QColor hell(64, 176, 64), mitte(0, 112, 0), dunkel(0, 56, 0);
    p.fillRect(rahmen, mitte);
    Kante(p, rahmen, 1, hell, dunkel);
    Kante(p, rahmen.adjusted(4, 4, -4, -4), 1, dunkel, hell);
    p.fillRect(rahmen.adjusted(5, 5, -5, -5), Qt::white);
    return bild;
}

using Werkzeug = void (*)(QPainter &);

QImage Werkzeugbild(Werkzeug zeichnen)
{
    QImage bild = LeeresBild({WerkzeugbildSeite, WerkzeugbildSeite});
    QPainter p(&bild);
    zeichnen(p);
    return bild;
}

QImage Fenstersymbol()
{
    const int seite = 32;
    QImage bild = LeeresBild({seite, seite});
    QPainter p(&bild);
    const QPointF mitte(seite / 2.0, seite / 2.0);
    Kugel(p, mitte, seite / 2.0, QColor(48, 48, 48), Qt::black, QColor(160, 160, 160));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(mitte, seite * 0.24, seite * 0.24);
    p.setFont(Sans(qRound(seite * 0.42)));
    p.setPen(QColor(224, 0, 0));
    p.drawText(QRectF(0, 0, seite, seite), Qt::AlignCenter, QStringLiteral("8"));
    return bild;
}

} // namespace

std::vector<FehlendeSchrift> FehlendeSchriften()
{
    std::vector<FehlendeSchrift> fehlend;
    for (const Familie &familie : {SerifFamilie, SansFamilie}) {
        const QString bekommen = QFontInfo(QFont(familie.name)).family();
        if (bekommen != familie.name && bekommen != familie.zwilling)
            fehlend.push_back({familie.zwilling, QStringLiteral("fonts-liberation")});
    }
    return fehlend;
}

std::vector<Bild> Alle()
{
    std::vector<Bild> bilder{{Bildnamen::Hauptbild, Hauptbild},
                             {Bildnamen::KugelHoch, [] { return KugelMitDreieck(true); }},
                             {Bildnamen::KugelRunter, [] { return KugelMitDreieck(false); }},
                             {Bildnamen::Infobild, Infobild},
                             {Bildnamen::Textur, Textur},
                             {Bildnamen::Fenstersymbol, Fenstersymbol}};
    const std::array<Werkzeug, Werkzeugbilder> werkzeuge{
        LeereSeiten, BeschriebeneSeiten, Notizblock, Balkendiagramm, Hilfebuch, Ausgang};
    for (int i = 0; i < Werkzeugbilder; ++i)
        bilder.push_back(
            {Bildnamen::Werkzeugbild(i + 1), [w = werkzeuge[i]] { return Werkzeugbild(w); }});
    return bilder;
}

} // namespace Zeichnung
