// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QGuiApplication;

namespace tintmere {

class TerminationWatcher;

// Runs the program's termination routine exactly once, whichever way the program ends:
// the Quit command, a termination signal, the end of the desktop session or the event
// loop finishing. Anything saved there is saved before the process can go.
class TerminationRoutine : public QObject {
    Q_OBJECT

public:
    explicit TerminationRoutine(std::function<void()> routine, QObject* parent = nullptr);

    // The application's own ends: the session asking for data, and the loop quitting.
    void watchApplication(QGuiApplication* application);
    // SIGTERM, SIGINT and SIGHUP quit like the Quit command.
    void watchSignals(TerminationWatcher* watcher);

    // Runs the routine unless it has run.
    void run();
    // Runs the routine and ends the event loop.
    void quit();

    bool hasRun() const { return m_hasRun; }

private:
    std::function<void()> m_routine;
    bool m_hasRun = false;
};

} // namespace tintmere
