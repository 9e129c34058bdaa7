// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuvalidation.h"

#include <QAction>
#include <QMenu>

namespace tintmere {

bool isMenuItemEnabled(MenuCommand item, MenuFamily menu, const MenuState& state) {
    if (item == MenuCommand::NewWindow && state.hasMainWindow)
        return false;
    if ((item == MenuCommand::UseFavorite || item == MenuCommand::ReplaceFavorite) &&
        (state.favoritesSelectedRows != 1 || state.selectedFavoriteIsGroup))
        return false;
    if (item == MenuCommand::DeleteFavorites && state.favoritesSelectedRows == 0)
        return false;
    // Items that act on the palette or the library need a main window to act in.
    const bool needsWindow = menu == MenuFamily::Color || menu == MenuFamily::Palette ||
                             menu == MenuFamily::Copy || menu == MenuFamily::SwitchWith ||
                             menu == MenuFamily::Favorites || item == MenuCommand::Import ||
                             item == MenuCommand::Export;
    if (needsWindow && !state.hasMainWindow)
        return false;
    if (item == MenuCommand::LockMagnify && state.magnifyDrawerClosed)
        return false;
    return true;
}

QString plainTitle(const QString& title) {
    QString plain = title;
    return plain.remove(u'&');
}

const QMenu* menuHolding(const QAction* item) {
    for (QObject* holder : item->associatedObjects()) {
        if (auto* menu = qobject_cast<const QMenu*>(holder))
            return menu;
    }
    return nullptr;
}

} // namespace tintmere
