// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowframes.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tintmere {

namespace {

// The available area of the screen that shows most of the frame, else of the screen
// nearest to it.
QRect bestAvailableArea(const QRect& frame) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QRect best;
    qint64 bestArea = -1;
    for (const QScreen* screen : screens) {
        const QRect available = screen->availableGeometry();
        const QRect shown = available.intersected(frame);
        const qint64 area = shown.isEmpty() ? 0 : qint64(shown.width()) * shown.height();
        if (area > bestArea) {
            bestArea = area;
            best = available;
        }
    }
    if (bestArea > 0 || screens.isEmpty())
        return best;
    const auto distance = [&frame](const QScreen* screen) {
        const QPoint offset = screen->availableGeometry().center() - frame.center();
        return qint64(offset.x()) * offset.x() + qint64(offset.y()) * offset.y();
    };
    const QScreen* nearest = *std::min_element(
        screens.cbegin(), screens.cend(),
        [&](const QScreen* a, const QScreen* b) { return distance(a) < distance(b); });
    return nearest->availableGeometry();
}

} // namespace

QRect clampedFrame(const QRect& frame, const QRect& available) {
    if (available.isEmpty())
        return frame;
    const int width = std::clamp(frame.width(), 1, available.width());
    const int height = std::clamp(frame.height(), 1, available.height());
    const int left = std::clamp(frame.left(), available.left(), available.right() - width + 1);
    const int top = std::clamp(frame.top(), available.top(), available.bottom() - height + 1);
    return {left, top, width, height};
}

bool restoreFrameOnScreens(QWidget* window, const QByteArray& frame) {
    if (frame.isEmpty() || !window->restoreGeometry(frame))
        return false;
    const QRect restored = window->geometry();
    const QRect clamped = clampedFrame(restored, bestAvailableArea(restored));
    if (clamped != restored)
        window->setGeometry(clamped);
    return true;
}

} // namespace tintmere
