// SPDX-License-Identifier: GPL-3.0-or-later
#include "magnifiergeometry.h"

#include <algorithm>

namespace {
constexpr int W = MagnifierGeometry::kBoxSize.width();
constexpr int H = MagnifierGeometry::kBoxSize.height();
// The strip starts right of the pixel square, which is as wide as the box is high.
constexpr int kStripLeft = H;
} // namespace

MagnifierGeometry::MagnifierGeometry(int numberOfPixels, int boxPadding)
    : m_numberOfPixels(std::max(numberOfPixels, 1))
    , m_boxPadding(boxPadding) {
}

QSize MagnifierGeometry::viewSize() const {
    return QSize(W + m_boxPadding, H + 2 * m_boxPadding + 1);
}

int MagnifierGeometry::pixelSize() const {
    return H / m_numberOfPixels;
}

QRect MagnifierGeometry::fromBottomLeft(int x, int y, int width, int height) const {
    return QRect(x, viewSize().height() - y - height, width, height);
}

QPoint MagnifierGeometry::fromBottomLeft(int x, int y) const {
    return QPoint(x, viewSize().height() - y);
}

QRect MagnifierGeometry::pixelSquare() const {
    const int side = pixelSize() * m_numberOfPixels;
    return fromBottomLeft(m_boxPadding, m_boxPadding, side, side);
}

QRect MagnifierGeometry::pixelRect(int column, int row) const {
    const int s = pixelSize();
    const int rowFromBottom = m_numberOfPixels - 1 - row;
    return fromBottomLeft(m_boxPadding + column * s, m_boxPadding + rowFromBottom * s, s, s);
}

std::optional<QPoint> MagnifierGeometry::pixelAt(QPoint point) const {
    const QRect square = pixelSquare();
    if (!square.contains(point))
        return std::nullopt;
    const int s = pixelSize();
    return QPoint((point.x() - square.left()) / s, (point.y() - square.top()) / s);
}

QRect MagnifierGeometry::selectedColorStrip() const {
    const int P = m_boxPadding;
    return fromBottomLeft(P + kStripLeft, P + 1, kSelectedColorWidth - 1, H - 2);
}

QList<QRect> MagnifierGeometry::frameLines() const {
    const int P = m_boxPadding;
    return {fromBottomLeft(P, P, W, 1), fromBottomLeft(P, P + H - 1, W, 1),
            fromBottomLeft(P, P, 1, H), fromBottomLeft(P + kStripLeft - 1, P, 1, H),
            fromBottomLeft(P + W - 1, P, 1, H)};
}

QList<QRect> MagnifierGeometry::gridLines() const {
    const int P = m_boxPadding;
    const int s = pixelSize();
    QList<QRect> lines;
    for (int i = s; s > 0 && i < H - s + 1; i += s) {
        lines.append(fromBottomLeft(P, P + i, H, 1));
        lines.append(fromBottomLeft(P + i, P, 1, H));
    }
    return lines;
}

QList<QPolygon> MagnifierGeometry::emptyStripStripes() const {
    const int P = m_boxPadding;
    const int left = P + kStripLeft;
    QList<QPolygon> stripes;
    for (int k = 0; k < H; k += 30) {
        if (k + 15 + P <= H - 1) {
            stripes.append(
                QPolygon({fromBottomLeft(left, P + k), fromBottomLeft(left, P + k + 15),
                          fromBottomLeft(P + W, P + k + 30), fromBottomLeft(P + W, P + k + 15)}));
        } else {
            // Near the top the stripe is cut off into a triangle.
            const int reach = kSelectedColorWidth * (H - k) / 15;
            stripes.append(QPolygon({fromBottomLeft(left, P + k), fromBottomLeft(left, P + H),
                                     fromBottomLeft(left + reach, P + H)}));
        }
    }
    return stripes;
}

QRect MagnifierGeometry::hoverRect(QPoint pixel) const {
    const int s = pixelSize();
    const int P = m_boxPadding;
    const int hx = pixel.x() * s;
    const int hy = (m_numberOfPixels - 1 - pixel.y()) * s;
    return fromBottomLeft(hx, hy, s + 1 + 2 * P, s + 1 + 2 * P);
}

QList<QRect> MagnifierGeometry::hoverFrame(QPoint pixel) const {
    const int s = pixelSize();
    const int P = m_boxPadding;
    const int hx = pixel.x() * s;
    const int hy = (m_numberOfPixels - 1 - pixel.y()) * s;
    const int side = s + 2 * P;
    return {fromBottomLeft(hx, hy, 2, side), fromBottomLeft(hx, hy, side, 2),
            fromBottomLeft(hx, hy + side - 1, side + 1, 2),
            fromBottomLeft(hx + side - 1, hy, 2, side)};
}

QRect MagnifierGeometry::loadingRect() const {
    return fromBottomLeft(m_boxPadding, m_boxPadding, W, H);
}

QRect MagnifierGeometry::loadingTextRect(QSize textSize) const {
    const int P = m_boxPadding;
    const int x = int(((P + W) - textSize.width()) * 0.5);
    const int y = int(((P + H) - textSize.height()) * 0.5);
    return fromBottomLeft(x, y, textSize.width(), textSize.height());
}
