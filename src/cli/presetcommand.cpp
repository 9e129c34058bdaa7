// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorargument.h"
#include "formatpresets.h"
#include "subcommands.h"

#include <array>
#include <ostream>

namespace tintmere::cli {

namespace {

constexpr std::array<OptionSpec, 3> kOptions = {
    {{"--variant", true}, {"--uppercase", false}, {"--shorthand", false}}};

FormatFamily familyNamed(std::string_view name) {
    if (name == "hex") {
        return FormatFamily::Hex;
    }
    if (name == "rgb") {
        return FormatFamily::Rgb;
    }
    if (name == "web") {
        return FormatFamily::Web;
    }
    throw UsageError("unknown preset family \"" + std::string(name) + "\": choose hex, rgb or web");
}

} // namespace

int runPreset(std::span<const std::string_view> arguments, Streams& streams) {
    CommandLine commandLine(arguments, kOptions);
    const FormatFamily family =
        familyNamed(commandLine.takeOperand("preset family (hex, rgb or web)"));
    const int variant = commandLine.intValue("--variant", 0);
    const FormatSettings settings{variant, variant, variant, commandLine.has("--shorthand"),
                                  commandLine.has("--uppercase")};
    commandLine.forEachInput(streams.in, [&](std::string_view text, const std::string& origin) {
        const Color color = readColorArgument(text, origin);
        streams.out << *stringOfColor(color, static_cast<int>(family), settings) << '\n';
    });
    return 0;
}

} // namespace tintmere::cli
