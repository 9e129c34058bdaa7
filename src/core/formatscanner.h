// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <string_view>

namespace tintmere {

// How a token writes its channel.
enum class Notation {
    ShortHex, // "%x": one digit when the whole colour is short, else two
    Hex,      // "%X": always two digits
    Byte,     // "%0": 0-255 in decimal
    Fraction, // "%1"-"%5": the component with 1-5 decimals
};

struct FormatToken {
    Notation notation = Notation::Hex;
    Channel channel = Channel::Red;
    bool web = false;       // "%w...": the web-safe level instead of the exact component
    bool uppercase = false; // hex digits in uppercase (an uppercase channel letter)
    int fractionDigits = 0; // 1-5 for Notation::Fraction
};

// Either literal text or a token. Literal text is always a view into the format.
struct FormatElement {
    bool isToken = false;
    FormatToken token;
    std::string_view literal;
};

// Splits a format of the colour format language into literal text and tokens, one element at
// a time and without allocating. The writer and the parsers read formats through this one
// scanner, so text written with a format can be read back with it.
//
// Anything that is not a complete token is literal text without its "%": "%%" gives "%",
// "%q" gives "q", "%xq" gives "xq", "%wq" gives "wq" (the character after it is scanned
// again). At the very end of the format, an incomplete token is kept whole ("%X", "%w0"),
// a lone "%" is kept, and a final "%%" gives "%" like "%%" anywhere else. The character after
// a "%" is a whole UTF-8 character, never a single byte of one.
class FormatScanner {
public:
    explicit FormatScanner(std::string_view format)
        : rest_(format) {}

    bool atEnd() const { return rest_.empty(); }
    FormatElement next();

private:
    FormatElement takeLiteral(std::size_t offset, std::size_t length, std::size_t consumed);
    FormatElement takeToken(char notation, char channel, bool web, std::size_t consumed);

    std::string_view rest_;
};

} // namespace tintmere
