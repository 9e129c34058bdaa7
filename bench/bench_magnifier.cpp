// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the live magnifier (tintmere_views over tintmere_platform): one refresh, that is a
// capture of the 7 x 7 pixels around the pointer and the repaint of the view, and the
// processor time a live magnifier costs over ten seconds on a real X server.
#include "fakescreencapture.h"
#include "qvmagnifyview.h"
#include "screencapture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "bench_magnifier";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A magnifier with its grid over capture; null (the benchmark skipped) when capture can't run.
std::unique_ptr<QVMagnifyView>
magnifierOver(benchmark::State& state, std::unique_ptr<tintmere::platform::ScreenCapture> capture) {
    if (!capture->isAvailable()) {
        state.SkipWithError(capture->unavailableReason().toUtf8().constData());
        return nullptr;
    }
    auto view = std::make_unique<QVMagnifyView>();
    view->setDrawGrid(true);
    view->setScreenCapture(std::move(capture));
    return view;
}

// One timer tick: capture around the pointer, then paint the view into an image.
void liveTick(benchmark::State& state, std::unique_ptr<tintmere::platform::ScreenCapture> capture,
              qreal dpr) {
    const std::unique_ptr<QVMagnifyView> magnifier = magnifierOver(state, std::move(capture));
    if (!magnifier)
        return;
    QVMagnifyView& view = *magnifier;
    view.beginMagnify();
    QImage image(view.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        view.captureLiveFrame();
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    view.stopMagnify();
}

void liveTickFake(benchmark::State& state, qreal dpr) {
    application();
    auto fake = std::make_unique<tintmere::platform::FakeScreenCapture>();
    QImage screen(1920, 1080, QImage::Format_ARGB32);
    screen.fill(qRgb(60, 80, 180));
    fake->setScreenImage(screen);
    fake->setPointerPosition(QPoint(960, 540));
    liveTick(state, std::move(fake), dpr);
}

void liveTickScreen(benchmark::State& state) {
    application();
    liveTick(state, tintmere::platform::createScreenCapture(), 1.0);
}

// A shown magnifier left live for ten seconds; the counter is the share of one core used.
void liveTenSeconds(benchmark::State& state) {
    application();
    const std::unique_ptr<QVMagnifyView> magnifier =
        magnifierOver(state, tintmere::platform::createScreenCapture());
    if (!magnifier)
        return;
    QVMagnifyView& view = *magnifier;
    view.show();
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();
    for (auto _ : state) {
        view.beginMagnify();
        const double cpuBefore = processCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        state.counters["cpu_percent"] =
            100.0 * (processCpuSeconds() - cpuBefore) / (wall.nsecsElapsed() / 1e9);
        view.stopMagnify();
    }
}

} // namespace

BENCHMARK_CAPTURE(liveTickFake, dpr1, 1.0);
BENCHMARK_CAPTURE(liveTickFake, dpr2, 2.0);
BENCHMARK(liveTickScreen);
BENCHMARK(liveTenSeconds)->Iterations(1)->Unit(benchmark::kSecond);
