// SPDX-License-Identifier: GPL-3.0-or-later
#include "screencapture_frozen.h"

#include <QCoreApplication>
#include <QCursor>
#include <QPainter>

#include <algorithm>

namespace tintmere::platform {

void FrozenScreenCapture::setScreens(FrozenScreens screens) {
    m_screens = std::move(screens);
    m_screens.image.convertTo(QImage::Format_ARGB32);
    m_pointer = m_screens.image.rect().center();
    setPointerAt(QCursor::pos());
}

void FrozenScreenCapture::setPointerAt(QPointF logical) {
    const QPoint pixel = m_screens.imagePixelAt(logical);
    if (pixel != QPoint(-1, -1))
        m_pointer = pixel;
}

void FrozenScreenCapture::setPointerPosition(QPoint devicePixel) {
    const QRect area = m_screens.image.rect();
    if (!area.isEmpty())
        m_pointer = {std::clamp(devicePixel.x(), area.left(), area.right()),
                     std::clamp(devicePixel.y(), area.top(), area.bottom())};
}

QPoint FrozenScreenCapture::logicalPosition(QPoint devicePixel) const {
    const QPointF logical = QPointF(devicePixel) / m_screens.scale;
    return m_screens.bounds.topLeft() + QPoint(int(logical.x()), int(logical.y()));
}

QString FrozenScreenCapture::unavailableReason() const {
    return isAvailable() ? QString()
                         : QCoreApplication::translate("FrozenScreenCapture",
                                                       "The screens have not been frozen.");
}

QImage FrozenScreenCapture::capture(const QRect& deviceRect) {
    if (!isAvailable())
        return {};
    // Only what a screen shows: the corners of the bounding box between screens stay clear.
    QImage pixels(deviceRect.size(), QImage::Format_ARGB32);
    pixels.fill(Qt::transparent);
    QPainter painter(&pixels);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const FrozenScreens::Output& output : m_screens.outputs) {
        const QRect part = output.imageRect & deviceRect;
        if (!part.isEmpty())
            painter.drawImage(part.topLeft() - deviceRect.topLeft(), m_screens.image, part);
    }
    return pixels;
}

} // namespace tintmere::platform
