// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QMenu;

namespace tintmere {

// What a menu item does, kept on the item itself so that neither the enabling rules nor
// the dispatch depend on the title the user sees (which may be translated or retitled).
enum class MenuCommand {
    None,
    NewWindow,
    Import,
    Export,
    LockMagnify,
    UseFavorite,
    ReplaceFavorite,
    DeleteFavorites,
    CopyHex,
    CopyRgb,
    CopyWeb,
    Reset,
    Randomize,
    MakeWebSafe,
    SetAll,
    // The well lists: the item also names the other well (chosenWellOf).
    SwitchWith,
    QuickBlendWith,
    BlendWith,
    SendToBlendStart,
    SendToBlendEnd,
    ResetPalette,
    RandomizePalette,
    MakePaletteWebSafe,
    PickColor,
    WebPreview,
};

// The menus whose items as a whole follow a rule.
enum class MenuFamily {
    Other,
    Color,
    Palette,
    Copy,
    SwitchWith,
    QuickBlendWith,
    BlendWith,
    SendToBlend,
    Favorites
};

// The command is kept in a property, not in QAction::data(), which the wells' context menus
// use for the well they act on.
void setMenuCommand(QAction* item, MenuCommand command, int chosenWell = -1);
MenuCommand menuCommandOf(const QAction* item);
// The other well of a well list item, or -1.
int chosenWellOf(const QAction* item);

void setMenuFamily(QMenu* menu, MenuFamily family);
// Other for a null menu or one never given a family.
MenuFamily menuFamilyOf(const QMenu* menu);

} // namespace tintmere
