// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorargument.h"
#include "subcommands.h"

#include <ostream>

namespace tintmere::cli {

int runFormat(std::span<const std::string_view> arguments, Streams& streams) {
    CommandLine commandLine(arguments, {});
    const std::string_view format = commandLine.takeOperand("FORMAT");
    commandLine.forEachInput(streams.in, [&](std::string_view text, const std::string& origin) {
        streams.out << readColorArgument(text, origin).colorValueWithFormat(format) << '\n';
    });
    return 0;
}

} // namespace tintmere::cli
