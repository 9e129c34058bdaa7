// SPDX-License-Identifier: GPL-3.0-or-later
// The current colour: the palette changes undo and redo carry, and the settings that change
// how colours are written.
#include "appcontroller.h"
#include "blendtool.h"
#include "coloreditor.h"
#include "defaults.h"
#include "globalpaneltool.h"
#include "magnifiertool.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qvcolorinfo.h"
#include "qvcolorwell.h"
#include "qvglobalcolorinfoview.h"
#include "qvglobalpaletteview.h"
#include "qvinfoview.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace tintmere {

QVPaletteColorWell* AppController::mainWell(int index) const {
    return m_editor->well(index);
}

void AppController::copyColorString(int family) {
    copyColorStringOf(outlets().paletteView->selectedColor(), family);
}

void AppController::copyColorStringOf(const Color& color, int family) {
    if (const auto text = stringOfColor(color, family, m_formats))
        QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
}

void AppController::setColor(const Color& color, int index) {
    recordColor(*outlets().undoStack, *this, index, color);
}

void AppController::setPaletteToColorArray(const QList<Color>& colors) {
    recordPalette(*outlets().undoStack, *this, colors);
}

QList<Color> AppController::colorArray() const {
    return outlets().paletteView->colorArray();
}

void AppController::applyColor(int index, const Color& color) {
    QVPaletteColorWell* well = mainWell(index);
    if (!well)
        return;
    well->setColor(color);
    m_globalPanel->setGlobalColor(index, color);
    updateColorLabels();
}

void AppController::applyPalette(const QList<Color>& colors) {
    if (colors.size() <= 3)
        return;
    // Each well refreshes the displays as it takes its colour, so the last one ends up
    // selected.
    for (int i = 0; i < 4; ++i) {
        mainWell(i)->setColor(colors[i]);
        m_globalPanel->setGlobalColor(i, colors[i]);
    }
}

void AppController::storePrimaryFormat(QStringView entry, int value) {
    Defaults& defaults = Defaults::standard();
    QVariantMap formats = defaults.dictionaryValue(keys::PrimaryFormat);
    formats.insert(entry.toString(), value);
    defaults.setDictionary(keys::PrimaryFormat, formats);
}

void AppController::scrollColorFormat(const Notification& notification) {
    const QObject* row = notification.object.data();
    const QVGlobalColorInfoView* globalInfo = globalInfoView();
    const auto isRow = [this, row, globalInfo](int index) {
        if (!row)
            return false;
        if (row == outlets().infoView->colorInfoAtIndex(index))
            return true;
        return globalInfo && row == globalInfo->colorInfoAtIndex(index);
    };
    if (isRow(0)) {
        m_formats.hexVariant = (m_formats.hexVariant + 1) % 2;
        storePrimaryFormat(keys::PrimaryFormatHex, m_formats.hexVariant);
    } else if (isRow(1)) {
        m_formats.rgbVariant = (m_formats.rgbVariant + 1) % 2;
        storePrimaryFormat(keys::PrimaryFormatRgb, m_formats.rgbVariant);
    } else if (isRow(2)) {
        m_formats.webVariant = (m_formats.webVariant + 1) % 6;
        storePrimaryFormat(keys::PrimaryFormatWebSafe, m_formats.webVariant);
    }
    passFormatsToViews();
    updateColorLabels();
    m_magnifierTool->refreshToolTip();
}

void AppController::updateGUI(const Notification& notification) {
    const Defaults& defaults = Defaults::standard();
    const QString key = notification.userInfo.value(userinfo::Object).toString();
    const auto is = [&key](const SettingKey& candidate) { return key == candidate.name; };

    if (is(keys::TooltipFormat)) {
        passFormatsToViews();
        m_magnifierTool->refreshToolTip();
        updateColorToolTips();
        updateGlobalPanel();
    } else if (is(keys::DragFormat)) {
        passFormatsToViews();
    } else if (is(keys::DrawGloss)) {
        setDrawGloss(defaults.boolValue(keys::DrawGloss));
    } else if (is(keys::UppercaseHex)) {
        m_formats.useUppercase = defaults.boolValue(keys::UppercaseHex);
        passFormatsToViews();
        updateColorLabels();
    } else if (is(keys::UseShorthand)) {
        m_formats.useShorthand = defaults.boolValue(keys::UseShorthand);
        passFormatsToViews();
        updateColorLabels();
    } else if (is(keys::FloatFormat)) {
        setFloatWithFormat(defaults.intValue(keys::FloatFormat));
    } else if (is(keys::ZoomSize) || is(keys::DrawGrid) || is(keys::ZoomBorderColor)) {
        m_magnifierTool->applySettings();
    } else if (is(keys::GlobalBorderColor)) {
        if (QVGlobalPaletteView* palette = globalPaletteView())
            palette->setBorderColor(defaults.colorValue(keys::GlobalBorderColor).value_or(Color{}));
    }
}

void AppController::passFormatsToViews() {
    const Defaults& defaults = Defaults::standard();
    QVColorWellBase::setTransferFormats(m_formats, defaults.intValue(keys::DragFormat));
    m_magnifierTool->setToolTipFamily(defaults.intValue(keys::TooltipFormat));
}

void AppController::setDrawGloss(bool drawGloss) {
    outlets().paletteView->setDrawGloss(drawGloss);
    if (QVGlobalPaletteView* palette = globalPaletteView())
        palette->setDrawGloss(drawGloss);
    m_blend->setDrawGloss(drawGloss);
}

void AppController::toggleWebPreview() {
    const MainWindowOutlets& o = outlets();
    o.paletteView->setDrawWeb(!o.paletteView->drawWeb());
    if (QVGlobalPaletteView* palette = globalPaletteView())
        palette->setDrawWeb(!palette->drawWeb());
    Defaults::standard().setBool(keys::DrawWebPreview, o.paletteView->drawWeb());
    o.webPreview->setChecked(o.paletteView->drawWeb());
    updateColorLabels();
}

} // namespace tintmere
