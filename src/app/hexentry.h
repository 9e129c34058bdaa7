// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tintmere {

// What the hex field shows after a keystroke. Text longer than six characters is cut
// once: without its leading "#" when it has one, else to its first six characters, so a
// pasted "#336699" or "336699ff" still fits. Shorter text is left alone.
QString trimmedHexFieldText(const QString& text);

} // namespace tintmere
