// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class PrefsAboutPane;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QVColorPopUpButton;
class QWidget;

namespace tintmere::prefs {

// The controls of the preferences window. The plain ones carry their tags; the float and
// colour pop-ups are left empty for the controller to fill. Each control is owned by its pane.
struct PrefsControls {
    QVColorPopUpButton* resetColorPopUp = nullptr;
    QComboBox* tooltipFormatPopUp = nullptr;
    QButtonGroup* quickBlendMatrix = nullptr; // ids are the row indices
    QComboBox* dragFormatPopUp = nullptr;
    QCheckBox* glossCheckBox = nullptr;
    QCheckBox* uppercaseHexCheckBox = nullptr;
    QCheckBox* shorthandHexCheckBox = nullptr;
    QCheckBox* copyPickedHexCheckBox = nullptr;
    QComboBox* floatFormatPopUp = nullptr;
    QVColorPopUpButton* zoomBorderColorPopUp = nullptr;
    QComboBox* zoomSizePopUp = nullptr;
    QCheckBox* gridLinesCheckBox = nullptr;
    QVColorPopUpButton* globalBorderColorPopUp = nullptr;
};

// The six panes, in toolbar order, without a parent until a stack takes them.
struct PrefsPanes {
    QWidget* generalView = nullptr;
    QWidget* colorFormatsView = nullptr;
    QWidget* rgbView = nullptr;
    QWidget* magnifyView = nullptr;
    QWidget* globalView = nullptr;
    PrefsAboutPane* updateView = nullptr;
    PrefsControls controls;

    std::array<QWidget*, 6> all() const;
};

PrefsPanes buildPanes();

} // namespace tintmere::prefs
