// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gxgradient.h"

#include <QString>
#include <QStringList>

namespace tintmere::test {

// A gradient described as "r,g,b@position;..." with optional alpha "r,g,b,a@position".
inline GXGradient gradientFrom(const QString& stops, int mode = GXGradient::Linear) {
    GXGradient gradient;
    for (const QString& stop : stops.split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = stop.split(u'@');
        const QStringList c = parts[0].split(u',');
        gradient.addElement({c[0].toFloat(), c[1].toFloat(), c[2].toFloat(),
                             c.size() > 3 ? c[3].toFloat() : 1.0f, parts[1].toFloat()});
    }
    gradient.setBlendingMode(mode);
    return gradient;
}

} // namespace tintmere::test
