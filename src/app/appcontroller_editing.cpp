// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the current colour: every edit path ends in one refresh of every display.
#include "appcontroller.h"
#include "colormetatype.h"
#include "componentspinbox.h"
#include "defaults.h"
#include "fieldundo.h"
#include "floatlabelformat.h"
#include "hexentry.h"
#include "magnifiercontrol.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qvcolorinfo.h"
#include "qvcolorwell.h"
#include "qvdrawer.h"
#include "qvglobalcolorinfoview.h"
#include "qvglobalpaletteview.h"
#include "qvinfoview.h"
#include "qvmagnifyview.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"
#include "qvradiocolorwell.h"
#include "qvscrollslider.h"
#include "qvselectedcolorwell.h"
#include "storedcolors.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QUndoStack>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

void writeStringToPasteboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

} // namespace

void AppController::connectEditing() {
    const MainWindowOutlets& o = outlets();
    connect(o.paletteView, &QVPaletteView::colorWellAction, this, &AppController::updateColorInfo);
    connect(o.paletteView, &QVPaletteView::radioButtonAction, this,
            [this](QVRadioColorWell* cell) { newColorSelected(cell->tag()); });

    for (int c = 0; c < 3; ++c) {
        QVScrollSlider* slider = o.sliders[std::size_t(c)];
        connect(slider, &QSlider::valueChanged, this,
                [this, slider] { colorComponentChanged(slider); });
        ComponentSpinBox* field = o.colorFields[std::size_t(c)];
        connect(field, &ComponentSpinBox::stepped, this,
                [this, c](int value) { colorIncrement(c, value); });
        connect(field, &ComponentSpinBox::textEdited, this, &AppController::controlTextDidChange);
        connect(field, &ComponentSpinBox::entered, this, [this] {
            // The typed numbers become the sliders' values, then the colour.
            const MainWindowOutlets& fields = outlets();
            for (std::size_t k = 0; k < 3; ++k) {
                const QSignalBlocker blocker(fields.sliders[k]);
                fields.sliders[k]->setValue(fields.colorFields[k]->typedValue());
            }
            colorComponentChanged(this);
        });

        auto* copy = new QAction(tr("Copy"), o.floatLabels[std::size_t(c)]);
        connect(copy, &QAction::triggered, this, [this, c] { copyFloatValue(c); });
        o.floatLabels[std::size_t(c)]->addAction(copy);
    }
    // Dragging a slider returns to the event loop between moves; its change waits for the
    // release, so that the whole drag becomes one undo step.
    std::array<QPointer<QSlider>, 3> sliders;
    std::copy(o.sliders.begin(), o.sliders.end(), sliders.begin());
    NotificationCenter::defaultCenter().setQueueHold([sliders] {
        return std::any_of(sliders.begin(), sliders.end(), [](const QPointer<QSlider>& slider) {
            return slider && slider->isSliderDown();
        });
    });

    new PaletteUndoPassThrough(o.hexField, o.hexField);
    connect(o.hexField, &QLineEdit::textEdited, this, &AppController::hexFieldTextEdited);
    connect(o.hexField, &QLineEdit::returnPressed, this, &AppController::hexTextChanged);

    for (QAction* item : o.colorItems) {
        connect(item, &QAction::triggered, this,
                [this, item] { newColorSelected(item->data().toInt()); });
    }
    for (int family = 0; family < 3; ++family) {
        connect(o.copyItems[std::size_t(family)], &QAction::triggered, this,
                [this, family] { copyColorString(family); });
    }
    connect(o.webPreview, &QAction::triggered, this, &AppController::toggleWebPreview);
}

QVPaletteColorWell* AppController::mainWell(int index) const {
    QVRadioColorWell* cell = outlets().paletteView->radioColorWellAtIndex(index);
    return cell ? cell->colorWell() : nullptr;
}

void AppController::updateColorInfo(QVPaletteColorWell* well) {
    if (!well)
        return;
    const MainWindowOutlets& o = outlets();
    o.paletteView->selectColorWellatIndex(well->tag());
    checkColorItem(o.paletteView->selectedColorWellIndex());

    const Color color = well->color();
    showComponents(color);
    showFloatLabels(color);

    o.infoView->setString(toQString(hexStringOfColor(color, m_formats)), 0);
    o.infoView->setString(toQString(rgbStringOfColor(color, m_formats)), 1);
    o.infoView->setString(toQString(webStringOfColor(color, m_formats)), 2);

    saveMainColors();
    updateGlobalPanel();
    updateColorToolTips();
}

void AppController::updateColorLabels() {
    updateColorInfo(outlets().paletteView->selectedColorWell());
}

void AppController::checkColorItem(int selectedIndex) {
    const auto& items = outlets().colorItems;
    for (QAction* item : items)
        item->setChecked(false);
    if (selectedIndex >= 0 && selectedIndex < int(items.size()))
        items[std::size_t(selectedIndex)]->setChecked(true);
}

void AppController::showComponents(const Color& color) {
    const MainWindowOutlets& o = outlets();
    const std::array<float, 3> components{color.red, color.green, color.blue};
    for (std::size_t c = 0; c < 3; ++c) {
        {
            const QSignalBlocker blocker(o.sliders[c]);
            o.sliders[c]->setValue(byteValue(components[c]));
        }
        o.colorFields[c]->showValue(o.sliders[c]->value());
    }
}

void AppController::showFloatLabels(const Color& color) {
    const std::array<float, 3> components{color.red, color.green, color.blue};
    for (std::size_t c = 0; c < 3; ++c)
        outlets().floatLabels[c]->setText(floatLabelText(components[c], m_floatFormat));
}

void AppController::saveMainColors() {
    QStringList texts;
    for (const Color& color : colorArray())
        texts.append(storedColorText(color));
    Defaults::standard().setStringArray(keys::SavedColors, texts);
}

void AppController::updateColorToolTips() {
    const int family = Defaults::standard().intValue(keys::TooltipFormat);
    for (int i = 0; i < outlets().paletteView->colorWellCount(); ++i) {
        QVPaletteColorWell* well = mainWell(i);
        const auto text = stringOfColor(well->color(), family, m_formats);
        well->setToolTip(text ? toQString(*text) : QString());
    }
}

void AppController::colorComponentChanged(QObject* sender) {
    const MainWindowOutlets& o = outlets();
    bool fromSlider = false;
    for (std::size_t c = 0; c < 3; ++c) {
        if (sender == o.sliders[c]) {
            o.colorFields[c]->showValue(o.sliders[c]->value());
            fromSlider = true;
        }
    }
    if (!fromSlider) {
        for (std::size_t c = 0; c < 3; ++c)
            o.colorFields[c]->showValue(o.sliders[c]->value());
    }

    QVPaletteColorWell* well = o.paletteView->selectedColorWell();
    if (!well)
        return;
    // A burst of movement reaches the undo stack once, with the colour from before it.
    NotificationCenter::defaultCenter().enqueue(
        notifications::SliderChange, well, {{userinfo::Color, QVariant::fromValue(well->color())}});
    well->setColor(Color{float(o.sliders[0]->value()) / 255.0f,
                         float(o.sliders[1]->value()) / 255.0f,
                         float(o.sliders[2]->value()) / 255.0f, 1.0f});
    updateColorLabels();
    showFloatLabels(o.paletteView->selectedColor());
}

void AppController::colorIncrement(int component, int value) {
    if (component < 0 || component > 2)
        return;
    QVScrollSlider* slider = outlets().sliders[std::size_t(component)];
    {
        const QSignalBlocker blocker(slider);
        slider->setValue(value);
    }
    colorComponentChanged(slider);
}

void AppController::controlTextDidChange() {
    const MainWindowOutlets& o = outlets();
    if (o.rgbDrawer->state() == QVDrawer::Open) {
        const Color typed{float(o.colorFields[0]->typedValue()) / 255.0f,
                          float(o.colorFields[1]->typedValue()) / 255.0f,
                          float(o.colorFields[2]->typedValue()) / 255.0f, 1.0f};
        setColor(typed, o.paletteView->selectedColorWellIndex());
    }
}

void AppController::hexFieldTextEdited() {
    const MainWindowOutlets& o = outlets();
    if (o.hexDrawer->state() != QVDrawer::Open)
        return;
    const QString text = o.hexField->text();
    const QString trimmed = trimmedHexFieldText(text);
    if (trimmed != text)
        o.hexField->setText(trimmed);
}

void AppController::hexTextChanged() {
    const MainWindowOutlets& o = outlets();
    const std::optional<Color> parsed = Color::colorFromHex(o.hexField->text().toStdString());
    if (!parsed) {
        // Text that names no colour changes nothing.
        QApplication::beep();
        return;
    }
    const QList<Color> before = colorArray();
    for (std::size_t row = 0; row < o.applyToColors.size(); ++row) {
        if (o.applyToColors[row]->isChecked())
            mainWell(int(row))->setColor(*parsed);
    }
    updateColorLabels();
    o.undoStack->push(
        new SetPaletteCommand(*this, before, colorArray(), ChangeState::AlreadyApplied));
    // The entry is applied: Ctrl+Z now belongs to the palette.
    forgetTypingHistory(o.hexField);
}

void AppController::copyFloatValue(int component) {
    if (component < 0 || component > 2)
        return;
    writeStringToPasteboard(outlets().floatLabels[std::size_t(component)]->text());
}

void AppController::copyColorString(int family) {
    copyColorStringOf(outlets().paletteView->selectedColor(), family);
}

void AppController::copyColorStringOf(const Color& color, int family) {
    if (const auto text = stringOfColor(color, family, m_formats))
        writeStringToPasteboard(toQString(*text));
}

void AppController::setColor(const Color& color, int index) {
    QVPaletteColorWell* well = mainWell(index);
    if (!well)
        return;
    outlets().undoStack->push(
        new SetColorCommand(*this, index, well->color(), color, ChangeState::ToApply));
}

void AppController::applyColor(int index, const Color& color) {
    QVPaletteColorWell* well = mainWell(index);
    if (!well)
        return;
    well->setColor(color);
    setGlobalColor(index, color);
    updateColorLabels();
}

void AppController::newColorwellColor(const Notification& notification) {
    auto* well = qobject_cast<QVPaletteColorWell*>(notification.object.data());
    if (!well || well != mainWell(well->tag()))
        return;
    const QVariant before = notification.userInfo.value(userinfo::Color);
    // A change that ended where it began (an entry repeating the typed value, a drag back
    // to its start) leaves no step that would undo nothing.
    if (!before.canConvert<Color>() || before.value<Color>() == well->color())
        return;
    outlets().undoStack->push(new SetColorCommand(*this, well->tag(), before.value<Color>(),
                                                  well->color(), ChangeState::AlreadyApplied));
}

QList<Color> AppController::colorArray() const {
    return outlets().paletteView->colorArray();
}

void AppController::setPaletteToColorArray(const QList<Color>& colors) {
    if (colors.size() <= 3)
        return;
    outlets().undoStack->push(
        new SetPaletteCommand(*this, colorArray(), colors, ChangeState::ToApply));
}

void AppController::applyPalette(const QList<Color>& colors) {
    if (colors.size() <= 3)
        return;
    // Each well refreshes the displays as it takes its colour, so the last one ends up
    // selected.
    for (int i = 0; i < 4; ++i) {
        mainWell(i)->setColor(colors[i]);
        setGlobalColor(i, colors[i]);
    }
}

void AppController::newColorSelected(int tag) {
    const MainWindowOutlets& o = outlets();
    o.paletteView->setFocus();
    QVPaletteColorWell* current = o.paletteView->selectedColorWell();
    QVPaletteColorWell* chosen = mainWell(tag);
    if (current && chosen && current->isActive())
        chosen->activate(true);
    o.paletteView->selectColorWellatIndex(tag);
    updateColorInfo(o.paletteView->selectedColorWell());
}

void AppController::setFloatWithFormat(int floatFormat) {
    m_floatFormat = floatFormat;
    updateColorLabels();
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
    if (m_magnifier && m_magnifier->hasSelectedColor())
        m_magnifier->updateToolTip();
}

void AppController::updateGUI(const Notification& notification) {
    const Defaults& defaults = Defaults::standard();
    const QString key = notification.userInfo.value(userinfo::Object).toString();
    const auto is = [&key](const SettingKey& candidate) { return key == candidate.name; };

    if (is(keys::TooltipFormat)) {
        passFormatsToViews();
        if (m_magnifier && m_magnifier->hasSelectedColor())
            m_magnifier->updateToolTip();
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
        applyMagnifierSettings();
    } else if (is(keys::GlobalBorderColor)) {
        if (QVGlobalPaletteView* palette = globalPaletteView())
            palette->setBorderColor(defaults.colorValue(keys::GlobalBorderColor).value_or(Color{}));
    }
}

void AppController::passFormatsToViews() {
    const Defaults& defaults = Defaults::standard();
    QVColorWellBase::setTransferFormats(m_formats, defaults.intValue(keys::DragFormat));
    if (QVMagnifyView* view = magnifyView())
        view->setToolTipFamily(defaults.intValue(keys::TooltipFormat));
}

void AppController::setDrawGloss(bool drawGloss) {
    const MainWindowOutlets& o = outlets();
    o.paletteView->setDrawGloss(drawGloss);
    if (QVGlobalPaletteView* palette = globalPaletteView())
        palette->setDrawGloss(drawGloss);
    o.colorOneBlend->setDrawGloss(drawGloss);
    o.colorTwoBlend->setDrawGloss(drawGloss);
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
