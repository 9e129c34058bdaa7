// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tintmere {

// The two character sets colour text is cleaned with. Text is UTF-8; sets are tested on
// whole code points.
enum class CharacterSet {
    WhitespaceAndNewline, // Unicode white space, including tabs and line breaks
    Punctuation,          // the Unicode punctuation categories (P*), e.g. # ( ) , . -
};

namespace detail {
// Membership of the ASCII characters, by set; colour text is nearly always ASCII.
extern const std::array<std::array<bool, 128>, 2> kAsciiMembership;
bool nonAsciiSetContains(CharacterSet set, char32_t codePoint);
} // namespace detail

inline bool characterSetContains(CharacterSet set, char32_t codePoint) {
    return codePoint < 128 ? detail::kAsciiMembership[static_cast<int>(set)][codePoint]
                           : detail::nonAsciiSetContains(set, codePoint);
}

std::string stringByReplacingCharactersInSet(std::string_view text, CharacterSet set,
                                             std::string_view replacement);
std::string stringByRemovingCharactersInSet(std::string_view text, CharacterSet set);

} // namespace tintmere
