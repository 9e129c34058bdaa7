// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace tintmere::utf8 {

// One code point of UTF-8 text and the bytes it occupies. A byte that does not start a
// well-formed sequence stands for itself (value 0xFFFD, length 1), so malformed text is
// walked byte by byte and copied unchanged rather than dropped.
struct CodePoint {
    char32_t value;
    std::size_t length;
};

inline constexpr char32_t kReplacement = 0xFFFD;

constexpr CodePoint decode(std::string_view text, std::size_t pos) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byteAt(pos);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return {kReplacement, 1};
    }
    if (text.size() - pos < length) {
        return {kReplacement, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byteAt(pos + i);
        if ((next & 0xC0) != 0x80) {
            return {kReplacement, 1};
        }
        value = (value << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return {kReplacement, 1};
    }
    return {value, length};
}

// Byte length of the code point at pos (1 for ASCII and for malformed bytes).
constexpr std::size_t lengthAt(std::string_view text, std::size_t pos) {
    return decode(text, pos).length;
}

constexpr char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char asciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace tintmere::utf8
