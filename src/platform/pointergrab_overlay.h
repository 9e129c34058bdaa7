// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pointergrab.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

namespace tintmere::platform {

class FrozenScreenCapture;
class FrozenScreenWindow;

// Where no program may take the pointer (Wayland): a full-screen window on every screen shows
// the frozen screens, so the user points at the very pixels that will be picked, and passes
// every motion, click and key on to the grabbing window, which need not show: the overlay
// shows its picture. The pointer cannot be warped there; moving it moves the pick's pointer.
class OverlayPointerGrab final : public QObject, public PointerGrab {
    Q_OBJECT

public:
    explicit OverlayPointerGrab(FrozenScreenCapture& screens);
    ~OverlayPointerGrab() override;

    bool isAvailable() const override { return true; }
    QString failureReason() const override;
    bool grab(QWindow* window) override;
    void release() override;
    bool isGrabbed() const override { return !m_windows.empty(); }
    void movePointer(QPoint devicePixel) override;

    // Draws `picture` over the frozen screens with its top-left corner at a logical desktop
    // position, in place of the last.
    void showPicture(const QImage& picture, QPoint topLeft);
    // The overlay windows while grabbed, one per screen.
    QList<QWindow*> windows() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrozenScreenCapture& m_screens;
    QPointer<QWindow> m_target;
    std::vector<std::unique_ptr<FrozenScreenWindow>> m_windows;
};

} // namespace tintmere::platform
