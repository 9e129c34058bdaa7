// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRect>

#include <functional>
#include <optional>

// Screen capture works in device pixels: the magnifier must show and pick the pixels the
// display really has, also where Qt scales its logical coordinates on a high-DPI screen.
// Qt keeps a screen's top-left corner in device pixels and scales only its size, and a
// screen grab takes whole logical pixels relative to the screen.
namespace tintmere::platform {

// The square of `pixelsPerSide` device pixels around the pointer's pixel; its top-left corner
// is pixelsPerSide / 2 (integer division) pixels left of and above the pointer.
QRect captureRectAround(QPoint pointer, int pixelsPerSide);

// A screen's area in device pixels, from its logical geometry.
QRect deviceGeometry(const QRect& logicalGeometry, qreal devicePixelRatio);

// A logical point on the screen with the given logical geometry, in device pixels.
QPoint toDevicePoint(QPoint logical, const QRect& logicalScreenGeometry, qreal devicePixelRatio);

// How one screen contributes to a capture.
struct ScreenGrabPlan {
    QRect logicalRect;   // what to grab, in logical pixels relative to the screen's top-left
    QPoint sourceOffset; // where the wanted pixels start in the grabbed image
    QRect targetRect;    // where they go in the capture, relative to the captured rectangle

    bool operator==(const ScreenGrabPlan&) const = default;
};

// Plans the grab of the part of `wanted` (device pixels) that the screen covers; nothing
// when it covers none. The grab may be a little larger than the part when device pixels do
// not fall on logical ones.
std::optional<ScreenGrabPlan> planScreenGrab(const QRect& wanted, const QRect& screenDeviceGeometry,
                                             qreal devicePixelRatio);

// A screen as the capture sees it: its device area and a way to grab logical rectangles of
// it (relative to its top-left) as device pixels.
struct CaptureSource {
    QRect deviceGeometry;
    qreal devicePixelRatio = 1.0;
    std::function<QImage(const QRect& logicalRect)> grab;
};

// The pixels of `wanted` from every source that covers them, as an ARGB32 image of exactly
// wanted.size(); pixels no source covers are transparent.
QImage composeCapture(const QRect& wanted, const QList<CaptureSource>& sources);

} // namespace tintmere::platform
