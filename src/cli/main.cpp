// SPDX-License-Identifier: GPL-3.0-or-later
// tintmere-color: writes and reads colour text from scripts.
#include "commandline.h"
#include "subcommands.h"

#include <algorithm>
#include <iostream>
#include <vector>

using namespace tintmere::cli;

namespace {

constexpr std::string_view kProgram = "tintmere-color";

void printUsage(std::ostream& out) {
    out << "Usage:\n";
    for (const Subcommand& command : subcommands()) {
        out << "  " << kProgram << ' ' << command.name << ' ' << command.synopsis << '\n';
    }
    out << "  " << kProgram << " [COMMAND] --help\n"
        << "\n"
        << "Writes colours as text and reads colour text back.\n"
        << "COLOR is three components from 0 to 1 separated by commas (\"1,0.6,0.2\"), hex\n"
        << "digits (\"ff9933\", \"#f93\") or CSS colour text (\"rebeccapurple\", \"hsl(210 50% "
           "40%)\").\n"
        << "Without COLOR or TEXT arguments, each line of standard input is one. Bad usage or\n"
        << "an unreadable COLOR exits with status 2.\n";
}

bool asksForHelp(std::span<const std::string_view> arguments) {
    const auto end = std::find(arguments.begin(), arguments.end(), "--");
    return std::any_of(arguments.begin(), end,
                       [](std::string_view a) { return a == "--help" || a == "-h"; });
}

int fail(const std::string& message) {
    std::cout.flush();
    std::cerr << kProgram << ": " << message << "\nTry '" << kProgram << " --help'.\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        printUsage(std::cerr);
        return 2;
    }
    const std::string_view name = arguments.front();
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(std::cout);
        return 0;
    }
    if (name == "--version") {
        std::cout << kProgram << ' ' << TINTMERE_VERSION << '\n';
        return 0;
    }
    const auto commands = subcommands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Subcommand& c) { return c.name == name; });
    if (command == commands.end()) {
        return fail("unknown command \"" + std::string(name) + "\"");
    }
    const std::span<const std::string_view> rest(arguments.begin() + 1, arguments.end());
    if (asksForHelp(rest)) {
        std::cout << "Usage: " << kProgram << ' ' << command->name << ' ' << command->synopsis
                  << "\n\n"
                  << command->help;
        return 0;
    }
    try {
        Streams streams{std::cin, std::cout};
        const int status = command->run(rest, streams);
        std::cout.flush();
        return std::cout ? status : 2;
    } catch (const UsageError& error) {
        return fail(error.what());
    }
}
