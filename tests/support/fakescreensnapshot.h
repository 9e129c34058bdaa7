// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screensnapshot.h"

namespace tintmere::platform {

// A desktop that freezes the screens when the test says so, with the answer the test gives.
class FakeScreenSnapshot final : public ScreenSnapshot {
    Q_OBJECT

public:
    using ScreenSnapshot::ScreenSnapshot;

    int requestCount() const { return m_requests; }
    // Answers the running request; nothing happens when none runs, like a late answer.
    void answer(const SnapshotResult& result) {
        if (!m_busy)
            return;
        m_busy = false;
        Q_EMIT finished(result);
    }

    void request() override {
        if (m_busy)
            return;
        m_busy = true;
        ++m_requests;
    }
    bool isBusy() const override { return m_busy; }
    QString unavailableReason() const override { return m_reason; }
    // The desktop found out it cannot take screenshots (an empty reason: it can).
    void setUnavailableReason(const QString& reason) {
        m_reason = reason;
        Q_EMIT availabilityChanged();
    }

private:
    QString m_reason;
    bool m_busy = false;
    int m_requests = 0;
};

} // namespace tintmere::platform
