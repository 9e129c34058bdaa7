// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvinfoview.h"

#include "gxgradientpainting.h"
#include "qvcolorinfo.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kHeaderHeight = 18;
constexpr qreal kLabelLeft = 40;

QFont systemFontOfSize(int size, bool bold) {
    QFont font = QApplication::font();
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

} // namespace

QVInfoView::QVInfoView(QWidget* parent)
    : QWidget(parent)
    , m_titleFont(systemFontOfSize(11, false))
    , m_labelFont(systemFontOfSize(11, true)) {
    setAccessibleName(tr("Color Info"));
    resize(240, 100);
}

QSize QVInfoView::sizeHint() const {
    return QSize(240, 100);
}

bool QVInfoView::isRowVisible(int index) const {
    const QVColorInfo* row = colorInfoAtIndex(index);
    return row && (!row->hasString() || !row->string().isEmpty());
}

QString QVInfoView::stringAtIndex(int index) const {
    const QVColorInfo* row = colorInfoAtIndex(index);
    return row ? row->string() : QString();
}

QVColorInfo* QVInfoView::colorInfoAtIndex(int index) const {
    return isValidIndex(index) ? m_colorInfo[index] : nullptr;
}

QString QVInfoView::labelAtIndex(int index) const {
    return isValidIndex(index) ? m_colorLabel[index] : QString();
}

void QVInfoView::setLabel(const QString& label, int index) {
    if (!isValidIndex(index))
        return;
    m_colorLabel[index] = label;
    // Rows follow the widest shown label, so a new label of a shown row moves them too.
    if (isRowVisible(index))
        compareLabelSizeAtIndex(index);
    update();
}

qreal QVInfoView::widestVisibleLabel() const {
    const QFontMetricsF metrics(m_labelFont);
    qreal widest = 0;
    for (int i = 0; i < RowCount; ++i) {
        if (isRowVisible(i))
            widest = std::max(widest, metrics.horizontalAdvance(m_colorLabel[i]));
    }
    return widest;
}

qreal QVInfoView::labelHeight() const {
    return QFontMetricsF(m_labelFont).height();
}

void QVInfoView::compareLabelSizeAtIndex(int) {
    m_largestWidth = widestVisibleLabel();
    updateInfoPositions();
}

QPoint QVInfoView::rowOrigin(int index) const {
    // Rows stack down from the header, 8 points apart, each labelled to its left.
    const qreal h = labelHeight();
    const qreal top = (index + 1) * h + 8 * index + 20;
    return QPointF(kLabelLeft + m_largestWidth + 4, top).toPoint();
}

void QVInfoView::updateInfoPositions() {
    for (int i = 0; i < RowCount; ++i) {
        if (isRowVisible(i))
            m_colorInfo[i]->move(rowOrigin(i));
    }
}

void QVInfoView::setString(const QString& string, int index) {
    if (!isValidIndex(index))
        return;
    QVColorInfo* row = m_colorInfo[index];
    if (string.isEmpty()) {
        if (row) {
            row->hide();
            row->setString(QString());
            update();
        }
        return;
    }
    if (!row) {
        row = new QVColorInfo(this);
        m_colorInfo[index] = row;
        setUpRow(row, index);
    }
    row->show();
    row->setString(string);
    rowShown(index);
    update();
}

void QVInfoView::setUpRow(QVColorInfo* row, int index) {
    m_largestWidth = widestVisibleLabel();
    row->setGeometry(QRect(rowOrigin(index), QSize(100, 16)));
    row->setOffersMenu(true);
    row->setToolTip(tr("Click to copy, drag to take along, right-click for the next notation, "
                       "Shift+right-click for more ways to copy"));
    connect(row, &QVColorInfo::menuRequested, this,
            [this, index](const QPoint& globalPos) { Q_EMIT rowMenuRequested(index, globalPos); });
}

void QVInfoView::rowShown(int) {
    updateInfoPositions();
}

void QVInfoView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();

    // Header: light at the top, darkening towards the body, edged by two lines.
    tintmere::fillRect(
        tintmere::GXGradient::gradientWithBeginningColor(tintmere::Color{0.95f, 0.95f, 0.95f, 1.0f},
                                                         tintmere::Color{0.5f, 0.5f, 0.5f, 1.0f}),
        painter, QRectF(0, 0, w, kHeaderHeight), 90);
    painter.fillRect(QRect(0, 0, w, 1), QColor::fromRgbF(0.5f, 0.5f, 0.5f));
    painter.fillRect(QRect(0, kHeaderHeight - 1, w, 1), QColor::fromRgbF(0.3f, 0.3f, 0.3f));
    painter.fillRect(QRect(0, kHeaderHeight, w, h - kHeaderHeight), Qt::white);

    const QString title = tr("Color Info");
    const QFontMetricsF titleMetrics(m_titleFont);
    painter.setFont(m_titleFont);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0.5 * (w - titleMetrics.horizontalAdvance(title)),
                             16 - titleMetrics.height() + titleMetrics.ascent()),
                     title);

    // Labels end where the rows begin, each one point above its row.
    const QFontMetricsF labelMetrics(m_labelFont);
    const qreal lh = labelMetrics.height();
    painter.setFont(m_labelFont);
    for (int i = 0; i < RowCount; ++i) {
        if (!isRowVisible(i))
            continue;
        const qreal x =
            kLabelLeft + m_largestWidth - labelMetrics.horizontalAdvance(m_colorLabel[i]);
        const qreal top = i * lh + 8 * i + 35;
        painter.drawText(QPointF(x, top + labelMetrics.ascent()), m_colorLabel[i]);
    }
}
