#include "Balkengrafik.h"
#include "GrafikTesthilfe.h"
#include "PictureBox.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace grafik_test;

namespace {

// Draws on a picture box and records the same calls, with the box's measures.
class Mitschrift : public Surface {
public:
    Mitschrift(PictureBox &box, RecordingSurface &protokoll)
        : m_box(box)
        , m_protokoll(protokoll)
    {
    }
    void Cls() override
    {
        m_box.Cls();
        m_protokoll.Cls();
    }
    double CurrentX() const override { return m_box.CurrentX(); }
    double CurrentY() const override { return m_box.CurrentY(); }
    void SetCurrentX(double x) override
    {
        m_box.SetCurrentX(x);
        m_protokoll.SetCurrentX(x);
    }
    void SetCurrentY(double y) override
    {
        m_box.SetCurrentY(y);
        m_protokoll.SetCurrentY(y);
    }
    void Print(const QString &text) override
    {
        m_box.Print(text);
        m_protokoll.Print(text);
    }
    double TextWidth(const QString &text) const override { return m_box.TextWidth(text); }
    double TextHeight(const QString &text) const override { return m_box.TextHeight(text); }
    double ScaleWidth() const override { return m_box.ScaleWidth(); }
    double ScaleHeight() const override { return m_box.ScaleHeight(); }
    void Line(double x, double y, double dx, double dy, std::optional<QColor> farbe) override
    {
        m_box.Line(x, y, dx, dy, farbe);
        m_protokoll.Line(x, y, dx, dy, farbe);
    }
    void Box(double x, double y, double dx, double dy, std::optional<QColor> farbe) override
    {
        m_box.Box(x, y, dx, dy, farbe);
        m_protokoll.Box(x, y, dx, dy, farbe);
    }
    void Circle(double x, double y, double radius, std::optional<QColor> farbe) override
    {
        m_box.Circle(x, y, radius, farbe);
        m_protokoll.Circle(x, y, radius, farbe);
    }
    int DrawWidth() const override { return m_box.DrawWidth(); }
    void SetDrawWidth(int breite) override { m_box.SetDrawWidth(breite); }
    QFont Font() const override { return m_box.Font(); }
    void SetFont(const QFont &font) override { m_box.SetFont(font); }
    QColor ForeColor() const override { return m_box.ForeColor(); }
    void Refresh() override { m_box.Refresh(); }

private:
    PictureBox &m_box;
    RecordingSurface &m_protokoll;
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

    PictureBox box(PictureBox::Einheit::Twips);
    box.resize(513, 457); // 7695 × 6855 twips
    box.SetFont(Schrift());
    const QColor hintergrund(198, 198, 198);
    box.SetBackColor(hintergrund);
    RecordingSurface protokoll = Flaeche();
    Mitschrift flaeche(box, protokoll);

    AnzahlGezogenGrafik(m, false, false, flaeche);
    const QImage &bild = box.Bild();

    const QColor blau(0, 0, 255), grau(128, 128, 128);
    int geprueft = 0;
    const QList<Aufruf> kaesten = protokoll.Nur(Art::Box);
    for (int i = 0; i + 1 < kaesten.size(); i += 2) {
        const Aufruf &balken = kaesten[i + 1];
        if (balken.dx < 300)
            continue;
        SCOPED_TRACE(i / 2 + 1);
        const double mitte = balken.x + balken.dx / 2;
        // Inside the bar, in the grey strip above it, and clear of its far end and below it
        // (a box covers the pixels of both corners, so up to a pixel more).
        EXPECT_EQ(Pixel(bild, mitte, balken.y + balken.dy / 2), blau);
        EXPECT_EQ(Pixel(bild, mitte, balken.y - 12.5), grau);
        EXPECT_EQ(Pixel(bild, balken.x + balken.dx + 30, balken.y + balken.dy / 2), hintergrund);
        EXPECT_EQ(Pixel(bild, balken.x + 60, balken.y + balken.dy + 35), hintergrund);
        EXPECT_NE(Pixel(bild, balken.x - 30, balken.y + balken.dy / 2), blau);
        ++geprueft;
    }
    EXPECT_EQ(geprueft, 9); // numbers 1..6, 10, 20, 30
}
