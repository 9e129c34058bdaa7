// SPDX-License-Identifier: GPL-3.0-or-later
// The floating global panel that mirrors the palette. Until the panel is built, the
// controller runs without it: nothing to refresh, nothing shown, nothing to save.
#include "appcontroller.h"
#include "defaults.h"
#include "qvglobalpaletteview.h"
#include "qvpaletteview.h"
#include "qvselectedcolorwell.h"

#include <QWidget>

namespace tintmere {

void AppController::setUpGlobalPanel() {
}

void AppController::updateGlobalPanel() {
    QVGlobalPaletteView* palette = m_globalPaletteView.data();
    if (!palette)
        return;
    const QList<Color> colors = colorArray();
    for (int i = 0; i < colors.size(); ++i) {
        if (QVSelectedColorWell* well = palette->colorWellAtIndex(i))
            well->setColor(colors[i]);
    }
}

void AppController::setGlobalColor(int index, const Color& color) {
    QVGlobalPaletteView* palette = m_globalPaletteView.data();
    if (QVSelectedColorWell* well = palette ? palette->colorWellAtIndex(index) : nullptr)
        well->setColor(color);
}

bool AppController::isGlobalPanelVisible() const {
    const QWidget* panel = m_globalPanel.data();
    return panel && panel->isVisible();
}

void AppController::setGlobalPanelVisible(bool visible) {
    QWidget* panel = m_globalPanel.data();
    if (!panel)
        return;
    if (QVGlobalPaletteView* palette = m_globalPaletteView.data(); visible && palette)
        palette->selectColorWellatIndex(Defaults::standard().intValue(keys::SelectedGlobalColor));
    panel->setVisible(visible);
}

void AppController::saveGlobalPanelState() {
    if (const QWidget* panel = m_globalPanel.data())
        Defaults::standard().saveGeometry(keys::GlobalPanel, panel->saveGeometry());
}

} // namespace tintmere
