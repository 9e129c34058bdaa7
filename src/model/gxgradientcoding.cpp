// SPDX-License-Identifier: GPL-3.0-or-later
#include "gxgradientcoding.h"

namespace tintmere {

void GXKeyedArchiver::encodeFloat(float value) {
    m_unkeyed.push_back(value);
}

void GXKeyedArchiver::encodeInt(int value, const QString& key) {
    m_keyed.insert(key, value);
}

float GXKeyedArchiver::decodeFloat() {
    if (m_readPosition >= m_unkeyed.size())
        throw GXInvalidArchiveOperationException("The archive ends before its last value");
    return m_unkeyed[m_readPosition++];
}

int GXKeyedArchiver::decodeInt(const QString& key) {
    bool ok = false;
    const int value = m_keyed.value(key).toInt(&ok);
    if (!ok)
        throw GXInvalidArchiveOperationException("The archive has no integer under " +
                                                 key.toStdString());
    return value;
}

void encodeWithCoder(const GXGradient& gradient, GXCoder& coder) {
    if (!coder.allowsKeyedCoding())
        throw GXInvalidArchiveOperationException("Only supports NSKeyedArchiver coders");
    for (const GXGradientElement& element : gradient.elements()) {
        for (float value :
             {element.red, element.green, element.blue, element.alpha, element.position})
            coder.encodeFloat(value);
    }
    coder.encodeInt(static_cast<int>(gradient.elementCount()), gxgradientkeys::ElementCount);
    coder.encodeInt(gradient.blendingMode(), gxgradientkeys::BlendingMode);
}

GXGradient initWithCoder(GXCoder& coder) {
    if (!coder.allowsKeyedCoding())
        throw GXInvalidArchiveOperationException("Only supports NSKeyedArchiver coders");
    GXGradient gradient;
    const int mode = coder.decodeInt(gxgradientkeys::BlendingMode);
    if (mode < GXGradient::Linear || mode > GXGradient::InverseChromatic)
        throw GXInvalidArchiveOperationException("The archive has an unknown blending mode");
    gradient.setBlendingMode(mode);
    const int count = coder.decodeInt(gxgradientkeys::ElementCount);
    if (count < 0)
        throw GXInvalidArchiveOperationException("The archive has a negative stop count");
    for (int i = 0; i < count; ++i) {
        GXGradientElement element;
        element.red = coder.decodeFloat();
        element.green = coder.decodeFloat();
        element.blue = coder.decodeFloat();
        element.alpha = coder.decodeFloat();
        element.position = coder.decodeFloat();
        gradient.addElement(element);
    }
    return gradient;
}

} // namespace tintmere
