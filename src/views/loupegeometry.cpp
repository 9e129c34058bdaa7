// SPDX-License-Identifier: GPL-3.0-or-later
#include "loupegeometry.h"

#include "capturegeometry.h"

#include <algorithm>
#include <cmath>

namespace tintmere {

LoupeGeometry::LoupeGeometry(int zoomLevel)
    : m_zoomLevel(std::clamp(zoomLevel, 0, int(kPixelSizes.size()) - 1)) {
}

LoupeGeometry LoupeGeometry::forZoomSize(int zoomSize) {
    switch (zoomSize) {
    case 0:
        return LoupeGeometry(2);
    case 2:
        return LoupeGeometry(5);
    default:
        return LoupeGeometry(4);
    }
}

LoupeGeometry LoupeGeometry::zoomed(int steps) const {
    return LoupeGeometry(m_zoomLevel + steps);
}

int LoupeGeometry::pixelSize() const {
    return kPixelSizes[std::size_t(m_zoomLevel)];
}

int LoupeGeometry::pixelsPerSide() const {
    const int n = kPixelArea / pixelSize();
    return n % 2 == 0 ? n - 1 : n; // odd, so one pixel is the middle
}

QSize LoupeGeometry::size() const {
    const int side = pixelsPerSide() * pixelSize() + 2;
    return {side, side + kTextHeight};
}

QRect LoupeGeometry::pixelRect(int column, int row) const {
    return {1 + column * pixelSize(), 1 + row * pixelSize(), pixelSize(), pixelSize()};
}

QRect LoupeGeometry::middleFrame() const {
    const int middle = pixelsPerSide() / 2;
    return pixelRect(middle, middle).adjusted(-2, -2, 2, 2);
}

QRect LoupeGeometry::textRect() const {
    const QSize whole = size();
    return {0, whole.width(), whole.width(), kTextHeight};
}

std::optional<LoupeScreen> screenAt(QPoint devicePixel, const QList<LoupeScreen>& screens) {
    for (const LoupeScreen& screen : screens) {
        if (platform::deviceGeometry(screen.logicalGeometry, screen.devicePixelRatio)
                .contains(devicePixel))
            return screen;
    }
    return std::nullopt;
}

namespace {

// Beside the pointer on one axis: after it, or before it where that would leave the screen.
int besidePointer(int pointer, int length, int screenStart, int screenEnd) {
    int start = pointer + LoupeGeometry::kPointerGap;
    if (start + length > screenEnd)
        start = pointer - LoupeGeometry::kPointerGap - length;
    return std::max(screenStart, std::min(start, screenEnd - length));
}

} // namespace

QPoint placeLoupe(QPoint devicePointer, QSize loupeSize, const QList<LoupeScreen>& screens) {
    const std::optional<LoupeScreen> screen = screenAt(devicePointer, screens);
    if (!screen)
        return devicePointer + QPoint(LoupeGeometry::kPointerGap, LoupeGeometry::kPointerGap);
    const QRect area = screen->logicalGeometry;
    const QPoint origin = area.topLeft();
    const QPointF logical = origin + QPointF(devicePointer - origin) / screen->devicePixelRatio;
    const QPoint pointer(int(std::floor(logical.x())), int(std::floor(logical.y())));
    return {besidePointer(pointer.x(), loupeSize.width(), area.left(), area.left() + area.width()),
            besidePointer(pointer.y(), loupeSize.height(), area.top(), area.top() + area.height())};
}

} // namespace tintmere
