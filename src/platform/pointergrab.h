// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>

#include <memory>

class QWindow;

namespace tintmere::platform {

// Where pick mode takes the pointer and the keyboard from while it runs: every motion,
// click and key goes to one window of ours and none reaches the program below. The display
// server drops the grab with the client, so a crash never leaves the pointer captured.
class PointerGrab {
public:
    virtual ~PointerGrab() = default;

    // False where the display system lets no program take the pointer.
    virtual bool isAvailable() const = 0;
    // Why the last grab failed, or why grabbing is unavailable, for the user.
    virtual QString failureReason() const = 0;

    // Takes pointer and keyboard for `window`, which must be showing. False when another
    // program holds either of them; then nothing stays grabbed.
    virtual bool grab(QWindow* window) = 0;
    // Gives both back; harmless when nothing is held.
    virtual void release() = 0;
    virtual bool isGrabbed() const = 0;

    // Puts the pointer on a device pixel of the desktop (top-left origin).
    virtual void movePointer(QPoint devicePixel) = 0;
};

// The backend for the display system the application runs on.
std::unique_ptr<PointerGrab> createPointerGrab();

} // namespace tintmere::platform
