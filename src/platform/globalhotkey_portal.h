// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "globalhotkey.h"

#include <QDBusConnection>

#include <chrono>

class QDBusMessage;

namespace tintmere::platform {

struct PortalResponse;

// Wayland: the desktop portal's GlobalShortcuts. The shortcut "Lock magnifier / pick" is bound
// in a session of our own, with Ctrl+Alt+Super+L as the preferred keys; the desktop may ask
// the user, and the user may choose other keys at any time.
class PortalGlobalHotKey final : public GlobalHotKey {
    Q_OBJECT

public:
    // Registers at once; `timeout` bounds each answer, a dialog of the desktop included.
    PortalGlobalHotKey(QDBusConnection connection, std::chrono::milliseconds timeout,
                       QObject* parent = nullptr);
    ~PortalGlobalHotKey() override;

    bool isAvailable() const override;
    QString unavailableReason() const override;
    QString binding() const override { return m_binding; }

private Q_SLOTS:
    void onActivated(const QDBusMessage& message);
    void onShortcutsChanged(const QDBusMessage& message);

private:
    void sessionCreated(const PortalResponse& response);
    void shortcutsBound(const PortalResponse& response);
    void fail(const PortalResponse& response);
    void setBinding(const QVariant& shortcuts);

    QDBusConnection m_connection;
    std::chrono::milliseconds m_timeout;
    QString m_session;
    QString m_binding;
    QString m_reason;
    bool m_bound = false;
};

} // namespace tintmere::platform
