// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandline.h"

#include <span>
#include <string_view>

namespace tintmere::cli {

// One subcommand of tintmere-color. A new subcommand is a file with its run function and a
// row in the table of subcommands.cpp.
struct Subcommand {
    std::string_view name;
    std::string_view synopsis; // the arguments, for the usage lines
    std::string_view help;     // what `tintmere-color NAME --help` adds to the synopsis
    int (*run)(std::span<const std::string_view> arguments, Streams& streams);
};

std::span<const Subcommand> subcommands();

int runFormat(std::span<const std::string_view> arguments, Streams& streams);
int runPreset(std::span<const std::string_view> arguments, Streams& streams);
int runParse(std::span<const std::string_view> arguments, Streams& streams);
int runHex(std::span<const std::string_view> arguments, Streams& streams);
int runConvert(std::span<const std::string_view> arguments, Streams& streams);
int runContrast(std::span<const std::string_view> arguments, Streams& streams);
int runPalette(std::span<const std::string_view> arguments, Streams& streams);

} // namespace tintmere::cli
