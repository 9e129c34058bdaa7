// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatpresets.h"

#include "utf8.h"

#include <algorithm>
#include <array>

namespace tintmere {

namespace {

enum class CaseRule { BySetting, Lower, Upper };

struct WebPreset {
    std::string_view format;
    CaseRule caseRule;
};

constexpr std::array<WebPreset, 6> kWebPresets = {{
    {"#%wxr%wxg%wxb", CaseRule::BySetting},
    {"#%wXr%wXg%wXb", CaseRule::BySetting},
    {"%wxr%wxg%wxb", CaseRule::BySetting},
    {"%wXr%wXg%wXb", CaseRule::BySetting},
    {"rgb(%w0r,%w0g,%w0b)", CaseRule::Lower},
    {"RGB(%w0r,%w0g,%w0b)", CaseRule::Upper},
}};

std::string convertedCase(std::string text, bool uppercase) {
    std::transform(text.begin(), text.end(), text.begin(),
                   uppercase ? utf8::asciiUpper : utf8::asciiLower);
    return text;
}

} // namespace

std::string hexStringOfColor(const Color& color, const FormatSettings& settings) {
    const std::string_view prefix = settings.hexVariant == 0 ? kHexPrefix : std::string_view{};
    return convertedCase(settings.useShorthand ? color.shortHexStringWithPrefix(prefix)
                                               : color.hexStringWithPrefix(prefix),
                         settings.useUppercase);
}

std::string rgbStringOfColor(const Color& color, const FormatSettings& settings) {
    return color.colorValueWithFormat(settings.rgbVariant == 0 ? "RGB(%0r,%0g,%0b)"
                                                               : "rgb(%0r,%0g,%0b)");
}

std::string webStringOfColor(const Color& color, const FormatSettings& settings) {
    const bool known = settings.webVariant >= 0 && settings.webVariant < int(kWebPresets.size());
    const WebPreset& preset = kWebPresets[known ? settings.webVariant : kWebPresets.size() - 1];
    const bool uppercase = preset.caseRule == CaseRule::BySetting
                               ? settings.useUppercase
                               : preset.caseRule == CaseRule::Upper;
    return convertedCase(color.colorValueWithFormat(preset.format), uppercase);
}

std::optional<std::string> stringOfColor(const Color& color, int family,
                                         const FormatSettings& settings) {
    switch (family) {
    case int(FormatFamily::Hex):
        return hexStringOfColor(color, settings);
    case int(FormatFamily::Rgb):
        return rgbStringOfColor(color, settings);
    case int(FormatFamily::Web):
        return webStringOfColor(color, settings);
    default:
        return std::nullopt;
    }
}

} // namespace tintmere
