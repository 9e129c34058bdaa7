// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelcomponents.h"

#include "colormodels.h"

#include <algorithm>
#include <cmath>

namespace tintmere {

namespace {

double roundedTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

bool readsZero(double value, const ComponentScale& scale) {
    return roundedTo(value, scale.decimals) == 0.0;
}

bool readsMaximum(double value, const ComponentScale& scale) {
    return roundedTo(value, scale.decimals) == scale.maximum;
}

Color roundedToBytes(const Color& color) {
    const auto byte = [](float component) {
        return int(std::lround(std::clamp(double(component), 0.0, 1.0) * 255.0));
    };
    return Color::fromBytes(byte(color.red), byte(color.green), byte(color.blue));
}

Components componentsOf(ColorModel model, const Color& color) {
    switch (model) {
    case ColorModel::HSV: {
        const HSV hsv = hsvFromColor(color);
        return {hsv.hue, hsv.saturation * 100.0, hsv.value * 100.0};
    }
    case ColorModel::HSL: {
        const HSL hsl = hslFromColor(color);
        return {hsl.hue, hsl.saturation * 100.0, hsl.lightness * 100.0};
    }
    case ColorModel::OKLCH: {
        const OKLCH lch = oklchFromColor(color);
        return {lch.lightness, lch.chroma, lch.hue};
    }
    case ColorModel::RGB:
        break;
    }
    return {double(byteValue(color.red)), double(byteValue(color.green)),
            double(byteValue(color.blue))};
}

} // namespace

std::string_view nameOfColorModel(ColorModel model) {
    switch (model) {
    case ColorModel::HSV:
        return "HSV";
    case ColorModel::HSL:
        return "HSL";
    case ColorModel::OKLCH:
        return "OKLCH";
    case ColorModel::RGB:
        break;
    }
    return "RGB";
}

ColorModel colorModelNamed(std::string_view name) {
    const auto* found = std::find_if(allColorModels.begin(), allColorModels.end(),
                                     [name](ColorModel m) { return nameOfColorModel(m) == name; });
    return found != allColorModels.end() ? *found : ColorModel::RGB;
}

const std::array<ComponentScale, 3>& ModelComponents::scales(ColorModel model) {
    static constexpr ComponentScale kByte{255.0, 0, 1.0};
    static constexpr ComponentScale kDegrees{360.0, 1, 1.0};
    static constexpr ComponentScale kPercent{100.0, 1, 1.0};
    static constexpr std::array<ComponentScale, 3> kRgb{kByte, kByte, kByte};
    static constexpr std::array<ComponentScale, 3> kHsvHsl{kDegrees, kPercent, kPercent};
    static constexpr std::array<ComponentScale, 3> kOklch{ComponentScale{1.0, 3, 0.01},
                                                          ComponentScale{0.4, 3, 0.005}, kDegrees};
    switch (model) {
    case ColorModel::HSV:
    case ColorModel::HSL:
        return kHsvHsl;
    case ColorModel::OKLCH:
        return kOklch;
    case ColorModel::RGB:
        break;
    }
    return kRgb;
}

void ModelComponents::setModel(ColorModel model) {
    m_model = model;
    m_components = {};
    m_given.reset();
}

void ModelComponents::showColor(const Color& color) {
    if (m_given && *m_given == color)
        return;
    Components next = componentsOf(m_model, color);
    const auto& scale = scales();
    const auto keep = [&](int first, int last) {
        for (int c = first; c <= last; ++c)
            next[std::size_t(c)] = m_components[std::size_t(c)];
    };
    switch (m_model) {
    case ColorModel::HSV:
        if (readsZero(next[2], scale[2]))
            keep(0, 1); // black: any hue and saturation
        else if (readsZero(next[1], scale[1]))
            keep(0, 0);
        break;
    case ColorModel::HSL:
        if (readsZero(next[2], scale[2]) || readsMaximum(next[2], scale[2]))
            keep(0, 1); // black or white
        else if (readsZero(next[1], scale[1]))
            keep(0, 0);
        break;
    case ColorModel::OKLCH:
        if (readsZero(next[1], scale[1]))
            keep(2, 2);
        break;
    case ColorModel::RGB:
        break;
    }
    m_components = next;
    m_given = color;
}

bool ModelComponents::reads(int component, double value) const {
    const ComponentScale& scale = scales()[std::size_t(component)];
    return std::abs(value - roundedTo(m_components[std::size_t(component)], scale.decimals)) <
           0.5 * std::pow(10.0, -scale.decimals);
}

Color ModelComponents::colorWith(const ProposedComponents& proposed) {
    for (std::size_t c = 0; c < 3; ++c) {
        if (proposed[c] && !std::isnan(*proposed[c]))
            m_components[c] = std::clamp(*proposed[c], 0.0, scales()[c].maximum);
    }
    m_given = roundedToBytes(exactColor(m_components));
    return *m_given;
}

Color ModelComponents::trackColor(int component, double fraction) const {
    return exactColor(alongTrack(component, fraction));
}

bool ModelComponents::trackInGamut(int component, double fraction) const {
    return inGamut(alongTrack(component, fraction));
}

bool ModelComponents::inGamut(const Components& components) const {
    return m_model != ColorModel::OKLCH ||
           isInGamut(OKLCH{components[0], components[1], components[2]});
}

Color ModelComponents::exactColor(const Components& c) const {
    switch (m_model) {
    case ColorModel::HSV:
        return colorFromHSV(HSV{c[0], c[1] / 100.0, c[2] / 100.0});
    case ColorModel::HSL:
        return colorFromHSL(HSL{c[0], c[1] / 100.0, c[2] / 100.0});
    case ColorModel::OKLCH:
        return colorFromOKLCH(OKLCH{c[0], c[1], c[2]});
    case ColorModel::RGB:
        break;
    }
    return Color{float(c[0] / 255.0), float(c[1] / 255.0), float(c[2] / 255.0), 1.0f};
}

Components ModelComponents::alongTrack(int component, double fraction) const {
    Components along = m_components;
    along[std::size_t(component)] =
        std::clamp(fraction, 0.0, 1.0) * scales()[std::size_t(component)].maximum;
    return along;
}

} // namespace tintmere
