// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tintmere {

enum class Channel { Red, Green, Blue };

// An RGB colour with alpha, each component a 32-bit float in 0..1. Components outside 0..1
// (only code that fills the fields by hand can make them) are limited to 0..1 wherever they
// are turned into digits or levels; NaN counts as 0. Every digit the user sees
// is derived from these floats with single-precision arithmetic, so the components are
// never widened or rounded on the way in. Convert to QColor only where Qt paints or
// transfers a colour: QColor keeps 16 bits a channel and would change digits.
struct Color {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 1.0f;

    // n / 255 divided in double precision and stored as float, so byteValue gives n back.
    static Color fromBytes(int red, int green, int blue);

    friend bool operator==(const Color&, const Color&) = default;

    float component(Channel channel) const;
    float& component(Channel channel);

    // Two-digit lowercase hex of the byte value ("%02x").
    std::string redHexComponent() const;
    std::string greenHexComponent() const;
    std::string blueHexComponent() const;

    // The component snapped to one of the six web-safe levels.
    float webRedComponent() const;
    float webGreenComponent() const;
    float webBlueComponent() const;

    // Hex of the snapped component: "00", "33", "66", "99", "cc" or "ff".
    std::string webRedHexComponent() const;
    std::string webGreenHexComponent() const;
    std::string webBlueHexComponent() const;

    // True when each channel's two hex digits are equal (every byte a multiple of 17).
    bool isShortColor() const;

    // One digit per channel when the whole colour is short, else two.
    std::string shortRedHexComponent() const;
    std::string shortGreenHexComponent() const;
    std::string shortBlueHexComponent() const;

    // First digit of the web hex component; always one digit.
    std::string webShortRedHexComponent() const;
    std::string webShortGreenHexComponent() const;
    std::string webShortBlueHexComponent() const;

    std::string hexStringWithPrefix(std::string_view prefix) const;
    std::string hexString() const;
    std::string shortHexStringWithPrefix(std::string_view prefix) const;
    std::string shortHexString() const;
    std::string webHexStringWithPrefix(std::string_view prefix) const;
    std::string webHexString() const;
    std::string webShortHexStringWithPrefix(std::string_view prefix) const;
    std::string webShortHexString() const;

    // Each channel snapped to its web-safe level; alpha is always 1.
    Color webColor() const;

    // Fills a format string of the colour format language ("%Xr%Xg%Xb", "rgb(%0r,%0g,%0b)").
    std::string colorValueWithFormat(std::string_view format) const;

    // Reads bare hex colour text with white space and punctuation ignored ("#ff9933",
    // " ff 99 33 ", "f93"): three digits, or six and more of which the first six count. No
    // colour for any other count or when a digit read is not hexadecimal.
    static std::optional<Color> colorFromHex(std::string_view text);

    // Reads colour text in the shape of the first matching format, ignoring case and white
    // space; no colour when none matches. Formats are read the way colorValueWithFormat writes
    // them ("%%" is a percent sign); the drop formats are prepared once, others on each call.
    static std::optional<Color> colorFromString(std::string_view text,
                                                std::span<const std::string_view> formats);
};

// The format of colour text stored in settings, palette files and the favorites library.
inline constexpr std::string_view kStoredColorFormat = "%Xr%Xg%Xb";

// A component limited to 0..1; NaN gives 0. Every parser passes its results through this.
float clampComponent(double value);

// The byte value of a component: the single-precision product with 255, truncated.
int byteValue(float component);

// The web-safe level (0, 0.2, 0.4, 0.6, 0.8 or 1) for one component.
float snapToWebsafe(float component);

// One or two hex digits to a component: one digit is doubled ("f" is 255), extra
// characters are ignored, empty text gives 0. Meant for hex digits; other characters give
// digit values by hexToInt, and the result is limited to 0..1.
float colorComponentFromHexComponent(std::string_view hexComponent);

// '0'-'9' give 0-9, any other character its uppercase code minus 55 ('a'/'A' give 10).
int hexToInt(char c);

} // namespace tintmere
