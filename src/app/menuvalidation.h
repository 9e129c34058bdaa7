// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "menucommand.h"

#include <QString>

class QAction;
class QMenu;

namespace tintmere {

// What the enabling of menu items depends on.
struct MenuState {
    bool hasMainWindow = true;
    int favoritesSelectedRows = 0;
    bool selectedFavoriteIsGroup = false;
    bool magnifyDrawerClosed = true;
};

// Whether a menu item is enabled, by its command and the family of the menu holding it.
// The first rule that disables an item decides; items no rule names are enabled.
bool isMenuItemEnabled(MenuCommand item, MenuFamily menu, const MenuState& state);

// A menu or item title without its mnemonic markers.
QString plainTitle(const QString& title);
// The menu an item sits in, if any.
const QMenu* menuHolding(const QAction* item);

} // namespace tintmere
