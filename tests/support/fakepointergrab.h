// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakescreencapture.h"
#include "pointergrab.h"

namespace tintmere::platform {

// A grab that succeeds unless the test says another program holds the pointer; moving the
// pointer moves the fake screen's pointer.
class FakePointerGrab final : public PointerGrab {
public:
    explicit FakePointerGrab(FakeScreenCapture* screen = nullptr)
        : m_screen(screen) {}

    // Another program holds the pointer: grabs fail with this reason.
    void setHeldElsewhere(const QString& reason) { m_heldElsewhere = reason; }

    bool isAvailable() const override { return true; }
    QString failureReason() const override { return m_heldElsewhere; }
    bool grab(QWindow* window) override {
        m_grabbed = window && m_heldElsewhere.isEmpty();
        return m_grabbed;
    }
    void release() override { m_grabbed = false; }
    bool isGrabbed() const override { return m_grabbed; }
    void movePointer(QPoint devicePixel) override {
        if (m_screen)
            m_screen->setPointerPosition(devicePixel);
    }

private:
    FakeScreenCapture* m_screen;
    QString m_heldElsewhere;
    bool m_grabbed = false;
};

} // namespace tintmere::platform
