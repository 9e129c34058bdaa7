// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "formatpresets.h"
#include "modelcomponents.h"

#include <QObject>

#include <array>

class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QUndoStack;
class QVDrawer;
class QVInfoView;
class QVPaletteColorWell;
class QVPaletteView;
class QVColorScaleSlider;

namespace tintmere {

class ComponentSpinBox;
class PaletteEditor;
struct Notification;

// The controls that show and edit the current colour, the selected well of the palette.
struct ColorEditorWidgets {
    QVPaletteView* paletteView = nullptr;
    QVInfoView* infoView = nullptr; // hex, RGB and web strings
    // Red, green, blue, or the components of the colour model chosen by the switch.
    std::array<QVColorScaleSlider*, 3> sliders{};
    std::array<ComponentSpinBox*, 3> colorFields{};
    std::array<QLabel*, 3> floatLabels{}; // red, green and blue from 0 to 1
    QLineEdit* hexField = nullptr;
    std::array<QCheckBox*, 4> applyToColors{};
    // Typing changes the colour only while its drawer is out.
    QVDrawer* rgbDrawer = nullptr;
    QVDrawer* hexDrawer = nullptr;
    std::array<QAction*, 4> colorItems{}; // "Color 1" to "Color 4", checked by the selection
    QUndoStack* undoStack = nullptr;
    QButtonGroup* colorModels = nullptr; // ids: ColorModel
    std::array<QLabel*, 3> componentLabels{};
    QLabel* gamutMark = nullptr; // shown while the OKLCH components lie outside sRGB
};

// Edits the current colour by slider, stepper, field and hex entry, records every change of a
// palette well as one undo step, and after each change refreshes every display of the
// palette: the controls, the strings, the tooltips and the saved colours.
class ColorEditor : public QObject {
    Q_OBJECT

public:
    // formats is read at every refresh; the editor does not own it.
    ColorEditor(const ColorEditorWidgets& widgets, PaletteEditor& palette,
                const FormatSettings& formats, QObject* parent = nullptr);
    ~ColorEditor() override;

    QVPaletteColorWell* well(int index) const;

    // Selects the well and shows its colour everywhere.
    void showWell(QVPaletteColorWell* well);
    void refresh();
    // A "Color n" item or a radio button: the well becomes the selected one, and a well
    // linked to the colour panel hands the link on.
    void selectWell(int index);

    // sender: one of the sliders, or the field row (any other object).
    void colorComponentChanged(QObject* sender);
    // A stepper of the component moved to value.
    void colorIncrement(int component, double value);
    // The fields were typed in.
    void controlTextDidChange();
    // The user typed in the hex field.
    void hexFieldTextEdited();
    // Return in the hex field: the colour goes into every ticked well.
    void hexTextChanged();
    // The hex drawer opens: an entry right after changes only the current colour.
    void prepareHexEntry();
    void copyFloatValue(int component) const;

    ColorModel colorModel() const { return m_model.model(); }
    // The sliders drawer edits in model from now on; the choice is kept in the settings.
    void setColorModel(ColorModel model);

    int floatFormat() const { return m_floatFormat; }
    void setFloatFormat(int floatFormat);
    void updateColorToolTips() const;
    void saveMainColors() const;

    // A well announced a change it made itself (a drop, a slider burst): one undo step
    // back to the colour in the notification.
    void recordWellChange(const Notification& notification);

Q_SIGNALS:
    // The palette's own displays are up to date; the ones elsewhere follow.
    void refreshed();

private:
    void connectControls();
    void showComponents(const Color& color);
    void showModel(ColorModel model);
    // In a model other than RGB: the controls' proposals become the selected well's colour.
    void changeModelComponents(const ProposedComponents& proposed);
    // The selected well takes the colour as part of a burst that is one undo step; false
    // when no well is selected.
    bool setSelectedColorInBurst(const Color& color);
    ProposedComponents typedComponents() const;
    void showFloatLabels(const Color& color);
    void checkColorItem(int selectedIndex);

    ColorEditorWidgets m_w;
    PaletteEditor& m_palette;
    const FormatSettings& m_formats;
    int m_floatFormat = 3;
    ModelComponents m_model;
    // The components each slider's track was drawn with, its own left out.
    std::array<std::optional<Components>, 3> m_tracksDrawnWith;
};

} // namespace tintmere
