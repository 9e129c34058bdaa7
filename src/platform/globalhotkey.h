// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace tintmere::platform {

// The system-wide Ctrl+Alt+Super+L, pressed in any program. Registered for the object's
// lifetime; activated() is emitted on the main thread, once per press.
class GlobalHotKey : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool isAvailable() const = 0;
    // Why the key does not work, for the user; empty when it does.
    virtual QString unavailableReason() const = 0;

Q_SIGNALS:
    void activated();
};

// Registers the key with the display system the application runs on.
std::unique_ptr<GlobalHotKey> createGlobalHotKey(QObject* parent = nullptr);

} // namespace tintmere::platform
