// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvgradientbar.h"

#include "gxgradientpainting.h"

#include <QPainter>

using namespace Qt::Literals::StringLiterals;

QVGradientBar::QVGradientBar(QWidget* parent)
    : QWidget(parent) {
    setAccessibleName(tr("Gradient bar"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void QVGradientBar::setGradientStartColor(const tintmere::Color& color) {
    m_gradientStartColor = color;
    repaint();
}

void QVGradientBar::setGradientEndColor(const tintmere::Color& color) {
    m_gradientEndColor = color;
    repaint();
}

QSize QVGradientBar::sizeHint() const {
    return {200, 24};
}

void QVGradientBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The beginning colour lies at position 1, which a 90-degree fill puts on top.
    tintmere::fillRect(
        tintmere::GXGradient::gradientWithBeginningColor(m_gradientStartColor, m_gradientEndColor),
        painter, rect(), 90.0f);
    // One logical pixel inside the top edge, so it stays crisp at any pixel ratio.
    painter.fillRect(QRectF(0, 0, width(), 1), QColor::fromRgbF(0.5f, 0.5f, 0.5f));
}
