// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettecommands.h"

#include <ctime>

namespace tintmere {

Color randomColor(const std::function<std::uint32_t()>& draw) {
    const auto component = [&draw] { return float(double(draw() % 255 + 1) / 255.0); };
    const float blue = component();
    const float green = component();
    const float red = component();
    return Color{red, green, blue, 1.0f};
}

RandomColors::RandomColors()
    : RandomColors(std::uint32_t(std::time(nullptr))) {
}

RandomColors::RandomColors(std::uint32_t seed)
    : m_state(seed) {
}

Color RandomColors::next() {
    // xorshift32 cannot leave 0, so the state is never 0 itself.
    if (m_state == 0)
        m_state = 0x9e3779b9u;
    return randomColor([this] {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    });
}

} // namespace tintmere
