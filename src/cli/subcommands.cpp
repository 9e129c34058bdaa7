// SPDX-License-Identifier: GPL-3.0-or-later
#include "subcommands.h"

#include <array>

namespace tintmere::cli {

namespace {

constexpr std::array kSubcommands = {
    Subcommand{"format", "FORMAT [COLOR...]",
               "Writes each colour with FORMAT, one line per colour. Tokens: %Xr %Xg %Xb two hex\n"
               "digits (%XR... uppercase), %xr %xg %xb one digit each when the whole colour\n"
               "allows it, %0r %0g %0b 0-255, %1r to %5b the component with 1 to 5 decimals,\n"
               "%w before any of these the web-safe colour, %% a percent sign.\n"
               "Example: tintmere-color format 'rgb(%0r,%0g,%0b)' '#ff9933'\n",
               runFormat},
    Subcommand{"preset", "hex|rgb|web [--variant N] [--uppercase] [--shorthand] [COLOR...]",
               "Writes each colour as the preset string of the family, one line per colour.\n"
               "hex: variant 0 \"#ff9933\", other variants without \"#\"; --shorthand \"#f93\".\n"
               "rgb: variant 0 \"RGB(255,153,51)\", other variants \"rgb(255,153,51)\".\n"
               "web: variants 0-5 \"#f93\", \"#ff9933\", \"f93\", \"ff9933\", \"rgb(...)\",\n"
               "\"RGB(...)\" of the web-safe colour. --uppercase applies to hex and web 0-3.\n",
               runPreset},
    Subcommand{"parse", "[TEXT...]",
               "Reads each text the way a colour well reads dropped text (\"ff9933\",\n"
               "\"#f93\", \"rgb(255, 153, 51)\"; case and white space ignored) and prints the\n"
               "colour as six hex digits, or \"none\". Exit status 1 when any text gave none.\n",
               runParse},
    Subcommand{"hex", "[TEXT...]",
               "Reads each text as hex colour text: three or six digits, white space and\n"
               "punctuation ignored (\"#FF 99 33\", \"f93\"), and prints the colour as six hex\n"
               "digits, or \"none\". Exit status 1 when any text gave none.\n",
               runHex},
    Subcommand{"palette", "FILE | --write OUT.tnp COLOR COLOR COLOR COLOR",
               "Prints a palette file (.tnp) as its four colours on one line, or a favorites\n"
               "file (.tnf) as one line per favorite: the name, a tab and the four colours.\n"
               "--write writes the four colours as a palette file. A file that cannot be read\n"
               "or written is reported on standard error with exit status 1.\n"
               "So that each favorite stays on one line and nothing in a name can drive the\n"
               "terminal, names and messages are written with a backslash as \"\\\\\", tab,\n"
               "line feed and carriage return as \"\\t\", \"\\n\" and \"\\r\", and other control\n"
               "characters (U+0000-U+001F, U+007F-U+009F, U+2028, U+2029) as \"\\uHHHH\",\n"
               "for example ESC as \"\\u001b\".\n",
               runPalette},
};

} // namespace

std::span<const Subcommand> subcommands() {
    return kSubcommands;
}

} // namespace tintmere::cli
