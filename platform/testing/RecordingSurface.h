#pragma once

#include "Surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>

// A drawing surface that records what is drawn on it.
class RecordingSurface : public Surface {
public:
    enum class Art { Cls, Print, Line, Box, Circle, Refresh };
    struct Aufruf {
        Art art;
        double x = 0, y = 0, dx = 0, dy = 0; // Circle: dx is the radius
        QString text{};                      // Print
        QColor farbe{};                      // the colour used
        int drawWidth = 1;
    };

    // Units per pixel: 1 for pixels, 15 for twips.
    RecordingSurface(double einheitenProPixel, double scaleWidth, double scaleHeight,
                     const QFont &font = QFont())
        : m_proPixel(einheitenProPixel)
        , m_breite(scaleWidth)
        , m_hoehe(scaleHeight)
        , m_font(font)
    {
    }

    QList<Aufruf> aufrufe;

    QList<Aufruf> Nur(Art art) const
    {
        QList<Aufruf> auswahl;
        for (const Aufruf &a : aufrufe) {
            if (a.art == art)
                auswahl.append(a);
        }
        return auswahl;
    }
    // The calls after the last Cls.
    QList<Aufruf> SeitCls() const
    {
        QList<Aufruf> auswahl;
        for (const Aufruf &a : aufrufe) {
            if (a.art == Art::Cls)
                auswahl.clear();
            else
                auswahl.append(a);
        }
        return auswahl;
    }

    void Cls() override
    {
        aufrufe.append({Art::Cls});
        m_x = m_y = 0;
    }
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    void Print(const QString &text) override
    {
        Aufruf a{Art::Print, m_x, m_y};
        a.text = text;
        a.farbe = m_vordergrund;
        aufrufe.append(a);
    }
    double TextWidth(const QString &text) const override
    {
        return QFontMetricsF(m_font).horizontalAdvance(text) * m_proPixel;
    }
    double TextHeight(const QString &) const override
    {
        return QFontMetricsF(m_font).height() * m_proPixel;
    }
    double ScaleWidth() const override { return m_breite; }
    double ScaleHeight() const override { return m_hoehe; }
    void Line(double x, double y, double dx, double dy, std::optional<QColor> farbe) override
    {
        aufrufe.append({Art::Line, x, y, dx, dy, {}, farbe.value_or(m_vordergrund), m_drawWidth});
    }
    void Box(double x, double y, double dx, double dy, std::optional<QColor> farbe) override
    {
        aufrufe.append({Art::Box, x, y, dx, dy, {}, farbe.value_or(m_vordergrund), m_drawWidth});
    }
    void Circle(double x, double y, double radius, std::optional<QColor> farbe) override
    {
        aufrufe.append(
            {Art::Circle, x, y, radius, 0, {}, farbe.value_or(m_vordergrund), m_drawWidth});
    }
    int DrawWidth() const override { return m_drawWidth; }
    void SetDrawWidth(int breite) override { m_drawWidth = breite; }
    QFont Font() const override { return m_font; }
    void SetFont(const QFont &font) override { m_font = font; }
    QColor ForeColor() const override { return m_vordergrund; }
    void Refresh() override { aufrufe.append({Art::Refresh}); }

private:
    double m_proPixel;
    double m_breite;
    double m_hoehe;
    QFont m_font;
    QColor m_vordergrund = Qt::black;
    double m_x = 0;
    double m_y = 0;
    int m_drawWidth = 1;
};
