// SPDX-License-Identifier: GPL-3.0-or-later
#include "color.h"

#include "formatwriter.h"
#include "utf8.h"

#include <algorithm>
#include <cmath>

namespace tintmere {

namespace {

// Components outside 0..1 can only come from code that builds a Color by hand; they are
// limited first so every byte value is 0-255 and every hex component two digits.
float scaled(float component) {
    return clampComponent(component) * 255.0f;
}

bool hasDoubledDigits(int byte) {
    return (byte >> 4) == (byte & 0xF);
}

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

float Color::component(Channel channel) const {
    return componentOf(*this, channel);
}

float& Color::component(Channel channel) {
    return componentOf(*this, channel);
}

std::string Color::redHexComponent() const {
    return writeColorValue(*this, "%Xr");
}
std::string Color::greenHexComponent() const {
    return writeColorValue(*this, "%Xg");
}
std::string Color::blueHexComponent() const {
    return writeColorValue(*this, "%Xb");
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
    return writeColorValue(*this, "%wXr");
}
std::string Color::webGreenHexComponent() const {
    return writeColorValue(*this, "%wXg");
}
std::string Color::webBlueHexComponent() const {
    return writeColorValue(*this, "%wXb");
}

bool Color::isShortColor() const {
    return hasDoubledDigits(byteValue(red)) && hasDoubledDigits(byteValue(green)) &&
           hasDoubledDigits(byteValue(blue));
}

std::string Color::shortRedHexComponent() const {
    return writeColorValue(*this, "%xr");
}
std::string Color::shortGreenHexComponent() const {
    return writeColorValue(*this, "%xg");
}
std::string Color::shortBlueHexComponent() const {
    return writeColorValue(*this, "%xb");
}

std::string Color::webShortRedHexComponent() const {
    return writeColorValue(*this, "%wxr");
}
std::string Color::webShortGreenHexComponent() const {
    return writeColorValue(*this, "%wxg");
}
std::string Color::webShortBlueHexComponent() const {
    return writeColorValue(*this, "%wxb");
}

std::string Color::hexStringWithPrefix(std::string_view prefix) const {
    return std::string(prefix) + writeColorValue(*this, "%Xr%Xg%Xb");
}
std::string Color::hexString() const {
    return hexStringWithPrefix({});
}
std::string Color::shortHexStringWithPrefix(std::string_view prefix) const {
    return std::string(prefix) + writeColorValue(*this, "%xr%xg%xb");
}
std::string Color::shortHexString() const {
    return shortHexStringWithPrefix({});
}
std::string Color::webHexStringWithPrefix(std::string_view prefix) const {
    return std::string(prefix) + writeColorValue(*this, "%wXr%wXg%wXb");
}
std::string Color::webHexString() const {
    return webHexStringWithPrefix({});
}
std::string Color::webShortHexStringWithPrefix(std::string_view prefix) const {
    return std::string(prefix) + writeColorValue(*this, "%wxr%wxg%wxb");
}
std::string Color::webShortHexString() const {
    return webShortHexStringWithPrefix({});
}

Color Color::webColor() const {
    return {webRedComponent(), webGreenComponent(), webBlueComponent(), 1.0f};
}

std::string Color::colorValueWithFormat(std::string_view format) const {
    return writeColorValue(*this, format);
}

} // namespace tintmere
