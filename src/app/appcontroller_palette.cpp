// SPDX-License-Identifier: GPL-3.0-or-later
// Commands on one well or the whole palette, from the "Color" and "Palette" menus, the
// wells' context menus and the tools' send buttons. Each records its undo step before it
// changes anything.
#include "appcontroller.h"
#include "blendtool.h"
#include "coloreditor.h"
#include "colormenus.h"
#include "defaults.h"
#include "favoritesoutline.h"
#include "favoritespane.h"
#include "magnifiertool.h"
#include "menucommand.h"
#include "menuvalidation.h"
#include "palettecommands.h"
#include "qvcolorwell.h"
#include "qvdrawer.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace tintmere {

namespace {

Color resetColor() {
    return Defaults::standard().colorValue(keys::ResetColor).value_or(Color{1, 1, 1, 1});
}

bool isInMenuBar(const QMenu* menu) {
    for (QObject* holder : menu->menuAction()->associatedObjects()) {
        if (qobject_cast<const QMenuBar*>(holder))
            return true;
    }
    return false;
}

// A command of a menu-bar menu, or of one of its submenus, acts on the selected well.
bool actsOnSelectedWell(const QMenu* menu) {
    if (!menu)
        return false;
    if (isInMenuBar(menu))
        return true;
    const QMenu* supermenu = menuHolding(menu->menuAction());
    return supermenu && isInMenuBar(supermenu);
}

} // namespace

void AppController::connectPaletteCommands() {
    const MainWindowOutlets& o = outlets();
    for (QAction* item : o.colorCommands)
        connect(item, &QAction::triggered, this, [this, item] { colorMenuItemSelected(item); });
    for (QAction* item : o.paletteCommands)
        connect(item, &QAction::triggered, this, [this, item] { paletteMenuItemSelected(item); });

    connect(o.sendBlend, &QAbstractButton::clicked, this,
            [this] { sendToCurrent(SendSource::Blend); });

    // The template of every well's context menu; each well gets a copy tagged with its
    // index.
    auto* wellMenu = new QMenu(m_mainWindow.get());
    addColorCommands(wellMenu, ColorMenuPlace::Well);
    o.paletteView->setColorWellMenu(wellMenu);
    connect(o.paletteView, &QVPaletteView::colorMenuItemSelected, this,
            &AppController::colorMenuItemSelected);
}

void AppController::colorMenuItemSelected(const QAction* item) {
    const MainWindowOutlets& o = outlets();
    const QMenu* menu = menuHolding(item);
    const int target =
        actsOnSelectedWell(menu) ? o.paletteView->selectedColorWellIndex() : item->data().toInt();
    QVPaletteColorWell* well = mainWell(target);
    if (!well)
        return;
    const Color color = well->color();
    const int chosen = chosenWellOf(item);
    QList<Color> palette = colorArray();
    const bool choosesWell = chosen >= 0 && chosen < int(palette.size());

    switch (menuCommandOf(item)) {
    case MenuCommand::PickColor:
        pickColorFromScreen(target);
        return;
    case MenuCommand::CopyHex:
        copyColorStringOf(color, 0);
        break;
    case MenuCommand::CopyRgb:
        copyColorStringOf(color, 1);
        break;
    case MenuCommand::CopyWeb:
        copyColorStringOf(color, 2);
        break;
    case MenuCommand::Reset:
        setColor(resetColor(), target);
        break;
    case MenuCommand::Randomize:
        setColor(RandomColors().next(), target);
        break;
    case MenuCommand::MakeWebSafe:
        setColor(color.webColor(), target);
        break;
    case MenuCommand::SetAll:
        setAllWells(color);
        break;
    case MenuCommand::SwitchWith:
        if (!choosesWell)
            break;
        palette[target] = palette[chosen];
        palette[chosen] = color;
        setPaletteToColorArray(palette);
        break;
    case MenuCommand::QuickBlendWith:
        if (choosesWell)
            m_blend->quickBlend(color, palette[chosen], o.paletteView->selectedColorWellIndex());
        break;
    case MenuCommand::BlendWith:
        if (!choosesWell)
            break;
        m_blend->loadBlendTool(color, palette[chosen]);
        showBlendDrawer();
        break;
    case MenuCommand::SendToBlendStart:
        m_blend->loadBlendColor(0, color);
        showBlendDrawer();
        break;
    case MenuCommand::SendToBlendEnd:
        m_blend->loadBlendColor(1, color);
        showBlendDrawer();
        break;
    default:
        break;
    }
    updateColorLabels();
}

void AppController::paletteMenuItemSelected(const QAction* item) {
    switch (menuCommandOf(item)) {
    case MenuCommand::ResetPalette:
        setAllWells(resetColor());
        break;
    case MenuCommand::RandomizePalette: {
        RandomColors random;
        QList<Color> colors;
        for (int i = 0; i < 4; ++i)
            colors.append(random.next());
        setPaletteToColorArray(colors);
        break;
    }
    case MenuCommand::MakePaletteWebSafe: {
        QList<Color> colors = colorArray();
        for (Color& color : colors)
            color = color.webColor();
        setPaletteToColorArray(colors);
        break;
    }
    case MenuCommand::WebPreview:
        toggleWebPreview();
        break;
    default:
        break;
    }
    updateColorLabels();
}

void AppController::setAllWells(const Color& color) {
    setPaletteToColorArray({color, color, color, color});
}

void AppController::sendToCurrent(SendSource source) {
    const MainWindowOutlets& o = outlets();
    const int selected = o.paletteView->selectedColorWellIndex();
    if (source == SendSource::FavoritesPreview) {
        // Only a favorite applies; white cells of no selection would wipe the palette.
        MenuState state;
        m_favorites->describeSelection(state);
        if (state.favoritesSelectedRows != 1 || state.selectedFavoriteIsGroup)
            QApplication::beep();
        else
            setPaletteToColorArray(m_favorites->pane()->preview()->colors());
    } else if (source == SendSource::Magnifier) {
        if (const std::optional<Color> picked = m_magnifierTool->pickedColor())
            setColor(*picked, selected);
        else
            QApplication::beep();
    } else {
        m_blend->sendResult(selected);
    }
    updateColorLabels();
}

void AppController::updateFavoritesCommands() {
    // Adding is always possible; these depend on the selection.
    FavoritesPane* pane = m_favorites->pane();
    for (QAction* command : {pane->useAction(), pane->replaceAction(), pane->deleteAction()})
        command->setEnabled(validateMenuItem(command));
}

} // namespace tintmere
