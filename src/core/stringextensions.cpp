// SPDX-License-Identifier: GPL-3.0-or-later
#include "stringextensions.h"

#include "utf8.h"

#include <algorithm>
#include <array>

namespace tintmere {

namespace {

struct CodePointRange {
    char32_t first;
    char32_t last;
};

constexpr CodePointRange kPunctuationRanges[] = {
#include "punctuationtable.inc"
};

// Tabs, line breaks and the space separators (categories Zs, Zl, Zp), plus U+0085.
constexpr CodePointRange kWhitespaceRanges[] = {
    {0x0009, 0x000D}, {0x0020, 0x0020}, {0x0085, 0x0085}, {0x00A0, 0x00A0}, {0x1680, 0x1680},
    {0x2000, 0x200A}, {0x2028, 0x2029}, {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000},
};

template <std::size_t N>
bool rangesContain(const CodePointRange (&ranges)[N], char32_t codePoint) {
    const auto* it = std::upper_bound(
        std::begin(ranges), std::end(ranges), codePoint,
        [](char32_t value, const CodePointRange& range) { return value < range.first; });
    return it != std::begin(ranges) && codePoint <= std::prev(it)->last;
}

// Most colour text is ASCII; a table answers it without a search.
constexpr std::array<bool, 128> asciiTable(const CodePointRange* first,
                                           const CodePointRange* last) {
    std::array<bool, 128> table{};
    for (; first != last; ++first) {
        for (char32_t c = first->first; c <= first->last && c < 128; ++c) {
            table[c] = true;
        }
    }
    return table;
}

constexpr auto kAsciiWhitespace =
    asciiTable(std::begin(kWhitespaceRanges), std::end(kWhitespaceRanges));
constexpr auto kAsciiPunctuation =
    asciiTable(std::begin(kPunctuationRanges), std::end(kPunctuationRanges));

} // namespace

bool characterSetContains(CharacterSet set, char32_t codePoint) {
    const bool whitespace = set == CharacterSet::WhitespaceAndNewline;
    if (codePoint < 128) {
        return whitespace ? kAsciiWhitespace[codePoint] : kAsciiPunctuation[codePoint];
    }
    return whitespace ? rangesContain(kWhitespaceRanges, codePoint)
                      : rangesContain(kPunctuationRanges, codePoint);
}

std::string stringByReplacingCharactersInSet(std::string_view text, CharacterSet set,
                                             std::string_view replacement) {
    std::string result;
    for (std::size_t pos = 0; pos < text.size();) {
        const utf8::CodePoint cp = utf8::decode(text, pos);
        if (characterSetContains(set, cp.value)) {
            result += replacement;
        } else {
            result += text.substr(pos, cp.length); // whole characters, never truncated
        }
        pos += cp.length;
    }
    return result;
}

std::string stringByRemovingCharactersInSet(std::string_view text, CharacterSet set) {
    return stringByReplacingCharactersInSet(text, set, {});
}

} // namespace tintmere
