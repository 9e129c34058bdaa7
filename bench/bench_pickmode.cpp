// SPDX-License-Identifier: GPL-3.0-or-later
// Measures pick mode on a real X server: the time from the command to the loupe on screen
// (shown, its pixels captured, pointer and keyboard grabbed and the window exposed).
#include "pickmode.h"
#include "pointergrab.h"
#include "qvloupe.h"
#include "screencapture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QWindow>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "bench_pickmode";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// Runs the event loop until the condition holds; false after two seconds.
template <typename Condition>
bool processEventsUntil(Condition condition) {
    const QDeadlineTimer deadline(2000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

void commandToLoupeShown(benchmark::State& state) {
    application();
    std::unique_ptr<tintmere::platform::ScreenCapture> capture =
        tintmere::platform::createScreenCapture();
    if (!capture->isAvailable()) {
        state.SkipWithError(capture->unavailableReason().toUtf8().constData());
        return;
    }
    tintmere::PickMode pickMode([&capture] { return capture.get(); },
                                tintmere::platform::createPointerGrab());
    QVLoupe* loupe = pickMode.loupe();
    const auto exposed = [loupe] {
        return loupe->isVisible() && loupe->windowHandle() && loupe->windowHandle()->isExposed();
    };
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        pickMode.start();
        if (!pickMode.isActive() || !processEventsUntil(exposed)) {
            state.SkipWithError("the loupe did not show");
            return;
        }
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        pickMode.cancel();
        // Gone from the screen too, so the next start waits for a fresh exposure.
        processEventsUntil([loupe] { return !loupe->windowHandle()->isExposed(); });
    }
}

} // namespace

BENCHMARK(commandToLoupeShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
