// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminationroutine.h"

#include "terminationwatcher.h"

#include <QGuiApplication>

#include <utility>

namespace tintmere {

TerminationRoutine::TerminationRoutine(std::function<void()> routine, QObject* parent)
    : QObject(parent)
    , m_routine(std::move(routine)) {
}

void TerminationRoutine::watchApplication(QGuiApplication* application) {
    connect(application, &QCoreApplication::aboutToQuit, this, &TerminationRoutine::run);
    // The session may end without the event loop ever returning.
    connect(application, &QGuiApplication::commitDataRequest, this, &TerminationRoutine::run);
}

void TerminationRoutine::watchSignals(TerminationWatcher* watcher) {
    connect(watcher, &TerminationWatcher::terminationRequested, this, &TerminationRoutine::quit);
}

void TerminationRoutine::run() {
    if (std::exchange(m_hasRun, true))
        return;
    if (m_routine)
        m_routine();
}

void TerminationRoutine::quit() {
    run();
    QCoreApplication::quit();
}

} // namespace tintmere
