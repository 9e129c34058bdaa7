// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QRadioButton;
class QVPaletteColorWell;

// A cell of the main palette: a colour well with a radio button under it that marks the
// selected cell. The button sits in the bottom 18 points, the well fills the rest above a
// 5-point gap.
class QVRadioColorWell : public QWidget {
    Q_OBJECT

public:
    explicit QVRadioColorWell(QWidget* parent = nullptr);

    QVPaletteColorWell* colorWell() const { return m_colorWell; }
    QRadioButton* radioButton() const { return m_radioButton; }

    int tag() const { return m_tag; }
    // Tags the cell, its well and its button alike.
    void setTag(int tag);

    // On means selected.
    bool state() const;
    void setState(bool on);

Q_SIGNALS:
    // The radio button was clicked (by the user or by a simulated click).
    void radioButtonTriggered();
    // The colour well's action.
    void colorWellTriggered();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QRadioButton* m_radioButton;
    QVPaletteColorWell* m_colorWell;
    int m_tag = 0;
};
