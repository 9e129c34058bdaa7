// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvglobalcolorinfoview.h"

#include "qvcolorinfo.h"
#include "qvglobalpanel.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {
constexpr qreal kLeft = 8;
constexpr int kRowHeight = 15;
} // namespace

QVGlobalColorInfoView::QVGlobalColorInfoView(int width, QWidget* parent)
    : QVInfoView(parent) {
    m_labelFont.setPixelSize(10);
    m_largestLabelSize = QSizeF(0, std::ceil(QFontMetricsF(m_labelFont).height()));
    resize(width, int(heightToFit()));
}

QSize QVGlobalColorInfoView::sizeHint() const {
    return QSize(width(), int(std::ceil(heightToFit())));
}

int QVGlobalColorInfoView::visibleRowCount() const {
    int count = 0;
    for (int i = 0; i < RowCount; ++i)
        count += isRowVisible(i) ? 1 : 0;
    return count;
}

qreal QVGlobalColorInfoView::rowTop(int k) const {
    // Rows hang from the top, 6 points apart; each is two points taller than a label.
    const qreal r = m_largestLabelSize.height();
    return (k + 1) * r + 6 * k + 8 - kRowHeight;
}

qreal QVGlobalColorInfoView::rowMaxWidth() const {
    return width() - (22 + m_largestLabelSize.width() + 9);
}

qreal QVGlobalColorInfoView::heightToFit() const {
    const int n = visibleRowCount();
    return n * m_largestLabelSize.height() + (6 * n - 6) + 8;
}

void QVGlobalColorInfoView::setFrameToFit() {
    resize(width(), int(std::ceil(heightToFit())));
    updateGeometry();
}

void QVGlobalColorInfoView::compareLabelSizeAtIndex(int) {
    m_largestLabelSize.setWidth(widestVisibleLabel());
    updateInfoPositions();
}

void QVGlobalColorInfoView::updateInfoPositions() {
    const qreal x = kLeft + m_largestLabelSize.width() + 4;
    int k = 0;
    for (int i = 0; i < RowCount; ++i) {
        if (!isRowVisible(i))
            continue;
        m_colorInfo[i]->move(QPointF(x, rowTop(k)).toPoint());
        m_colorInfo[i]->setMaxWidth(rowMaxWidth());
        ++k;
    }
    setFrameToFit();
}

void QVGlobalColorInfoView::setUpRow(QVColorInfo* row, int index) {
    const qreal x = kLeft + m_largestLabelSize.width() + 4;
    row->setGeometry(QRect(QPointF(x, rowTop(index)).toPoint(), QSize(100, kRowHeight)));
    row->setFontColor(Qt::white);
    row->setFontSize(9);
    row->setBackgroundColor(QColor::fromRgbF(0.443f, 0.443f, 0.443f));
    row->setMaxWidth(rowMaxWidth());
}

void QVGlobalColorInfoView::rowShown(int index) {
    // Every row that shows may bring a wider label, so the labels are measured again.
    compareLabelSizeAtIndex(index);
}

void QVGlobalColorInfoView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetricsF metrics(m_labelFont);
    painter.setFont(m_labelFont);
    painter.setPen(Qt::white);
    const qreal r = m_largestLabelSize.height();
    int k = 0;
    for (int i = 0; i < RowCount; ++i) {
        if (!isRowVisible(i))
            continue;
        const qreal x =
            kLeft + m_largestLabelSize.width() - metrics.horizontalAdvance(m_colorLabel[i]);
        const qreal top = k * r + 6 * k + 6;
        painter.drawText(QPointF(x, top + metrics.ascent()), m_colorLabel[i]);
        ++k;
    }
}

void QVGlobalColorInfoView::mousePressEvent(QMouseEvent* event) {
    // The panel is moved by dragging this view's background.
    if (!QVGlobalPanel::moveByBackground(this, event))
        QWidget::mousePressEvent(event);
}
