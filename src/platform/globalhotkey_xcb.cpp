// SPDX-License-Identifier: GPL-3.0-or-later
#include "globalhotkey_xcb.h"

#include "platformreasons.h"
#include "xcbsupport.h"

#include <QCoreApplication>

namespace tintmere::platform {

namespace {

constexpr quint8 badAccess = 10;

} // namespace

XcbGlobalHotKey::XcbGlobalHotKey(xcb_connection_t* connection, QObject* parent)
    : GlobalHotKey(parent)
    , m_connection(connection)
    , m_root(xcb::rootWindow(connection)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
    grabForCurrentLayout();
}

XcbGlobalHotKey::~XcbGlobalHotKey() {
    release();
}

void XcbGlobalHotKey::grabForCurrentLayout() {
    const std::optional<x11::HotKey> key = xcb::controlAltSuperL(m_connection);
    if (isAvailable() && key == m_key)
        return;
    release();
    if (!key) {
        m_reason = reasons::noLKey();
        return;
    }
    const std::vector<quint16> states = key->grabbedModifierStates();
    std::vector<xcb_void_cookie_t> cookies;
    for (const quint16 state : states) {
        // Not owner events: every press goes to the root window, also while one of our own
        // windows has the focus, so the filter sees them all.
        cookies.push_back(xcb_grab_key_checked(m_connection, 0, m_root, state, key->keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    std::vector<quint16> grabbed;
    int errorCode = 0;
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        const xcb::Reply<xcb_generic_error_t> error(xcb_request_check(m_connection, cookies[i]));
        if (!error)
            grabbed.push_back(states[i]);
        else if (errorCode == 0 || error->error_code == badAccess)
            errorCode = error->error_code;
    }
    if (errorCode != 0) {
        ungrab(key->keycode, grabbed);
        m_reason =
            errorCode == badAccess ? reasons::hotKeyTaken() : reasons::hotKeyRefused(errorCode);
        return;
    }
    m_key = *key;
    m_presses.emplace(*key);
    m_reason.clear();
}

void XcbGlobalHotKey::release() {
    if (!isAvailable())
        return;
    ungrab(m_key.keycode, m_key.grabbedModifierStates());
    m_presses.reset();
}

void XcbGlobalHotKey::ungrab(quint8 keycode, const std::vector<quint16>& states) {
    for (const quint16 state : states)
        xcb_ungrab_key(m_connection, keycode, m_root, state);
    xcb_flush(m_connection);
}

bool XcbGlobalHotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const int type = event->response_type & ~0x80;
    if (type == XCB_MAPPING_NOTIFY) {
        const auto* mapping = static_cast<const xcb_mapping_notify_event_t*>(message);
        if (mapping->request != XCB_MAPPING_POINTER)
            grabForCurrentLayout();
        return false; // Qt follows layout changes too
    }
    if (!m_presses)
        return false;
    switch (type) {
    case XCB_KEY_PRESS: {
        const auto* press = static_cast<const xcb_key_press_event_t*>(message);
        const x11::HotKeyPresses::Press kind = m_presses->keyPressed(press->detail, press->state);
        if (kind == x11::HotKeyPresses::Press::Activation)
            Q_EMIT activated();
        return kind != x11::HotKeyPresses::Press::Other;
    }
    case XCB_KEY_RELEASE:
        return m_presses->keyReleased(static_cast<const xcb_key_release_event_t*>(message)->detail);
    default:
        return false;
    }
}

} // namespace tintmere::platform
