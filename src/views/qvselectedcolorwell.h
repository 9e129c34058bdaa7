// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qvcolorwellbase.h"

// A borderless well of the global palette that draws everything itself: a rounded border
// while it is the selected one, its own gloss curve and web-safe triangle. A click selects
// it; it never opens the colour panel. Drops are announced with "QVColorWellChange" (the
// colour before) and then "QVSelectedColorWellChanged".
class QVSelectedColorWell : public QVColorWellBase {
    Q_OBJECT

public:
    explicit QVSelectedColorWell(QWidget* parent = nullptr);

    // Stores the colour as given; no action.
    void setColor(const tintmere::Color& color) { storeColor(color); }

    bool isSelected() const { return m_isSelected; }
    void setIsSelected(bool selected);

    tintmere::Color borderColor() const { return m_borderColor; }
    void setBorderColor(const tintmere::Color& color);

    // The inner inset when selected is half the stored width; the setter doubles its
    // argument, so setBorderWidth(3) insets by 3.
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    // Index 0, 1, 2, 3 give widths 2, 4, 6, 8.
    void setBorderWidthWithIndex(int index);

    // Simulates a click: selects the well and sends its action.
    void performClick();

    // The rectangle the colour fills, in widget coordinates.
    QRect innerRect() const;

    QSize sizeHint() const override;

protected:
    bool performDrop(const QMimeData* mime) override;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    tintmere::Color m_borderColor{0.484f, 0.484f, 0.484f, 1.0f};
    bool m_isSelected = false;
    int m_borderWidth = 6;
    bool m_dragging = false;
};
