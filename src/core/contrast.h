// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

namespace tintmere {

// WCAG 2.x relative luminance: 0 for black, 1 for white. Alpha is ignored.
double relativeLuminance(const Color& color);

// WCAG 2.x contrast ratio, 1 to 21, the same in both directions.
double contrastRatio(const Color& first, const Color& second);

// The WCAG 2.x thresholds, compared with the unrounded ratio: 4.499 fails AA.
struct WCAGLevels {
    bool aaBody = false;   // 4.5
    bool aaLarge = false;  // 3
    bool aaaBody = false;  // 7
    bool aaaLarge = false; // 4.5
};
WCAGLevels wcagLevels(double ratio);

// APCA Lc (APCA-W3 0.0.98G-4g) of text on a background: positive for dark text on a light
// background, negative for light on dark, 0 when too close to tell; about -108 to 106.
double apcaContrast(const Color& text, const Color& background);

} // namespace tintmere
