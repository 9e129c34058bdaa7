// SPDX-License-Identifier: GPL-3.0-or-later
#include "color.h"
#include "colorparsing.h"
#include "subcommands.h"

#include <optional>
#include <ostream>

namespace tintmere::cli {

namespace {

// Prints each text's colour as stored colour text, or "none"; 1 when any text gave none.
int printReadColors(std::span<const std::string_view> arguments, Streams& streams,
                    std::optional<Color> (*read)(std::string_view)) {
    const CommandLine commandLine(arguments, {});
    int status = 0;
    commandLine.forEachInput(streams.in, [&](std::string_view text, const std::string&) {
        if (const auto color = read(text)) {
            streams.out << color->colorValueWithFormat(kStoredColorFormat) << '\n';
        } else {
            streams.out << "none\n";
            status = 1;
        }
    });
    return status;
}

std::optional<Color> fromDropText(std::string_view text) {
    return Color::colorFromString(text, kDropFormats);
}

} // namespace

int runParse(std::span<const std::string_view> arguments, Streams& streams) {
    return printReadColors(arguments, streams, fromDropText);
}

int runHex(std::span<const std::string_view> arguments, Streams& streams) {
    return printReadColors(arguments, streams, Color::colorFromHex);
}

} // namespace tintmere::cli
