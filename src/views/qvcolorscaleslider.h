// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "qvscrollslider.h"

#include <functional>

// A scroll slider whose track shows the colour each position would give. Parts of the
// track outside the colours a screen shows are hatched; their colour is the one brought
// inside. Without a scale it is a plain slider.
class QVColorScaleSlider : public QVScrollSlider {
    Q_OBJECT

public:
    struct ColorScale {
        // Fraction 0..1 of the slider's range to colour.
        std::function<tintmere::Color(double)> colorAt;
        // Empty when every position is inside.
        std::function<bool(double)> inGamutAt;
    };

    explicit QVColorScaleSlider(QWidget* parent = nullptr);

    void setColorScale(ColorScale scale);
    bool hasColorScale() const { return bool(m_scale.colorAt); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintTrack(QPainter& painter, const QRectF& track, qreal zeroX, qreal oneX) const;

    ColorScale m_scale;
};
