// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gxgradient.h"

#include <QString>
#include <QVariantMap>

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace tintmere {

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

// The keys a gradient's stop count and blending mode are archived under.
namespace gxgradientkeys {
inline const QString ElementCount = QStringLiteral("GXGradientElementCount");
inline const QString BlendingMode = QStringLiteral("GXGradientBlendingMode");
} // namespace gxgradientkeys

// Writes each stop as five unkeyed floats (red, green, blue, alpha, position), then the
// stop count and the blending mode under their keys. Only keyed coders are accepted.
void encodeWithCoder(const GXGradient& gradient, GXCoder& coder);
// Reads what encodeWithCoder wrote; throws GXInvalidArchiveOperationException for a coder
// that is not keyed or an archive that is damaged.
GXGradient initWithCoder(GXCoder& coder);

} // namespace tintmere
