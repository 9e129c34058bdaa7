// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSlider>

// A slider that follows the scroll wheel: a purely vertical or purely horizontal scroll
// moves it against the scroll direction by the scrolled distance (one step a wheel notch).
// Every wheel event triggers QAbstractSlider::SliderMove, so actionTriggered reaches the
// receiver even when a diagonal scroll leaves the value unchanged.
class QVScrollSlider : public QSlider {
    Q_OBJECT

public:
    explicit QVScrollSlider(QWidget* parent = nullptr);
    explicit QVScrollSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    // The wheel rule on deltas in notches.
    void scrollBy(double dx, double dy);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    // Fractions of a step from smooth scrolling wait here until they add up.
    double m_pendingX = 0.0;
    double m_pendingY = 0.0;
};
