// SPDX-License-Identifier: GPL-3.0-or-later
// Any format with any colour, including components no parser would give (NaN, infinities,
// values outside 0..1); the written text is then read back with the same format.
#include "color.h"
#include "fuzzcheck.h"

#include <bit>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

using tintmere::Color;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    // Integers come from the end of the input, so text seeds stay readable as formats.
    const auto anyFloat = [&] {
        return std::bit_cast<float>(provider.ConsumeIntegral<std::uint32_t>());
    };
    const bool byteColour = provider.ConsumeBool();
    Color color;
    if (byteColour) {
        color = Color::fromBytes(provider.ConsumeIntegral<std::uint8_t>(),
                                 provider.ConsumeIntegral<std::uint8_t>(),
                                 provider.ConsumeIntegral<std::uint8_t>());
    } else {
        color = Color{anyFloat(), anyFloat(), anyFloat(), 1.0f};
    }
    const std::string format = provider.ConsumeRemainingBytesAsString();

    const std::string written = color.colorValueWithFormat(format);
    if (format.find('%') == std::string::npos) {
        FUZZ_CHECK(written == format);
    }
    const std::string_view formats[] = {format};
    if (const auto read = Color::colorFromString(written, formats)) {
        FUZZ_CHECK(componentsInRange(*read));
    }
    return 0;
}
