// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the gradient (tintmere_core, painted by tintmere_views): evaluating colours and filling
// a palette-sized area, which every palette view, info view and gradient bar repaint does.
#include "gxgradientpainting.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using tintmere::Color;
using tintmere::GXGradient;

namespace {

const GXGradient kBackground = GXGradient::gradientWithBeginningColor(
    Color{0.99f, 0.99f, 0.99f, 1}, Color{0.93f, 0.93f, 0.93f, 1});

void colorAtPosition(benchmark::State& state, const GXGradient& gradient) {
    float position = 0.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(gradient.colorAtPosition(position));
        position = position >= 1.0f ? 0.0f : position + 0.001f;
    }
}

// A 300 by 60 fill, the size of a palette view, at the pixel ratio of range(0).
void fill(benchmark::State& state, float angle, bool radial) {
    const qreal dpr = static_cast<qreal>(state.range(0));
    QImage image(QSize(300, 60) * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    QPainter painter(&image);
    const QRectF area(0, 0, 300, 60);
    for (auto _ : state) {
        if (radial)
            tintmere::radialFillRect(kBackground, painter, area);
        else
            tintmere::fillRect(GXGradient::gradientWithBeginningColor(
                                   Color{0.99f, 0.99f, 0.99f, 1}, Color{0.93f, 0.93f, 0.93f, 1}),
                               painter, area, angle);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK_CAPTURE(colorAtPosition, linear, kBackground);
BENCHMARK_CAPTURE(colorAtPosition, chromatic, GXGradient::rainbowGradient());
BENCHMARK_CAPTURE(colorAtPosition, hydrogen, GXGradient::hydrogenSpectrumGradient());
BENCHMARK_CAPTURE(fill, vertical, 90.0f, false)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fill, horizontal, 0.0f, false)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fill, diagonal, 45.0f, false)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fill, radial, 0.0f, true)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
