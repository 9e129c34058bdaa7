// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pointergrab.h"

namespace tintmere::platform {

// Where no program may take the pointer: every grab fails, and the reason says why.
class UnavailablePointerGrab final : public PointerGrab {
public:
    explicit UnavailablePointerGrab(QString reason)
        : m_reason(std::move(reason)) {}

    bool isAvailable() const override { return false; }
    QString failureReason() const override { return m_reason; }
    bool grab(QWindow*) override { return false; }
    void release() override {}
    bool isGrabbed() const override { return false; }
    void movePointer(QPoint) override {}

private:
    QString m_reason;
};

} // namespace tintmere::platform
