// SPDX-License-Identifier: GPL-3.0-or-later
#include "screencapture.h"

#include "capturegeometry.h"
#include "displaysession.h"
#include "platformreasons.h"
#include "screencapture_unavailable.h"
#include "screencapture_xcb.h"

#include <QGuiApplication>

namespace tintmere::platform {

QImage ScreenCapture::captureAround(QPoint pointer, int pixelsPerSide) {
    return capture(captureRectAround(pointer, pixelsPerSide));
}

std::unique_ptr<ScreenCapture> createScreenCapture() {
    switch (currentDisplaySession()) {
    case DisplaySession::X11:
        if (auto capture = XcbScreenCapture::create())
            return capture;
        return std::make_unique<UnavailableScreenCapture>(reasons::noX11Connection());
    case DisplaySession::Wayland:
    case DisplaySession::XWayland:
        // A rootless XWayland refuses reads of its root window, so X11 capture is no way out.
        return std::make_unique<UnavailableScreenCapture>(reasons::captureOnWayland());
    case DisplaySession::Other:
        break;
    }
    return std::make_unique<UnavailableScreenCapture>(
        reasons::captureUnsupported(QGuiApplication::platformName()));
}

} // namespace tintmere::platform
