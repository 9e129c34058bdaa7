// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvtoolsview.h"

#include "artwork.h"

#include <QFontMetricsF>
#include <QPainter>

QVToolsView::QVToolsView(QWidget* parent)
    : QWidget(parent)
    , m_textColor(QColor::fromRgbF(0.35f, 0.35f, 0.35f)) {
    m_font = font();
    m_font.setPixelSize(9);
    m_font.setBold(true);
    setAccessibleName(tr("Tools"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize QVToolsView::sizeHint() const {
    return {240, 28};
}

void QVToolsView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(),
                       tintmere::artwork::pixmap(u"toolbar_bg", size(),
                                                 tintmere::artwork::devicePixelRatio(painter)));

    // Half a pixel above the centre, as the caption sits beside the buttons.
    painter.setFont(m_font);
    painter.setPen(m_textColor);
    const qreal textHeight = QFontMetricsF(m_font).height();
    painter.drawText(QRectF(7, (height() - 1 - textHeight) * 0.5, width() - 7, textHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, tr("Tools"));

    painter.fillRect(QRectF(0, height() - 1, width(), 1), QColor::fromRgbF(0.5f, 0.5f, 0.5f));
}
