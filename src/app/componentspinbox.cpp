// SPDX-License-Identifier: GPL-3.0-or-later
#include "componentspinbox.h"

#include "fieldundo.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace tintmere {

ComponentSpinBox::ComponentSpinBox(QWidget* parent)
    : QSpinBox(parent) {
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

void ComponentSpinBox::showValue(int value) {
    if (value == this->value() && typedValue() == value)
        return;
    const QSignalBlocker blocker(this);
    setValue(value);
}

int ComponentSpinBox::typedValue() const {
    bool ok = false;
    const int typed = cleanText().toInt(&ok);
    return ok ? std::clamp(typed, minimum(), maximum()) : value();
}

void ComponentSpinBox::stepBy(int steps) {
    {
        const QSignalBlocker blocker(this);
        QSpinBox::stepBy(steps);
    }
    m_edited = false;
    Q_EMIT stepped(value());
}

} // namespace tintmere
