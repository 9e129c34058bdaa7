// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screencapture.h"

namespace tintmere::platform {

// Where the screen cannot be read: every capture is empty, and the reason says why.
class UnavailableScreenCapture final : public ScreenCapture {
public:
    explicit UnavailableScreenCapture(QString reason);

    bool isAvailable() const override { return false; }
    QString unavailableReason() const override { return m_reason; }
    QPoint pointerPosition() const override;
    QImage capture(const QRect&) override { return {}; }

private:
    QString m_reason;
};

} // namespace tintmere::platform
