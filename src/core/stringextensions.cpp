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

template <std::size_t N>
constexpr std::array<bool, 128> asciiMembers(const CodePointRange (&ranges)[N]) {
    std::array<bool, 128> table{};
    for (const CodePointRange& range : ranges) {
        for (char32_t c = range.first; c <= range.last && c < 128; ++c) {
            table[c] = true;
        }
    }
    return table;
}

} // namespace

namespace detail {

// Indexed by CharacterSet.
constexpr std::array<std::array<bool, 128>, 2> kAsciiMembership = {
    asciiMembers(kWhitespaceRanges), asciiMembers(kPunctuationRanges)};
static_assert(static_cast<int>(CharacterSet::WhitespaceAndNewline) == 0 &&
              static_cast<int>(CharacterSet::Punctuation) == 1);

bool nonAsciiSetContains(CharacterSet set, char32_t codePoint) {
    return set == CharacterSet::WhitespaceAndNewline ? rangesContain(kWhitespaceRanges, codePoint)
                                                     : rangesContain(kPunctuationRanges, codePoint);
}

} // namespace detail

std::string stringByReplacingCharactersInSet(std::string_view text, CharacterSet set,
                                             std::string_view replacement) {
    std::string result;
    std::size_t kept = 0; // start of the characters not yet copied
    for (std::size_t pos = 0; pos < text.size();) {
        const utf8::CodePoint cp = utf8::decode(text, pos);
        if (characterSetContains(set, cp.value)) {
            result.append(text.substr(kept, pos - kept)).append(replacement);
            kept = pos + cp.length;
        }
        pos += cp.length;
    }
    // Whole characters are copied, never parts of them.
    return result.append(text.substr(kept));
}

std::string stringByRemovingCharactersInSet(std::string_view text, CharacterSet set) {
    return stringByReplacingCharactersInSet(text, set, {});
}

} // namespace tintmere
