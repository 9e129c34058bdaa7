// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

namespace tintmere {

// The colour models beside RGB. They work in double precision so that every byte value
// survives a round trip: a float result a hair below n/255 would read back as n - 1.
// Hues are degrees in 0..360 (0 for a grey), the other components 0..1 unless noted. A
// component that comes back within a fiftieth of a byte step of a byte value is made that
// byte value, so rounded published coordinates give the colour they name.
struct HSV {
    double hue = 0.0;
    double saturation = 0.0;
    double value = 0.0;
};

struct HSL {
    double hue = 0.0;
    double saturation = 0.0;
    double lightness = 0.0;
};

// OKLab: lightness 0..1, a and b roughly -0.4..0.4.
struct OKLab {
    double lightness = 0.0;
    double a = 0.0;
    double b = 0.0;
};

// OKLCH: lightness 0..1, chroma 0..about 0.4, hue degrees.
struct OKLCH {
    double lightness = 0.0;
    double chroma = 0.0;
    double hue = 0.0;
};

HSV hsvFromColor(const Color& color);
HSL hslFromColor(const Color& color);
OKLab oklabFromColor(const Color& color);
OKLCH oklchFromColor(const Color& color);
OKLCH oklchFromOKLab(const OKLab& lab);
OKLab oklabFromOKLCH(const OKLCH& lch);

// Hues outside 0..360 wrap; other components are limited to their ranges.
Color colorFromHSV(const HSV& hsv, float alpha = 1.0f);
Color colorFromHSL(const HSL& hsl, float alpha = 1.0f);

// Whether the colour lies inside sRGB (within rounding).
bool isInGamut(const OKLab& lab);
bool isInGamut(const OKLCH& lch);
// The sRGB colour; one outside sRGB is brought inside the way CSS does it: chroma is reduced
// at the same lightness and hue until clipping the rest changes the colour less than a just
// noticeable difference.
Color colorFromOKLab(const OKLab& lab, float alpha = 1.0f);
Color colorFromOKLCH(const OKLCH& lch, float alpha = 1.0f);

// The Euclidean distance in OKLab (CSS's deltaEOK; 0.02 is about a just noticeable
// difference, 1 is black to white).
double deltaEOK(const OKLab& first, const OKLab& second);

// sRGB transfer: an encoded component to linear light and back.
double linearFromSRGB(double encoded);
double srgbFromLinear(double linear);

} // namespace tintmere
