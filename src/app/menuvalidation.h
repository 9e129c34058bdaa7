// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

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

// Whether a menu item is enabled, by its title and the title of the menu holding it
// (both without mnemonic markers). The first rule that disables an item decides; items
// no rule names are enabled.
bool isMenuItemEnabled(QStringView itemTitle, QStringView menuTitle, const MenuState& state);

// A menu or item title without its mnemonic markers, as the commands compare it.
QString plainTitle(const QString& title);
// The menu an item sits in, if any.
const QMenu* menuHolding(const QAction* item);

} // namespace tintmere
