// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvglobalpaletteview.h"

#include "qvselectedcolorwell.h"

#include <QMouseEvent>
#include <QWindow>

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

bool QVGlobalPaletteView::setupNextSpot() {
    return m_grid.setupNextSpot(width());
}

qreal QVGlobalPaletteView::heightToFit() const {
    const int rows = std::max(m_grid.numberOfRows, 1);
    return rows * m_grid.wellSize.height() + (2 * rows - 2) + 10;
}

void QVGlobalPaletteView::setFrameToFit() {
    resize(width(), int(std::ceil(heightToFit())));
    updateGeometry();
}

bool QVGlobalPaletteView::addColorWellwithColor(const Color& color) {
    return addColorWellAtIndex(colorWellCount(), color);
}

bool QVGlobalPaletteView::addColorWellAtIndex(int index, const Color& color) {
    const bool newRow = m_grid.placeCell(width());
    auto* well = new QVSelectedColorWell(this);
    well->setGeometry(m_grid.frames.constLast().toRect());
    well->setTag(colorWellCount());
    well->setColor(color);
    well->setBorderColor(m_borderColor);
    m_wellsArray.append(well);

    const int count = colorWellCount();
    index = std::clamp(index, 0, count - 1);
    for (int j = count - 1; j > index; --j)
        m_wellsArray[j]->setColor(m_wellsArray[j - 1]->color());
    m_wellsArray[index]->setColor(color);

    well->setDrawGloss(m_drawGloss);
    well->setDrawWeb(m_drawWeb);
    connect(well, &QVColorWellBase::triggered, this,
            [this, well] { Q_EMIT colorWellAction(well); });
    well->show();
    setFrameToFit();
    return newRow;
}

bool QVGlobalPaletteView::removeColorWellAtIndex(int index) {
    const int count = colorWellCount();
    if (count < 2 || index < 0 || index >= count)
        return false;
    for (int j = index + 1; j < count; ++j)
        m_wellsArray[j - 1]->setColor(m_wellsArray[j]->color());
    // The selection follows its colour down; the last index has nowhere to go but back.
    int selected = m_selectedColorWellIndex;
    if (selected > index)
        --selected;
    selected = std::min(selected, count - 2);
    selectColorWellatIndex(selected);
    selectedColorWell()->performClick();

    delete m_wellsArray.takeLast();
    m_grid.removeLastCell();
    setFrameToFit();
    return true;
}

void QVGlobalPaletteView::resetWithNumberOfWells(int count, const Color& color) {
    count = std::max(count, 0);
    selectColorWellatIndex(0);
    while (colorWellCount() > count) {
        delete m_wellsArray.takeLast();
        m_grid.removeLastCell();
    }
    while (colorWellCount() < count)
        addColorWellwithColor(color);
    for (QVSelectedColorWell* well : std::as_const(m_wellsArray))
        well->setColor(color);
    selectColorWellatIndex(0);
    if (QVSelectedColorWell* well = selectedColorWell())
        well->performClick();
    m_grid.numberOfRows = (count + 3) / 4;
    setFrameToFit();
}

void QVGlobalPaletteView::selectColorWellatIndex(int index) {
    if (m_wellsArray.isEmpty())
        return;
    if (QVSelectedColorWell* current = colorWellAtIndex(m_selectedColorWellIndex))
        current->setIsSelected(false);
    if (index < 0 || index >= colorWellCount())
        index = 0;
    m_wellsArray[index]->setIsSelected(true);
    m_selectedColorWellIndex = index;
}

void QVGlobalPaletteView::selectNextColorWell() {
    selectColorWellatIndex(
        PaletteGrid::wrappedIndex(m_selectedColorWellIndex, 1, colorWellCount()));
}

void QVGlobalPaletteView::selectPrevColorWell() {
    selectColorWellatIndex(
        PaletteGrid::wrappedIndex(m_selectedColorWellIndex, -1, colorWellCount()));
}

void QVGlobalPaletteView::setDrawGloss(bool drawGloss) {
    m_drawGloss = drawGloss;
    for (QVSelectedColorWell* well : std::as_const(m_wellsArray))
        well->setDrawGloss(drawGloss);
}

void QVGlobalPaletteView::setDrawWeb(bool drawWeb) {
    m_drawWeb = drawWeb;
    for (QVSelectedColorWell* well : std::as_const(m_wellsArray))
        well->setDrawWeb(drawWeb);
}

void QVGlobalPaletteView::setBorderColor(const Color& color) {
    m_borderColor = color;
    for (QVSelectedColorWell* well : std::as_const(m_wellsArray))
        well->setBorderColor(color);
}

QVSelectedColorWell* QVGlobalPaletteView::colorWellAtIndex(int index) const {
    return index >= 0 && index < colorWellCount() ? m_wellsArray[index] : nullptr;
}

QVSelectedColorWell* QVGlobalPaletteView::selectedColorWell() const {
    return colorWellAtIndex(m_selectedColorWellIndex);
}

void QVGlobalPaletteView::mousePressEvent(QMouseEvent* event) {
    // The borderless panel is moved by dragging the palette's background.
    if (event->button() == Qt::LeftButton && window()->windowHandle() &&
        window()->windowHandle()->startSystemMove()) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}
