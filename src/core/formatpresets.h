// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <optional>
#include <string>

namespace tintmere {

// The user's choice of variants and switches; the same input for the controller's cached
// copy and for the views, which read the settings at each use.
struct FormatSettings {
    int hexVariant = 0; // 0: "#" prefix; any other value: none
    int rgbVariant = 0; // 0: "RGB(...)"; any other value: "rgb(...)"
    int webVariant = 0; // 0-5, see webStringOfColor; out of range acts as 5
    bool useShorthand = false;
    bool useUppercase = false;
};

// Family indices as stored in "Tooltip Format" and "Drag Format".
enum class FormatFamily { Hex = 0, Rgb = 1, Web = 2 };

inline constexpr std::string_view kHexPrefix = "#";

std::string hexStringOfColor(const Color& color, const FormatSettings& settings);
std::string rgbStringOfColor(const Color& color, const FormatSettings& settings);
std::string webStringOfColor(const Color& color, const FormatSettings& settings);

// The string of family index 0 (hex), 1 (RGB) or 2 (web); no string for any other index.
std::optional<std::string> stringOfColor(const Color& color, int family,
                                         const FormatSettings& settings);

} // namespace tintmere
