// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <optional>
#include <string>
#include <string_view>

namespace tintmere {

// The colour as CSS text. The byte forms use the same byte values as every other string;
// the others give the decimals that bring every colour back within one byte (HSL one,
// OKLCH five for lightness and chroma and two for hue), without trailing zeros. Alpha below
// 1 is written after a slash (or as the last two hex digits).
std::string cssRGBString(const Color& color);      // "rgb(51 102 153)"
std::string cssHSLString(const Color& color);      // "hsl(210 50% 40%)"
std::string cssOKLCHString(const Color& color);    // "oklch(0.49931 0.09866 250.43)"
std::string cssHexAlphaString(const Color& color); // "#336699ff"

// The CSS named colour closest to a colour, and how far it is in OKLab (deltaEOK: 0 for the
// colour itself, below 0.02 hard to tell apart). Alpha is ignored.
struct NamedColorMatch {
    std::string_view name;
    Color color;
    double distance = 0.0;
};
NamedColorMatch nearestNamedColor(const Color& color);
// "rebeccapurple", or "steelblue (ΔEOK 0.012)" when the colour is not the named one.
std::string cssNameString(const Color& color);

// The colour of a CSS named colour (any case), e.g. "RebeccaPurple".
std::optional<Color> colorFromCSSName(std::string_view name);

// Reads CSS colour text: "#rgb", "#rgba", "#rrggbb", "#rrggbbaa", a named colour, and
// rgb()/rgba(), hsl()/hsla(), oklch() and oklab() in the space syntax ("rgb(51 102 153 /
// 50%)") or the comma syntax ("rgb(51, 102, 153)"), with numbers, percentages and hue
// units (deg, rad, grad, turn). Case and surrounding white space do not matter. Values past
// their range are limited to it; an OKLCH or OKLab colour outside sRGB is brought inside.
std::optional<Color> colorFromCSS(std::string_view text);

} // namespace tintmere
