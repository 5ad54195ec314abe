#pragma once

#include "Surface.h"

#include <QImage>
#include <QWidget>

// A picture box: a widget that is drawn on through Surface, in pixels or in
// twips (15 twips to the pixel). The drawing goes into a backing image over
// the background colour and the stored picture, so it survives the window
// being covered. Lines, boxes and circles are drawn without antialiasing so
// that they land on whole pixels; text is antialiased.
class PictureBox : public QWidget, public Surface {
    Q_OBJECT
public:
    enum class Einheit { Pixel, Twips };

    explicit PictureBox(Einheit einheit, QWidget *parent = nullptr);

    // The stored picture, drawn at the top-left under every drawing. Setting
    // it or the background colour erases what was drawn, as Cls does.
    void SetPicture(const QImage &bild);
    QImage Picture() const { return m_picture; }
    void SetBackColor(const QColor &farbe);
    QColor BackColor() const { return m_hintergrund; }
    void SetForeColor(const QColor &farbe) { m_vordergrund = farbe; }

    void Cls() override;
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    void Print(const QString &text) override;
    double TextWidth(const QString &text) const override;
    double TextHeight(const QString &text) const override;
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    // A box covers the pixels of both its corners and all between them.
    void Line(double x, double y, double dx, double dy,
              std::optional<QColor> farbe = std::nullopt) override;
    void Box(double x, double y, double dx, double dy,
             std::optional<QColor> farbe = std::nullopt) override;
    void Circle(double x, double y, double radius,
                std::optional<QColor> farbe = std::nullopt) override;
    int DrawWidth() const override { return m_drawWidth; }
    void SetDrawWidth(int breite) override { m_drawWidth = qMax(1, breite); }
    QFont Font() const override { return font(); }
    void SetFont(const QFont &f) override { setFont(f); }
    QColor ForeColor() const override { return m_vordergrund; }
    void Refresh() override { repaint(); }

    // What the box shows, one image pixel per screen pixel.
    const QImage &Bild() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    double EinheitenProPixel() const;
    double Pixel(double einheiten) const { return einheiten / EinheitenProPixel(); }
    // The backing image at the widget's size; a hidden widget gets no resize
    // event, so every use checks.
    QImage &Leinwand() const;
    void Grund(QImage &bild) const;
    QPen Stift(std::optional<QColor> farbe) const;

    Einheit m_einheit;
    mutable QImage m_bild;
    QImage m_picture;
    QColor m_hintergrund;
    QColor m_vordergrund = Qt::black;
    double m_x = 0;
    double m_y = 0;
    int m_drawWidth = 1;
};
