// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screencapture.h"

#include <xcb/xcb.h>

namespace tintmere::platform {

// X11: each screen that covers the rectangle is grabbed separately through Qt, only the
// small rectangle, never the whole screen.
class XcbScreenCapture final : public ScreenCapture {
public:
    // Null when the application has no X11 connection.
    static std::unique_ptr<XcbScreenCapture> create();

    bool isAvailable() const override { return true; }
    QString unavailableReason() const override { return {}; }
    // Asked of the X server: it knows the device pixel, Qt's logical position may not.
    QPoint pointerPosition() const override;
    QImage capture(const QRect& deviceRect) override;

private:
    XcbScreenCapture(xcb_connection_t* connection, xcb_window_t root);
    QRect rootGeometry() const;

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
};

} // namespace tintmere::platform
