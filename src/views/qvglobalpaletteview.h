// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "palettegrid.h"

#include <QList>
#include <QWidget>

class QVSelectedColorWell;

// The global panel's palette: a row of borderless wells that draw their own selection
// border. Four cells fill a row exactly; the view fits its height to its rows and the panel
// can be dragged by the view's background.
class QVGlobalPaletteView : public QWidget {
    Q_OBJECT

public:
    // The cell width is worked out from width: four cells and their margins fill it.
    explicit QVGlobalPaletteView(int width = 115, QWidget* parent = nullptr);
    ~QVGlobalPaletteView() override;

    bool addColorWellwithColor(const tintmere::Color& color);
    // Adds a cell at the end and moves the colours from index on up by one; true when a
    // row was started.
    bool addColorWellAtIndex(int index, const tintmere::Color& color);
    // Drops the last cell after moving the colours above index down by one; the selection
    // stays with its colour, or takes the next one when its own goes. Refused with fewer
    // than two cells.
    bool removeColorWellAtIndex(int index);
    void resetWithNumberOfWells(int count, const tintmere::Color& color);

    // Selects the cell; an index outside the palette selects cell 0. Sends no action.
    void selectColorWellatIndex(int index);
    void selectNextColorWell();
    void selectPrevColorWell();

    int selectedColorWellIndex() const { return m_selectedColorWellIndex; }
    int colorWellCount() const { return int(m_wellsArray.size()); }
    int numberOfRows() const { return m_grid.numberOfRows; }

    bool setupNextSpot();
    qreal heightToFit() const;
    void setFrameToFit();

    QSizeF wellSize() const { return m_grid.wellSize; }
    void setWellSize(const QSizeF& size) { m_grid.wellSize = size; }
    int wellPadding() const { return m_grid.wellPadding; }
    void setWellPadding(int padding) { m_grid.wellPadding = padding; }
    QPointF nextSpot() const { return m_grid.nextSpot; }
    void setNextSpot(const QPointF& spot) { m_grid.nextSpot = spot; }

    bool drawGloss() const { return m_drawGloss; }
    void setDrawGloss(bool drawGloss);
    bool drawWeb() const { return m_drawWeb; }
    void setDrawWeb(bool drawWeb);
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
    PaletteGrid m_grid;
    QList<QVSelectedColorWell*> m_wellsArray;
    int m_selectedColorWellIndex = 0;
    tintmere::Color m_borderColor{0.484f, 0.484f, 0.484f, 1.0f};
    bool m_drawGloss = true;
    bool m_drawWeb = false;
};
