// SPDX-License-Identifier: GPL-3.0-or-later
#include "csscolor.h"

#include "colormodels.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

namespace tintmere {

namespace {

struct NamedColor {
    std::string_view name;
    unsigned rgb;
};

constexpr NamedColor kNamedColors[] = {
#include "cssnames.inc"
};

Color colorOfNamed(const NamedColor& named) {
    return Color::fromBytes(static_cast<int>(named.rgb >> 16),
                            static_cast<int>(named.rgb >> 8 & 0xFF),
                            static_cast<int>(named.rgb & 0xFF));
}

// Fixed decimals without trailing zeros; never "-0".
std::string number(double value, int decimals) {
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    std::string text(buffer.data(), error == std::errc{} ? end : buffer.data());
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text == "-0" ? "0" : text;
}

std::string alphaSuffix(const Color& color) {
    const double alpha = clampComponent(color.alpha);
    return alpha < 1.0 ? " / " + number(alpha, 3) : std::string();
}

// --- reading ---

// CSS colour text is short; anything longer is not a colour and is not looked at further.
constexpr std::size_t kLongestColorText = 256;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isLetter(char c) {
    return c >= 'a' && c <= 'z';
}

enum class Unit { Number, Percent, Angle, None };

struct Value {
    double number = 0.0;
    Unit unit = Unit::Number;
};

struct Arguments {
    std::vector<Value> values;
    bool commas = false; // the comma syntax
    bool slash = false;  // the space syntax with an alpha after "/"
};

std::optional<double> angleFactor(std::string_view unit) {
    if (unit == "deg") {
        return 1.0;
    }
    if (unit == "grad") {
        return 0.9;
    }
    if (unit == "rad") {
        return 180.0 / std::numbers::pi;
    }
    if (unit == "turn") {
        return 360.0;
    }
    return std::nullopt;
}

// One value at pos: a number with an optional unit or percent sign, or "none".
std::optional<Value> readValue(std::string_view text, std::size_t& pos) {
    if (text.substr(pos).starts_with("none")) {
        pos += 4;
        return Value{0.0, Unit::None};
    }
    std::size_t start = pos;
    if (pos < text.size() && text[pos] == '+') {
        ++start;
    }
    const bool negative = start < text.size() && text[start] == '-';
    const std::size_t digits = negative ? start + 1 : start;
    if (digits >= text.size() || !(utf8::isDigit(text[digits]) || text[digits] == '.')) {
        return std::nullopt;
    }
    Value value;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + text.size(), value.number);
    if (error != std::errc{} || !std::isfinite(value.number)) {
        return std::nullopt;
    }
    pos = static_cast<std::size_t>(end - text.data());
    if (pos < text.size() && text[pos] == '%') {
        ++pos;
        value.unit = Unit::Percent;
        return value;
    }
    const std::size_t unitStart = pos;
    while (pos < text.size() && isLetter(text[pos])) {
        ++pos;
    }
    if (pos > unitStart) {
        const std::optional<double> factor = angleFactor(text.substr(unitStart, pos - unitStart));
        if (!factor) {
            return std::nullopt;
        }
        value.number *= *factor;
        value.unit = Unit::Angle;
    }
    return value;
}

// The values between the parentheses: three, and an alpha, separated either by commas or
// by white space with "/" before the alpha.
std::optional<Arguments> readArguments(std::string_view text) {
    Arguments arguments;
    std::size_t pos = 0;
    bool sawComma = false;
    bool sawSpaceOnly = false;
    while (true) {
        while (pos < text.size() && isSpace(text[pos])) {
            ++pos;
        }
        const std::optional<Value> value = readValue(text, pos);
        if (!value || arguments.values.size() == 4) {
            return std::nullopt;
        }
        arguments.values.push_back(*value);
        const std::size_t afterValue = pos;
        while (pos < text.size() && isSpace(text[pos])) {
            ++pos;
        }
        if (pos == text.size()) {
            break;
        }
        if (text[pos] == ',') {
            sawComma = true;
            ++pos;
        } else if (text[pos] == '/') {
            if (arguments.slash || arguments.values.size() != 3) {
                return std::nullopt;
            }
            arguments.slash = true;
            ++pos;
        } else if (pos > afterValue) {
            sawSpaceOnly = true;
        } else {
            return std::nullopt; // two values run together, or a stray character
        }
    }
    const std::size_t count = arguments.values.size();
    arguments.commas = sawComma;
    const bool spaceForm = !sawComma && count == (arguments.slash ? 4u : 3u);
    const bool commaForm = sawComma && !sawSpaceOnly && !arguments.slash && count >= 3;
    if (!spaceForm && !commaForm) {
        return std::nullopt;
    }
    if (commaForm && std::any_of(arguments.values.begin(), arguments.values.end(),
                                 [](const Value& v) { return v.unit == Unit::None; })) {
        return std::nullopt;
    }
    return arguments;
}

// A value that must be a number or a percentage; `full` is what 100% stands for.
std::optional<double> scalar(const Value& value, double full) {
    switch (value.unit) {
    case Unit::Number:
        return value.number;
    case Unit::Percent:
        return value.number / 100.0 * full;
    case Unit::None:
        return 0.0;
    case Unit::Angle:
        break;
    }
    return std::nullopt;
}

std::optional<double> hue(const Value& value) {
    return value.unit == Unit::Percent ? std::nullopt : std::optional(value.number);
}

std::optional<float> alphaOf(const Arguments& arguments) {
    if (arguments.values.size() < 4) {
        return 1.0f;
    }
    const std::optional<double> alpha = scalar(arguments.values[3], 1.0);
    return alpha ? std::optional(clampComponent(*alpha)) : std::nullopt;
}

std::optional<Color> colorFromFunction(std::string_view name, const Arguments& arguments) {
    const std::vector<Value>& v = arguments.values;
    const std::optional<float> alpha = alphaOf(arguments);
    if (!alpha) {
        return std::nullopt;
    }
    if (name == "rgb" || name == "rgba") {
        std::array<double, 3> rgb{};
        for (std::size_t i = 0; i < rgb.size(); ++i) {
            const std::optional<double> c = scalar(v[i], 255.0);
            if (!c) {
                return std::nullopt;
            }
            rgb[i] = *c / 255.0;
        }
        return Color{clampComponent(rgb[0]), clampComponent(rgb[1]), clampComponent(rgb[2]),
                     *alpha};
    }
    if (name == "hsl" || name == "hsla") {
        // The space syntax also takes plain numbers as percentages.
        const std::optional<double> h = hue(v[0]);
        const std::optional<double> s = scalar(v[1], 100.0);
        const std::optional<double> l = scalar(v[2], 100.0);
        if (!h || !s || !l ||
            (arguments.commas && (v[1].unit != Unit::Percent || v[2].unit != Unit::Percent))) {
            return std::nullopt;
        }
        return colorFromHSL({*h, *s / 100.0, *l / 100.0}, *alpha);
    }
    if (arguments.commas) {
        return std::nullopt;
    }
    if (name == "oklch") {
        const std::optional<double> l = scalar(v[0], 1.0);
        const std::optional<double> c = scalar(v[1], 0.4);
        const std::optional<double> h = hue(v[2]);
        if (!l || !c || !h) {
            return std::nullopt;
        }
        return colorFromOKLCH({std::clamp(*l, 0.0, 1.0), std::max(*c, 0.0), *h}, *alpha);
    }
    if (name == "oklab") {
        const std::optional<double> l = scalar(v[0], 1.0);
        const std::optional<double> a = scalar(v[1], 0.4);
        const std::optional<double> b = scalar(v[2], 0.4);
        if (!l || !a || !b) {
            return std::nullopt;
        }
        return colorFromOKLab({std::clamp(*l, 0.0, 1.0), *a, *b}, *alpha);
    }
    return std::nullopt;
}

std::optional<Color> colorFromHash(std::string_view digits) {
    if (!std::all_of(digits.begin(), digits.end(), utf8::isHexDigit)) {
        return std::nullopt;
    }
    const std::size_t count = digits.size();
    if (count != 3 && count != 4 && count != 6 && count != 8) {
        return std::nullopt;
    }
    const std::size_t width = count <= 4 ? 1 : 2;
    std::optional<Color> color = Color::colorFromHex(digits.substr(0, 3 * width));
    if (color && count % 3 != 0) {
        color->alpha = colorComponentFromHexComponent(digits.substr(3 * width));
    }
    return color;
}

} // namespace

std::string cssRGBString(const Color& color) {
    return "rgb(" + std::to_string(byteValue(color.red)) + ' ' +
           std::to_string(byteValue(color.green)) + ' ' + std::to_string(byteValue(color.blue)) +
           alphaSuffix(color) + ')';
}

std::string cssHSLString(const Color& color) {
    const HSL hsl = hslFromColor(color);
    return "hsl(" + number(hsl.hue, 1) + ' ' + number(hsl.saturation * 100.0, 1) + "% " +
           number(hsl.lightness * 100.0, 1) + '%' + alphaSuffix(color) + ')';
}

std::string cssOKLCHString(const Color& color) {
    const OKLCH lch = oklchFromColor(color);
    const std::string chroma = number(lch.chroma, 5);
    // A hue that cannot be seen is written as 0.
    const std::string hue = chroma == "0" ? "0" : number(lch.hue, 2);
    return "oklch(" + number(lch.lightness, 5) + ' ' + chroma + ' ' + (hue == "360" ? "0" : hue) +
           alphaSuffix(color) + ')';
}

std::string cssHexAlphaString(const Color& color) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const int alpha = byteValue(color.alpha);
    return color.hexStringWithPrefix("#") + kDigits[alpha >> 4] + kDigits[alpha & 0xF];
}

NamedColorMatch nearestNamedColor(const Color& color) {
    static const auto labs = [] {
        std::array<OKLab, std::size(kNamedColors)> result{};
        for (std::size_t i = 0; i < result.size(); ++i) {
            result[i] = oklabFromColor(colorOfNamed(kNamedColors[i]));
        }
        return result;
    }();
    const OKLab lab = oklabFromColor(color);
    std::size_t best = 0;
    double bestDistance = deltaEOK(lab, labs[0]);
    for (std::size_t i = 1; i < labs.size(); ++i) {
        const double distance = deltaEOK(lab, labs[i]);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return {kNamedColors[best].name, colorOfNamed(kNamedColors[best]), bestDistance};
}

std::string cssNameString(const Color& color) {
    const NamedColorMatch match = nearestNamedColor(color);
    std::string text(match.name);
    if (match.distance > 0.0) {
        const bool tiny = match.distance < 0.0005;
        text += " (ΔEOK " + (tiny ? "< 0.001" : number(match.distance, 3)) + ')';
    }
    return text;
}

std::optional<Color> colorFromCSSName(std::string_view name) {
    if (name.size() > 32) {
        return std::nullopt;
    }
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), utf8::asciiLower);
    const auto found = std::lower_bound(
        std::begin(kNamedColors), std::end(kNamedColors), lower,
        [](const NamedColor& named, const std::string& key) { return named.name < key; });
    if (found == std::end(kNamedColors) || found->name != lower) {
        return std::nullopt;
    }
    return colorOfNamed(*found);
}

std::optional<Color> colorFromCSS(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty() || text.size() > kLongestColorText) {
        return std::nullopt;
    }
    if (text.front() == '#') {
        return colorFromHash(text.substr(1));
    }
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), utf8::asciiLower);
    const std::size_t open = lower.find('(');
    if (open == std::string::npos) {
        return colorFromCSSName(lower);
    }
    if (lower.back() != ')') {
        return std::nullopt;
    }
    const std::optional<Arguments> arguments =
        readArguments(std::string_view(lower).substr(open + 1, lower.size() - open - 2));
    return arguments ? colorFromFunction(std::string_view(lower).substr(0, open), *arguments)
                     : std::nullopt;
}

} // namespace tintmere
