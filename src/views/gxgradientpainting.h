// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gxgradient.h"

#include <QLineF>
#include <QRectF>

#include <functional>

class QPainter;

namespace tintmere {

// Fills of rectangles with a gradient, sampled per device pixel so the edges get the exact
// end colours at any pixel ratio.

// Axial fill along angle degrees, counterclockwise from the rectangle's left-to-right
// axis: at 90 position 0 lies along the bottom edge and 1 along the top edge.
void fillRect(const GXGradient& gradient, QPainter& painter, const QRectF& rect, float angle);
// The same fill with the colour at each position 0...1 given by colorAt.
void fillRect(const std::function<Color(float)>& colorAt, QPainter& painter, const QRectF& rect,
              float angle);
// Position 0 within one unit of the centre, 1 at the larger half side and beyond.
void radialFillRect(const GXGradient& gradient, QPainter& painter, const QRectF& rect);
void drawSwatchInRect(const GXGradient& gradient, QPainter& painter, const QRectF& rect);

// The axis of an axial fill in coordinates whose y grows upward, rect.y() being the
// bottom edge: positions 0 and 1 at its ends pass through two opposite corners.
QLineF axialAxis(const QRectF& rect, float angle);

} // namespace tintmere
