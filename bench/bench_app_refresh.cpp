// SPDX-License-Identifier: GPL-3.0-or-later
// Layers: app. The work behind one slider step: the colour built from the sliders, the
// well set, and every display refreshed (sliders, fields, labels, strings, tooltips and the
// stored palette), with and without the contrast strip; and a paste from the clipboard. Runs on
// the offscreen platform with an in-memory settings store.
#include "appcontroller.h"
#include "defaults.h"
#include "qvscrollslider.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <QUndoStack>

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

void BM_SliderMoveRefresh(benchmark::State& state) {
    QVScrollSlider* red = program().controller->outlets().sliders[0];
    int value = 0;
    for (auto _ : state) {
        value = (value + 37) % 256;
        red->setValue(value);
    }
}
BENCHMARK(BM_SliderMoveRefresh);

void BM_UpdateColorLabels(benchmark::State& state) {
    tintmere::AppController& controller = *program().controller;
    for (auto _ : state)
        controller.updateColorLabels();
}
BENCHMARK(BM_UpdateColorLabels);

// The same with the contrast strip showing: three pairs' ratios, Lc and marks on top.
void BM_UpdateColorLabelsWithContrast(benchmark::State& state) {
    tintmere::AppController& controller = *program().controller;
    QAction* showContrast = controller.outlets().showContrast;
    showContrast->trigger();
    for (auto _ : state)
        controller.updateColorLabels();
    showContrast->trigger();
}
BENCHMARK(BM_UpdateColorLabelsWithContrast);
// Edit ▸ Paste of CSS text into the selected well, then its undo: two palette changes.
void BM_PasteAndUndo(benchmark::State& state) {
    const tintmere::MainWindowOutlets& o = program().controller->outlets();
    QApplication::clipboard()->setText(u"oklch(0.7 0.1 200)"_s);
    for (auto _ : state) {
        o.paste->trigger();
        o.undoStack->undo();
    }
}
BENCHMARK(BM_PasteAndUndo);

// A megabyte of text that names no colour: refused, with its beep and message.
void BM_PasteRefusedMegabyte(benchmark::State& state) {
    const tintmere::MainWindowOutlets& o = program().controller->outlets();
    QApplication::clipboard()->setText(QString(1 << 20, u'6'));
    for (auto _ : state)
        o.paste->trigger();
}
BENCHMARK(BM_PasteRefusedMegabyte);

} // namespace
