// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace tintmere {

// Every stored form keeps a palette as exactly four colour strings, well 0 first.
inline constexpr int kPaletteSize = 4;

// Stored colour text: six lowercase hex digits, no prefix ("ff0000").
QString storedColorText(const Color& color);
// The colour of stored colour text (either case); no colour for anything else.
std::optional<Color> colorFromStoredText(const QString& text);
// Colour text as it is stored: any spelling the hex reader takes ("FF0000", "#f00") becomes
// "ff0000"; text that names no colour is handed back unchanged.
QString storedColorTextOf(const QString& text);

// Four colour strings from whatever a settings value or a library entry holds: readable
// strings are kept as they are, a missing or unreadable one becomes white, extra ones are
// dropped. Nothing the user stored can leave a well without a colour.
QStringList mendedPalette(const QVariant& storedColors);

} // namespace tintmere
