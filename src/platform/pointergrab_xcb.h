// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pointergrab.h"

#include <QPointer>
#include <QWindow>

#include <xcb/xcb.h>

namespace tintmere::platform {

// X11: active grabs of pointer and keyboard on our window, made through Qt so that Qt knows
// where its events go; the pointer is warped through the server, in device pixels, which
// Qt's logical coordinates cannot address at every scale.
class XcbPointerGrab final : public PointerGrab {
public:
    explicit XcbPointerGrab(xcb_connection_t* connection);
    ~XcbPointerGrab() override;

    bool isAvailable() const override { return true; }
    QString failureReason() const override { return m_reason; }
    bool grab(QWindow* window) override;
    void release() override;
    bool isGrabbed() const override { return !m_window.isNull(); }
    void movePointer(QPoint devicePixel) override;

private:
    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    QPointer<QWindow> m_window;
    QString m_reason;
};

} // namespace tintmere::platform
