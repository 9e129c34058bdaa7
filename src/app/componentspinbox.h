// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDoubleSpinBox>

#include <optional>

namespace tintmere {

// A colour component field with its stepper: 0 to 255 in whole numbers, or the range and
// decimals of another colour model. The two ways in stay apart:
// arrows, arrow keys, page keys and the wheel come out as stepped(), typing as
// textEdited() and the end of an edit (Return, or leaving a changed field) as entered().
// Values shown by the program go through showValue() and raise no signal. Once an entry
// is applied its typing is forgotten, so Ctrl+Z undoes the palette rather than the text.
class ComponentSpinBox : public QDoubleSpinBox {
    Q_OBJECT

public:
    explicit ComponentSpinBox(QWidget* parent = nullptr);

    // Shows the value without touching text that already reads it, so a field being
    // typed in keeps its cursor.
    void showValue(double value);
    // The number the text reads now (limited to the range), or the last value while the
    // text is not a number.
    double typedValue() const;

    void stepBy(int steps) override;

Q_SIGNALS:
    void stepped(double value);
    void textEdited();
    void entered();

private:
    double rounded(double value) const;
    std::optional<double> textValue() const;

    bool m_edited = false;
};

} // namespace tintmere
