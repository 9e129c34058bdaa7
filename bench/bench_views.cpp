// SPDX-License-Identifier: GPL-3.0-or-later
// Measures painting of the palette and info views (tintmere_views): one full repaint of each
// into an image, as the window system asks for after every colour change.
#include "defaults.h"
#include "modelcomponents.h"
#include "qvcolorscaleslider.h"
#include "qvglobalcolorinfoview.h"
#include "qvglobalpaletteview.h"
#include "qvinfoview.h"
#include "qvpaletteview.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;
using tintmere::Color;

namespace {

// Widgets need an application; the offscreen platform needs no display.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "bench_views";
    static char* argv[] = {name, nullptr};
    if (!qApp) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication application(argc, argv);
        tintmere::Defaults::setStandardForTesting(tintmere::Defaults::inMemory());
    }
}

const Color kPalette[] = {Color::fromBytes(255, 153, 51), Color::fromBytes(20, 60, 200),
                          Color::fromBytes(255, 255, 255), Color::fromBytes(0, 0, 0)};

template <typename Palette>
void fillPalette(Palette& view) {
    for (const Color& color : kPalette)
        view.addColorWellwithColor(color);
    view.selectColorWellatIndex(1);
}

void fillInfo(QVInfoView& view) {
    const QStringList labels = {u"hex"_s, u"rgb"_s, u"web"_s};
    const QStringList strings = {u"#ff9933"_s, u"RGB(255,153,51)"_s, u"#f93"_s};
    for (int i = 0; i < 3; ++i) {
        view.setLabel(labels[i], i);
        view.setString(strings[i], i);
    }
}

// One full repaint of the view and its children per iteration.
void paint(benchmark::State& state, QWidget& view) {
    const qreal dpr = state.range(0);
    QImage image(view.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void paintPaletteView(benchmark::State& state) {
    ensureApplication();
    QVPaletteView view;
    fillPalette(view);
    paint(state, view);
}

void paintGlobalPaletteView(benchmark::State& state) {
    ensureApplication();
    QVGlobalPaletteView view;
    fillPalette(view);
    view.setDrawWeb(true);
    paint(state, view);
}

void paintInfoView(benchmark::State& state) {
    ensureApplication();
    QVInfoView view;
    fillInfo(view);
    paint(state, view);
}

void paintGlobalInfoView(benchmark::State& state) {
    ensureApplication();
    QVGlobalColorInfoView view;
    fillInfo(view);
    paint(state, view);
}

// A slider of the sliders drawer with its colour track, as each slider repaints during a drag:
// range(0) the colour model, range(1) the pixel ratio. OKLCH brings every sample of the track
// into sRGB and tests each device pixel for the hatching.
void paintColorScaleSlider(benchmark::State& state) {
    ensureApplication();
    tintmere::ModelComponents model;
    model.setModel(tintmere::allColorModels[std::size_t(state.range(0))]);
    model.showColor(Color::fromBytes(51, 102, 153));
    model.colorWith({std::nullopt, 0.25, std::nullopt}); // OKLCH: partly outside sRGB
    QVColorScaleSlider slider;
    slider.resize(260, 24);
    slider.setColorScale({[model](double t) { return model.trackColor(1, t); },
                          [model](double t) { return model.trackInGamut(1, t); }});
    const qreal dpr = qreal(state.range(1));
    QImage image(slider.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        slider.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(paintColorScaleSlider)
    ->ArgsProduct({{0, 1, 2, 3}, {1, 2}})
    ->ArgNames({"model", "dpr"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(paintPaletteView)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(paintGlobalPaletteView)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(paintInfoView)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(paintGlobalInfoView)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
