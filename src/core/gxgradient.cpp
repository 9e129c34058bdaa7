// SPDX-License-Identifier: GPL-3.0-or-later
#include "gxgradient.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <string>

namespace tintmere {

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

GXGradientElement elementOf(const Color& color, float position) {
    return {color.red, color.green, color.blue, color.alpha, position};
}

GXGradientElement greyElement(float grey, float position) {
    return {grey, grey, grey, 1.0f, position};
}

GXGradient gradientOf(std::initializer_list<GXGradientElement> elements,
                      int mode = GXGradient::Linear) {
    GXGradient gradient;
    for (const GXGradientElement& element : elements)
        gradient.addElement(element);
    gradient.setBlendingMode(mode);
    return gradient;
}

GXGradientElement noSuchElement() {
    return {0.0f, 0.0f, 0.0f, 0.0f, kNaN};
}

// The stops around a position: both the same stop before the first or after the last.
struct Bracket {
    const GXGradientElement* a;
    const GXGradientElement* b;
};

Bracket bracketOf(const std::vector<GXGradientElement>& elements, float position) {
    std::size_t a = 0;
    std::size_t b = 1;
    while (b < elements.size() && position > elements[b].position) {
        a = b;
        ++b;
    }
    if (b >= elements.size())
        b = a;
    return {&elements[a], &elements[b]};
}

float fractionBetween(const Bracket& bracket, float position) {
    return (position - bracket.a->position) / (bracket.b->position - bracket.a->position);
}

void linearEvaluation(const Bracket& bracket, float position, float* out) {
    const GXGradientElement& a = *bracket.a;
    const GXGradientElement& b = *bracket.b;
    if (a.position >= position) {
        out[0] = a.red, out[1] = a.green, out[2] = a.blue, out[3] = a.alpha;
    } else if (position >= b.position) {
        out[0] = b.red, out[1] = b.green, out[2] = b.blue, out[3] = b.alpha;
    } else {
        const float t = fractionBetween(bracket, position);
        out[0] = a.red + (b.red - a.red) * t;
        out[1] = a.green + (b.green - a.green) * t;
        out[2] = a.blue + (b.blue - a.blue) * t;
        out[3] = a.alpha + (b.alpha - a.alpha) * t;
    }
}

// Both chromatic modes: interpolate in hue, saturation and value, walking forward around
// the hue circle (chromatic) or backward (inverse).
void chromaticEvaluation(const Bracket& bracket, float position, float* out, bool forward) {
    float a[4] = {bracket.a->red, bracket.a->green, bracket.a->blue, bracket.a->alpha};
    float b[4] = {bracket.b->red, bracket.b->green, bracket.b->blue, bracket.b->alpha};
    transformRGB_HSV(a);
    transformRGB_HSV(b);
    resolveHSV(a, b);
    if (forward && a[0] > b[0])
        b[0] += 360.0f;
    else if (!forward && b[0] > a[0])
        a[0] += 360.0f;

    if (bracket.a->position >= position) {
        std::copy_n(a, 4, out);
    } else if (position >= bracket.b->position) {
        std::copy_n(b, 4, out);
    } else {
        const float t = fractionBetween(bracket, position);
        for (int i = 0; i < 4; ++i)
            out[i] = a[i] + (b[i] - a[i]) * t;
    }
    transformHSV_RGB(out);
}

Color colorOfElement(const GXGradientElement& element) {
    return {element.red, element.green, element.blue, element.alpha};
}

[[noreturn]] void throwNoStopAtIndex(const char* selector, std::size_t index) {
    throw GXRangeException("-[GXGradient " + std::string(selector) + "]: index (" +
                           std::to_string(index) + ") beyond bounds");
}

} // namespace

// --- colour space conversions ---

void transformRGB_HSV(float* c) {
    const float red = c[0];
    const float green = c[1];
    const float blue = c[2];
    const float max = std::max({red, green, blue});
    const float min = std::min({red, green, blue});
    float hue = kNaN;
    if (max != min) {
        const float d = max - min;
        if (max == red)
            hue = 60.0f * (green - blue) / d + (green < blue ? 360.0f : 0.0f);
        else if (max == green)
            hue = 60.0f * (blue - red) / d + 120.0f;
        else
            hue = 60.0f * (red - green) / d + 240.0f;
    }
    c[0] = hue;
    c[1] = max == 0.0f ? 0.0f : 1.0f - min / max;
    c[2] = max;
}

void transformHSV_RGB(float* c) {
    const float h = std::fmod(c[0], 360.0f) / 60.0f;
    const float sectorStart = std::floor(h);
    // A negative hue would give a negative sector; count it from the other end.
    const int i = ((static_cast<int>(sectorStart) % 6) + 6) % 6;
    const float f = h - sectorStart;
    const float s = c[1];
    const float v = c[2];
    const float p = (1.0f - s) * v;
    const float q = (1.0f - s * f) * v;
    const float t = (1.0f - (1.0f - f) * s) * v;
    const float sectors[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    std::copy_n(sectors[i], 3, c);
}

void resolveHSV(float* first, float* second) {
    const bool firstGrey = std::isnan(first[0]);
    const bool secondGrey = std::isnan(second[0]);
    if (firstGrey && secondGrey) {
        first[0] = second[0] = 0.0f;
    } else if (firstGrey) {
        first[0] = second[0];
    } else if (secondGrey) {
        second[0] = first[0];
    }
}

// --- creation ---

GXGradient GXGradient::gradientWithBeginningColor(const Color& beginning, const Color& ending) {
    return gradientOf({elementOf(ending, 0.0f), elementOf(beginning, 1.0f)});
}

GXGradient GXGradient::aquaSelectedGradient() {
    return gradientOf({{0.58f, 0.86f, 0.98f, 1.0f, 0.0f},
                       {0.42f, 0.68f, 0.90f, 1.0f, 0.5f},
                       {0.64f, 0.80f, 0.94f, 1.0f, 0.5f},
                       {0.56f, 0.70f, 0.90f, 1.0f, 1.0f}});
}

GXGradient GXGradient::aquaNormalGradient() {
    return gradientOf({greyElement(0.95f, 0.0f), greyElement(0.83f, 0.5f), greyElement(0.95f, 0.5f),
                       greyElement(0.92f, 1.0f)});
}

GXGradient GXGradient::aquaPressedGradient() {
    return gradientOf({greyElement(0.80f, 0.0f), greyElement(0.64f, 0.5f), greyElement(0.80f, 0.5f),
                       greyElement(0.77f, 1.0f)});
}

GXGradient GXGradient::unifiedSelectedGradient() {
    return gradientOf({greyElement(0.85f, 0.0f), greyElement(0.95f, 1.0f)});
}

GXGradient GXGradient::unifiedNormalGradient() {
    return gradientOf({greyElement(0.75f, 0.0f), greyElement(0.90f, 1.0f)});
}

GXGradient GXGradient::unifiedPressedGradient() {
    return gradientOf({greyElement(0.60f, 0.0f), greyElement(0.75f, 1.0f)});
}

GXGradient GXGradient::unifiedDarkGradient() {
    return gradientOf({greyElement(0.68f, 0.0f), greyElement(0.83f, 1.0f)});
}

GXGradient GXGradient::sourceListSelectedGradient() {
    return gradientOf({{0.06f, 0.37f, 0.85f, 1.0f, 0.0f}, {0.30f, 0.60f, 0.92f, 1.0f, 1.0f}});
}

GXGradient GXGradient::sourceListUnselectedGradient() {
    return gradientOf({greyElement(0.43f, 0.0f), greyElement(0.60f, 1.0f)});
}

GXGradient GXGradient::rainbowGradient() {
    return gradientOf({{1.0f, 0.0f, 0.0f, 1.0f, 0.0f}, {0.54f, 0.0f, 1.0f, 1.0f, 1.0f}}, Chromatic);
}

GXGradient GXGradient::hydrogenSpectrumGradient() {
    struct Line {
        float hue;
        float centre;
        float halfWidth;
    };
    static constexpr Line lines[] = {{22.0f, 0.145f, 0.01f},
                                     {200.0f, 0.71f, 0.008f},
                                     {253.0f, 0.885f, 0.005f},
                                     {275.0f, 0.965f, 0.003f}};
    const auto stop = [](float hue, float value, float position) {
        float c[3] = {hue, 1.0f, value};
        transformHSV_RGB(c);
        return GXGradientElement{c[0], c[1], c[2], 1.0f, position};
    };
    GXGradient gradient;
    for (const Line& line : lines) {
        gradient.addElement(
            stop(line.hue - 180.0f * line.halfWidth, 0.001f, line.centre - line.halfWidth));
        gradient.addElement(stop(line.hue, 1.0f, line.centre));
        gradient.addElement(
            stop(line.hue + 180.0f * line.halfWidth, 0.001f, line.centre + line.halfWidth));
    }
    gradient.setBlendingMode(Chromatic);
    return gradient;
}

// --- stops ---

void GXGradient::addElement(const GXGradientElement& element) {
    // After every stop at or before the new position, so equal positions keep their order.
    const auto place = std::upper_bound(
        m_elements.begin(), m_elements.end(), element.position,
        [](float position, const GXGradientElement& e) { return position < e.position; });
    m_elements.insert(place, element);
}

const GXGradientElement* GXGradient::elementAtIndex(std::size_t index) const {
    return index < m_elements.size() ? &m_elements[index] : nullptr;
}

GXGradientElement GXGradient::removeElementAtIndex(std::size_t index) {
    if (index >= m_elements.size())
        return noSuchElement();
    const GXGradientElement removed = m_elements[index];
    m_elements.erase(m_elements.begin() + static_cast<std::ptrdiff_t>(index));
    return removed;
}

GXGradientElement GXGradient::removeElementAtPosition(float position) {
    const auto found =
        std::find_if(m_elements.begin(), m_elements.end(),
                     [position](const GXGradientElement& e) { return e.position == position; });
    if (found == m_elements.end())
        return noSuchElement();
    const GXGradientElement removed = *found;
    m_elements.erase(found);
    return removed;
}

GXGradient GXGradient::addColorStop(const Color& color, float position) const {
    GXGradient copy = *this;
    copy.addElement(elementOf(color, position));
    return copy;
}

GXGradient GXGradient::removeColorStopAtIndex(std::size_t index) const {
    if (index >= m_elements.size())
        throwNoStopAtIndex("removeColorStopAtIndex:", index);
    GXGradient copy = *this;
    copy.removeElementAtIndex(index);
    return copy;
}

GXGradient GXGradient::removeColorStopAtPosition(float position) const {
    GXGradient copy = *this;
    if (std::isnan(copy.removeElementAtPosition(position).position)) {
        char text[64];
        std::snprintf(text, sizeof text, "%f", static_cast<double>(position));
        throw GXRangeException(
            "-[GXGradient removeColorStopAtPosition:]: no such colorStop at position (" +
            std::string(text) + ")");
    }
    return copy;
}

GXGradient GXGradient::gradientWithBlendingMode(int mode) const {
    GXGradient copy = *this;
    copy.setBlendingMode(mode);
    return copy;
}

GXGradient GXGradient::gradientWithAlphaComponent(float alpha) const {
    GXGradient copy;
    for (GXGradientElement element : m_elements) {
        element.alpha = alpha;
        copy.addElement(element);
    }
    return copy;
}

Color GXGradient::colorStopAtIndex(std::size_t index) const {
    if (index >= m_elements.size())
        throwNoStopAtIndex("colorStopAtIndex:", index);
    return colorOfElement(m_elements[index]);
}

// --- evaluation ---

void GXGradient::evaluate(float position, float* rgba) const {
    if (m_elements.empty()) {
        std::fill_n(rgba, 4, 1.0f);
        return;
    }
    const Bracket bracket = bracketOf(m_elements, position);
    switch (m_blendingMode) {
    case Chromatic:
        chromaticEvaluation(bracket, position, rgba, true);
        break;
    case InverseChromatic:
        chromaticEvaluation(bracket, position, rgba, false);
        break;
    default:
        linearEvaluation(bracket, position, rgba);
        break;
    }
}

Color GXGradient::colorAtPosition(float position) const {
    float rgba[4];
    evaluate(position, rgba);
    return {rgba[0], rgba[1], rgba[2], rgba[3]};
}

} // namespace tintmere
