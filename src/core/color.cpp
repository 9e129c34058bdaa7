// SPDX-License-Identifier: GPL-3.0-or-later
#include "color.h"

#include "formatscanner.h"
#include "utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tintmere {

namespace {

constexpr char kLowerDigits[] = "0123456789abcdef";
constexpr char kUpperDigits[] = "0123456789ABCDEF";

// Components outside 0..1 can only come from code that builds a Color by hand; they are
// limited first so every byte value is 0-255 and every hex component two digits.
float limited(float component) {
    return std::isnan(component) ? 0.0f : std::clamp(component, 0.0f, 1.0f);
}

// The single-precision product the byte value and the web-safe bands are both taken from.
float scaled(float component) {
    return limited(component) * 255.0f;
}

void appendHexDigits(std::string& out, int byte, int digits, bool uppercase) {
    const char* table = uppercase ? kUpperDigits : kLowerDigits;
    if (digits == 2) {
        out += table[(byte >> 4) & 0xF];
        out += table[byte & 0xF];
    } else {
        out += table[(byte >> 4) & 0xF];
    }
}

std::string hexDigits(int byte, int digits) {
    std::string out;
    appendHexDigits(out, byte, digits, false);
    return out;
}

bool hasDoubledDigits(int byte) {
    return (byte >> 4) == (byte & 0xF);
}

void appendDecimal(std::string& out, double value, int fractionDigits) {
    char buffer[32];
    const auto result =
        fractionDigits == 0
            ? std::to_chars(std::begin(buffer), std::end(buffer), static_cast<int>(value))
            : std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::fixed,
                            fractionDigits);
    out.append(buffer, result.ptr);
}

void appendToken(std::string& out, const Color& color, const FormatToken& token) {
    const float exact = color.component(token.channel);
    const float component = token.web ? snapToWebsafe(exact) : exact;
    switch (token.notation) {
    case Notation::ShortHex: {
        // Every web-safe level doubles its digits, so the web form is always one digit.
        const bool oneDigit = token.web || color.isShortColor();
        appendHexDigits(out, byteValue(component), oneDigit ? 1 : 2, token.uppercase);
        break;
    }
    case Notation::Hex:
        appendHexDigits(out, byteValue(component), 2, token.uppercase);
        break;
    case Notation::Byte:
        appendDecimal(out, byteValue(component), 0);
        break;
    case Notation::Fraction:
        appendDecimal(out, static_cast<double>(limited(component)), token.fractionDigits);
        break;
    }
}

} // namespace

float clampComponent(double value) {
    return std::isnan(value) ? 0.0f : static_cast<float>(std::clamp(value, 0.0, 1.0));
}

int byteValue(float component) {
    return static_cast<int>(scaled(component));
}

float snapToWebsafe(float component) {
    const float x = scaled(component); // never negative, so the lowest band needs no lower bound
    if (x < 26.0f) {
        return 0.0f;
    }
    if (x < 77.0f) {
        return 0.2f;
    }
    if (x < 128.0f) {
        return 0.4f;
    }
    if (x < 179.0f) {
        return 0.6f;
    }
    if (x < 230.0f) {
        return 0.8f;
    }
    return 1.0f;
}

int hexToInt(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return static_cast<unsigned char>(utf8::asciiUpper(c)) - 55;
}

float colorComponentFromHexComponent(std::string_view hexComponent) {
    if (hexComponent.empty()) {
        return 0.0f;
    }
    const int high = hexToInt(hexComponent[0]);
    const int low = hexComponent.size() == 1 ? high : hexToInt(hexComponent[1]);
    return clampComponent((high * 16 + low) / 255.0);
}

Color Color::fromBytes(int red, int green, int blue) {
    return {clampComponent(red / 255.0), clampComponent(green / 255.0),
            clampComponent(blue / 255.0), 1.0f};
}

namespace {
template <typename SomeColor>
auto& componentOf(SomeColor& color, Channel channel) {
    switch (channel) {
    case Channel::Red:
        return color.red;
    case Channel::Green:
        return color.green;
    case Channel::Blue:
        break;
    }
    return color.blue;
}
} // namespace

float Color::component(Channel channel) const {
    return componentOf(*this, channel);
}

float& Color::component(Channel channel) {
    return componentOf(*this, channel);
}

std::string Color::redHexComponent() const {
    return hexDigits(byteValue(red), 2);
}
std::string Color::greenHexComponent() const {
    return hexDigits(byteValue(green), 2);
}
std::string Color::blueHexComponent() const {
    return hexDigits(byteValue(blue), 2);
}

float Color::webRedComponent() const {
    return snapToWebsafe(red);
}
float Color::webGreenComponent() const {
    return snapToWebsafe(green);
}
float Color::webBlueComponent() const {
    return snapToWebsafe(blue);
}

std::string Color::webRedHexComponent() const {
    return hexDigits(byteValue(webRedComponent()), 2);
}
std::string Color::webGreenHexComponent() const {
    return hexDigits(byteValue(webGreenComponent()), 2);
}
std::string Color::webBlueHexComponent() const {
    return hexDigits(byteValue(webBlueComponent()), 2);
}

bool Color::isShortColor() const {
    return hasDoubledDigits(byteValue(red)) && hasDoubledDigits(byteValue(green)) &&
           hasDoubledDigits(byteValue(blue));
}

std::string Color::shortRedHexComponent() const {
    return hexDigits(byteValue(red), isShortColor() ? 1 : 2);
}
std::string Color::shortGreenHexComponent() const {
    return hexDigits(byteValue(green), isShortColor() ? 1 : 2);
}
std::string Color::shortBlueHexComponent() const {
    return hexDigits(byteValue(blue), isShortColor() ? 1 : 2);
}

std::string Color::webShortRedHexComponent() const {
    return hexDigits(byteValue(webRedComponent()), 1);
}
std::string Color::webShortGreenHexComponent() const {
    return hexDigits(byteValue(webGreenComponent()), 1);
}
std::string Color::webShortBlueHexComponent() const {
    return hexDigits(byteValue(webBlueComponent()), 1);
}

std::string Color::hexStringWithPrefix(std::string_view prefix) const {
    return std::string(prefix) + colorValueWithFormat("%Xr%Xg%Xb");
}
std::string Color::hexString() const {
    return hexStringWithPrefix({});
}
std::string Color::shortHexStringWithPrefix(std::string_view prefix) const {
    return std::string(prefix) + colorValueWithFormat("%xr%xg%xb");
}
std::string Color::shortHexString() const {
    return shortHexStringWithPrefix({});
}
std::string Color::webHexStringWithPrefix(std::string_view prefix) const {
    return std::string(prefix) + colorValueWithFormat("%wXr%wXg%wXb");
}
std::string Color::webHexString() const {
    return webHexStringWithPrefix({});
}
std::string Color::webShortHexStringWithPrefix(std::string_view prefix) const {
    return std::string(prefix) + colorValueWithFormat("%wxr%wxg%wxb");
}
std::string Color::webShortHexString() const {
    return webShortHexStringWithPrefix({});
}

Color Color::webColor() const {
    return {webRedComponent(), webGreenComponent(), webBlueComponent(), 1.0f};
}

std::string Color::colorValueWithFormat(std::string_view format) const {
    std::string out;
    FormatScanner scanner(format);
    while (!scanner.atEnd()) {
        const FormatElement element = scanner.next();
        if (element.isToken) {
            appendToken(out, *this, element.token);
        } else {
            out += element.literal;
        }
    }
    return out;
}

} // namespace tintmere
