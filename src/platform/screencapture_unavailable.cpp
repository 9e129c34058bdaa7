// SPDX-License-Identifier: GPL-3.0-or-later
#include "screencapture_unavailable.h"

#include "capturegeometry.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace tintmere::platform {

UnavailableScreenCapture::UnavailableScreenCapture(QString reason)
    : m_reason(std::move(reason)) {
}

QPoint UnavailableScreenCapture::pointerPosition() const {
    const QPoint logical = QCursor::pos();
    const QScreen* screen = QGuiApplication::screenAt(logical);
    if (!screen)
        return logical;
    return toDevicePoint(logical, screen->geometry(), screen->devicePixelRatio());
}

} // namespace tintmere::platform
