// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "modelcomponents.h"

#include <QString>

class QLabel;
class QVColorScaleSlider;

namespace tintmere {

class ComponentSpinBox;

// The controls of one component in the sliders drawer.
struct ComponentRow {
    QLabel* letter = nullptr;
    QVColorScaleSlider* slider = nullptr;
    ComponentSpinBox* field = nullptr;
    QLabel* floatLabel = nullptr; // the 0 to 1 value, shown for RGB only
};

// Names the row's controls after component of model (letter, tooltips, accessible names)
// and gives the slider and the field its range, steps, decimals and unit.
void describeComponentRow(const ComponentRow& row, ColorModel model, int component);

// The switch's button title and tooltip for a model.
QString colorModelTitle(ColorModel model);
QString colorModelToolTip(ColorModel model);

} // namespace tintmere
