// SPDX-License-Identifier: GPL-3.0-or-later
// The floating global panel: a copy of the palette with the strings of its own selected
// well, shown above every program. Colours dropped on it flow back into the palette.
#include "appcontroller.h"
#include "defaults.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qvglobalcolorinfoview.h"
#include "qvglobalpaletteview.h"
#include "qvglobalpanel.h"
#include "qvpaletteview.h"
#include "qvselectedcolorwell.h"

#include <QUndoStack>
#include <QWidget>

namespace tintmere {

namespace {

QString toQString(const std::optional<std::string>& text) {
    return text ? QString::fromStdString(*text) : QString();
}

} // namespace

void AppController::setUpGlobalPanel() {
    const Defaults& defaults = Defaults::standard();
    m_globalPanel = std::make_unique<QVGlobalPanel>();
    QVGlobalPanel* panel = m_globalPanel.get();
    panel->setAccessibleName(tr("Global panel"));

    connect(panel->paletteView(), &QVGlobalPaletteView::colorWellAction, this,
            &AppController::globalColorSelected);
    NotificationCenter::defaultCenter().addObserver(
        this, notifications::SelectedColorWellChanged, nullptr,
        [this](const Notification&) { globalColorChanged(); });
    // Its own close box hides it too; the tool button and menu item follow.
    connect(panel, &QVGlobalPanel::visibilityChanged, this,
            [this](bool visible) { setToolChecked(Tool::GlobalPanel, visible); });

    panel->paletteView()->setBorderColor(
        defaults.colorValue(keys::GlobalBorderColor).value_or(Color{}));
    panel->paletteView()->selectColorWellatIndex(defaults.intValue(keys::SelectedGlobalColor));
    // The strings make the rows that give the panel its height: fill them before placing it.
    updateGlobalPanel();
    if (!panel->restoreFrame(defaults.restoreGeometry(keys::GlobalPanel)))
        panel->moveToFirstRunPosition();
    if (defaults.boolValue(keys::GlobalStartup))
        panel->show();
}

QVGlobalPaletteView* AppController::globalPaletteView() const {
    return m_globalPanel ? m_globalPanel->paletteView() : nullptr;
}

QVGlobalColorInfoView* AppController::globalInfoView() const {
    return m_globalPanel ? m_globalPanel->infoView() : nullptr;
}

void AppController::updateGlobalPanel() {
    QVGlobalPanel* panel = m_globalPanel.get();
    if (!panel)
        return;
    QVGlobalPaletteView* palette = panel->paletteView();
    const QList<Color> colors = colorArray();
    const int tooltipFormat = Defaults::standard().intValue(keys::TooltipFormat);
    for (int i = 0; i < colors.size(); ++i) {
        if (QVSelectedColorWell* well = palette->colorWellAtIndex(i)) {
            well->setColor(colors[i]);
            well->setToolTip(toQString(stringOfColor(colors[i], tooltipFormat, m_formats)));
        }
    }
    if (const QVSelectedColorWell* selected = palette->selectedColorWell()) {
        const Color color = selected->color();
        panel->setColorStrings(QString::fromStdString(hexStringOfColor(color, m_formats)),
                               QString::fromStdString(rgbStringOfColor(color, m_formats)),
                               QString::fromStdString(webStringOfColor(color, m_formats)));
    }
    panel->contentView()->update();
}

void AppController::globalColorSelected(QVSelectedColorWell* well) {
    QVGlobalPaletteView* palette = globalPaletteView();
    if (!palette || !well)
        return;
    palette->selectColorWellatIndex(well->tag());
    Defaults::standard().setInt(keys::SelectedGlobalColor, palette->selectedColorWellIndex());
    updateGlobalPanel();
}

void AppController::globalColorChanged() {
    QVGlobalPaletteView* palette = globalPaletteView();
    if (!palette)
        return;
    // The main palette still holds the colours from before the drop: each well that differs
    // takes the global one as an undoable change.
    const QList<Color> before = colorArray();
    for (int i = 0; i < before.size(); ++i) {
        const QVSelectedColorWell* global = palette->colorWellAtIndex(i);
        if (global && global->color() != before[i])
            outlets().undoStack->push(
                new SetColorCommand(*this, i, before[i], global->color(), ChangeState::ToApply));
    }
    updateColorLabels();
}

void AppController::setGlobalColor(int index, const Color& color) {
    QVGlobalPaletteView* palette = globalPaletteView();
    if (QVSelectedColorWell* well = palette ? palette->colorWellAtIndex(index) : nullptr)
        well->setColor(color);
}

bool AppController::isGlobalPanelVisible() const {
    // A minimised panel is out of sight: showing it again must bring it back.
    return m_globalPanel && m_globalPanel->isVisible() && !m_globalPanel->isMinimized();
}

void AppController::setGlobalPanelVisible(bool visible) {
    if (!m_globalPanel)
        return;
    if (visible) {
        globalPaletteView()->selectColorWellatIndex(
            Defaults::standard().intValue(keys::SelectedGlobalColor));
        updateGlobalPanel();
        // From any state the window system left it in: minimised, maximised or hidden.
        m_globalPanel->showNormal();
        m_globalPanel->raise();
        return;
    }
    m_globalPanel->hide();
}

void AppController::saveGlobalPanelState() {
    if (m_globalPanel)
        Defaults::standard().saveGeometry(keys::GlobalPanel, m_globalPanel->saveGeometry());
}

} // namespace tintmere
