// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "globalhotkey.h"

namespace tintmere::platform {

// A hot key the tests press themselves.
class FakeGlobalHotKey final : public GlobalHotKey {
    Q_OBJECT

public:
    using GlobalHotKey::GlobalHotKey;

    // An empty reason makes the key available again.
    void setUnavailableReason(const QString& reason) { m_reason = reason; }
    // Presses the key; an unavailable key stays silent, like the real ones.
    void press() {
        if (isAvailable())
            Q_EMIT activated();
    }

    bool isAvailable() const override { return m_reason.isEmpty(); }
    QString unavailableReason() const override { return m_reason; }

private:
    QString m_reason;
};

} // namespace tintmere::platform
