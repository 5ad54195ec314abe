#pragma once

#include <QRect>

// Window and control positions given in twips, 15 to the pixel.
constexpr int TwipsProPixel = 15;

constexpr int Px(int twips)
{
    return twips / TwipsProPixel;
}

constexpr QRect TwipsRechteck(int links, int oben, int breite, int hoehe)
{
    return {Px(links), Px(oben), Px(breite), Px(hoehe)};
}
