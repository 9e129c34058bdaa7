// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QLineF>
#include <QRectF>
#include <QString>
#include <QVariantMap>

#include <cstddef>
#include <stdexcept>
#include <vector>

class QImage;
class QPainter;

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

// An archive cannot be written with this coder, or cannot be read back.
class GXInvalidArchiveOperationException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a gradient is archived: keyed integers plus a sequence of unkeyed floats.
class GXCoder {
public:
    virtual ~GXCoder() = default;
    virtual bool allowsKeyedCoding() const = 0;
    virtual void encodeFloat(float value) = 0;
    virtual void encodeInt(int value, const QString& key) = 0;
    // Throw GXInvalidArchiveOperationException when the value is missing.
    virtual float decodeFloat() = 0;
    virtual int decodeInt(const QString& key) = 0;
};

// A keyed archive held in memory.
class GXKeyedArchiver : public GXCoder {
public:
    bool allowsKeyedCoding() const override { return true; }
    void encodeFloat(float value) override;
    void encodeInt(int value, const QString& key) override;
    float decodeFloat() override;
    int decodeInt(const QString& key) override;

    const QVariantMap& keyedValues() const { return m_keyed; }
    const std::vector<float>& unkeyedValues() const { return m_unkeyed; }
    // Starts reading the unkeyed values from the first again.
    void rewind() { m_readPosition = 0; }

private:
    QVariantMap m_keyed;
    std::vector<float> m_unkeyed;
    std::size_t m_readPosition = 0;
};

// Hue (degrees, NaN for a grey), saturation and value from red, green and blue, in place.
void transformRGB_HSV(float* components);
// Red, green and blue from hue, saturation and value, in place.
void transformHSV_RGB(float* components);
// Gives a hueless (grey) colour the other colour's hue, or both hue 0 when both are grey.
void resolveHSV(float* first, float* second);

// An ordered list of colour stops with a blending mode, and fills of rectangles with it.
// The operations that return a gradient leave the receiver unchanged.
class GXGradient {
public:
    enum BlendingMode : int { Linear = 0, Chromatic = 1, InverseChromatic = 2 };

    static const QString ElementCountKey;
    static const QString BlendingModeKey;

    GXGradient() = default;
    // Reads what encodeWithCoder wrote.
    explicit GXGradient(GXCoder& coder);

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

    // Axial fill along angle degrees, counterclockwise from the rectangle's left-to-right
    // axis: at 90 position 0 lies along the bottom edge and 1 along the top edge.
    void fillRect(QPainter& painter, const QRectF& rect, float angle) const;
    // Position 0 within one unit of the centre, 1 at the larger half side and beyond.
    void radialFillRect(QPainter& painter, const QRectF& rect) const;
    void drawSwatchInRect(QPainter& painter, const QRectF& rect) const;

    // The axis of an axial fill in coordinates whose y grows upward, rect.y() being the
    // bottom edge: positions 0 and 1 at its ends pass through two opposite corners.
    static QLineF axialAxis(const QRectF& rect, float angle);

    void encodeWithCoder(GXCoder& coder) const;

    friend bool operator==(const GXGradient&, const GXGradient&) = default;

private:
    void evaluate(float position, float* rgba) const;

    std::vector<GXGradientElement> m_elements;
    int m_blendingMode = Linear;
};

} // namespace tintmere
