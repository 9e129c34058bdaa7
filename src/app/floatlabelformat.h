// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tintmere {

// The text of a component label for a "Float Format" index: 0 to 4 give one to five
// decimal places ("0.0" to "0.00000"); any other index shows the shortest exact text.
QString floatLabelText(float component, int floatFormat);

} // namespace tintmere
