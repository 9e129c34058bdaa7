// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "palettegrid.h"

#include <QList>

#include <algorithm>

// The cells of a palette view and the one selected among them, for views that differ in
// their kind of cell. Cells never move; colours move between them.
//
// View derives from QWidget and from this class (which it befriends) and supplies:
//   Cell* makeCell(int tag)             a new cell of the view, tagged and connected
//   static W* wellOf(Cell*)             the cell's colour well
//   static void setCellColor(Cell*, c)  stores a colour without sending an action
//   void setCellSelected(Cell*, bool)
//   void clickCell(int index)           selects the cell and sends its action
//   void fitToCells()                   after cells came or went
//   kSelectionFollowsColor              whether a removal moves the selection with its colour
//   kResetClicksSelection               whether a reset sends the new selection's action
template <typename View, typename Cell>
class PaletteCells {
public:
    // Appends a cell; true when it started a new row.
    bool addColorWellwithColor(const tintmere::Color& color) {
        return addColorWellAtIndex(colorWellCount(), color);
    }

    // Adds a cell at the end of the grid and moves the colours from index on up by one, so
    // the colour appears at index (clamped to the end). True when a row was started.
    bool addColorWellAtIndex(int index, const tintmere::Color& color) {
        const bool newRow = m_grid.placeCell(view().width());
        Cell* cell = view().makeCell(colorWellCount());
        cell->setGeometry(m_grid.frames.constLast().toRect());
        m_wellsArray.append(cell);

        const int count = colorWellCount();
        index = std::clamp(index, 0, count - 1);
        for (int j = count - 1; j > index; --j)
            View::setCellColor(m_wellsArray[j], colorAt(j - 1));
        View::setCellColor(m_wellsArray[index], color);

        View::wellOf(cell)->setDrawGloss(m_drawGloss);
        View::wellOf(cell)->setDrawWeb(m_drawWeb);
        cell->show();
        view().fitToCells();
        return newRow;
    }

    // Moves the colours above index down by one, clicks the selection and drops the last
    // cell. The selection keeps its index or follows its colour (see the view); from the
    // last cell it goes back one. Refused (false) with fewer than two cells.
    bool removeColorWellAtIndex(int index) {
        const int count = colorWellCount();
        if (count < 2 || index < 0 || index >= count)
            return false;
        for (int j = index + 1; j < count; ++j)
            View::setCellColor(m_wellsArray[j - 1], colorAt(j));
        int selected = m_selectedColorWellIndex;
        if (View::kSelectionFollowsColor && selected > index)
            --selected;
        view().clickCell(std::min(selected, count - 2));

        dropLastCell();
        view().fitToCells();
        return true;
    }

    // count cells, all of the colour, cell 0 selected.
    void resetWithNumberOfWells(int count, const tintmere::Color& color) {
        count = std::max(count, 0);
        selectColorWellatIndex(0);
        while (colorWellCount() > count)
            dropLastCell();
        while (colorWellCount() < count)
            addColorWellwithColor(color);
        for (Cell* cell : std::as_const(m_wellsArray))
            View::setCellColor(cell, color);
        selectColorWellatIndex(0);
        if (View::kResetClicksSelection && count > 0)
            view().clickCell(0);
        m_grid.numberOfRows = (count + 3) / 4;
        view().fitToCells();
    }

    // Selects the cell; an index outside the palette selects cell 0. Sends no action.
    void selectColorWellatIndex(int index) {
        if (m_wellsArray.isEmpty())
            return;
        if (Cell* current = cellAtIndex(m_selectedColorWellIndex))
            view().setCellSelected(current, false);
        if (index < 0 || index >= colorWellCount())
            index = 0;
        view().setCellSelected(m_wellsArray[index], true);
        m_selectedColorWellIndex = index;
    }
    void selectNextColorWell() {
        selectColorWellatIndex(
            PaletteGrid::wrappedIndex(m_selectedColorWellIndex, 1, colorWellCount()));
    }
    void selectPrevColorWell() {
        selectColorWellatIndex(
            PaletteGrid::wrappedIndex(m_selectedColorWellIndex, -1, colorWellCount()));
    }

    int selectedColorWellIndex() const { return m_selectedColorWellIndex; }
    int colorWellCount() const { return int(m_wellsArray.size()); }
    int numberOfRows() const { return m_grid.numberOfRows; }

    bool setupNextSpot() { return m_grid.setupNextSpot(view().width()); }

    QSizeF wellSize() const { return m_grid.wellSize; }
    void setWellSize(const QSizeF& size) { m_grid.wellSize = size; }
    int wellPadding() const { return m_grid.wellPadding; }
    void setWellPadding(int padding) { m_grid.wellPadding = padding; }
    // Where every row starts; set before the first cell is placed.
    qreal firstX() const { return m_grid.firstX; }
    void setFirstX(qreal x) { m_grid.firstX = x; }
    QPointF nextSpot() const { return m_grid.nextSpot; }
    void setNextSpot(const QPointF& spot) { m_grid.nextSpot = spot; }

    bool drawGloss() const { return m_drawGloss; }
    void setDrawGloss(bool drawGloss) {
        m_drawGloss = drawGloss;
        for (Cell* cell : std::as_const(m_wellsArray))
            View::wellOf(cell)->setDrawGloss(drawGloss);
    }
    bool drawWeb() const { return m_drawWeb; }
    void setDrawWeb(bool drawWeb) {
        m_drawWeb = drawWeb;
        for (Cell* cell : std::as_const(m_wellsArray))
            View::wellOf(cell)->setDrawWeb(drawWeb);
    }

protected:
    PaletteCells() = default;
    ~PaletteCells() = default;

    Cell* cellAtIndex(int index) const {
        return index >= 0 && index < colorWellCount() ? m_wellsArray[index] : nullptr;
    }
    Cell* selectedCell() const { return cellAtIndex(m_selectedColorWellIndex); }

    PaletteGrid m_grid;
    QList<Cell*> m_wellsArray;
    int m_selectedColorWellIndex = 0;

private:
    View& view() { return static_cast<View&>(*this); }
    tintmere::Color colorAt(int index) const { return View::wellOf(m_wellsArray[index])->color(); }
    void dropLastCell() {
        delete m_wellsArray.takeLast();
        m_grid.removeLastCell();
    }

    bool m_drawGloss = true;
    bool m_drawWeb = false;
};
