// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <cstdint>
#include <functional>

namespace tintmere {

// A random opaque colour from three draws (blue, green, red); each component is
// (draw mod 255 + 1) / 255, so none is ever 0: a colour nobody mistakes for "unset".
Color randomColor(const std::function<std::uint32_t()>& draw);

// Random colours from a generator seeded with the current time in whole seconds: two
// commands within the same second give the same colours.
class RandomColors {
public:
    RandomColors();
    explicit RandomColors(std::uint32_t seed);
    Color next();

private:
    std::uint32_t m_state;
};

} // namespace tintmere
