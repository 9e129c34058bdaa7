// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screencapture.h"
#include "screensnapshot.h"

namespace tintmere::platform {

// The pixels of screens frozen at one moment, where the live screen cannot be read. Device
// pixels are the frozen image's pixels: on the screen of the largest ratio one image pixel
// is one device pixel, so a pick takes exactly the pixel the user sees there. The pointer is
// what the overlay over the image reports, or where the arrow keys put it.
class FrozenScreenCapture final : public ScreenCapture {
public:
    void setScreens(FrozenScreens screens);
    const FrozenScreens& screens() const { return m_screens; }

    // The pointer is over this logical desktop position; ignored off every screen.
    void setPointerAt(QPointF logical);
    // The pointer is on this device pixel, kept inside the image.
    void setPointerPosition(QPoint devicePixel);

    // Where a device pixel lies on the desktop, in logical coordinates.
    QPoint logicalPosition(QPoint devicePixel) const;

    bool isAvailable() const override { return !m_screens.image.isNull(); }
    QString unavailableReason() const override;
    QPoint pointerPosition() const override { return m_pointer; }
    QImage capture(const QRect& deviceRect) override;

private:
    FrozenScreens m_screens;
    QPoint m_pointer;
};

} // namespace tintmere::platform
