// SPDX-License-Identifier: GPL-3.0-or-later
#include "gxgradientpainting.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <vector>

namespace tintmere {

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

int channel(float component) {
    if (!(component > 0.0f)) // also NaN
        return 0;
    return component >= 1.0f ? 255 : static_cast<int>(std::lround(component * 255.0f));
}

QRgb premultipliedPixel(const Color& color) {
    return qPremultiply(
        qRgba(channel(color.red), channel(color.green), channel(color.blue), channel(color.alpha)));
}

// Positions a little outside 0...1 come from rounding at the far corners; anything further
// out is outside the fill and stays unpainted.
constexpr float kPositionSlack = 1e-4f;

// The device pixels a fill covers, and where each pixel samples the rectangle: the first
// and last pixel of a row or column sample its edges, so the edges get the exact end
// colours.
struct SampleGrid {
    QSize pixels;
    QRectF target;     // in the painter's logical coordinates
    double scaleX = 1; // device pixels per logical unit
    double scaleY = 1;
    QPointF origin;   // the first pixel's sample point, logical
    double stepX = 0; // logical distance between neighbouring samples
    double stepY = 0;
};

SampleGrid sampleGridFor(const QPainter& painter, const QRectF& rect) {
    SampleGrid grid;
    if (rect.isEmpty())
        return grid;
    const QTransform toDevice = painter.deviceTransform();
    grid.scaleX = std::hypot(toDevice.m11(), toDevice.m12());
    grid.scaleY = std::hypot(toDevice.m21(), toDevice.m22());
    if (toDevice.type() <= QTransform::TxScale) {
        // Snap to whole device pixels so the image is copied one to one.
        const QRectF device = toDevice.mapRect(rect);
        const QRect snapped(QPoint(qRound(device.left()), qRound(device.top())),
                            QPoint(qRound(device.right()) - 1, qRound(device.bottom()) - 1));
        grid.pixels = snapped.size();
        grid.target = toDevice.inverted().mapRect(QRectF(snapped));
    } else {
        grid.pixels = QSize(qCeil(rect.width() * grid.scaleX), qCeil(rect.height() * grid.scaleY));
        grid.target = rect;
    }
    const auto step = [](double extent, int count) {
        return count > 1 ? extent / (count - 1) : 0.0;
    };
    grid.stepX = step(rect.width(), grid.pixels.width());
    grid.stepY = step(rect.height(), grid.pixels.height());
    grid.origin = QPointF(grid.pixels.width() > 1 ? rect.left() : rect.center().x(),
                          grid.pixels.height() > 1 ? rect.top() : rect.center().y());
    return grid;
}

// A point of the painter's coordinates in the fill's upward-growing coordinates, where the
// rectangle keeps its numbers and rect.y() is its bottom edge.
QPointF upwardPoint(const QRectF& rect, QPointF point) {
    return {point.x(), rect.top() + rect.bottom() - point.y()};
}

// A colour as a pixel, or nothing for positions outside 0...1, which stay unpainted.
template <typename Evaluate>
std::optional<QRgb> pixelAtPosition(float position, Evaluate& evaluate) {
    if (!(position >= -kPositionSlack && position <= 1.0f + kPositionSlack))
        return std::nullopt;
    return premultipliedPixel(evaluate(std::clamp(position, 0.0f, 1.0f)));
}

// How the positions of a fill vary over the pixel grid.
enum class FillShape {
    UniformRows,   // constant along each row: one evaluation a row
    RepeatingRows, // every row the same: evaluate the first row only
    General,
};

// Fills the grid's pixels with the colours at the positions that positionsOfRow(j, out,
// count) writes for the first count pixels of row j, and draws them.
template <typename RowPositions, typename Evaluate>
void paintSampled(QPainter& painter, const SampleGrid& grid, FillShape shape,
                  RowPositions positionsOfRow, Evaluate evaluate) {
    const int width = grid.pixels.width();
    QImage image(grid.pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    std::vector<float> positions(static_cast<std::size_t>(width));
    for (int j = 0; j < grid.pixels.height(); ++j) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(j));
        if (shape == FillShape::RepeatingRows && j > 0) {
            std::copy_n(reinterpret_cast<const QRgb*>(image.constScanLine(0)), width, line);
            continue;
        }
        if (shape == FillShape::UniformRows) {
            positionsOfRow(j, positions.data(), 1);
            if (const auto pixel = pixelAtPosition(positions[0], evaluate))
                std::fill_n(line, width, *pixel);
            continue;
        }
        positionsOfRow(j, positions.data(), width);
        // Neighbours often share a position; evaluate each run once.
        float lastPosition = kNaN;
        std::optional<QRgb> lastPixel;
        for (int i = 0; i < width; ++i) {
            const float position = positions[static_cast<std::size_t>(i)];
            if (position != lastPosition) {
                lastPixel = pixelAtPosition(position, evaluate);
                lastPosition = position;
            }
            if (lastPixel)
                line[i] = *lastPixel;
        }
    }
    image.setDevicePixelRatio(grid.scaleX);
    painter.drawImage(grid.target, image);
}

} // namespace

QLineF axialAxis(const QRectF& rect, float angle) {
    const double x = rect.x();
    const double y = rect.y();
    const double w = rect.width();
    const double h = rect.height();
    if (angle == 0.0f)
        return {x, y, x + w, y};
    if (angle == 90.0f)
        return {x, y, x, y + h};
    const float r = static_cast<float>(angle * std::numbers::pi / 180.0);
    const float k = std::fabs(std::tan(r));
    float dx = 0.0f;
    float dy = 0.0f;
    if (k <= 1.0f) {
        const float s = std::sin(r);
        const float c = std::cos(r);
        const float length = static_cast<float>(w / std::fabs(c) + (h - k * w) * std::fabs(s));
        dx = c * length * 0.5f;
        dy = s * length * 0.5f;
    } else {
        const float rr = static_cast<float>(r - std::numbers::pi / 2.0);
        const float s = std::sin(rr);
        const float c = std::cos(rr);
        const float length =
            static_cast<float>(h / std::fabs(c) + (w - std::fabs(std::tan(rr)) * h) * std::fabs(s));
        dx = -s * length * 0.5f;
        dy = c * length * 0.5f;
    }
    const QPointF centre(x + w / 2, y + h / 2);
    return {centre - QPointF(dx, dy), centre + QPointF(dx, dy)};
}

void fillRect(const GXGradient& gradient, QPainter& painter, const QRectF& rect, float angle) {
    fillRect([&gradient](float position) { return gradient.colorAtPosition(position); }, painter,
             rect, angle);
}

void fillRect(const std::function<Color(float)>& colorAt, QPainter& painter, const QRectF& rect,
              float angle) {
    const QLineF axis = axialAxis(rect, angle);
    const QPointF along = axis.p2() - axis.p1();
    const double lengthSquared = QPointF::dotProduct(along, along);
    const SampleGrid grid = sampleGridFor(painter, rect);
    if (lengthSquared == 0.0 || grid.pixels.isEmpty())
        return;
    // The position is affine in the pixel indices.
    const QPointF first = upwardPoint(rect, grid.origin);
    const double t0 = QPointF::dotProduct(first - axis.p1(), along) / lengthSquared;
    const double ti = grid.stepX * along.x() / lengthSquared;
    const double tj = -grid.stepY * along.y() / lengthSquared;
    paintSampled(
        painter, grid,
        ti == 0.0   ? FillShape::UniformRows
        : tj == 0.0 ? FillShape::RepeatingRows
                    : FillShape::General,
        [&](int j, float* positions, int count) {
            const double rowStart = t0 + j * tj;
            for (int i = 0; i < count; ++i)
                positions[i] = static_cast<float>(rowStart + i * ti);
        },
        colorAt);
}

void radialFillRect(const GXGradient& gradient, QPainter& painter, const QRectF& rect) {
    const SampleGrid grid = sampleGridFor(painter, rect);
    if (grid.pixels.isEmpty())
        return;
    const QPointF centre = rect.center();
    const double radius = (rect.width() < rect.height() ? rect.height() : rect.width()) / 2;
    paintSampled(
        painter, grid, FillShape::General,
        [&](int j, float* positions, int count) {
            const double dy = grid.origin.y() + j * grid.stepY - centre.y();
            for (int i = 0; i < count; ++i) {
                const double distance =
                    std::hypot(grid.origin.x() + i * grid.stepX - centre.x(), dy);
                // A fill no larger than the inner circle has nothing to blend across.
                positions[i] = radius <= 1.0 ? (distance <= 1.0 ? 0.0f : 1.0f)
                                             : static_cast<float>(std::clamp(
                                                   (distance - 1.0) / (radius - 1.0), 0.0, 1.0));
            }
        },
        [&gradient](float position) { return gradient.colorAtPosition(position); });
}

void drawSwatchInRect(const GXGradient& gradient, QPainter& painter, const QRectF& rect) {
    fillRect(gradient, painter, rect, 45.0f);
}

} // namespace tintmere
