// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>

#include <cmath>

// The resources live in a static library: register them before the first use, or the
// linker may leave them out.
static void registerViewResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(views);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace tintmere::artwork {

using namespace Qt::Literals::StringLiterals;

QString path(QStringView name) {
    registerViewResources();
    return u":/images/%1.svg"_s.arg(name);
}

QPixmap pixmap(QStringView name, QSize logicalSize, qreal devicePixelRatio) {
    const QSize deviceSize = (QSizeF(logicalSize) * devicePixelRatio).toSize();
    const QString key =
        u"tintmere-artwork/%1/%2x%3"_s.arg(name).arg(deviceSize.width()).arg(deviceSize.height());
    QPixmap result;
    if (QPixmapCache::find(key, &result)) {
        result.setDevicePixelRatio(devicePixelRatio);
        return result;
    }
    QImageReader reader(path(name));
    reader.setScaledSize(deviceSize);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    result = QPixmap::fromImage(image);
    QPixmapCache::insert(key, result);
    result.setDevicePixelRatio(devicePixelRatio);
    return result;
}

qreal devicePixelRatio(const QPainter& painter) {
    const QTransform toDevice = painter.deviceTransform();
    return std::hypot(toDevice.m11(), toDevice.m12());
}

QSize naturalSize(QStringView name) {
    return QImageReader(path(name)).size();
}

QIcon icon(QStringView name) {
    return QIcon(path(name));
}

QIcon folderIcon() {
    return QIcon::fromTheme(u"folder"_s, icon(u"folder"));
}

} // namespace tintmere::artwork
