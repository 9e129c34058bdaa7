// SPDX-License-Identifier: GPL-3.0-or-later
// Dropped colour text read with the drop formats.
#include "color.h"
#include "colorparsing.h"
#include "fuzzcheck.h"

#include <cstdint>
#include <string_view>

using tintmere::Color;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto index = tintmere::matchString(text, tintmere::kDropFormats);
    const auto color = Color::colorFromString(text, tintmere::kDropFormats);
    FUZZ_CHECK(index.has_value() == color.has_value());
    if (color) {
        FUZZ_CHECK(*index < tintmere::kDropFormats.size());
        FUZZ_CHECK(componentsInRange(*color));
        // What was read survives being stored and read back.
        const auto stored =
            Color::colorFromHex(color->colorValueWithFormat(tintmere::kStoredColorFormat));
        FUZZ_CHECK(stored && stored->hexString() == color->hexString());
    }
    return 0;
}
