// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QColor>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <cmath>

// Helpers for reading back what a widget paints.
namespace viewtest {

// A magenta no widget paints, so unpainted areas stand out.
inline const QColor kUnpainted(255, 0, 255);

// The widget and its children as they paint themselves, without a window background, at a
// device pixel ratio, over the given colour.
inline QImage render(QWidget* widget, qreal dpr, const QColor& below = kUnpainted) {
    QImage image(widget->size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(below);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// A data table of one column "dpr": rows "@1x" and "@2x".
inline void scales() {
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("@1x") << 1.0;
    QTest::newRow("@2x") << 2.0;
}

// The device pixel covering a logical point.
inline QColor pixel(const QImage& image, QPointF logical) {
    const qreal dpr = image.devicePixelRatio();
    return image.pixelColor(int(logical.x() * dpr), int(logical.y() * dpr));
}

// Source over destination at the source's alpha, per channel in 0..1.
inline tintmere::Color over(const tintmere::Color& below, const tintmere::Color& above) {
    const auto mix = [&](float b, float a) { return b * (1 - above.alpha) + a * above.alpha; };
    return {mix(below.red, above.red), mix(below.green, above.green), mix(below.blue, above.blue),
            1.0f};
}

// Within one step of 8-bit rounding on every channel.
inline bool sameColor(const QColor& actual, const tintmere::Color& expected, int tolerance = 2) {
    const auto near = [&](int a, float e) { return std::abs(a - e * 255.0f) <= tolerance; };
    return near(actual.red(), expected.red) && near(actual.green(), expected.green) &&
           near(actual.blue(), expected.blue);
}

inline QByteArray describe(const QColor& c) {
    return c.name(QColor::HexArgb).toLatin1();
}

} // namespace viewtest
