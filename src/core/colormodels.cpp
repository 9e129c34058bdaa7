// SPDX-License-Identifier: GPL-3.0-or-later
#include "colormodels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tintmere {

namespace {

using Triple = std::array<double, 3>;

constexpr double kDegrees = 180.0 / std::numbers::pi;
// A fiftieth of a byte step: a component this close to a byte value is that byte value (see
// snappedToByte), and one this far outside 0..1 still counts as inside sRGB, so published
// coordinates rounded to six places are in gamut.
constexpr double kByteTolerance = 0.02 / 255.0;

double limited(double value) {
    return std::isnan(value) ? 0.0 : std::clamp(value, 0.0, 1.0);
}

double wrappedHue(double hue) {
    if (!std::isfinite(hue)) {
        return 0.0;
    }
    const double wrapped = std::fmod(hue, 360.0);
    return wrapped < 0.0 ? wrapped + 360.0 : wrapped;
}

Triple channels(const Color& color) {
    return {limited(color.red), limited(color.green), limited(color.blue)};
}

// A component a hair from a byte value is that byte value: coordinates published to six
// places (oklch(0.627955 0.257683 29.2339) for red) then give the colour they name, not one
// a byte below it, and every byte survives a round trip through any model.
double snappedToByte(double component) {
    const double nearest = std::round(component * 255.0) / 255.0;
    return std::abs(component - nearest) < kByteTolerance ? nearest : component;
}

Color colorOf(const Triple& rgb, float alpha) {
    return {clampComponent(snappedToByte(rgb[0])), clampComponent(snappedToByte(rgb[1])),
            clampComponent(snappedToByte(rgb[2])), alpha};
}

// The hue shared by HSV and HSL, with the largest and smallest channel.
struct HueParts {
    double hue;
    double max;
    double min;
};

HueParts hueParts(const Triple& c) {
    const double max = std::max({c[0], c[1], c[2]});
    const double min = std::min({c[0], c[1], c[2]});
    const double d = max - min;
    double hue = 0.0;
    if (d > 0.0) {
        if (max == c[0]) {
            hue = (c[1] - c[2]) / d + (c[1] < c[2] ? 6.0 : 0.0);
        } else if (max == c[1]) {
            hue = (c[2] - c[0]) / d + 2.0;
        } else {
            hue = (c[0] - c[1]) / d + 4.0;
        }
    }
    return {hue * 60.0, max, min};
}

// Linear sRGB to OKLab and back (Björn Ottosson's matrices, which CSS uses).
OKLab oklabFromLinear(const Triple& c) {
    const double l = std::cbrt(0.4122214708 * c[0] + 0.5363325363 * c[1] + 0.0514459929 * c[2]);
    const double m = std::cbrt(0.2119034982 * c[0] + 0.6806995451 * c[1] + 0.1073969566 * c[2]);
    const double s = std::cbrt(0.0883024619 * c[0] + 0.2817188376 * c[1] + 0.6299787005 * c[2]);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

Triple linearFromOKLab(const OKLab& lab) {
    const auto cube = [](double x) { return x * x * x; };
    const double l = cube(lab.lightness + 0.3963377774 * lab.a + 0.2158037573 * lab.b);
    const double m = cube(lab.lightness - 0.1055613458 * lab.a - 0.0638541728 * lab.b);
    const double s = cube(lab.lightness - 0.0894841775 * lab.a - 1.2914855480 * lab.b);
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

Triple encoded(const Triple& linear) {
    return {srgbFromLinear(linear[0]), srgbFromLinear(linear[1]), srgbFromLinear(linear[2])};
}

bool inside(const Triple& rgb) {
    return std::all_of(rgb.begin(), rgb.end(),
                       [](double c) { return c >= -kByteTolerance && c <= 1.0 + kByteTolerance; });
}

Triple clipped(const Triple& rgb) {
    return {limited(rgb[0]), limited(rgb[1]), limited(rgb[2])};
}

OKLab oklabOfEncoded(const Triple& rgb) {
    return oklabFromLinear(
        {linearFromSRGB(rgb[0]), linearFromSRGB(rgb[1]), linearFromSRGB(rgb[2])});
}

// The CSS gamut mapping: a binary search on chroma for the colour whose clipped form is
// closest to it without being noticeably different.
Triple mappedIntoGamut(const OKLCH& origin) {
    constexpr double kJustNoticeable = 0.02;
    constexpr double kEpsilon = 0.0001;
    if (origin.lightness >= 1.0) {
        return {1.0, 1.0, 1.0};
    }
    if (!(origin.lightness > 0.0)) { // NaN too
        return {0.0, 0.0, 0.0};
    }
    // No colour has a chroma near 1, and the search below must start from a finite one.
    OKLCH current{origin.lightness,
                  std::isnan(origin.chroma) ? 0.0 : std::clamp(origin.chroma, 0.0, 1.0),
                  origin.hue};
    const auto encodedOf = [](const OKLCH& lch) {
        return encoded(linearFromOKLab(oklabFromOKLCH(lch)));
    };
    Triple rgb = encodedOf(current);
    if (inside(rgb)) {
        return clipped(rgb);
    }
    Triple clip = clipped(rgb);
    if (deltaEOK(oklabOfEncoded(clip), oklabFromOKLCH(current)) < kJustNoticeable) {
        return clip;
    }
    double min = 0.0;
    double max = current.chroma;
    bool minInGamut = true;
    while (max - min > kEpsilon) {
        current.chroma = (min + max) / 2.0;
        rgb = encodedOf(current);
        if (minInGamut && inside(rgb)) {
            min = current.chroma;
            continue;
        }
        clip = clipped(rgb);
        const double e = deltaEOK(oklabOfEncoded(clip), oklabFromOKLCH(current));
        if (e < kJustNoticeable) {
            if (kJustNoticeable - e < kEpsilon) {
                return clip;
            }
            minInGamut = false;
            min = current.chroma;
        } else {
            max = current.chroma;
        }
    }
    return clipped(encodedOf(current));
}

} // namespace

double linearFromSRGB(double c) {
    const double magnitude = std::abs(c);
    const double linear =
        magnitude <= 0.04045 ? magnitude / 12.92 : std::pow((magnitude + 0.055) / 1.055, 2.4);
    return std::copysign(linear, c);
}

double srgbFromLinear(double c) {
    const double magnitude = std::abs(c);
    const double encoded =
        magnitude <= 0.0031308 ? magnitude * 12.92 : 1.055 * std::pow(magnitude, 1.0 / 2.4) - 0.055;
    return std::copysign(encoded, c);
}

HSV hsvFromColor(const Color& color) {
    const HueParts parts = hueParts(channels(color));
    return {parts.hue, parts.max > 0.0 ? (parts.max - parts.min) / parts.max : 0.0, parts.max};
}

HSL hslFromColor(const Color& color) {
    const HueParts parts = hueParts(channels(color));
    const double lightness = (parts.max + parts.min) / 2.0;
    const double d = parts.max - parts.min;
    const double saturation = d > 0.0 ? d / (1.0 - std::abs(2.0 * lightness - 1.0)) : 0.0;
    return {parts.hue, std::min(saturation, 1.0), lightness};
}

Color colorFromHSV(const HSV& hsv, float alpha) {
    const double h = wrappedHue(hsv.hue) / 60.0;
    const double s = limited(hsv.saturation);
    const double v = limited(hsv.value);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + h, 6.0);
        return v - v * s * std::clamp(std::min(k, 4.0 - k), 0.0, 1.0);
    };
    return colorOf({channel(5.0), channel(3.0), channel(1.0)}, alpha);
}

Color colorFromHSL(const HSL& hsl, float alpha) {
    const double h = wrappedHue(hsl.hue) / 30.0;
    const double s = limited(hsl.saturation);
    const double l = limited(hsl.lightness);
    const double a = s * std::min(l, 1.0 - l);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + h, 12.0);
        return l - a * std::clamp(std::min(k - 3.0, 9.0 - k), -1.0, 1.0);
    };
    return colorOf({channel(0.0), channel(8.0), channel(4.0)}, alpha);
}

OKLab oklabFromColor(const Color& color) {
    return oklabOfEncoded(channels(color));
}

OKLCH oklchFromColor(const Color& color) {
    return oklchFromOKLab(oklabFromColor(color));
}

OKLCH oklchFromOKLab(const OKLab& lab) {
    const double chroma = std::sqrt(lab.a * lab.a + lab.b * lab.b);
    // Below this the hue is noise from rounding: a grey has none.
    constexpr double kGrey = 1e-7;
    const double hue = chroma < kGrey ? 0.0 : wrappedHue(std::atan2(lab.b, lab.a) * kDegrees);
    return {lab.lightness, chroma, hue};
}

OKLab oklabFromOKLCH(const OKLCH& lch) {
    const double radians = wrappedHue(lch.hue) / kDegrees;
    const double chroma = std::max(lch.chroma, 0.0);
    return {lch.lightness, chroma * std::cos(radians), chroma * std::sin(radians)};
}

bool isInGamut(const OKLab& lab) {
    return inside(encoded(linearFromOKLab(lab)));
}

bool isInGamut(const OKLCH& lch) {
    return isInGamut(oklabFromOKLCH(lch));
}

Color colorFromOKLab(const OKLab& lab, float alpha) {
    return colorFromOKLCH(oklchFromOKLab(lab), alpha);
}

Color colorFromOKLCH(const OKLCH& lch, float alpha) {
    return colorOf(mappedIntoGamut(lch), alpha);
}

double deltaEOK(const OKLab& first, const OKLab& second) {
    return std::hypot(first.lightness - second.lightness, first.a - second.a, first.b - second.b);
}

} // namespace tintmere
