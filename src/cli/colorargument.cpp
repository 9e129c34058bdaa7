// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorargument.h"

#include "commandline.h"
#include "csscolor.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace tintmere::cli {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<float> wholeNumber(std::string_view text) {
    text = trimmed(text);
    float value = 0.0f;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Three numbers separated by commas, or no value when the text is not of that shape.
std::optional<std::array<float, 3>> componentTriple(std::string_view text) {
    std::array<float, 3> components{};
    for (std::size_t i = 0; i < components.size(); ++i) {
        const std::size_t comma = text.find(',');
        if ((i < 2) == (comma == std::string_view::npos)) {
            return std::nullopt;
        }
        const auto number = wholeNumber(text.substr(0, comma));
        if (!number) {
            return std::nullopt;
        }
        components[i] = *number;
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
    return components;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string prefixed(const std::string& origin) {
    return origin.empty() ? std::string() : origin + ": ";
}

} // namespace

Color readColorArgument(std::string_view text, const std::string& origin) {
    if (const auto components = componentTriple(text)) {
        for (const float c : *components) {
            if (!(c >= 0.0f && c <= 1.0f)) {
                throw UsageError(prefixed(origin) + "colour " + quoted(text) +
                                 " has a component outside 0 to 1");
            }
        }
        // + 0.0f turns "-0" into 0.
        return Color{(*components)[0] + 0.0f, (*components)[1] + 0.0f, (*components)[2] + 0.0f,
                     1.0f};
    }
    // CSS first, so that "#ff993380" keeps its alpha; the hex reader takes what CSS does not
    // ("ff9933", "# ff 99 33").
    if (const auto color = tintmere::colorFromCSS(text)) {
        return *color;
    }
    if (const auto color = Color::colorFromHex(text)) {
        return *color;
    }
    throw UsageError(prefixed(origin) + "cannot read colour " + quoted(text) +
                     ": give three components from 0 to 1 (\"1,0.6,0.2\"), hex digits "
                     "(\"ff9933\", \"#f93\") or CSS colour text (\"rebeccapurple\", "
                     "\"hsl(210 50% 40%)\")");
}

} // namespace tintmere::cli
