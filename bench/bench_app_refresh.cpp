// SPDX-License-Identifier: GPL-3.0-or-later
// Layers: app. The work behind one slider step: the colour built from the sliders, the
// well set, and every display refreshed (sliders, fields, labels, strings, tooltips and the
// stored palette). Runs on the offscreen platform with an in-memory settings store.
#include "appcontroller.h"
#include "defaults.h"
#include "qvcolorscaleslider.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Program {
    Program() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        tintmere::Defaults::setStandardForTesting(tintmere::Defaults::inMemory());
        application = std::make_unique<QApplication>(argc, argv);
        controller = std::make_unique<tintmere::AppController>(dir.filePath(u"Favorites.plist"_s));
        controller->toolItemSelected(0); // the RGB drawer, as when the user drags a slider
    }

    int argc = 1;
    char name[10] = "bench_app";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> application;
    QTemporaryDir dir;
    std::unique_ptr<tintmere::AppController> controller;
};

Program& program() {
    static Program instance;
    return instance;
}

// range(0): the colour model of the sliders drawer; its first slider moves.
void BM_SliderMoveRefresh(benchmark::State& state) {
    const tintmere::MainWindowOutlets& o = program().controller->outlets();
    o.colorModels->button(int(state.range(0)))->click();
    QVScrollSlider* first = o.sliders[0];
    int value = 0;
    for (auto _ : state) {
        value = (value + 37) % (first->maximum() + 1);
        first->setValue(value);
    }
    o.colorModels->button(0)->click();
}
BENCHMARK(BM_SliderMoveRefresh)->DenseRange(0, 3)->ArgName("model");

void BM_UpdateColorLabels(benchmark::State& state) {
    tintmere::AppController& controller = *program().controller;
    for (auto _ : state)
        controller.updateColorLabels();
}
BENCHMARK(BM_UpdateColorLabels);

} // namespace
