// SPDX-License-Identifier: GPL-3.0-or-later
#include "screencapture_xcb.h"

#include "capturegeometry.h"
#include "xcbsupport.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace tintmere::platform {

std::unique_ptr<XcbScreenCapture> XcbScreenCapture::create() {
    xcb_connection_t* connection = xcb::applicationConnection();
    if (!connection)
        return nullptr;
    return std::unique_ptr<XcbScreenCapture>(
        new XcbScreenCapture(connection, xcb::rootWindow(connection)));
}

XcbScreenCapture::XcbScreenCapture(xcb_connection_t* connection, xcb_window_t root)
    : m_connection(connection)
    , m_root(root) {
}

QPoint XcbScreenCapture::pointerPosition() const {
    const xcb::Reply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(m_connection, xcb_query_pointer(m_connection, m_root), nullptr));
    if (!pointer)
        return QCursor::pos();
    return {pointer->root_x, pointer->root_y};
}

QRect XcbScreenCapture::rootGeometry() const {
    const xcb::Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, m_root), nullptr));
    if (!geometry)
        return {};
    return {0, 0, geometry->width, geometry->height};
}

QImage XcbScreenCapture::capture(const QRect& deviceRect) {
    // A screen's device size comes from rounding its logical size back up, which can be a
    // pixel too large at fractional scales; nothing lies beyond the root window.
    const QRect root = rootGeometry();
    QList<CaptureSource> sources;
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens) {
        const qreal ratio = screen->devicePixelRatio();
        sources.append({deviceGeometry(screen->geometry(), ratio) & root, ratio,
                        [screen](const QRect& logical) {
                            return screen
                                ->grabWindow(0, logical.x(), logical.y(), logical.width(),
                                             logical.height())
                                .toImage();
                        }});
    }
    return composeCapture(deviceRect, sources);
}

} // namespace tintmere::platform
