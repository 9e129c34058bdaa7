// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>

#include <optional>

// Where the magnifier draws, in widget coordinates (top-left origin). The layout is a box of
// 135 by 105: a square of enlarged screen pixels on the left, a strip showing the picked
// colour on the right, grey frame lines around both. A padding around the box leaves room
// for a hovered pixel to grow by the padding on every side. Pixels are addressed by column
// from the left and row from the top, as the screen shows them.
class MagnifierGeometry {
public:
    static constexpr QSize kBoxSize{135, 105};
    static constexpr int kSelectedColorWidth = 30;

    MagnifierGeometry(int numberOfPixels = 7, int boxPadding = 4);

    int numberOfPixels() const { return m_numberOfPixels; }
    int boxPadding() const { return m_boxPadding; }

    // The widget's size: the box grown by the padding.
    QSize viewSize() const;
    // The side of one enlarged pixel: the box height divided by the pixels per side.
    int pixelSize() const;
    // The square of all pixels.
    QRect pixelSquare() const;
    QRect pixelRect(int column, int row) const;
    // The pixel under a point, if any.
    std::optional<QPoint> pixelAt(QPoint point) const;

    QRect selectedColorStrip() const;
    // Bottom, top, left, separator, right.
    QList<QRect> frameLines() const;
    // Horizontal and vertical lines between the pixels.
    QList<QRect> gridLines() const;
    // The light stripes drawn in the strip while no colour is picked.
    QList<QPolygon> emptyStripStripes() const;

    // The hovered pixel drawn larger by the padding on every side, and its two-point frame.
    QRect hoverRect(QPoint pixel) const;
    QList<QRect> hoverFrame(QPoint pixel) const;

    // The veil over the box while loading, and where its text is centred for `textSize`.
    QRect loadingRect() const;
    QRect loadingTextRect(QSize textSize) const;

private:
    // The layout is worked out with the origin at the lower left, y upwards; this turns such
    // a rectangle into widget coordinates.
    QRect fromBottomLeft(int x, int y, int width, int height) const;
    QPoint fromBottomLeft(int x, int y) const;

    int m_numberOfPixels;
    int m_boxPadding;
};
