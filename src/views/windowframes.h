// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>

class QWidget;

namespace tintmere {

// Restores a window frame saved with QWidget::saveGeometry and keeps the window on the
// screens there are now: a frame saved on a screen that is gone, or edited by hand into
// something absurd, must not leave the window out of reach. False when nothing was
// restored (an empty or damaged frame).
bool restoreFrameOnScreens(QWidget* window, const QByteArray& frame);

// Where a frame goes on screens with these available areas: onto the one that shows most of
// it, else the nearest, moved and shrunk until it fits.
QRect placedFrame(const QRect& frame, const QList<QRect>& availableAreas);

// What to save as window's frame, given the frame saved before. On Wayland a window's
// position is the compositor's secret: what Qt reports is only what the program last asked
// for. There the saved position, the last one known, is kept with the window's size now, so
// that a later X11 session finds the window where it was last seen; with none saved, nothing
// is.
QByteArray frameToSave(const QWidget* window, const QByteArray& saved);
// The same from the frames; positionsKnown is false on Wayland.
QByteArray frameToSave(const QByteArray& current, const QByteArray& saved, bool positionsKnown);

} // namespace tintmere
