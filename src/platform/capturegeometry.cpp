// SPDX-License-Identifier: GPL-3.0-or-later
#include "capturegeometry.h"

#include <QPainter>

#include <cmath>

namespace tintmere::platform {

QRect captureRectAround(QPoint pointer, int pixelsPerSide) {
    const int half = pixelsPerSide / 2;
    return {pointer - QPoint(half, half), QSize(pixelsPerSide, pixelsPerSide)};
}

QRect deviceGeometry(const QRect& logicalGeometry, qreal devicePixelRatio) {
    return {logicalGeometry.topLeft(), logicalGeometry.size() * devicePixelRatio};
}

QPoint toDevicePoint(QPoint logical, const QRect& logicalScreenGeometry, qreal devicePixelRatio) {
    const QPoint origin = logicalScreenGeometry.topLeft();
    return origin + (logical - origin) * devicePixelRatio;
}

namespace {

// Qt turns a logical offset or length into device pixels by rounding; the plan must agree
// with it to know where the grabbed image starts.
int toDevice(int logical, qreal devicePixelRatio) {
    return qRound(logical * devicePixelRatio);
}

// The logical span whose device span starts at or before `start` and reaches `end`
// (exclusive); returns the logical start and length and the device start.
struct Span {
    int logicalStart;
    int logicalLength;
    int deviceStart;
};

Span logicalSpanCovering(int start, int end, qreal devicePixelRatio) {
    const int logicalStart = int(std::floor(start / devicePixelRatio));
    const int deviceStart = toDevice(logicalStart, devicePixelRatio);
    int logicalLength = int(std::ceil((end - deviceStart) / devicePixelRatio));
    while (toDevice(logicalLength, devicePixelRatio) < end - deviceStart)
        ++logicalLength;
    return {logicalStart, logicalLength, deviceStart};
}

} // namespace

std::optional<ScreenGrabPlan> planScreenGrab(const QRect& wanted, const QRect& screenDeviceGeometry,
                                             qreal devicePixelRatio) {
    const QRect covered = wanted & screenDeviceGeometry;
    if (covered.isEmpty() || devicePixelRatio <= 0)
        return std::nullopt;
    const QRect relative = covered.translated(-screenDeviceGeometry.topLeft());
    const Span x =
        logicalSpanCovering(relative.left(), relative.left() + relative.width(), devicePixelRatio);
    const Span y =
        logicalSpanCovering(relative.top(), relative.top() + relative.height(), devicePixelRatio);
    return ScreenGrabPlan{QRect(x.logicalStart, y.logicalStart, x.logicalLength, y.logicalLength),
                          QPoint(relative.left() - x.deviceStart, relative.top() - y.deviceStart),
                          covered.translated(-wanted.topLeft())};
}

QImage composeCapture(const QRect& wanted, const QList<CaptureSource>& sources) {
    QImage capture(wanted.size(), QImage::Format_ARGB32);
    capture.fill(Qt::transparent);
    QPainter painter(&capture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const CaptureSource& source : sources) {
        const auto plan = planScreenGrab(wanted, source.deviceGeometry, source.devicePixelRatio);
        if (!plan || !source.grab)
            continue;
        QImage grabbed = source.grab(plan->logicalRect);
        if (grabbed.isNull())
            continue;
        // Copy device pixels one for one, whatever scale the grab reports.
        grabbed.setDevicePixelRatio(1.0);
        const QRect available = QRect(plan->sourceOffset, plan->targetRect.size()) & grabbed.rect();
        painter.drawImage(plan->targetRect.topLeft() + available.topLeft() - plan->sourceOffset,
                          grabbed, available);
    }
    return capture;
}

} // namespace tintmere::platform
