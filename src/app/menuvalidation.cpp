// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuvalidation.h"

#include <QAction>
#include <QMenu>

#include <array>

namespace tintmere {

namespace {

template <std::size_t N>
bool isOneOf(QStringView title, const std::array<QStringView, N>& titles) {
    for (QStringView candidate : titles) {
        if (title == candidate)
            return true;
    }
    return false;
}

// Items that act on the palette or the library need a main window to act in.
constexpr std::array kMenusNeedingWindow{QStringView(u"Color"), QStringView(u"Palette"),
                                         QStringView(u"Copy"), QStringView(u"Switch with"),
                                         QStringView(u"Favorites")};
constexpr std::array kItemsNeedingWindow{QStringView(u"Import..."), QStringView(u"Export...")};
constexpr std::array kItemsNeedingOneFavorite{
    QStringView(u"Replace selected item with current palette"), QStringView(u"Use selected item")};

} // namespace

bool isMenuItemEnabled(QStringView itemTitle, QStringView menuTitle, const MenuState& state) {
    if (itemTitle == QStringView(u"New Window") && state.hasMainWindow)
        return false;
    if (isOneOf(itemTitle, kItemsNeedingOneFavorite) &&
        (state.favoritesSelectedRows != 1 || state.selectedFavoriteIsGroup))
        return false;
    if (itemTitle == QStringView(u"Delete selected item(s)") && state.favoritesSelectedRows == 0)
        return false;
    if ((isOneOf(menuTitle, kMenusNeedingWindow) || isOneOf(itemTitle, kItemsNeedingWindow)) &&
        !state.hasMainWindow)
        return false;
    if (itemTitle == QStringView(u"Lock magnify image") && state.magnifyDrawerClosed)
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
