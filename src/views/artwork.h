// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;

// The program's own images, drawn as SVG and kept in the resources, so they stay sharp at
// every device pixel ratio: "lock", "unlock", "toolbar_bg", "well", "palette-document",
// "favorites-document", "folder".
namespace tintmere::artwork {

// The resource path of an image name.
QString path(QStringView name);

// The image rendered for logicalSize at the device pixel ratio; null for unknown names.
QPixmap pixmap(QStringView name, QSize logicalSize, qreal devicePixelRatio);

// The scale from the painter's logical coordinates to its device pixels, so images are
// rendered sharp whether painting goes to the screen or into an image of another ratio.
qreal devicePixelRatio(const QPainter& painter);

// The natural size of the image in logical pixels.
QSize naturalSize(QStringView name);

QIcon icon(QStringView name);

// The desktop theme's folder icon when it has one, else ours.
QIcon folderIcon();

} // namespace tintmere::artwork
