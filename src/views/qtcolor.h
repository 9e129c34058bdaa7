// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QColor>

#include <algorithm>

namespace tintmere {

// Qt only paints and transfers colours; every digit the user sees comes from Color. QColor
// rounds to 16 bits a channel, so colours coming back from Qt are rebuilt from its floats.
inline QColor toQColor(const Color& color) {
    const auto unit = [](float component) { return std::clamp(component, 0.0f, 1.0f); };
    return QColor::fromRgbF(unit(color.red), unit(color.green), unit(color.blue),
                            unit(color.alpha));
}

inline Color colorFromQColor(const QColor& qcolor) {
    const QColor rgb = qcolor.toRgb();
    return Color{rgb.redF(), rgb.greenF(), rgb.blueF(), rgb.alphaF()};
}

} // namespace tintmere
