// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tintmere {

// The two character sets colour text is cleaned with. Text is UTF-8; sets are tested on
// whole code points.
enum class CharacterSet {
    WhitespaceAndNewline, // Unicode white space, including tabs and line breaks
    Punctuation,          // the Unicode punctuation categories (P*), e.g. # ( ) , . -
};

bool characterSetContains(CharacterSet set, char32_t codePoint);

std::string stringByReplacingCharactersInSet(std::string_view text, CharacterSet set,
                                             std::string_view replacement);
std::string stringByRemovingCharactersInSet(std::string_view text, CharacterSet set);

} // namespace tintmere
