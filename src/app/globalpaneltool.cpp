// SPDX-License-Identifier: GPL-3.0-or-later
#include "globalpaneltool.h"

#include "colorundocommands.h"
#include "defaults.h"
#include "displaysession.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "platformreasons.h"
#include "qvglobalcolorinfoview.h"
#include "qvglobalpaletteview.h"
#include "qvglobalpanel.h"
#include "qvselectedcolorwell.h"
#include "windowframes.h"

#include <QGuiApplication>
#include <QUndoStack>

namespace tintmere {

namespace {

QString toQString(const std::optional<std::string>& text) {
    return text ? QString::fromStdString(*text) : QString();
}

} // namespace

GlobalPanelTool::GlobalPanelTool(const GlobalPanelWidgets& widgets, PaletteEditor& palette,
                                 const FormatSettings& formats, QObject* parent)
    : QObject(parent)
    , m_w(widgets)
    , m_palette(palette)
    , m_formats(formats)
    , m_panel(std::make_unique<QVGlobalPanel>()) {
    const Defaults& defaults = Defaults::standard();
    QVGlobalPanel* panel = m_panel.get();
    panel->setAccessibleName(tr("Global panel"));
    if (!platform::programPlacesWindows(platform::currentDisplaySession())) {
        const QString title = tr("Tintmere Global Panel");
        panel->becomeNormalWindow(title, platform::reasons::keepAboveOnWayland(
                                             qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
                                             QGuiApplication::desktopFileName(), title));
    }

    connect(panel->paletteView(), &QVGlobalPaletteView::colorWellAction, this,
            &GlobalPanelTool::globalColorSelected);
    NotificationCenter::defaultCenter().addObserver(
        this, notifications::SelectedColorWellChanged, nullptr,
        [this](const Notification&) { globalColorChanged(); });
    connect(panel, &QVGlobalPanel::visibilityChanged, this, &GlobalPanelTool::visibilityChanged);

    panel->paletteView()->setBorderColor(
        defaults.colorValue(keys::GlobalBorderColor).value_or(Color{}));
    panel->paletteView()->selectColorWellatIndex(defaults.intValue(keys::SelectedGlobalColor));
    // The strings make the rows that give the panel its height: fill them before placing it.
    showPalette();
    if (!panel->restoreFrame(defaults.restoreGeometry(keys::GlobalPanel)))
        panel->moveToFirstRunPosition();
}

void GlobalPanelTool::showIfShownAtQuit() {
    if (Defaults::standard().boolValue(keys::GlobalStartup)) {
        showPalette();
        m_panel->show();
    }
}

GlobalPanelTool::~GlobalPanelTool() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

QVGlobalPaletteView* GlobalPanelTool::paletteView() const {
    return m_panel->paletteView();
}

QVGlobalColorInfoView* GlobalPanelTool::infoView() const {
    return m_panel->infoView();
}

void GlobalPanelTool::update() {
    if (m_panel->isVisible())
        showPalette();
}

void GlobalPanelTool::showPalette() {
    QVGlobalPaletteView* palette = paletteView();
    const QList<Color> colors = m_palette.colorArray();
    const int tooltipFormat = Defaults::standard().intValue(keys::TooltipFormat);
    for (int i = 0; i < colors.size(); ++i) {
        if (QVSelectedColorWell* well = palette->colorWellAtIndex(i)) {
            well->setColor(colors[i]);
            well->setToolTip(toQString(stringOfColor(colors[i], tooltipFormat, m_formats)));
        }
    }
    if (const QVSelectedColorWell* selected = palette->selectedColorWell()) {
        const Color color = selected->color();
        m_panel->setColorStrings(QString::fromStdString(hexStringOfColor(color, m_formats)),
                                 QString::fromStdString(rgbStringOfColor(color, m_formats)),
                                 QString::fromStdString(webStringOfColor(color, m_formats)));
    }
    m_panel->contentView()->update();
}

void GlobalPanelTool::globalColorSelected(QVSelectedColorWell* well) {
    if (!well)
        return;
    paletteView()->selectColorWellatIndex(well->tag());
    Defaults::standard().setInt(keys::SelectedGlobalColor, paletteView()->selectedColorWellIndex());
    update();
}

void GlobalPanelTool::globalColorChanged() {
    // The palette still holds the colours from before the drop: each well that differs
    // takes the global one as an undoable change.
    const QList<Color> before = m_palette.colorArray();
    for (int i = 0; i < before.size(); ++i) {
        const QVSelectedColorWell* global = paletteView()->colorWellAtIndex(i);
        if (global && global->color() != before[i])
            m_w.undoStack->push(new SetColorCommand(m_palette, i, before[i], global->color(),
                                                    ChangeState::ToApply));
    }
    Q_EMIT paletteChanged();
}

void GlobalPanelTool::setGlobalColor(int index, const Color& color) {
    if (QVSelectedColorWell* well = paletteView()->colorWellAtIndex(index))
        well->setColor(color);
}

bool GlobalPanelTool::isVisible() const {
    // A minimised panel is out of sight: showing it again must bring it back.
    return m_panel->isVisible() && !m_panel->isMinimized();
}

void GlobalPanelTool::setVisible(bool visible) {
    if (!visible) {
        m_panel->hide();
        return;
    }
    paletteView()->selectColorWellatIndex(Defaults::standard().intValue(keys::SelectedGlobalColor));
    showPalette();
    // From any state the window system left it in: minimised, maximised or hidden.
    m_panel->showNormal();
    m_panel->raise();
}

void GlobalPanelTool::saveState() const {
    Defaults& defaults = Defaults::standard();
    defaults.saveGeometry(keys::GlobalPanel,
                          frameToSave(m_panel.get(), defaults.restoreGeometry(keys::GlobalPanel)));
}

} // namespace tintmere
