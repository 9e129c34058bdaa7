// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace tintmere {

// The formats tried, in order, on colour text dropped onto a well. Case and white space
// never matter, so these cover every string the presets produce.
inline constexpr std::array<std::string_view, 5> kDropFormats = {
    "%Xr%Xg%Xb", "#%Xr%Xg%Xb", "rgb(%0r,%0g,%0b)", "%xr%xg%xb", "#%xr%xg%xb"};

// Index of the first format whose shape the whole text has (ignoring case and white space),
// or no value when none matches.
std::optional<std::size_t> matchString(std::string_view text,
                                       std::span<const std::string_view> formats);

// Colour text from the clipboard or a drop, read the widest way: the drop formats first, so
// that whatever they read reads the same, then CSS colour text ("oklch(0.7 0.1 200)",
// "rebeccapurple", "hsl(210 50% 40%)"; see csscolor.h).
std::optional<Color> colorFromPastedText(std::string_view text);

} // namespace tintmere
