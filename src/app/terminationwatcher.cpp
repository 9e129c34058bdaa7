// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminationwatcher.h"

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tintmere {

namespace {
// A handler may only do async-signal-safe work: it writes the signal number into a socket
// pair that the event loop reads.
int signalPipe[2] = {-1, -1};

void forwardSignal(int signalNumber) {
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

constexpr int kWatchedSignals[] = {SIGTERM, SIGINT, SIGHUP};
} // namespace

TerminationWatcher::TerminationWatcher(QObject* parent)
    : QObject(parent) {
    if (signalPipe[0] < 0 &&
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        return;
    }
    ::fcntl(signalPipe[0], F_SETFL, O_NONBLOCK);
    m_notifier = std::make_unique<QSocketNotifier>(signalPipe[1], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        if (::read(signalPipe[1], &byte, 1) == 1) {
            Q_EMIT terminationRequested(byte);
        }
    });

    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kWatchedSignals) {
        ::sigaction(signalNumber, &action, nullptr);
    }
}

TerminationWatcher::~TerminationWatcher() {
    for (int signalNumber : kWatchedSignals) {
        ::signal(signalNumber, SIG_DFL);
    }
}

} // namespace tintmere
