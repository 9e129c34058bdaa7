// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "palettecells.h"
#include "qvselectedcolorwell.h"

#include <QWidget>

// The global panel's palette: a row of borderless wells that draw their own selection
// border. Four cells fill a row exactly; the view fits its height to its rows and the panel
// can be dragged by the view's background.
class QVGlobalPaletteView : public QWidget,
                            public PaletteCells<QVGlobalPaletteView, QVSelectedColorWell> {
    Q_OBJECT

public:
    // The cell width is worked out from width: four cells and their margins fill it.
    explicit QVGlobalPaletteView(int width = 115, QWidget* parent = nullptr);
    ~QVGlobalPaletteView() override;

    qreal heightToFit() const;
    void setFrameToFit();

    tintmere::Color borderColor() const { return m_borderColor; }
    void setBorderColor(const tintmere::Color& color);

    QVSelectedColorWell* colorWellAtIndex(int index) const;
    QVSelectedColorWell* selectedColorWell() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // A well's action: it was clicked.
    void colorWellAction(QVSelectedColorWell* well);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    friend PaletteCells;
    QVSelectedColorWell* makeCell(int tag);
    static QVSelectedColorWell* wellOf(QVSelectedColorWell* well) { return well; }
    static void setCellColor(QVSelectedColorWell* well, const tintmere::Color& color) {
        well->setColor(color);
    }
    static void setCellSelected(QVSelectedColorWell* well, bool selected) {
        well->setIsSelected(selected);
    }
    void clickCell(int index);
    void fitToCells() { setFrameToFit(); }
    // A removal moves the selection with its colour; a reset clicks cell 0.
    static constexpr bool kSelectionFollowsColor = true;
    static constexpr bool kResetClicksSelection = true;

    tintmere::Color m_borderColor{0.484f, 0.484f, 0.484f, 1.0f};
};
