// SPDX-License-Identifier: GPL-3.0-or-later
#include "screencapture.h"

#include "capturegeometry.h"
#include "platformreasons.h"
#include "screencapture_unavailable.h"
#include "screencapture_xcb.h"

#include <QGuiApplication>

namespace tintmere::platform {

QImage ScreenCapture::captureAround(QPoint pointer, int pixelsPerSide) {
    return capture(captureRectAround(pointer, pixelsPerSide));
}

std::unique_ptr<ScreenCapture> createScreenCapture() {
    if (QGuiApplication::platformName() == u"xcb") {
        if (auto capture = XcbScreenCapture::create())
            return capture;
        return std::make_unique<UnavailableScreenCapture>(reasons::noX11Connection());
    }
    return std::make_unique<UnavailableScreenCapture>(
        reasons::captureUnsupported(QGuiApplication::platformName()));
}

} // namespace tintmere::platform
