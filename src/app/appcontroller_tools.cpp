// SPDX-License-Identifier: GPL-3.0-or-later
// The tools: four drawers, at most one open, and the global panel.
#include "appcontroller.h"
#include "coloreditor.h"
#include "magnifiertool.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qvdrawer.h"
#include "qvpaletteview.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>

namespace tintmere {

void AppController::connectTools() {
    const MainWindowOutlets& o = outlets();
    connect(o.toolButtons, &QButtonGroup::idClicked, this, &AppController::toolItemSelected);
    for (QAction* item : o.toolItems) {
        connect(item, &QAction::triggered, this, [this, item] { toolMenuItemSelected(item); });
    }
    connect(o.lockMagnify, &QAction::triggered, this, &AppController::toggleMagnify);
    observeDrawers();
}

void AppController::observeDrawers() {
    const MainWindowOutlets& o = outlets();
    NotificationCenter& center = NotificationCenter::defaultCenter();
    for (QVDrawer* drawer : {o.rgbDrawer, o.hexDrawer, o.blendDrawer, o.magnifyDrawer}) {
        center.addObserver(this, notifications::DrawerWillOpen, drawer,
                           [this, drawer](const Notification&) { drawerWillOpen(drawer); });
        center.addObserver(this, notifications::DrawerDidOpen, drawer,
                           [this, drawer](const Notification&) { drawerDidOpen(drawer); });
        center.addObserver(this, notifications::DrawerWillClose, drawer,
                           [this, drawer](const Notification&) { drawerWillClose(drawer); });
    }
}

void AppController::closeDrawers(std::initializer_list<QVDrawer*> drawers) {
    for (QVDrawer* drawer : drawers)
        drawer->close();
}

void AppController::toolItemSelected(int tag) {
    const MainWindowOutlets& o = outlets();
    switch (Tool(tag)) {
    case Tool::GlobalPanel:
        setGlobalPanelVisible(!isGlobalPanelVisible());
        setToolChecked(Tool::GlobalPanel, isGlobalPanelVisible());
        break;
    case Tool::Rgb:
        closeDrawers({o.hexDrawer, o.blendDrawer, o.magnifyDrawer});
        o.rgbDrawer->toggle();
        break;
    case Tool::Hex:
        closeDrawers({o.rgbDrawer, o.blendDrawer, o.magnifyDrawer});
        o.hexDrawer->toggle();
        break;
    case Tool::Blend:
        closeDrawers({o.rgbDrawer, o.hexDrawer, o.magnifyDrawer});
        o.blendDrawer->toggle();
        break;
    case Tool::Magnifier:
        closeDrawers({o.rgbDrawer, o.hexDrawer, o.blendDrawer});
        o.magnifyDrawer->toggle();
        break;
    default:
        break;
    }
}

void AppController::toolMenuItemSelected(const QAction* item) {
    // The menu presses the tool button, so button and menu always agree.
    if (QAbstractButton* button = outlets().toolButtons->button(item->data().toInt()))
        button->click();
}

void AppController::setToolChecked(Tool tool, bool checked) {
    const MainWindowOutlets& o = outlets();
    const int tag = int(tool);
    if (QAbstractButton* button = o.toolButtons->button(tag))
        button->setChecked(checked);
    if (tag >= 0 && tag < int(o.toolItems.size()))
        o.toolItems[std::size_t(tag)]->setChecked(checked);
}

Tool AppController::indexOfDrawer(const QObject* drawer) const {
    const MainWindowOutlets& o = outlets();
    if (drawer == o.hexDrawer)
        return Tool::Hex;
    if (drawer == o.blendDrawer)
        return Tool::Blend;
    if (drawer == o.magnifyDrawer)
        return Tool::Magnifier;
    return Tool::Rgb;
}

void AppController::drawerWillOpen(QVDrawer* drawer) {
    const MainWindowOutlets& o = outlets();
    setToolChecked(indexOfDrawer(drawer), true);
    if (drawer == o.hexDrawer)
        m_editor->prepareHexEntry();
    else if (drawer == o.magnifyDrawer)
        m_magnifierTool->drawerWillOpen();
}

void AppController::drawerDidOpen(QVDrawer* drawer) {
    if (drawer == outlets().magnifyDrawer)
        m_magnifierTool->drawerDidOpen();
}

void AppController::drawerWillClose(QVDrawer* drawer) {
    setToolChecked(indexOfDrawer(drawer), false);
    if (drawer == outlets().magnifyDrawer)
        m_magnifierTool->drawerWillClose();
}

void AppController::showBlendDrawer() {
    const MainWindowOutlets& o = outlets();
    closeDrawers({o.rgbDrawer, o.hexDrawer, o.magnifyDrawer});
    o.blendDrawer->open();
}

} // namespace tintmere
