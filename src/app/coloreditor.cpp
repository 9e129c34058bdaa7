// SPDX-License-Identifier: GPL-3.0-or-later
// Every edit path ends in one refresh of every display.
#include "coloreditor.h"

#include "colormetatype.h"
#include "colorundocommands.h"
#include "componentrows.h"
#include "componentspinbox.h"
#include "defaults.h"
#include "fieldundo.h"
#include "floatlabelformat.h"
#include "hexentry.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qvcolorscaleslider.h"
#include "qvdrawer.h"
#include "qvinfoview.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"
#include "qvradiocolorwell.h"
#include "storedcolors.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QUndoStack>

#include <algorithm>

namespace tintmere {

namespace {

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

ColorEditor::ColorEditor(const ColorEditorWidgets& widgets, PaletteEditor& palette,
                         const FormatSettings& formats, QObject* parent)
    : QObject(parent)
    , m_w(widgets)
    , m_palette(palette)
    , m_formats(formats) {
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, notifications::ColorWellChange, nullptr,
                       [this](const Notification& n) { recordWellChange(n); });
    center.addObserver(this, notifications::SliderChange, nullptr,
                       [this](const Notification& n) { recordWellChange(n); });
    connectControls();
    // A stored name of no model (an older or edited setting) reads as RGB. The controls
    // show colours from the first refresh on, once the palette is in.
    showModel(colorModelNamed(Defaults::standard().stringValue(keys::SliderModel).toStdString()));
}

ColorEditor::~ColorEditor() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

void ColorEditor::connectControls() {
    connect(m_w.paletteView, &QVPaletteView::colorWellAction, this, &ColorEditor::showWell);
    connect(m_w.paletteView, &QVPaletteView::radioButtonAction, this,
            [this](QVRadioColorWell* cell) { selectWell(cell->tag()); });

    connect(m_w.colorModels, &QButtonGroup::idClicked, this,
            [this](int id) { setColorModel(ColorModel(id)); });
    for (int c = 0; c < 3; ++c) {
        QVColorScaleSlider* slider = m_w.sliders[std::size_t(c)];
        connect(slider, &QSlider::valueChanged, this,
                [this, slider] { colorComponentChanged(slider); });
        ComponentSpinBox* field = m_w.colorFields[std::size_t(c)];
        connect(field, &ComponentSpinBox::stepped, this,
                [this, c](double value) { colorIncrement(c, value); });
        connect(field, &ComponentSpinBox::textEdited, this, &ColorEditor::controlTextDidChange);
        connect(field, &ComponentSpinBox::entered, this, [this] {
            // The typed numbers become the sliders' values, then the colour; other models
            // read the fields themselves, finer than their sliders.
            for (std::size_t k = 0; k < 3 && colorModel() == ColorModel::RGB; ++k) {
                const QSignalBlocker blocker(m_w.sliders[k]);
                m_w.sliders[k]->setValue(int(m_w.colorFields[k]->typedValue()));
            }
            colorComponentChanged(this);
        });

        auto* copy = new QAction(tr("Copy"), m_w.floatLabels[std::size_t(c)]);
        connect(copy, &QAction::triggered, this, [this, c] { copyFloatValue(c); });
        m_w.floatLabels[std::size_t(c)]->addAction(copy);
    }
    // Dragging a slider returns to the event loop between moves; its change waits for the
    // release, so that the whole drag becomes one undo step.
    std::array<QPointer<QSlider>, 3> sliders;
    std::copy(m_w.sliders.begin(), m_w.sliders.end(), sliders.begin());
    NotificationCenter::defaultCenter().setQueueHold([sliders] {
        return std::any_of(sliders.begin(), sliders.end(), [](const QPointer<QSlider>& slider) {
            return slider && slider->isSliderDown();
        });
    });

    new PaletteUndoPassThrough(m_w.hexField, m_w.hexField);
    connect(m_w.hexField, &QLineEdit::textEdited, this, &ColorEditor::hexFieldTextEdited);
    connect(m_w.hexField, &QLineEdit::returnPressed, this, &ColorEditor::hexTextChanged);

    for (QAction* item : m_w.colorItems) {
        connect(item, &QAction::triggered, this,
                [this, item] { selectWell(item->data().toInt()); });
    }
}

QVPaletteColorWell* ColorEditor::well(int index) const {
    QVRadioColorWell* cell = m_w.paletteView->radioColorWellAtIndex(index);
    return cell ? cell->colorWell() : nullptr;
}

void ColorEditor::showWell(QVPaletteColorWell* well) {
    if (!well)
        return;
    m_w.paletteView->selectColorWellatIndex(well->tag());
    checkColorItem(m_w.paletteView->selectedColorWellIndex());

    const Color color = well->color();
    showComponents(color);
    showFloatLabels(color);

    m_w.infoView->setString(toQString(hexStringOfColor(color, m_formats)), 0);
    m_w.infoView->setString(toQString(rgbStringOfColor(color, m_formats)), 1);
    m_w.infoView->setString(toQString(webStringOfColor(color, m_formats)), 2);

    saveMainColors();
    updateColorToolTips();
    Q_EMIT refreshed();
}

void ColorEditor::refresh() {
    showWell(m_w.paletteView->selectedColorWell());
}

void ColorEditor::selectWell(int index) {
    m_w.paletteView->setFocus();
    QVPaletteColorWell* current = m_w.paletteView->selectedColorWell();
    QVPaletteColorWell* chosen = well(index);
    if (current && chosen && current->isActive())
        chosen->activate(true);
    m_w.paletteView->selectColorWellatIndex(index);
    showWell(m_w.paletteView->selectedColorWell());
}

void ColorEditor::checkColorItem(int selectedIndex) {
    for (QAction* item : m_w.colorItems)
        item->setChecked(false);
    if (selectedIndex >= 0 && selectedIndex < int(m_w.colorItems.size()))
        m_w.colorItems[std::size_t(selectedIndex)]->setChecked(true);
}

void ColorEditor::showComponents(const Color& color) {
    m_model.showColor(color);
    const Components& components = m_model.components();
    const auto& scales = m_model.scales();
    for (std::size_t c = 0; c < 3; ++c) {
        QVColorScaleSlider* slider = m_w.sliders[c];
        {
            const QSignalBlocker blocker(slider);
            slider->setValue(colorModel() == ColorModel::RGB
                                 ? byteValue(std::array{color.red, color.green, color.blue}[c])
                                 : int(std::lround(components[c] / scales[c].step)));
        }
        m_w.colorFields[c]->showValue(colorModel() == ColorModel::RGB ? slider->value()
                                                                      : components[c]);
        // Each track shows the colours its slider gives with the others as they are now; while
        // only its own slider moves it stays as it is.
        Components drawnWith = components;
        drawnWith[c] = 0.0;
        if (m_tracksDrawnWith[c] == drawnWith)
            continue;
        m_tracksDrawnWith[c] = drawnWith;
        const int component = int(c);
        QVColorScaleSlider::ColorScale scale;
        scale.colorAt = [model = m_model, component](double fraction) {
            return model.trackColor(component, fraction);
        };
        if (colorModel() == ColorModel::OKLCH) {
            scale.inGamutAt = [model = m_model, component](double fraction) {
                return model.trackInGamut(component, fraction);
            };
        }
        slider->setColorScale(std::move(scale));
    }
    m_w.gamutMark->setVisible(!m_model.inGamut());
}

void ColorEditor::setColorModel(ColorModel model) {
    Defaults::standard().setString(keys::SliderModel, QString::fromLatin1(nameOfColorModel(model)));
    if (model != colorModel()) {
        showModel(model);
        refresh();
    }
}

void ColorEditor::showModel(ColorModel model) {
    m_model.setModel(model);
    m_tracksDrawnWith = {};
    m_w.colorModels->button(int(model))->setChecked(true);
    for (std::size_t c = 0; c < 3; ++c) {
        describeComponentRow(
            {m_w.componentLabels[c], m_w.sliders[c], m_w.colorFields[c], m_w.floatLabels[c]}, model,
            int(c));
    }
}

void ColorEditor::showFloatLabels(const Color& color) {
    const std::array<float, 3> components{color.red, color.green, color.blue};
    for (std::size_t c = 0; c < 3; ++c)
        m_w.floatLabels[c]->setText(floatLabelText(components[c], m_floatFormat));
}

void ColorEditor::saveMainColors() const {
    QStringList texts;
    for (const Color& color : m_w.paletteView->colorArray())
        texts.append(storedColorText(color));
    Defaults::standard().setStringArray(keys::SavedColors, texts);
}

void ColorEditor::updateColorToolTips() const {
    const int family = Defaults::standard().intValue(keys::TooltipFormat);
    for (int i = 0; i < m_w.paletteView->colorWellCount(); ++i) {
        QVPaletteColorWell* shown = well(i);
        const auto text = stringOfColor(shown->color(), family, m_formats);
        shown->setToolTip(text ? toQString(*text) : QString());
    }
}

void ColorEditor::setFloatFormat(int floatFormat) {
    m_floatFormat = floatFormat;
    refresh();
}

void ColorEditor::colorComponentChanged(QObject* sender) {
    if (colorModel() != ColorModel::RGB) {
        ProposedComponents proposed;
        const auto slider = std::find(m_w.sliders.begin(), m_w.sliders.end(), sender);
        if (slider != m_w.sliders.end()) {
            const auto c = std::size_t(slider - m_w.sliders.begin());
            proposed[c] = (*slider)->value() * m_model.scales()[c].step;
        } else {
            proposed = typedComponents();
        }
        changeModelComponents(proposed);
        return;
    }
    bool fromSlider = false;
    for (std::size_t c = 0; c < 3; ++c) {
        if (sender == m_w.sliders[c]) {
            m_w.colorFields[c]->showValue(m_w.sliders[c]->value());
            fromSlider = true;
        }
    }
    if (!fromSlider) {
        for (std::size_t c = 0; c < 3; ++c)
            m_w.colorFields[c]->showValue(m_w.sliders[c]->value());
    }

    if (setSelectedColorInBurst(Color{float(m_w.sliders[0]->value()) / 255.0f,
                                      float(m_w.sliders[1]->value()) / 255.0f,
                                      float(m_w.sliders[2]->value()) / 255.0f, 1.0f}))
        showFloatLabels(m_w.paletteView->selectedColor());
}

bool ColorEditor::setSelectedColorInBurst(const Color& color) {
    QVPaletteColorWell* selected = m_w.paletteView->selectedColorWell();
    if (!selected)
        return false;
    // A burst of movement reaches the undo stack once, with the colour from before it.
    NotificationCenter::defaultCenter().enqueue(
        notifications::SliderChange, selected,
        {{userinfo::Color, QVariant::fromValue(selected->color())}});
    selected->setColor(color);
    refresh();
    return true;
}

void ColorEditor::changeModelComponents(const ProposedComponents& proposed) {
    setSelectedColorInBurst(m_model.colorWith(proposed));
}

ProposedComponents ColorEditor::typedComponents() const {
    ProposedComponents typed;
    for (std::size_t c = 0; c < 3; ++c) {
        const double value = m_w.colorFields[c]->typedValue();
        // A field still reading its component keeps the component's full precision.
        if (!m_model.reads(int(c), value))
            typed[c] = value;
    }
    return typed;
}

void ColorEditor::colorIncrement(int component, double value) {
    if (component < 0 || component > 2)
        return;
    if (colorModel() != ColorModel::RGB) {
        ProposedComponents proposed;
        proposed[std::size_t(component)] = value;
        changeModelComponents(proposed);
        return;
    }
    QVColorScaleSlider* slider = m_w.sliders[std::size_t(component)];
    {
        const QSignalBlocker blocker(slider);
        slider->setValue(int(value));
    }
    colorComponentChanged(slider);
}

void ColorEditor::controlTextDidChange() {
    if (m_w.rgbDrawer->state() != QVDrawer::Open)
        return;
    const int selected = m_w.paletteView->selectedColorWellIndex();
    if (colorModel() != ColorModel::RGB) {
        const ProposedComponents typed = typedComponents();
        if (std::any_of(typed.begin(), typed.end(), [](const auto& v) { return v.has_value(); }))
            recordColor(*m_w.undoStack, m_palette, selected, m_model.colorWith(typed));
        return;
    }
    const Color typed{float(m_w.colorFields[0]->typedValue()) / 255.0f,
                      float(m_w.colorFields[1]->typedValue()) / 255.0f,
                      float(m_w.colorFields[2]->typedValue()) / 255.0f, 1.0f};
    recordColor(*m_w.undoStack, m_palette, selected, typed);
}

void ColorEditor::hexFieldTextEdited() {
    if (m_w.hexDrawer->state() != QVDrawer::Open)
        return;
    const QString text = m_w.hexField->text();
    const QString trimmed = trimmedHexFieldText(text);
    if (trimmed != text)
        m_w.hexField->setText(trimmed);
}

void ColorEditor::hexTextChanged() {
    const std::optional<Color> parsed = Color::colorFromHex(m_w.hexField->text().toStdString());
    if (!parsed) {
        // Text that names no colour changes nothing.
        QApplication::beep();
        return;
    }
    const QList<Color> before = m_palette.colorArray();
    for (std::size_t row = 0; row < m_w.applyToColors.size(); ++row) {
        if (m_w.applyToColors[row]->isChecked())
            well(int(row))->setColor(*parsed);
    }
    refresh();
    m_w.undoStack->push(new SetPaletteCommand(m_palette, before, m_palette.colorArray(),
                                              ChangeState::AlreadyApplied));
    // The entry is applied: Ctrl+Z now belongs to the palette.
    forgetTypingHistory(m_w.hexField);
}

void ColorEditor::prepareHexEntry() {
    for (QCheckBox* box : m_w.applyToColors)
        box->setChecked(false);
    const int selected = m_w.paletteView->selectedColorWellIndex();
    if (selected >= 0 && selected < int(m_w.applyToColors.size()))
        m_w.applyToColors[std::size_t(selected)]->setChecked(true);
    m_w.hexField->setFocus();
}

void ColorEditor::copyFloatValue(int component) const {
    if (component < 0 || component > 2)
        return;
    QGuiApplication::clipboard()->setText(m_w.floatLabels[std::size_t(component)]->text());
}

void ColorEditor::recordWellChange(const Notification& notification) {
    auto* changed = qobject_cast<QVPaletteColorWell*>(notification.object.data());
    if (!changed || changed != well(changed->tag()))
        return;
    const QVariant before = notification.userInfo.value(userinfo::Color);
    // A change that ended where it began (an entry repeating the typed value, a drag back
    // to its start) leaves no step that would undo nothing.
    if (!before.canConvert<Color>() || before.value<Color>() == changed->color())
        return;
    m_w.undoStack->push(new SetColorCommand(m_palette, changed->tag(), before.value<Color>(),
                                            changed->color(), ChangeState::AlreadyApplied));
}

} // namespace tintmere
