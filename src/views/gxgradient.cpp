// SPDX-License-Identifier: GPL-3.0-or-later
#include "gxgradient.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

const QString GXGradient::ElementCountKey = u"GXGradientElementCount"_s;
const QString GXGradient::BlendingModeKey = u"GXGradientBlendingMode"_s;

namespace {

const QString kClassName = u"GXGradient"_s;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

GXGradientElement elementOf(const Color& color, float position) {
    return {color.red, color.green, color.blue, color.alpha, position};
}

GXGradientElement greyElement(float grey, float position) {
    return {grey, grey, grey, 1.0f, position};
}

GXGradient gradientOf(std::initializer_list<GXGradientElement> elements,
                      int mode = GXGradient::Linear) {
    GXGradient gradient;
    for (const GXGradientElement& element : elements)
        gradient.addElement(element);
    gradient.setBlendingMode(mode);
    return gradient;
}

GXGradientElement noSuchElement() {
    return {0.0f, 0.0f, 0.0f, 0.0f, kNaN};
}

// The stops around a position: both the same stop before the first or after the last.
struct Bracket {
    const GXGradientElement* a;
    const GXGradientElement* b;
};

Bracket bracketOf(const std::vector<GXGradientElement>& elements, float position) {
    std::size_t a = 0;
    std::size_t b = 1;
    while (b < elements.size() && position > elements[b].position) {
        a = b;
        ++b;
    }
    if (b >= elements.size())
        b = a;
    return {&elements[a], &elements[b]};
}

float fractionBetween(const Bracket& bracket, float position) {
    return (position - bracket.a->position) / (bracket.b->position - bracket.a->position);
}

void linearEvaluation(const Bracket& bracket, float position, float* out) {
    const GXGradientElement& a = *bracket.a;
    const GXGradientElement& b = *bracket.b;
    if (a.position >= position) {
        out[0] = a.red, out[1] = a.green, out[2] = a.blue, out[3] = a.alpha;
    } else if (position >= b.position) {
        out[0] = b.red, out[1] = b.green, out[2] = b.blue, out[3] = b.alpha;
    } else {
        const float t = fractionBetween(bracket, position);
        out[0] = a.red + (b.red - a.red) * t;
        out[1] = a.green + (b.green - a.green) * t;
        out[2] = a.blue + (b.blue - a.blue) * t;
        out[3] = a.alpha + (b.alpha - a.alpha) * t;
    }
}

// Both chromatic modes: interpolate in hue, saturation and value, walking forward around
// the hue circle (chromatic) or backward (inverse).
void chromaticEvaluation(const Bracket& bracket, float position, float* out, bool forward) {
    float a[4] = {bracket.a->red, bracket.a->green, bracket.a->blue, bracket.a->alpha};
    float b[4] = {bracket.b->red, bracket.b->green, bracket.b->blue, bracket.b->alpha};
    transformRGB_HSV(a);
    transformRGB_HSV(b);
    resolveHSV(a, b);
    if (forward && a[0] > b[0])
        b[0] += 360.0f;
    else if (!forward && b[0] > a[0])
        a[0] += 360.0f;

    if (bracket.a->position >= position) {
        std::copy_n(a, 4, out);
    } else if (position >= bracket.b->position) {
        std::copy_n(b, 4, out);
    } else {
        const float t = fractionBetween(bracket, position);
        for (int i = 0; i < 4; ++i)
            out[i] = a[i] + (b[i] - a[i]) * t;
    }
    transformHSV_RGB(out);
}

Color colorOfElement(const GXGradientElement& element) {
    return {element.red, element.green, element.blue, element.alpha};
}

[[noreturn]] void throwNoStopAtIndex(const char* selector, std::size_t index) {
    throw GXRangeException(
        u"-[%1 %2]: index (%3) beyond bounds"_s.arg(kClassName, QLatin1StringView(selector))
            .arg(index)
            .toStdString());
}

int channel(float component) {
    if (!(component > 0.0f)) // also NaN
        return 0;
    return component >= 1.0f ? 255 : static_cast<int>(std::lround(component * 255.0f));
}

QRgb premultipliedPixel(const float* rgba) {
    return qPremultiply(
        qRgba(channel(rgba[0]), channel(rgba[1]), channel(rgba[2]), channel(rgba[3])));
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
    float rgba[4];
    evaluate(std::clamp(position, 0.0f, 1.0f), rgba);
    return premultipliedPixel(rgba);
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

// --- colour space conversions ---

void transformRGB_HSV(float* c) {
    const float red = c[0];
    const float green = c[1];
    const float blue = c[2];
    const float max = std::max({red, green, blue});
    const float min = std::min({red, green, blue});
    float hue = kNaN;
    if (max != min) {
        const float d = max - min;
        if (max == red)
            hue = 60.0f * (green - blue) / d + (green < blue ? 360.0f : 0.0f);
        else if (max == green)
            hue = 60.0f * (blue - red) / d + 120.0f;
        else
            hue = 60.0f * (red - green) / d + 240.0f;
    }
    c[0] = hue;
    c[1] = max == 0.0f ? 0.0f : 1.0f - min / max;
    c[2] = max;
}

void transformHSV_RGB(float* c) {
    const float h = std::fmod(c[0], 360.0f) / 60.0f;
    const float sectorStart = std::floor(h);
    // A negative hue would give a negative sector; count it from the other end.
    const int i = ((static_cast<int>(sectorStart) % 6) + 6) % 6;
    const float f = h - sectorStart;
    const float s = c[1];
    const float v = c[2];
    const float p = (1.0f - s) * v;
    const float q = (1.0f - s * f) * v;
    const float t = (1.0f - (1.0f - f) * s) * v;
    const float sectors[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    std::copy_n(sectors[i], 3, c);
}

void resolveHSV(float* first, float* second) {
    const bool firstGrey = std::isnan(first[0]);
    const bool secondGrey = std::isnan(second[0]);
    if (firstGrey && secondGrey) {
        first[0] = second[0] = 0.0f;
    } else if (firstGrey) {
        first[0] = second[0];
    } else if (secondGrey) {
        second[0] = first[0];
    }
}

// --- archiving ---

void GXKeyedArchiver::encodeFloat(float value) {
    m_unkeyed.push_back(value);
}

void GXKeyedArchiver::encodeInt(int value, const QString& key) {
    m_keyed.insert(key, value);
}

float GXKeyedArchiver::decodeFloat() {
    if (m_readPosition >= m_unkeyed.size())
        throw GXInvalidArchiveOperationException("The archive ends before its last value");
    return m_unkeyed[m_readPosition++];
}

int GXKeyedArchiver::decodeInt(const QString& key) {
    bool ok = false;
    const int value = m_keyed.value(key).toInt(&ok);
    if (!ok)
        throw GXInvalidArchiveOperationException("The archive has no integer under " +
                                                 key.toStdString());
    return value;
}

void GXGradient::encodeWithCoder(GXCoder& coder) const {
    if (!coder.allowsKeyedCoding())
        throw GXInvalidArchiveOperationException("Only supports NSKeyedArchiver coders");
    for (const GXGradientElement& element : m_elements) {
        for (float value :
             {element.red, element.green, element.blue, element.alpha, element.position})
            coder.encodeFloat(value);
    }
    coder.encodeInt(static_cast<int>(m_elements.size()), ElementCountKey);
    coder.encodeInt(m_blendingMode, BlendingModeKey);
}

GXGradient::GXGradient(GXCoder& coder) {
    if (!coder.allowsKeyedCoding())
        throw GXInvalidArchiveOperationException("Only supports NSKeyedArchiver coders");
    const int mode = coder.decodeInt(BlendingModeKey);
    if (mode < Linear || mode > InverseChromatic)
        throw GXInvalidArchiveOperationException("The archive has an unknown blending mode");
    setBlendingMode(mode);
    const int count = coder.decodeInt(ElementCountKey);
    if (count < 0)
        throw GXInvalidArchiveOperationException("The archive has a negative stop count");
    for (int i = 0; i < count; ++i) {
        GXGradientElement element;
        element.red = coder.decodeFloat();
        element.green = coder.decodeFloat();
        element.blue = coder.decodeFloat();
        element.alpha = coder.decodeFloat();
        element.position = coder.decodeFloat();
        addElement(element);
    }
}

// --- creation ---

GXGradient GXGradient::gradientWithBeginningColor(const Color& beginning, const Color& ending) {
    return gradientOf({elementOf(ending, 0.0f), elementOf(beginning, 1.0f)});
}

GXGradient GXGradient::aquaSelectedGradient() {
    return gradientOf({{0.58f, 0.86f, 0.98f, 1.0f, 0.0f},
                       {0.42f, 0.68f, 0.90f, 1.0f, 0.5f},
                       {0.64f, 0.80f, 0.94f, 1.0f, 0.5f},
                       {0.56f, 0.70f, 0.90f, 1.0f, 1.0f}});
}

GXGradient GXGradient::aquaNormalGradient() {
    return gradientOf({greyElement(0.95f, 0.0f), greyElement(0.83f, 0.5f), greyElement(0.95f, 0.5f),
                       greyElement(0.92f, 1.0f)});
}

GXGradient GXGradient::aquaPressedGradient() {
    return gradientOf({greyElement(0.80f, 0.0f), greyElement(0.64f, 0.5f), greyElement(0.80f, 0.5f),
                       greyElement(0.77f, 1.0f)});
}

GXGradient GXGradient::unifiedSelectedGradient() {
    return gradientOf({greyElement(0.85f, 0.0f), greyElement(0.95f, 1.0f)});
}

GXGradient GXGradient::unifiedNormalGradient() {
    return gradientOf({greyElement(0.75f, 0.0f), greyElement(0.90f, 1.0f)});
}

GXGradient GXGradient::unifiedPressedGradient() {
    return gradientOf({greyElement(0.60f, 0.0f), greyElement(0.75f, 1.0f)});
}

GXGradient GXGradient::unifiedDarkGradient() {
    return gradientOf({greyElement(0.68f, 0.0f), greyElement(0.83f, 1.0f)});
}

GXGradient GXGradient::sourceListSelectedGradient() {
    return gradientOf({{0.06f, 0.37f, 0.85f, 1.0f, 0.0f}, {0.30f, 0.60f, 0.92f, 1.0f, 1.0f}});
}

GXGradient GXGradient::sourceListUnselectedGradient() {
    return gradientOf({greyElement(0.43f, 0.0f), greyElement(0.60f, 1.0f)});
}

GXGradient GXGradient::rainbowGradient() {
    return gradientOf({{1.0f, 0.0f, 0.0f, 1.0f, 0.0f}, {0.54f, 0.0f, 1.0f, 1.0f, 1.0f}}, Chromatic);
}

GXGradient GXGradient::hydrogenSpectrumGradient() {
    struct Line {
        float hue;
        float centre;
        float halfWidth;
    };
    static constexpr Line lines[] = {{22.0f, 0.145f, 0.01f},
                                     {200.0f, 0.71f, 0.008f},
                                     {253.0f, 0.885f, 0.005f},
                                     {275.0f, 0.965f, 0.003f}};
    const auto stop = [](float hue, float value, float position) {
        float c[3] = {hue, 1.0f, value};
        transformHSV_RGB(c);
        return GXGradientElement{c[0], c[1], c[2], 1.0f, position};
    };
    GXGradient gradient;
    for (const Line& line : lines) {
        gradient.addElement(
            stop(line.hue - 180.0f * line.halfWidth, 0.001f, line.centre - line.halfWidth));
        gradient.addElement(stop(line.hue, 1.0f, line.centre));
        gradient.addElement(
            stop(line.hue + 180.0f * line.halfWidth, 0.001f, line.centre + line.halfWidth));
    }
    gradient.setBlendingMode(Chromatic);
    return gradient;
}

// --- stops ---

void GXGradient::addElement(const GXGradientElement& element) {
    // After every stop at or before the new position, so equal positions keep their order.
    const auto place = std::upper_bound(
        m_elements.begin(), m_elements.end(), element.position,
        [](float position, const GXGradientElement& e) { return position < e.position; });
    m_elements.insert(place, element);
}

const GXGradientElement* GXGradient::elementAtIndex(std::size_t index) const {
    return index < m_elements.size() ? &m_elements[index] : nullptr;
}

GXGradientElement GXGradient::removeElementAtIndex(std::size_t index) {
    if (index >= m_elements.size())
        return noSuchElement();
    const GXGradientElement removed = m_elements[index];
    m_elements.erase(m_elements.begin() + static_cast<std::ptrdiff_t>(index));
    return removed;
}

GXGradientElement GXGradient::removeElementAtPosition(float position) {
    const auto found =
        std::find_if(m_elements.begin(), m_elements.end(),
                     [position](const GXGradientElement& e) { return e.position == position; });
    if (found == m_elements.end())
        return noSuchElement();
    const GXGradientElement removed = *found;
    m_elements.erase(found);
    return removed;
}

GXGradient GXGradient::addColorStop(const Color& color, float position) const {
    GXGradient copy = *this;
    copy.addElement(elementOf(color, position));
    return copy;
}

GXGradient GXGradient::removeColorStopAtIndex(std::size_t index) const {
    if (index >= m_elements.size())
        throwNoStopAtIndex("removeColorStopAtIndex:", index);
    GXGradient copy = *this;
    copy.removeElementAtIndex(index);
    return copy;
}

GXGradient GXGradient::removeColorStopAtPosition(float position) const {
    GXGradient copy = *this;
    if (std::isnan(copy.removeElementAtPosition(position).position)) {
        throw GXRangeException(
            u"-[%1 removeColorStopAtPosition:]: no such colorStop at position (%2)"_s
                .arg(kClassName, QString::asprintf("%f", static_cast<double>(position)))
                .toStdString());
    }
    return copy;
}

GXGradient GXGradient::gradientWithBlendingMode(int mode) const {
    GXGradient copy = *this;
    copy.setBlendingMode(mode);
    return copy;
}

GXGradient GXGradient::gradientWithAlphaComponent(float alpha) const {
    GXGradient copy;
    for (GXGradientElement element : m_elements) {
        element.alpha = alpha;
        copy.addElement(element);
    }
    return copy;
}

Color GXGradient::colorStopAtIndex(std::size_t index) const {
    if (index >= m_elements.size())
        throwNoStopAtIndex("colorStopAtIndex:", index);
    return colorOfElement(m_elements[index]);
}

// --- evaluation ---

void GXGradient::evaluate(float position, float* rgba) const {
    if (m_elements.empty()) {
        std::fill_n(rgba, 4, 1.0f);
        return;
    }
    const Bracket bracket = bracketOf(m_elements, position);
    switch (m_blendingMode) {
    case Chromatic:
        chromaticEvaluation(bracket, position, rgba, true);
        break;
    case InverseChromatic:
        chromaticEvaluation(bracket, position, rgba, false);
        break;
    default:
        linearEvaluation(bracket, position, rgba);
        break;
    }
}

Color GXGradient::colorAtPosition(float position) const {
    float rgba[4];
    evaluate(position, rgba);
    return {rgba[0], rgba[1], rgba[2], rgba[3]};
}

// --- drawing ---

QLineF GXGradient::axialAxis(const QRectF& rect, float angle) {
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

void GXGradient::fillRect(QPainter& painter, const QRectF& rect, float angle) const {
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
        [this](float position, float* rgba) { evaluate(position, rgba); });
}

void GXGradient::radialFillRect(QPainter& painter, const QRectF& rect) const {
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
        [this](float position, float* rgba) { evaluate(position, rgba); });
}

void GXGradient::drawSwatchInRect(QPainter& painter, const QRectF& rect) const {
    fillRect(painter, rect, 45.0f);
}

} // namespace tintmere
