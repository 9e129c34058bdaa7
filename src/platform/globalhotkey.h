// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace tintmere::platform {

// The system-wide Ctrl+Alt+Super+L (or the keys the user chose), pressed in any program. Registered
// for the object's lifetime; activated() is emitted on the main thread, once per press.
class GlobalHotKey : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool isAvailable() const = 0;
    // Why the key does not work, for the user; empty when it does.
    virtual QString unavailableReason() const = 0;
    // The keys that fire it, as the desktop names them where the user chooses them; empty
    // where they are always Ctrl+Alt+Super+L.
    virtual QString binding() const { return {}; }

Q_SIGNALS:
    void activated();
    // Availability, reason or binding changed: a desktop may confirm the key late, or the
    // user may choose other keys.
    void statusChanged();
};

// Registers the key with the display system the application runs on.
std::unique_ptr<GlobalHotKey> createGlobalHotKey(QObject* parent = nullptr);

} // namespace tintmere::platform
