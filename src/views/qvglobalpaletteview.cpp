// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvglobalpaletteview.h"

#include "qvglobalpanel.h"

#include <algorithm>
#include <cmath>

using tintmere::Color;

namespace {
constexpr qreal kMargin = 5;
constexpr qreal kCellHeight = 25;
} // namespace

QVGlobalPaletteView::QVGlobalPaletteView(int width, QWidget* parent)
    : QWidget(parent) {
    m_grid.wellSize = QSizeF((width - 15) / 4.0, kCellHeight);
    m_grid.wellPadding = 2;
    m_grid.firstX = kMargin;
    m_grid.topMargin = kMargin;
    setAccessibleName(tr("Global palette"));
    resize(width, int(heightToFit()));
}

QVGlobalPaletteView::~QVGlobalPaletteView() = default;

QSize QVGlobalPaletteView::sizeHint() const {
    return QSize(width(), int(std::ceil(heightToFit())));
}

qreal QVGlobalPaletteView::heightToFit() const {
    const int rows = std::max(m_grid.numberOfRows, 1);
    return rows * m_grid.wellSize.height() + (2 * rows - 2) + 10;
}

void QVGlobalPaletteView::setFrameToFit() {
    resize(width(), int(std::ceil(heightToFit())));
    updateGeometry();
}

QVSelectedColorWell* QVGlobalPaletteView::makeCell(int tag) {
    auto* well = new QVSelectedColorWell(this);
    well->setTag(tag);
    well->setBorderColor(m_borderColor);
    connect(well, &QVColorWellBase::triggered, this,
            [this, well] { Q_EMIT colorWellAction(well); });
    return well;
}

void QVGlobalPaletteView::clickCell(int index) {
    selectColorWellatIndex(index);
    if (QVSelectedColorWell* well = selectedColorWell())
        well->performClick();
}

void QVGlobalPaletteView::setBorderColor(const Color& color) {
    m_borderColor = color;
    for (QVSelectedColorWell* well : std::as_const(m_wellsArray))
        well->setBorderColor(color);
}

QVSelectedColorWell* QVGlobalPaletteView::colorWellAtIndex(int index) const {
    return cellAtIndex(index);
}

QVSelectedColorWell* QVGlobalPaletteView::selectedColorWell() const {
    return selectedCell();
}

void QVGlobalPaletteView::mousePressEvent(QMouseEvent* event) {
    // The borderless panel is moved by dragging the palette's background.
    if (!QVGlobalPanel::moveByBackground(this, event))
        QWidget::mousePressEvent(event);
}
