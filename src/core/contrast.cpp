// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include "colormodels.h"

#include <algorithm>
#include <cmath>

namespace tintmere {

namespace {

double encodedChannel(float component) {
    return clampComponent(component);
}

// APCA's screen luminance: a plain 2.4 power per channel, not the piecewise sRGB curve.
double apcaLuminance(const Color& color) {
    constexpr double kTRC = 2.4;
    const double y = 0.2126729 * std::pow(encodedChannel(color.red), kTRC) +
                     0.7151522 * std::pow(encodedChannel(color.green), kTRC) +
                     0.0721750 * std::pow(encodedChannel(color.blue), kTRC);
    // Soft clamp near black, where screens flare.
    constexpr double kBlackThreshold = 0.022;
    constexpr double kBlackClamp = 1.414;
    return y > kBlackThreshold ? y : y + std::pow(kBlackThreshold - y, kBlackClamp);
}

} // namespace

double relativeLuminance(const Color& color) {
    // The sRGB curve's own 0.04045 knee; WCAG's older 0.03928 gives the same for every byte.
    return 0.2126 * linearFromSRGB(encodedChannel(color.red)) +
           0.7152 * linearFromSRGB(encodedChannel(color.green)) +
           0.0722 * linearFromSRGB(encodedChannel(color.blue));
}

double contrastRatio(const Color& first, const Color& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

WCAGLevels wcagLevels(double ratio) {
    return {ratio >= kAABodyRatio, ratio >= kAALargeRatio, ratio >= kAAABodyRatio,
            ratio >= kAAALargeRatio};
}

double apcaContrast(const Color& text, const Color& background) {
    const double yText = apcaLuminance(text);
    const double yBackground = apcaLuminance(background);
    constexpr double kDeltaYMin = 0.0005;
    constexpr double kLowClip = 0.1;
    constexpr double kLowOffset = 0.027;
    constexpr double kScale = 1.14;
    if (std::abs(yBackground - yText) < kDeltaYMin) {
        return 0.0;
    }
    if (yBackground > yText) {
        // Dark text on a light background.
        const double sapc = (std::pow(yBackground, 0.56) - std::pow(yText, 0.57)) * kScale;
        return sapc < kLowClip ? 0.0 : (sapc - kLowOffset) * 100.0;
    }
    const double sapc = (std::pow(yBackground, 0.65) - std::pow(yText, 0.62)) * kScale;
    return sapc > -kLowClip ? 0.0 : (sapc + kLowOffset) * 100.0;
}

} // namespace tintmere
