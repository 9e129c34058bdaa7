// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatscanner.h"

#include "utf8.h"

namespace tintmere {

namespace {

bool isNotation(char c) {
    return c == 'x' || c == 'X' || (c >= '0' && c <= '5');
}

// Hex notations take either case of the channel letter; decimal and fraction only lowercase.
bool acceptsChannel(char notation, char channel) {
    switch (channel) {
    case 'r':
    case 'g':
    case 'b':
        return true;
    case 'R':
    case 'G':
    case 'B':
        return notation == 'x' || notation == 'X';
    default:
        return false;
    }
}

Channel channelOfLetter(char letter) {
    switch (utf8::asciiLower(letter)) {
    case 'r':
        return Channel::Red;
    case 'g':
        return Channel::Green;
    default:
        return Channel::Blue;
    }
}

} // namespace

FormatElement FormatScanner::takeLiteral(std::size_t offset, std::size_t length,
                                         std::size_t consumed) {
    FormatElement element;
    element.literal = rest_.substr(offset, length);
    rest_.remove_prefix(consumed);
    return element;
}

FormatElement FormatScanner::takeToken(char notation, char channel, bool web,
                                       std::size_t consumed) {
    FormatElement element;
    element.isToken = true;
    FormatToken& token = element.token;
    token.web = web;
    token.channel = channelOfLetter(channel);
    token.uppercase = channel >= 'A' && channel <= 'Z';
    if (notation == 'x') {
        token.notation = Notation::ShortHex;
    } else if (notation == 'X') {
        token.notation = Notation::Hex;
    } else if (notation == '0') {
        token.notation = Notation::Byte;
    } else {
        token.notation = Notation::Fraction;
        token.fractionDigits = notation - '0';
    }
    rest_.remove_prefix(consumed);
    return element;
}

FormatElement FormatScanner::next() {
    const std::size_t percent = rest_.find('%');
    if (percent != 0) {
        const std::size_t length = percent == std::string_view::npos ? rest_.size() : percent;
        return takeLiteral(0, length, length);
    }
    if (rest_.size() == 1) {
        return takeLiteral(0, 1, 1); // a lone "%" at the end stays
    }
    const std::size_t length1 = utf8::lengthAt(rest_, 1);
    if (1 + length1 == rest_.size()) {
        // One character after the final "%": "%%" is a percent sign, anything else is kept.
        return rest_[1] == '%' ? takeLiteral(1, 1, 2) : takeLiteral(0, rest_.size(), rest_.size());
    }
    const char c1 = rest_[1];
    const std::size_t length2 = utf8::lengthAt(rest_, 2);
    if (c1 == 'w') {
        if (2 + length2 == rest_.size()) {
            return takeLiteral(0, rest_.size(), rest_.size()); // "%w0" at the end stays
        }
        const char c2 = rest_[2];
        if (!isNotation(c2)) {
            return takeLiteral(1, 1 + length2, 2 + length2);
        }
        const char c3 = rest_[3];
        if (acceptsChannel(c2, c3)) {
            return takeToken(c2, c3, true, 4);
        }
        const std::size_t length3 = utf8::lengthAt(rest_, 3);
        return takeLiteral(1, 2 + length3, 3 + length3);
    }
    if (isNotation(c1)) {
        const char c2 = rest_[2];
        if (acceptsChannel(c1, c2)) {
            return takeToken(c1, c2, false, 3);
        }
        return takeLiteral(1, 1 + length2, 2 + length2);
    }
    // "%%" and "%" before any other character: the character alone.
    return takeLiteral(1, length1, 1 + length1);
}

} // namespace tintmere
