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
    Subcommand{
        "convert", "--to css-rgb|hsl|oklch|hexa|name [COLOR...]",
        "Writes each colour as CSS text, one line per colour: css-rgb \"rgb(51 102 153)\",\n"
        "hsl \"hsl(210 50% 40%)\", oklch \"oklch(0.49931 0.09866 250.43)\", hexa \"#336699ff\",\n"
        "name the nearest CSS named colour, then, unless it is that very colour, its\n"
        "distance in OKLab (deltaEOK; 0.02 is about the smallest difference the eye sees)\n"
        "in parentheses.\n"
        "A colour with alpha below 1 gets \" / ALPHA\". COLOR may be any CSS colour:\n"
        "\"rebeccapurple\", \"oklch(0.7 0.1 200)\", \"hsl(210deg, 50%, 40%)\".\n",
        runConvert},
    Subcommand{"contrast", "FG BG",
               "Prints the WCAG 2 contrast ratio of the two colours (cut to two decimals) with\n"
               "pass or fail for AA and AAA, body and large text, then the APCA Lc (APCA-W3\n"
               "0.0.98G-4g) of FG text on BG and of BG text on FG: positive for dark text on\n"
               "light, negative for light on dark.\n",
               runContrast},
    Subcommand{"palette", "FILE [--to FORMAT [OUT]] | --write OUT.tnp COLOR COLOR COLOR COLOR",
               "Prints a palette file (.tnp) as its four colours on one line, or a favorites\n"
               "file (.tnf), GIMP palette (.gpl), CSS (.css) or JSON (.json) file as one line\n"
               "per favorite: the name, a tab and the four colours.\n"
               "--to converts FILE to FORMAT (gpl, css, json, tnp or tnf), written to OUT or,\n"
               "for gpl, css and json, to standard output. GIMP palette rows and CSS custom\n"
               "properties are taken four to a favorite; tnp takes the first four colours, tnf\n"
               "leaves groups out. The JSON form is {\"format\": \"tintmere-palette\",\n"
               "\"version\": 1, \"name\", \"colors\": [four colours]} or {\"format\":\n"
               "\"tintmere-favorites\", \"version\": 1, \"name\", \"favorites\": [{\"name\",\n"
               "\"colors\"}, {\"group\", \"favorites\": [...]}]}.\n"
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
