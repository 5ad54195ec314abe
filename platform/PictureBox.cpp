#include "PictureBox.h"

#include "Twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QResizeEvent>
#include <cmath>

namespace {

int Gerundet(double pixel)
{
    return int(std::floor(pixel + 0.5));
}

} // namespace

PictureBox::PictureBox(Einheit einheit, QWidget *parent)
    : QWidget(parent)
    , m_einheit(einheit)
    , m_hintergrund(palette().color(QPalette::Window))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double PictureBox::EinheitenProPixel() const
{
    return m_einheit == Einheit::Twips ? TwipsProPixel : 1;
}

void PictureBox::Grund(QImage &bild) const
{
    bild.fill(m_hintergrund);
    if (!m_picture.isNull()) {
        QPainter maler(&bild);
        maler.drawImage(0, 0, m_picture);
    }
}

QImage &PictureBox::Leinwand() const
{
    const QSize groesse = size().expandedTo(QSize(1, 1));
    if (m_bild.size() != groesse) {
        QImage neu(groesse, QImage::Format_RGB32);
        Grund(neu);
        if (!m_bild.isNull()) {
            QPainter maler(&neu);
            maler.drawImage(0, 0, m_bild);
        }
        m_bild = neu;
    }
    return m_bild;
}

const QImage &PictureBox::Bild() const
{
    return Leinwand();
}

void PictureBox::SetPicture(const QImage &bild)
{
    m_picture = bild;
    Cls();
}

void PictureBox::SetBackColor(const QColor &farbe)
{
    m_hintergrund = farbe;
    Cls();
}

void PictureBox::Cls()
{
    Grund(Leinwand());
    m_x = m_y = 0;
    update();
}

QPen PictureBox::Stift(std::optional<QColor> farbe) const
{
    QPen stift(farbe.value_or(m_vordergrund), m_drawWidth);
    stift.setCapStyle(Qt::RoundCap);
    stift.setJoinStyle(Qt::RoundJoin);
    return stift;
}

void PictureBox::Print(const QString &text)
{
    QImage &bild = Leinwand();
    QPainter maler(&bild);
    maler.setFont(font());
    maler.setPen(m_vordergrund);
    const QFontMetricsF metrik(font(), &bild);
    maler.drawText(QPointF(Pixel(m_x), Pixel(m_y) + metrik.ascent()), text);
    m_x += TextWidth(text);
    update();
}

double PictureBox::TextWidth(const QString &text) const
{
    return QFontMetricsF(font(), &Leinwand()).horizontalAdvance(text) * EinheitenProPixel();
}

double PictureBox::TextHeight(const QString &) const
{
    return QFontMetricsF(font(), &Leinwand()).height() * EinheitenProPixel();
}

double PictureBox::ScaleWidth() const
{
    return width() * EinheitenProPixel();
}
double PictureBox::ScaleHeight() const
{
    return height() * EinheitenProPixel();
}

void PictureBox::Line(double x, double y, double dx, double dy, std::optional<QColor> farbe)
{
    QPainter maler(&Leinwand());
    maler.setPen(Stift(farbe));
    maler.drawLine(QPointF(Pixel(x), Pixel(y)), QPointF(Pixel(x + dx), Pixel(y + dy)));
    update();
}

void PictureBox::Box(double x, double y, double dx, double dy, std::optional<QColor> farbe)
{
    const int x1 = Gerundet(Pixel(x)), x2 = Gerundet(Pixel(x + dx));
    const int y1 = Gerundet(Pixel(y)), y2 = Gerundet(Pixel(y + dy));
    const QRect kasten(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2)));
    // A wider line widens the box's edge outwards.
    const int rand = (m_drawWidth - 1) / 2;
    QPainter maler(&Leinwand());
    maler.fillRect(kasten.adjusted(-rand, -rand, m_drawWidth - 1 - rand, m_drawWidth - 1 - rand),
                   farbe.value_or(m_vordergrund));
    update();
}

void PictureBox::Circle(double x, double y, double radius, std::optional<QColor> farbe)
{
    QPainter maler(&Leinwand());
    maler.setPen(Stift(farbe));
    maler.setBrush(Qt::NoBrush);
    const double r = Pixel(radius);
    maler.drawEllipse(QPointF(Pixel(x), Pixel(y)), r, r);
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter maler(this);
    maler.drawImage(event->rect(), Leinwand(), event->rect());
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    Leinwand();
    QWidget::resizeEvent(event);
}
