// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatpresets.h"

#include "formatwriter.h"

#include <array>

namespace tintmere {

namespace {

// Case rules of the presets: by the "Uppercase" switch, or fixed.
enum class CaseRule { BySetting, Lower, Upper };

// Scanned once: the presets are written for every refresh, tooltip and drag.
struct Programs {
    // By [no prefix][shorthand]; the prefix is kHexPrefix.
    FormatProgram hex[2][2] = {{FormatProgram("#%Xr%Xg%Xb"), FormatProgram("#%xr%xg%xb")},
                               {FormatProgram("%Xr%Xg%Xb"), FormatProgram("%xr%xg%xb")}};
    FormatProgram rgb[2] = {FormatProgram("RGB(%0r,%0g,%0b)"), FormatProgram("rgb(%0r,%0g,%0b)")};
    FormatProgram web[6] = {
        FormatProgram("#%wxr%wxg%wxb"),       FormatProgram("#%wXr%wXg%wXb"),
        FormatProgram("%wxr%wxg%wxb"),        FormatProgram("%wXr%wXg%wXb"),
        FormatProgram("rgb(%w0r,%w0g,%w0b)"), FormatProgram("RGB(%w0r,%w0g,%w0b)")};
};
static_assert(kHexPrefix == "#");

const Programs& programs() {
    static const Programs instance;
    return instance;
}

constexpr std::array<CaseRule, 6> kWebCaseRules = {CaseRule::BySetting, CaseRule::BySetting,
                                                   CaseRule::BySetting, CaseRule::BySetting,
                                                   CaseRule::Lower,     CaseRule::Upper};

TextCase caseOf(CaseRule rule, const FormatSettings& settings) {
    switch (rule) {
    case CaseRule::BySetting:
        break;
    case CaseRule::Lower:
        return TextCase::Lower;
    case CaseRule::Upper:
        return TextCase::Upper;
    }
    return settings.useUppercase ? TextCase::Upper : TextCase::Lower;
}

} // namespace

std::string hexStringOfColor(const Color& color, const FormatSettings& settings) {
    return programs().hex[settings.hexVariant != 0][settings.useShorthand ? 1 : 0].write(
        color, caseOf(CaseRule::BySetting, settings));
}

std::string rgbStringOfColor(const Color& color, const FormatSettings& settings) {
    return programs().rgb[settings.rgbVariant != 0 ? 1 : 0].write(color);
}

std::string webStringOfColor(const Color& color, const FormatSettings& settings) {
    const bool known =
        settings.webVariant >= 0 && settings.webVariant < static_cast<int>(kWebCaseRules.size());
    const std::size_t variant = known ? settings.webVariant : kWebCaseRules.size() - 1;
    return programs().web[variant].write(color, caseOf(kWebCaseRules[variant], settings));
}

std::optional<std::string> stringOfColor(const Color& color, int family,
                                         const FormatSettings& settings) {
    switch (family) {
    case static_cast<int>(FormatFamily::Hex):
        return hexStringOfColor(color, settings);
    case static_cast<int>(FormatFamily::Rgb):
        return rgbStringOfColor(color, settings);
    case static_cast<int>(FormatFamily::Web):
        return webStringOfColor(color, settings);
    default:
        return std::nullopt;
    }
}

} // namespace tintmere
