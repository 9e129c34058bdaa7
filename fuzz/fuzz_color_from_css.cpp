// SPDX-License-Identifier: GPL-3.0-or-later
// Pasted colour text: the drop formats, then CSS colour text.
#include "colorparsing.h"
#include "csscolor.h"
#include "fuzzcheck.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using tintmere::Color;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto color = tintmere::colorFromPastedText(text);
    if (!color) {
        return 0;
    }
    Color opaque = *color;
    FUZZ_CHECK(opaque.alpha >= 0.0f && opaque.alpha <= 1.0f);
    opaque.alpha = 1.0f;
    FUZZ_CHECK(componentsInRange(opaque));
    // Every CSS string written for it reads back within one byte.
    for (const auto& written :
         {tintmere::cssRGBString(*color), tintmere::cssHSLString(*color),
          tintmere::cssOKLCHString(*color), tintmere::cssHexAlphaString(*color)}) {
        const auto back = tintmere::colorFromCSS(written);
        FUZZ_CHECK(back.has_value());
        FUZZ_CHECK(std::abs(tintmere::byteValue(back->red) - tintmere::byteValue(color->red)) <= 1);
        FUZZ_CHECK(std::abs(tintmere::byteValue(back->green) - tintmere::byteValue(color->green)) <=
                   1);
        FUZZ_CHECK(std::abs(tintmere::byteValue(back->blue) - tintmere::byteValue(color->blue)) <=
                   1);
    }
    return 0;
}
