// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorparsing.h"

#include "color.h"
#include "csscolor.h"
#include "formatpattern.h"
#include "stringextensions.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace tintmere {

namespace {

// Case and white space never matter to the drop readers.
std::string cleanText(std::string_view text) {
    std::string clean = stringByRemovingCharactersInSet(text, CharacterSet::WhitespaceAndNewline);
    std::transform(clean.begin(), clean.end(), clean.begin(), utf8::asciiLower);
    return clean;
}

// Patterns are prepared once for the drop formats, which every drop reads, and on each call
// for any other format.
class PatternSource {
public:
    const FormatPattern& patternFor(std::span<const std::string_view> formats, std::size_t index) {
        const std::string_view format = formats[index];
        static const auto dropPatterns = []<std::size_t... I>(std::index_sequence<I...>) {
            return std::array{FormatPattern(kDropFormats[I])...};
        }
        (std::make_index_sequence<kDropFormats.size()>());
        if (formats.data() == kDropFormats.data()) {
            return dropPatterns[index];
        }
        for (std::size_t i = 0; i < kDropFormats.size(); ++i) {
            if (kDropFormats[i] == format) {
                return dropPatterns[i];
            }
        }
        return other_.emplace(format);
    }

private:
    std::optional<FormatPattern> other_;
};

struct Match {
    std::size_t index;
    Color color;
};

std::optional<Match> findMatch(std::string_view text, std::span<const std::string_view> formats,
                               bool readComponents) {
    const std::string clean = cleanText(text);
    PatternSource source;
    for (std::size_t i = 0; i < formats.size(); ++i) {
        const FormatPattern& pattern = source.patternFor(formats, i);
        if (pattern.matches(clean)) {
            return Match{i, readComponents ? pattern.readColor(clean) : Color{}};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::size_t> matchString(std::string_view text,
                                       std::span<const std::string_view> formats) {
    const auto match = findMatch(text, formats, false);
    return match ? std::optional(match->index) : std::nullopt;
}

std::optional<Color> Color::colorFromString(std::string_view text,
                                            std::span<const std::string_view> formats) {
    const auto match = findMatch(text, formats, true);
    return match ? std::optional(match->color) : std::nullopt;
}

std::optional<Color> colorFromPastedText(std::string_view text) {
    if (const std::optional<Color> color = Color::colorFromString(text, kDropFormats)) {
        return color;
    }
    return colorFromCSS(text);
}

std::optional<Color> Color::colorFromHex(std::string_view text) {
    // The characters left after removing white space and punctuation: three, or six and
    // more of which the first six count. Non-ASCII characters are kept as '\0', a non-digit.
    std::array<char, 6> digits{};
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size() && count < digits.size();) {
        const utf8::CodePoint cp = utf8::decode(text, pos);
        if (!characterSetContains(CharacterSet::WhitespaceAndNewline, cp.value) &&
            !characterSetContains(CharacterSet::Punctuation, cp.value)) {
            digits[count++] = cp.length == 1 ? text[pos] : '\0';
        }
        pos += cp.length;
    }
    if (count != 3 && count != 6) {
        return std::nullopt;
    }
    const std::string_view read(digits.data(), count);
    if (!std::all_of(read.begin(), read.end(), utf8::isHexDigit)) {
        return std::nullopt;
    }
    const std::size_t width = count / 3;
    return Color{colorComponentFromHexComponent(read.substr(0, width)),
                 colorComponentFromHexComponent(read.substr(width, width)),
                 colorComponentFromHexComponent(read.substr(2 * width, width)), 1.0f};
}

} // namespace tintmere
