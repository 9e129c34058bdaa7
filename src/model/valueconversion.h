// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVariant>

namespace tintmere {

// Stored values are read the way the settings always were, so that a value of the wrong
// type, however it got into a file, reads as 0 or false instead of failing.

// Numbers truncate, Booleans give 0 or 1, text is read as its leading number, anything
// else is 0.
int toIntValue(const QVariant& value);
// Non-zero numbers, text starting with "t", "y" or a digit 1-9 are true; anything else
// false.
bool toBoolValue(const QVariant& value);

} // namespace tintmere
