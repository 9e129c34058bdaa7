// SPDX-License-Identifier: GPL-3.0-or-later
// Hex colour text: stored colours, settings, the hex field.
#include "color.h"
#include "fuzzcheck.h"

#include <cstdint>
#include <string_view>

using tintmere::Color;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto color = Color::colorFromHex(text);
    if (color) {
        FUZZ_CHECK(componentsInRange(*color));
        const auto again =
            Color::colorFromHex(color->colorValueWithFormat(tintmere::kStoredColorFormat));
        FUZZ_CHECK(again == color);
    }
    return 0;
}
