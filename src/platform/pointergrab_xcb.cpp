// SPDX-License-Identifier: GPL-3.0-or-later
#include "pointergrab_xcb.h"

#include "platformreasons.h"
#include "xcbsupport.h"

namespace tintmere::platform {

XcbPointerGrab::XcbPointerGrab(xcb_connection_t* connection)
    : m_connection(connection)
    , m_root(xcb::rootWindow(connection)) {
}

XcbPointerGrab::~XcbPointerGrab() {
    release();
}

bool XcbPointerGrab::grab(QWindow* window) {
    release();
    if (!window || !window->isVisible()) {
        m_reason = reasons::pointerGrabRefused();
        return false;
    }
    const bool pointer = window->setMouseGrabEnabled(true);
    const bool keyboard = pointer && window->setKeyboardGrabEnabled(true);
    if (!keyboard) {
        window->setMouseGrabEnabled(false);
        xcb_flush(m_connection);
        m_reason = reasons::pointerGrabTaken();
        return false;
    }
    m_window = window;
    m_reason.clear();
    return true;
}

void XcbPointerGrab::release() {
    if (QWindow* window = m_window.data()) {
        window->setKeyboardGrabEnabled(false);
        window->setMouseGrabEnabled(false);
    }
    m_window.clear();
    // At once: the next click belongs to the program below, even if we are busy.
    xcb_flush(m_connection);
}

void XcbPointerGrab::movePointer(QPoint devicePixel) {
    xcb_warp_pointer(m_connection, XCB_NONE, m_root, 0, 0, 0, 0, qint16(devicePixel.x()),
                     qint16(devicePixel.y()));
    xcb_flush(m_connection);
}

} // namespace tintmere::platform
