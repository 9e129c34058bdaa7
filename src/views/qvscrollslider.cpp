// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvscrollslider.h"

#include <QWheelEvent>

#include <cmath>

QVScrollSlider::QVScrollSlider(QWidget* parent)
    : QVScrollSlider(Qt::Horizontal, parent) {
}

QVScrollSlider::QVScrollSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent) {
}

void QVScrollSlider::scrollBy(double dx, double dy) {
    const auto takeWholeSteps = [](double& pending, double delta) {
        pending += delta;
        const double whole = std::trunc(pending);
        pending -= whole;
        return static_cast<int>(whole);
    };
    if (dy == 0.0)
        setValue(value() - takeWholeSteps(m_pendingX, dx));
    if (dx == 0.0)
        setValue(value() - takeWholeSteps(m_pendingY, dy));
    triggerAction(SliderMove);
}

void QVScrollSlider::wheelEvent(QWheelEvent* event) {
    // angleDelta counts eighths of a degree; a usual wheel notch is 15 degrees.
    const QPointF notches = QPointF(event->angleDelta()) / 120.0;
    scrollBy(notches.x(), notches.y());
    event->accept();
}
