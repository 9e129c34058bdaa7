// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the colour core (tintmere_core): presets, the format writer and the readers.
#include "color.h"
#include "colorparsing.h"
#include "formatpresets.h"

#include <benchmark/benchmark.h>

using tintmere::Color;
using tintmere::FormatSettings;

namespace {

const Color kColor{0.5f, 0.25f, 0.75f};

void presetString(benchmark::State& state, int family, FormatSettings settings) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(tintmere::stringOfColor(kColor, family, settings));
    }
}

void longFormat(benchmark::State& state) {
    constexpr std::string_view format =
        "hex %Xr%Xg%Xb short %xr%xg%xb rgb(%0r, %0g, %0b) fractions %3r %3g %3b "
        "web %wXr%wXg%wXb rgb(%w0r, %w0g, %w0b) %w5r %w5g %w5b 100%%";
    for (auto _ : state) {
        benchmark::DoNotOptimize(kColor.colorValueWithFormat(format));
    }
}

void dropText(benchmark::State& state, std::string_view text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(Color::colorFromString(text, tintmere::kDropFormats));
    }
}

void hexText(benchmark::State& state, std::string_view text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(Color::colorFromHex(text));
    }
}

} // namespace

BENCHMARK_CAPTURE(presetString, hex_0, 0, FormatSettings{0, 0, 0, false, false});
BENCHMARK_CAPTURE(presetString, hex_1_shorthand_uppercase, 0, FormatSettings{1, 0, 0, true, true});
BENCHMARK_CAPTURE(presetString, rgb_0, 1, FormatSettings{0, 0, 0, false, false});
BENCHMARK_CAPTURE(presetString, rgb_1, 1, FormatSettings{0, 1, 0, false, false});
BENCHMARK_CAPTURE(presetString, web_0, 2, FormatSettings{0, 0, 0, false, false});
BENCHMARK_CAPTURE(presetString, web_1, 2, FormatSettings{0, 0, 1, false, true});
BENCHMARK_CAPTURE(presetString, web_2, 2, FormatSettings{0, 0, 2, false, false});
BENCHMARK_CAPTURE(presetString, web_3, 2, FormatSettings{0, 0, 3, false, false});
BENCHMARK_CAPTURE(presetString, web_4, 2, FormatSettings{0, 0, 4, false, false});
BENCHMARK_CAPTURE(presetString, web_5, 2, FormatSettings{0, 0, 5, false, false});
BENCHMARK(longFormat);
BENCHMARK_CAPTURE(dropText, six_digits, "ff9933");
BENCHMARK_CAPTURE(dropText, hash_short, "#F93");
BENCHMARK_CAPTURE(dropText, rgb_spaced, "RGB(255, 153, 51)");
BENCHMARK_CAPTURE(dropText, no_match, "hello world");
BENCHMARK_CAPTURE(dropText, no_match_rgb_256, "rgb(256,0,0)");
BENCHMARK_CAPTURE(hexText, stored, "ff9933");
BENCHMARK_CAPTURE(hexText, spaced_prefix, " #ff 99 33 ");
BENCHMARK_CAPTURE(hexText, refused, "#ff993");
