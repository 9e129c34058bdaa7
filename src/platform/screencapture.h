// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

namespace tintmere::platform {

// Reads the screen's pixels for the magnifier. Coordinates are device pixels of the whole
// desktop (the virtual screen), top-left origin, y downwards.
class ScreenCapture {
public:
    virtual ~ScreenCapture() = default;

    // False where the display system does not let programs read the screen.
    virtual bool isAvailable() const = 0;
    // Why capture is unavailable, for the user; empty when it is available.
    virtual QString unavailableReason() const = 0;

    // The pointer's device pixel.
    virtual QPoint pointerPosition() const = 0;
    // The pixels of `deviceRect` as an ARGB32 image of exactly its size: pixels from every
    // screen that covers them, transparent where none does. A null image when unavailable.
    virtual QImage capture(const QRect& deviceRect) = 0;

    // The square of pixelsPerSide pixels around `pointer`.
    QImage captureAround(QPoint pointer, int pixelsPerSide);
};

// The backend for the display system the application runs on.
std::unique_ptr<ScreenCapture> createScreenCapture();

} // namespace tintmere::platform
