// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace tintmere {

// One colour stop of a gradient.
struct GXGradientElement {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 0.0f;
    float position = 0.0f;

    friend bool operator==(const GXGradientElement&, const GXGradientElement&) = default;
};

// A colour stop that does not exist was asked for.
class GXRangeException : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// Hue (degrees, NaN for a grey), saturation and value from red, green and blue, in place.
void transformRGB_HSV(float* components);
// Red, green and blue from hue, saturation and value, in place.
void transformHSV_RGB(float* components);
// Gives a hueless (grey) colour the other colour's hue, or both hue 0 when both are grey.
void resolveHSV(float* first, float* second);

// An ordered list of colour stops with a blending mode, and the colour at any position.
// The operations that return a gradient leave the receiver unchanged. Painting lives with
// the views (gxgradientpainting.h), archiving with the keyed archives (gxgradientcoding.h).
class GXGradient {
public:
    enum BlendingMode : int { Linear = 0, Chromatic = 1, InverseChromatic = 2 };

    GXGradient() = default;

    // Two stops: the ending colour at position 0, the beginning colour at position 1.
    static GXGradient gradientWithBeginningColor(const Color& beginning, const Color& ending);

    static GXGradient aquaSelectedGradient();
    static GXGradient aquaNormalGradient();
    static GXGradient aquaPressedGradient();
    static GXGradient unifiedSelectedGradient();
    static GXGradient unifiedNormalGradient();
    static GXGradient unifiedPressedGradient();
    static GXGradient unifiedDarkGradient();
    static GXGradient sourceListSelectedGradient();
    static GXGradient sourceListUnselectedGradient();
    static GXGradient rainbowGradient();
    static GXGradient hydrogenSpectrumGradient();

    // Low level, in place. A new stop goes after every stop of the same position.
    void addElement(const GXGradientElement& element);
    const GXGradientElement* elementAtIndex(std::size_t index) const;
    // The removed stop, or a stop with position NaN when none matched.
    GXGradientElement removeElementAtIndex(std::size_t index);
    GXGradientElement removeElementAtPosition(float position);
    std::size_t elementCount() const { return m_elements.size(); }
    const std::vector<GXGradientElement>& elements() const { return m_elements; }

    // High level: each returns a changed copy.
    GXGradient addColorStop(const Color& color, float position) const;
    GXGradient removeColorStopAtIndex(std::size_t index) const;
    GXGradient removeColorStopAtPosition(float position) const;
    GXGradient gradientWithBlendingMode(int mode) const;
    // Every stop's alpha replaced; the copy blends linearly.
    GXGradient gradientWithAlphaComponent(float alpha) const;

    int blendingMode() const { return m_blendingMode; }
    void setBlendingMode(int mode) { m_blendingMode = mode; }
    Color colorStopAtIndex(std::size_t index) const;
    Color colorAtPosition(float position) const;

    friend bool operator==(const GXGradient&, const GXGradient&) = default;

private:
    void evaluate(float position, float* rgba) const;

    std::vector<GXGradientElement> m_elements;
    int m_blendingMode = Linear;
};

} // namespace tintmere
