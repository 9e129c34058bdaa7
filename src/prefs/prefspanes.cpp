// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefspanes.h"

#include "prefsaboutpane.h"
#include "prefssettings.h"
#include "qvcolorpopupbutton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::prefs {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PrefsController", text);
}

// The name a screen reader gives a control: its label without mnemonic and colon.
QString accessibleNameOf(QString labelText) {
    labelText.remove(u'&');
    if (labelText.endsWith(u':'))
        labelText.chop(1);
    return labelText;
}

template <typename Control>
Control* describe(Control* control, const QString& name, const QString& toolTip) {
    control->setObjectName(name);
    control->setToolTip(toolTip);
    return control;
}

// A form row: a label with a mnemonic that gives the keyboard to its control.
void addRow(QFormLayout* form, const QString& labelText, QWidget* control) {
    auto* label = new QLabel(labelText);
    label->setBuddy(control);
    control->setAccessibleName(accessibleNameOf(labelText));
    form->addRow(label, control);
}

QComboBox* popUp(const QString& name, const QStringList& titles, int tag, const QString& toolTip) {
    auto* combo = describe(new QComboBox, name, toolTip);
    combo->addItems(titles);
    combo->setProperty(kTagProperty, tag);
    return combo;
}

QCheckBox* checkBox(const QString& name, const QString& title, int tag, const QString& toolTip) {
    auto* box = describe(new QCheckBox(title), name, toolTip);
    box->setAccessibleName(accessibleNameOf(title));
    box->setProperty(kTagProperty, tag);
    return box;
}

QVColorPopUpButton* colorPopUp(const QString& name, const QString& toolTip) {
    return describe(new QVColorPopUpButton, name, toolTip);
}

QFormLayout* paneForm(QWidget* pane) {
    auto* form = new QFormLayout(pane);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    return form;
}

QStringList stringTitles() {
    return {tr("Hex"), tr("RGB"), tr("Web Safe")};
}

QWidget* generalPane(PrefsControls& controls) {
    auto* pane = new QWidget;
    QFormLayout* form = paneForm(pane);

    controls.resetColorPopUp =
        colorPopUp(u"resetColorPopUp"_s, tr("The color the Reset commands put into a well"));
    addRow(form, tr("&Reset color:"), controls.resetColorPopUp);

    controls.tooltipFormatPopUp = popUp(u"tooltipFormatPopUp"_s, stringTitles(), 0,
                                        tr("Which string the tooltips of the palette wells show"));
    addRow(form, tr("&Tooltips show:"), controls.tooltipFormatPopUp);

    controls.dragFormatPopUp =
        popUp(u"dragFormatPopUp"_s, stringTitles(), 2,
              tr("Which string a color dragged out of a well or the magnifier carries as text"));
    addRow(form, tr("&Drag colors as:"), controls.dragFormatPopUp);

    controls.quickBlendMatrix = new QButtonGroup(pane);
    controls.quickBlendMatrix->setObjectName(u"quickBlendMatrix"_s);
    controls.quickBlendMatrix->setProperty(kTagProperty, 1);
    auto* rows = new QVBoxLayout;
    const QStringList rowTitles{tr("&One midpoint, into the selected well"),
                                tr("T&wo midpoints, filling the whole palette")};
    for (int row = 0; row < rowTitles.size(); ++row) {
        auto* radio = describe(new QRadioButton(rowTitles.at(row)), u"quickBlendRow%1"_s.arg(row),
                               tr("What the Quick Blend With commands make"));
        radio->setAccessibleName(accessibleNameOf(rowTitles.at(row)));
        controls.quickBlendMatrix->addButton(radio, row);
        rows->addWidget(radio);
    }
    form->addRow(tr("Quick blends make:"), rows);

    controls.glossCheckBox = checkBox(u"glossCheckBox"_s, tr("Draw &gloss on color wells"), 3,
                                      tr("Color wells show a glossy highlight"));
    form->addRow(controls.glossCheckBox);
    return pane;
}

QWidget* colorFormatsPane(PrefsControls& controls) {
    auto* pane = new QWidget;
    QFormLayout* form = paneForm(pane);
    controls.uppercaseHexCheckBox =
        checkBox(u"uppercaseHexCheckBox"_s, tr("&Uppercase hex digits (#FFCC00)"), 10,
                 tr("Hex strings use the digits A to F rather than a to f"));
    form->addRow(controls.uppercaseHexCheckBox);
    controls.shorthandHexCheckBox =
        checkBox(u"shorthandHexCheckBox"_s, tr("Use &shorthand hex where possible (#FC0)"), 11,
                 tr("Hex strings of colors whose digits come in pairs use one digit each"));
    form->addRow(controls.shorthandHexCheckBox);
    controls.copyPickedHexCheckBox = checkBox(
        u"copyPickedHexCheckBox"_s, tr("&Copy the hex string of a color picked from the screen"),
        12, tr("Picking from the screen also puts the color's hex string on the clipboard"));
    form->addRow(controls.copyPickedHexCheckBox);
    return pane;
}

QWidget* rgbPane(PrefsControls& controls) {
    auto* pane = new QWidget;
    QFormLayout* form = paneForm(pane);
    controls.floatFormatPopUp =
        popUp(u"floatFormatPopUp"_s, {}, 20,
              tr("Decimal places of the 0 to 1 values beside the RGB sliders"));
    addRow(form, tr("&Decimal places:"), controls.floatFormatPopUp);
    return pane;
}

QWidget* magnifyPane(PrefsControls& controls) {
    auto* pane = new QWidget;
    QFormLayout* form = paneForm(pane);
    controls.zoomSizePopUp = popUp(u"zoomSizePopUp"_s, {tr("Small"), tr("Medium"), tr("Large")}, 30,
                                   tr("How far the pixel under the pointer grows"));
    addRow(form, tr("Hover &size:"), controls.zoomSizePopUp);
    controls.zoomBorderColorPopUp =
        colorPopUp(u"zoomBorderColorPopUp"_s, tr("The frame around the enlarged pixel"));
    addRow(form, tr("&Border color:"), controls.zoomBorderColorPopUp);
    controls.gridLinesCheckBox =
        checkBox(u"gridLinesCheckBox"_s, tr("Draw &grid lines between pixels"), 31,
                 tr("The magnifier separates its pixels with thin lines"));
    form->addRow(controls.gridLinesCheckBox);
    return pane;
}

QWidget* globalPane(PrefsControls& controls) {
    auto* pane = new QWidget;
    QFormLayout* form = paneForm(pane);
    controls.globalBorderColorPopUp = colorPopUp(
        u"globalBorderColorPopUp"_s, tr("The frame around the wells of the global panel"));
    addRow(form, tr("Well &border color:"), controls.globalBorderColorPopUp);
    return pane;
}

} // namespace

std::array<QWidget*, 6> PrefsPanes::all() const {
    return {generalView, colorFormatsView, rgbView, magnifyView, globalView, updateView};
}

PrefsPanes buildPanes() {
    PrefsPanes panes;
    panes.generalView = generalPane(panes.controls);
    panes.colorFormatsView = colorFormatsPane(panes.controls);
    panes.rgbView = rgbPane(panes.controls);
    panes.magnifyView = magnifyPane(panes.controls);
    panes.globalView = globalPane(panes.controls);
    panes.updateView = new PrefsAboutPane;
    return panes;
}

} // namespace tintmere::prefs
