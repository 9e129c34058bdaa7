// SPDX-License-Identifier: GPL-3.0-or-later
#include "componentspinbox.h"

#include "fieldundo.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace tintmere {

ComponentSpinBox::ComponentSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent) {
    setDecimals(0);
    setRange(0, 255);
    setAlignment(Qt::AlignRight);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        m_edited = true;
        Q_EMIT textEdited();
    });
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        if (!m_edited)
            return;
        m_edited = false;
        Q_EMIT entered();
        // The entry is applied: Ctrl+Z now belongs to the palette.
        forgetTypingHistory(lineEdit());
    });
    new PaletteUndoPassThrough(lineEdit(), this);
}

void ComponentSpinBox::showValue(double value) {
    value = rounded(value);
    // The text may read the value before value() does: typing reaches the program first.
    const std::optional<double> typed = textValue();
    if (typed ? *typed == value : value == this->value())
        return;
    const QSignalBlocker blocker(this);
    setValue(value);
}

double ComponentSpinBox::rounded(double value) const {
    const double scale = std::pow(10.0, decimals());
    return std::round(value * scale) / scale;
}

std::optional<double> ComponentSpinBox::textValue() const {
    bool ok = false;
    double typed = locale().toDouble(cleanText(), &ok);
    if (!ok)
        typed = cleanText().toDouble(&ok); // a point where the locale writes a comma
    if (!ok || !std::isfinite(typed))
        return std::nullopt;
    return std::clamp(rounded(typed), minimum(), maximum());
}

double ComponentSpinBox::typedValue() const {
    return textValue().value_or(value());
}

void ComponentSpinBox::stepBy(int steps) {
    {
        const QSignalBlocker blocker(this);
        QDoubleSpinBox::stepBy(steps);
    }
    m_edited = false;
    Q_EMIT stepped(value());
}

} // namespace tintmere
