// SPDX-License-Identifier: GPL-3.0-or-later
// The tools: four drawers, at most one open, and the global panel.
#include "appcontroller.h"
#include "defaults.h"
#include "magnifiercontrol.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qvdrawer.h"
#include "qvlockview.h"
#include "qvpaletteview.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>

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
        if (isGlobalPanelVisible()) {
            setGlobalPanelVisible(false);
        } else {
            setGlobalPanelVisible(true);
        }
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
    if (drawer == o.hexDrawer) {
        // A hex entry right after opening changes only the current colour.
        for (QCheckBox* box : o.applyToColors)
            box->setChecked(false);
        const int selected = o.paletteView->selectedColorWellIndex();
        if (selected >= 0 && selected < int(o.applyToColors.size()))
            o.applyToColors[std::size_t(selected)]->setChecked(true);
        o.hexField->setFocus();
    } else if (drawer == o.magnifyDrawer) {
        if (m_magnifier)
            m_magnifier->setDrawLoading(true);
        o.lockStatus->setIsLocked(false);
    }
}

void AppController::drawerDidOpen(QVDrawer* drawer) {
    if (drawer != outlets().magnifyDrawer || !m_magnifier)
        return;
    m_magnifier->setDrawLoading(false);
    m_magnifier->beginMagnify();
    // A lock pressed while the drawer slid out only flipped the indicator; it shows what
    // runs now.
    outlets().lockStatus->setIsLocked(false);
}

void AppController::drawerWillClose(QVDrawer* drawer) {
    const MainWindowOutlets& o = outlets();
    setToolChecked(indexOfDrawer(drawer), false);
    if (drawer == o.magnifyDrawer) {
        if (m_magnifier)
            m_magnifier->stopMagnify();
        o.lockStatus->setIsLocked(true);
    }
}

void AppController::toggleMagnify() {
    const MainWindowOutlets& o = outlets();
    if (o.magnifyDrawer->state() == QVDrawer::Open && m_magnifier) {
        if (m_magnifier->isStopped())
            m_magnifier->beginMagnify();
        else
            m_magnifier->stopMagnify();
    }
    o.lockStatus->toggleStatus();
}

void AppController::setMagnifier(MagnifierControl* magnifier) {
    m_magnifier = magnifier;
    applyMagnifierSettings();
}

void AppController::applyMagnifierSettings() {
    if (!m_magnifier)
        return;
    const Defaults& defaults = Defaults::standard();
    m_magnifier->setBoxSize(defaults.intValue(keys::ZoomSize));
    m_magnifier->setDrawGrid(defaults.boolValue(keys::DrawGrid));
    m_magnifier->setBorderColor(defaults.colorValue(keys::ZoomBorderColor).value_or(Color{}));
}

} // namespace tintmere
