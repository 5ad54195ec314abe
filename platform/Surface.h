#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

// The drawing surface of a picture box, in its own units (pixels or twips).
// Coordinates grow right and down from the top-left of the inner area.
class Surface {
public:
    virtual ~Surface() = default;

    // Erases all drawing, keeps the background and stored picture, and sets
    // the current position to (0, 0).
    virtual void Cls() = 0;

    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;

    // Draws the text with its top-left at the current position, letters only.
    virtual void Print(const QString &text) = 0;
    virtual double TextWidth(const QString &text) const = 0;
    virtual double TextHeight(const QString &text) const = 0;

    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    // A line from (x, y) to (x + dx, y + dy), or a filled box with those
    // corners; without a colour it takes the foreground colour.
    virtual void Line(double x, double y, double dx, double dy,
                      std::optional<QColor> farbe = std::nullopt) = 0;
    virtual void Box(double x, double y, double dx, double dy,
                     std::optional<QColor> farbe = std::nullopt) = 0;
    virtual void Circle(double x, double y, double radius,
                        std::optional<QColor> farbe = std::nullopt) = 0;

    // Line width in pixels.
    virtual int DrawWidth() const = 0;
    virtual void SetDrawWidth(int breite) = 0;

    virtual QFont Font() const = 0;
    virtual void SetFont(const QFont &font) = 0;
    virtual QColor ForeColor() const = 0;

    // Repaints at once, so that a text shows before a long computation.
    virtual void Refresh() = 0;
};

// A 24-bit colour value whose low byte is red, middle green, high blue.
constexpr QRgb VbFarbe(unsigned int wert)
{
    return qRgb(int(wert & 0xFF), int((wert >> 8) & 0xFF), int((wert >> 16) & 0xFF));
}
