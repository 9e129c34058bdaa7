// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

namespace tintmere {

// WCAG 2.x relative luminance: 0 for black, 1 for white. Alpha is ignored.
double relativeLuminance(const Color& color);

// WCAG 2.x contrast ratio, 1 to 21, the same in both directions.
double contrastRatio(const Color& first, const Color& second);

// The ratios the WCAG 2.x levels ask for.
inline constexpr double kAABodyRatio = 4.5;
inline constexpr double kAALargeRatio = 3.0;
inline constexpr double kAAABodyRatio = 7.0;
inline constexpr double kAAALargeRatio = 4.5;

// The levels a ratio meets, compared unrounded: 4.499 fails AA.
struct WCAGLevels {
    bool aaBody = false;
    bool aaLarge = false;
    bool aaaBody = false;
    bool aaaLarge = false;
};
WCAGLevels wcagLevels(double ratio);

// APCA Lc (APCA-W3 0.0.98G-4g) of text on a background: positive for dark text on a light
// background, negative for light on dark, 0 when too close to tell; about -108 to 106.
double apcaContrast(const Color& text, const Color& background);

} // namespace tintmere
