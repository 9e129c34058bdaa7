// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakescreencapture.h"

#include "capturegeometry.h"

namespace tintmere::platform {

void FakeScreenCapture::setScreenImage(const QImage& image, QPoint origin) {
    m_screen = image;
    m_origin = origin;
}

QImage FakeScreenCapture::capture(const QRect& deviceRect) {
    m_capturedRects.append(deviceRect);
    if (!isAvailable())
        return {};
    const CaptureSource screen{QRect(m_origin, m_screen.size()), 1.0,
                               [this](const QRect& rect) { return m_screen.copy(rect); }};
    return composeCapture(deviceRect, {screen});
}

} // namespace tintmere::platform
