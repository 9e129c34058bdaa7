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

    // The keys the desktop says fire it.
    void setBinding(const QString& binding) { m_binding = binding; }

    bool isAvailable() const override { return m_reason.isEmpty(); }
    QString unavailableReason() const override { return m_reason; }
    QString binding() const override { return m_binding; }

private:
    QString m_reason;
    QString m_binding;
};

} // namespace tintmere::platform
