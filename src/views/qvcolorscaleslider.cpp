// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvcolorscaleslider.h"

#include "gxgradientpainting.h"
#include "qtcolor.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionSlider>

#include <cmath>

namespace {

// The track is this tall, centred on the groove, so the colours read at a glance.
constexpr qreal kTrackHeight = 10.0;
// Hatch lines of the parts outside sRGB, this far apart.
constexpr qreal kHatchSpacing = 5.0;

} // namespace

QVColorScaleSlider::QVColorScaleSlider(QWidget* parent)
    : QVScrollSlider(Qt::Horizontal, parent) {
}

void QVColorScaleSlider::setColorScale(ColorScale scale) {
    m_scale = std::move(scale);
    update();
}

QSize QVColorScaleSlider::sizeHint() const {
    QSize size = QVScrollSlider::sizeHint();
    size.setHeight(std::max(size.height(), int(kTrackHeight) + 8));
    return size;
}

QSize QVColorScaleSlider::minimumSizeHint() const {
    QSize size = QVScrollSlider::minimumSizeHint();
    size.setHeight(std::max(size.height(), int(kTrackHeight) + 8));
    return size;
}

void QVColorScaleSlider::paintEvent(QPaintEvent* event) {
    if (!hasColorScale() || orientation() != Qt::Horizontal) {
        QVScrollSlider::paintEvent(event);
        return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    // The handle's centre stands on the colour of its value: fraction 0 where the centre is
    // at the minimum, 1 where it is at the maximum.
    const qreal zeroX = groove.left() + handle.width() / 2.0;
    const qreal oneX = groove.left() + groove.width() - handle.width() / 2.0;
    const qreal height = std::min<qreal>(kTrackHeight, rect().height());
    const QRectF track(groove.left(), QRectF(groove).center().y() - height / 2.0, groove.width(),
                       height);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTrack(painter, track, zeroX, oneX);

    option.subControls = QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

void QVColorScaleSlider::paintTrack(QPainter& painter, const QRectF& track, qreal zeroX,
                                    qreal oneX) const {
    using tintmere::toQColor;
    const bool inverted = invertedAppearance() != (layoutDirection() == Qt::RightToLeft);
    const auto fractionAt = [&](qreal x) {
        const qreal fraction =
            oneX > zeroX ? std::clamp((x - zeroX) / (oneX - zeroX), 0.0, 1.0) : 0.0;
        return inverted ? 1.0 - fraction : fraction;
    };
    QPainterPath outline;
    const qreal radius = track.height() / 2.0;
    outline.addRoundedRect(track, radius, radius);
    painter.save();
    painter.setClipPath(outline);
    painter.fillRect(QRectF(track.left(), track.top(), zeroX - track.left(), track.height()),
                     toQColor(m_scale.colorAt(fractionAt(zeroX))));
    painter.fillRect(QRectF(oneX, track.top(), track.right() - oneX, track.height()),
                     toQColor(m_scale.colorAt(fractionAt(oneX))));
    const QRectF ramp(zeroX, track.top(), oneX - zeroX, track.height());
    tintmere::fillRect(
        [&](float position) { return m_scale.colorAt(inverted ? 1.0 - position : position); },
        painter, ramp, 0.0f);

    if (m_scale.inGamutAt) {
        // One test a device pixel across the whole track; runs outside get hatched.
        const qreal ratio = devicePixelRatioF();
        const int columns = std::max(1, int(std::ceil(track.width() * ratio)));
        QPainterPath outside;
        int runStart = -1;
        for (int i = 0; i <= columns; ++i) {
            const bool out =
                i < columns && !m_scale.inGamutAt(fractionAt(track.left() + (i + 0.5) / ratio));
            if (out && runStart < 0)
                runStart = i;
            if (!out && runStart >= 0) {
                outside.addRect(QRectF(track.left() + runStart / ratio, track.top(),
                                       (i - runStart) / ratio, track.height()));
                runStart = -1;
            }
        }
        if (!outside.isEmpty()) {
            painter.setClipPath(outline.intersected(outside));
            // A dark and a light line side by side show on any colour.
            const QPen dark(QColor(0, 0, 0, 120), 1.0);
            const QPen light(QColor(255, 255, 255, 120), 1.0);
            for (qreal x = track.left() - track.height(); x < track.right(); x += kHatchSpacing) {
                painter.setPen(dark);
                painter.drawLine(QPointF(x, track.bottom()),
                                 QPointF(x + track.height(), track.top()));
                painter.setPen(light);
                painter.drawLine(QPointF(x + 1, track.bottom()),
                                 QPointF(x + 1 + track.height(), track.top()));
            }
        }
    }
    painter.restore();
    painter.setPen(QPen(palette().color(QPalette::Mid), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(track.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
}
