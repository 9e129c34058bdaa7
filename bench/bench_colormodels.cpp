// SPDX-License-Identifier: GPL-3.0-or-later
// The colour models: every one of the 16,777,216 sRGB colours through HSV, HSL and OKLCH and
// back (a run that loses any byte is reported as an error), and the CSS text readers and
// writers.
#include "colormodels.h"
#include "colorparsing.h"
#include "csscolor.h"

#include <benchmark/benchmark.h>

using namespace tintmere;

namespace {

template <typename Model>
void roundTripAllColors(benchmark::State& state, Model (*to)(const Color&),
                        Color (*from)(const Model&, float)) {
    long mismatches = 0;
    for (auto _ : state) {
        mismatches = 0;
        for (int r = 0; r < 256; ++r) {
            for (int g = 0; g < 256; ++g) {
                for (int b = 0; b < 256; ++b) {
                    const Color c = Color::fromBytes(r, g, b);
                    mismatches += from(to(c), 1.0f) != c;
                }
            }
        }
    }
    state.counters["mismatches"] = static_cast<double>(mismatches);
    state.counters["ns_per_colour"] =
        benchmark::Counter(256.0 * 256 * 256, benchmark::Counter::kIsIterationInvariantRate |
                                                  benchmark::Counter::kInvert);
    if (mismatches != 0) {
        state.SkipWithError("some colours did not come back to the same bytes");
    }
}

void readCSS(benchmark::State& state, std::string_view text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(colorFromPastedText(text));
    }
}

void writeCSS(benchmark::State& state, std::string (*write)(const Color&)) {
    const Color color = Color::fromBytes(0x33, 0x66, 0x99);
    for (auto _ : state) {
        benchmark::DoNotOptimize(write(color));
    }
}

// A clipboard's worth of text that names no colour, read whole.
const std::string kMegabyte(1 << 20, '6');

} // namespace

BENCHMARK_CAPTURE(roundTripAllColors, hsv, hsvFromColor, colorFromHSV)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(roundTripAllColors, hsl, hslFromColor, colorFromHSL)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(roundTripAllColors, oklch, oklchFromColor, colorFromOKLCH)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(readCSS, oklch, "oklch(0.7 0.1 200)");
BENCHMARK_CAPTURE(readCSS, oklch_out_of_gamut, "oklch(0.9 0.4 145)");
BENCHMARK_CAPTURE(readCSS, hsl_commas, "hsl(210deg, 50%, 40%)");
BENCHMARK_CAPTURE(readCSS, name, "rebeccapurple");
BENCHMARK_CAPTURE(readCSS, one_megabyte_refused, kMegabyte)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(writeCSS, oklch, cssOKLCHString);
BENCHMARK_CAPTURE(writeCSS, nearest_name, cssNameString);
