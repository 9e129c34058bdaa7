// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "globalhotkey.h"
#include "x11keymap.h"

#include <QAbstractNativeEventFilter>

#include <optional>
#include <xcb/xcb.h>

namespace tintmere::platform {

// X11: a passive grab of the key on the root window, in every Num Lock and Caps Lock state,
// read from Qt's event stream before Qt sees it. Another client holding the key makes the
// grab fail with BadAccess; then nothing stays grabbed and the key is unavailable. A new
// keyboard layout may move L or the modifiers, so the grab is renewed when it changes.
class XcbGlobalHotKey final : public GlobalHotKey, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    XcbGlobalHotKey(xcb_connection_t* connection, QObject* parent = nullptr);
    ~XcbGlobalHotKey() override;

    bool isAvailable() const override { return m_presses.has_value(); }
    QString unavailableReason() const override { return m_reason; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override;

private:
    // Grabs the key as the current keyboard tables define it, letting go of an earlier grab.
    void grabForCurrentLayout();
    void release();
    void ungrab(quint8 keycode, const std::vector<quint16>& states);

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    x11::HotKey m_key;
    std::optional<x11::HotKeyPresses> m_presses; // set while the key is grabbed
    QString m_reason;
};

} // namespace tintmere::platform
