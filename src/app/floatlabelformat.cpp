// SPDX-License-Identifier: GPL-3.0-or-later
#include "floatlabelformat.h"

namespace tintmere {

QString floatLabelText(float component, int floatFormat) {
    if (floatFormat >= 0 && floatFormat <= 4)
        return QString::number(double(component), 'f', floatFormat + 1);
    return QString::number(component);
}

} // namespace tintmere
