// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorargument.h"
#include "contrast.h"
#include "csscolor.h"
#include "subcommands.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace tintmere::cli {

namespace {

struct Target {
    std::string_view name;
    std::string (*write)(const Color&);
};

constexpr std::array kTargets = {
    Target{"css-rgb", cssRGBString}, Target{"hsl", cssHSLString},
    Target{"oklch", cssOKLCHString}, Target{"hexa", cssHexAlphaString},
    Target{"name", cssNameString},
};

constexpr OptionSpec kConvertOptions[] = {{"--to", true}};

// Fixed decimals, cut rather than rounded so that a ratio just below a threshold never
// shows the threshold.
std::string truncated(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, std::floor(value * scale) / scale);
    return text.data();
}

std::string rounded(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f", value);
    return std::string(text.data()) == "-0.0" ? "0.0" : text.data();
}

} // namespace

int runConvert(std::span<const std::string_view> arguments, Streams& streams) {
    const CommandLine commandLine(arguments, kConvertOptions);
    if (!commandLine.has("--to")) {
        throw UsageError("convert needs --to css-rgb|hsl|oklch|hexa|name");
    }
    const std::string_view to = commandLine.value("--to");
    const auto target = std::find_if(kTargets.begin(), kTargets.end(),
                                     [&](const Target& t) { return t.name == to; });
    if (target == kTargets.end()) {
        throw UsageError("unknown target \"" + std::string(to) +
                         "\": use css-rgb, hsl, oklch, hexa or name");
    }
    commandLine.forEachInput(streams.in, [&](std::string_view text, const std::string& origin) {
        streams.out << target->write(readColorArgument(text, origin)) << '\n';
    });
    return 0;
}

int runContrast(std::span<const std::string_view> arguments, Streams& streams) {
    CommandLine commandLine(arguments, {});
    const std::string_view fgText = commandLine.takeOperand("FG");
    const std::string_view bgText = commandLine.takeOperand("BG");
    if (!commandLine.operands().empty()) {
        throw UsageError("contrast compares two colours");
    }
    const Color fg = readColorArgument(fgText, "FG");
    const Color bg = readColorArgument(bgText, "BG");
    const double ratio = contrastRatio(fg, bg);
    const WCAGLevels levels = wcagLevels(ratio);
    const auto mark = [](bool pass) { return pass ? "pass" : "fail"; };
    const std::string fgHex = fg.hexStringWithPrefix("#");
    const std::string bgHex = bg.hexStringWithPrefix("#");
    std::ostream& out = streams.out;
    out << "WCAG contrast ratio " << truncated(ratio, 2) << ":1\n"
        << "AA body text " << mark(levels.aaBody) << " (4.5:1)\n"
        << "AA large text " << mark(levels.aaLarge) << " (3:1)\n"
        << "AAA body text " << mark(levels.aaaBody) << " (7:1)\n"
        << "AAA large text " << mark(levels.aaaLarge) << " (4.5:1)\n"
        << "APCA Lc " << rounded(apcaContrast(fg, bg)) << " (" << fgHex << " text on " << bgHex
        << ")\n"
        << "APCA Lc " << rounded(apcaContrast(bg, fg)) << " (" << bgHex << " text on " << fgHex
        << ")\n";
    return 0;
}

} // namespace tintmere::cli
