// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <cmath>

// Where the cells of a palette go: left to right, top to bottom, each row starting at the
// same left edge, a new row once the next cell would not fit. Coordinates are from the
// view's top left corner.
struct PaletteGrid {
    QPointF nextSpot;     // (0, 0) until the first cell is placed
    QSizeF wellSize;      // one cell
    int wellPadding = 0;  // gap between cells, both ways
    int numberOfRows = 0; // rows in use
    qreal firstX = 0;     // left edge of every row
    qreal topMargin = 0;  // distance of the first row from the top
    QList<QRectF> frames; // the placed cells, in palette order

    // Moves nextSpot to where the next cell goes; true when that starts a new row.
    bool setupNextSpot(qreal viewWidth) {
        if (nextSpot.isNull() || frames.isEmpty()) {
            nextSpot = QPointF(firstX, topMargin);
            ++numberOfRows;
            return false;
        }
        const QRectF last = frames.constLast();
        const qreal x = last.x() + wellSize.width() + wellPadding;
        if (std::trunc(x) + wellSize.width() >= viewWidth - wellPadding) {
            nextSpot = QPointF(firstX, last.y() + wellPadding + wellSize.height());
            ++numberOfRows;
            return true;
        }
        nextSpot = QPointF(x, last.y());
        return false;
    }

    // Places a cell at nextSpot after setupNextSpot; answers whether it started a row.
    bool placeCell(qreal viewWidth) {
        const bool newRow = setupNextSpot(viewWidth);
        frames.append(QRectF(nextSpot, wellSize));
        return newRow;
    }

    // Forgets the last cell; true when its row is now empty.
    bool removeLastCell() {
        const qreal lastY = frames.takeLast().y();
        const bool rowEmptied = frames.isEmpty() || frames.constLast().y() != lastY;
        if (rowEmptied && numberOfRows > 0)
            --numberOfRows;
        return rowEmptied;
    }

    // index + step, wrapping around the ends of a palette of count cells.
    static int wrappedIndex(int index, int step, int count) {
        return count > 0 ? ((index + step) % count + count) % count : 0;
    }
};
