// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>

namespace tintmere {

// A screen as the loupe sees it: Qt's logical geometry and its scale. Its top-left corner is
// the same in device and logical pixels; only its size scales.
struct LoupeScreen {
    QRect logicalGeometry;
    qreal devicePixelRatio = 1.0;
};

// The loupe that follows the pointer in pick mode: an odd number of screen pixels per side,
// each drawn as a square of the zoom's size, the middle one framed, and a line of text
// below. Widget coordinates, top-left origin.
class LoupeGeometry {
public:
    // The side of one enlarged pixel at each zoom level.
    static constexpr std::array<int, 8> kPixelSizes{4, 6, 8, 10, 12, 16, 20, 24};
    // About this wide, whatever the zoom: fewer pixels as they grow.
    static constexpr int kPixelArea = 144;
    static constexpr int kTextHeight = 22;
    // The gap between the pointer and the loupe.
    static constexpr int kPointerGap = 24;

    explicit LoupeGeometry(int zoomLevel = 4);
    // The level the magnifier's "Zoom Size" (0, 1 or 2) starts the loupe at.
    static LoupeGeometry forZoomSize(int zoomSize);

    int zoomLevel() const { return m_zoomLevel; }
    // Steps up (positive) or down, stopping at the ends.
    LoupeGeometry zoomed(int steps) const;

    int pixelSize() const;
    int pixelsPerSide() const;
    QSize size() const;
    QRect pixelRect(int column, int row) const;
    // The frame around the middle pixel, two pixels wide outside it.
    QRect middleFrame() const;
    QRect textRect() const;

private:
    int m_zoomLevel;
};

// The screen showing a device pixel; none when no screen does.
std::optional<LoupeScreen> screenAt(QPoint devicePixel, const QList<LoupeScreen>& screens);

// Where the loupe's top-left corner goes, in logical coordinates: below and right of the
// pointer, flipped to the other side where it would leave the pointer's screen, and kept on
// that screen.
QPoint placeLoupe(QPoint devicePointer, QSize loupeSize, const QList<LoupeScreen>& screens);

} // namespace tintmere
