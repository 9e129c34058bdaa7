// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvselectedcolorwell.h"

#include "colormetatype.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qtcolor.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

using tintmere::Color;

QVSelectedColorWell::QVSelectedColorWell(QWidget* parent)
    : QVColorWellBase(parent) {
    // The global panel never takes the keyboard.
    setFocusPolicy(Qt::NoFocus);
    setBorderWidth(3);
}

QSize QVSelectedColorWell::sizeHint() const {
    return QSize(25, 25);
}

void QVSelectedColorWell::setIsSelected(bool selected) {
    m_isSelected = selected;
    update();
}

void QVSelectedColorWell::setBorderColor(const Color& color) {
    m_borderColor = color;
    update();
}

void QVSelectedColorWell::setBorderWidth(int width) {
    m_borderWidth = 2 * width;
    update();
}

void QVSelectedColorWell::setBorderWidthWithIndex(int index) {
    m_borderWidth = (index + 1) * 2;
    update();
}

void QVSelectedColorWell::performClick() {
    setIsSelected(true);
    sendAction();
}

QRect QVSelectedColorWell::innerRect() const {
    const int w = width();
    const int h = height();
    if (!m_isSelected)
        return QRect(2, 3, w - 5, h - 5);
    const int inset = m_borderWidth / 2;
    return QRect(inset, m_borderWidth - inset, w - m_borderWidth, h - m_borderWidth);
}

bool QVSelectedColorWell::performDrop(const QMimeData* mime) {
    const auto dropped = colorFromMimeData(mime);
    if (!dropped) {
        QApplication::beep();
        return false;
    }
    auto& center = tintmere::NotificationCenter::defaultCenter();
    center.post(tintmere::notifications::ColorWellChange, this,
                {{tintmere::userinfo::Color, QVariant::fromValue(color())}});
    setColor(*dropped);
    center.post(tintmere::notifications::SelectedColorWellChanged, this);
    return true;
}

void QVSelectedColorWell::mousePressEvent(QMouseEvent* event) {
    QVColorWellBase::mousePressEvent(event);
    m_dragging = false;
    if (event->button() == Qt::LeftButton)
        performClick();
}

void QVSelectedColorWell::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging && dragWanted(event)) {
        m_dragging = true;
        startDrag();
    }
}

void QVSelectedColorWell::mouseReleaseEvent(QMouseEvent*) {
    m_dragging = false;
}

void QVSelectedColorWell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal w = width();
    const qreal h = height();
    const Color c = color();

    if (m_isSelected) {
        painter.setBrush(tintmere::toQColor(m_borderColor));
        painter.drawRoundedRect(QRectF(0, 0, width(), height()), 3, 3);
    }
    const QRectF inner = innerRect();
    painter.fillRect(inner, tintmere::toQColor(c));

    if (drawWeb()) {
        const QPointF corners[] = {inner.bottomLeft(), inner.topRight(), inner.bottomRight()};
        painter.setBrush(tintmere::toQColor(c.webColor()));
        painter.drawPolygon(corners, 3);
    }
    if (drawGloss()) {
        // A highlight over the top whose lower edge sweeps from high on the left to low on
        // the right. Heights are worked out upwards from the bottom edge, then flipped.
        const qreal gx = 3;
        const qreal gy = 4;
        const qreal gw = w - 6;
        const qreal gh = h - 8;
        const qreal x0 = m_isSelected ? gx + 1 : gx;
        const qreal w0 = m_isSelected ? gw - 1 : gw;
        const qreal y0 = gy + 5;
        const qreal h0 = gh - 5;
        const qreal top = y0 + h0;
        const qreal right = x0 + w0 - 1;
        const qreal m = y0 + h0 * 0.5;
        const qreal cx = x0 + w0 * 0.5;
        const auto up = [h](qreal y) { return h - y; };
        QPainterPath gloss;
        gloss.moveTo(x0, up(top));
        gloss.lineTo(right, up(top));
        gloss.lineTo(right, up(m * 0.5));
        gloss.cubicTo(1.5 * cx, up(m), cx, up(m * 0.5), x0, up(m));
        gloss.closeSubpath();
        painter.fillPath(gloss, glossColor(c, 0.3f));
    }
}
