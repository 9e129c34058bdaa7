// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QAction;
class QMenu;

namespace tintmere {

// Where the colour commands are shown: the menu bar's "Color" menu acts on the selected
// well, a well's context menu on that well.
enum class ColorMenuPlace { MenuBar, Well };

// Adds "Hex value", "Rgb value" and "Web value" to a "Copy" menu. Answers them.
QList<QAction*> addCopyCommands(QMenu* copy);

// Adds the colour commands and their submenus ("Switch with", "Quick blend with", "Blend
// with", "Send to blend"; for a well also "Copy") to the menu. Answers the commands, for
// connecting.
QList<QAction*> addColorCommands(QMenu* menu, ColorMenuPlace place);

// Adds "Reset palette", "Randomize palette" and "Make palette web-safe" before the item
// (at the end when null). Answers them.
QList<QAction*> addPaletteCommands(QMenu* menu, QAction* before);

} // namespace tintmere
