// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRect>

class QWidget;

namespace tintmere {

// Restores a window frame saved with QWidget::saveGeometry and keeps the window on the
// screens there are now: a frame saved on a screen that is gone, or edited by hand into
// something absurd, must not leave the window out of reach. False when nothing was
// restored (an empty or damaged frame).
bool restoreFrameOnScreens(QWidget* window, const QByteArray& frame);

// The frame moved, and shrunk when it does not fit, into the available area.
QRect clampedFrame(const QRect& frame, const QRect& available);

} // namespace tintmere
