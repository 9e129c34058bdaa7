// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

namespace tintmere {

// Turns SIGTERM, SIGINT and SIGHUP into an orderly quit on the main thread, so a kill, a
// Ctrl+C in the terminal or a closed session saves the user's state like a menu Quit does.
class TerminationWatcher : public QObject {
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace tintmere
