// SPDX-License-Identifier: GPL-3.0-or-later
#include "screensnapshot.h"

#include "displaysession.h"
#include "portalscreenshot.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace tintmere::platform {

namespace {

QRect boundsOf(const QList<ScreenLayout>& screens) {
    QRect bounds;
    for (const ScreenLayout& screen : screens)
        bounds |= screen.geometry;
    return bounds;
}

qreal largestRatio(const QList<ScreenLayout>& screens) {
    qreal ratio = 1.0;
    for (const ScreenLayout& screen : screens)
        ratio = std::max(ratio, screen.devicePixelRatio);
    return ratio;
}

QRect scaled(const QRect& logical, const QRect& bounds, qreal scale) {
    const QPointF topLeft = QPointF(logical.topLeft() - bounds.topLeft()) * scale;
    const QPointF bottomRight =
        QPointF(logical.topLeft() - bounds.topLeft() + QPoint(logical.width(), logical.height())) *
        scale;
    return QRect(QPoint(qRound(topLeft.x()), qRound(topLeft.y())),
                 QPoint(qRound(bottomRight.x()) - 1, qRound(bottomRight.y()) - 1));
}

} // namespace

QList<ScreenLayout> currentScreenLayout() {
    QList<ScreenLayout> layout;
    for (const QScreen* screen : QGuiApplication::screens())
        layout.append({screen->name(), screen->geometry(), screen->devicePixelRatio()});
    return layout;
}

QSize frozenImageSize(const QList<ScreenLayout>& screens) {
    const QRect bounds = boundsOf(screens);
    const qreal scale = largestRatio(screens);
    return {qRound(bounds.width() * scale), qRound(bounds.height() * scale)};
}

bool isFrozenImageSize(QSize size, const QList<ScreenLayout>& screens) {
    if (size == frozenImageSize(screens))
        return true;
    const QRect bounds = boundsOf(screens);
    const qreal ratio = largestRatio(screens);
    if (bounds.isEmpty() || size.isEmpty() || ratio <= 1.0)
        return false;
    // A desktop scaled by 1.25 may give the toolkit a ratio of 2 and compose the image at
    // 1.25: any scale above the next lower whole ratio, up to the ratio itself, is real.
    const qreal lowest = std::ceil(ratio) - 1.0;
    const qint64 w = bounds.width(), h = bounds.height();
    if (size.width() <= qRound(w * lowest) || size.width() > qRound(w * ratio))
        return false;
    // Width and height each rounded from the same scale: the aspect holds within half a pixel
    // of each.
    const qint64 skew = qAbs(qint64(size.height()) * w - qint64(size.width()) * h);
    return 2 * skew <= w + h;
}

FrozenScreens freezeScreens(QImage image, const QList<ScreenLayout>& screens) {
    FrozenScreens frozen;
    frozen.bounds = boundsOf(screens);
    frozen.scale = frozen.bounds.width() > 0 ? qreal(image.width()) / frozen.bounds.width() : 1.0;
    for (const ScreenLayout& screen : screens)
        frozen.outputs.append({screen, scaled(screen.geometry, frozen.bounds, frozen.scale)});
    frozen.image = std::move(image);
    return frozen;
}

QPoint FrozenScreens::imagePixelAt(QPointF logical) const {
    const QPointF p = (logical - QPointF(bounds.topLeft())) * scale;
    const QPoint pixel(int(std::floor(p.x())), int(std::floor(p.y())));
    const bool shown = std::any_of(outputs.begin(), outputs.end(),
                                   [&](const Output& o) { return o.imageRect.contains(pixel); });
    return shown ? pixel : QPoint(-1, -1);
}

QImage FrozenScreens::outputImage(qsizetype index) const {
    if (index < 0 || index >= outputs.size())
        return {};
    return image.copy(outputs.at(index).imageRect);
}

std::unique_ptr<ScreenSnapshot> createScreenSnapshot(QObject* parent) {
    switch (currentDisplaySession()) {
    case DisplaySession::Wayland:
    case DisplaySession::XWayland: {
        auto screenshot = std::make_unique<PortalScreenshot>(QDBusConnection::sessionBus(), parent);
        screenshot->checkAvailability();
        return screenshot;
    }
    case DisplaySession::X11:
    case DisplaySession::Other:
        break;
    }
    return nullptr;
}

} // namespace tintmere::platform
