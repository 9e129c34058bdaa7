// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screencapture.h"

#include <QList>

namespace tintmere::platform {

// A screen made of a programmable image, for tests of the views that read the screen. It
// answers like the real backends: pixels outside the image are transparent.
class FakeScreenCapture final : public ScreenCapture {
public:
    // The screen shows `image` with its top-left pixel at `origin` (device pixels).
    void setScreenImage(const QImage& image, QPoint origin = {});
    void setPointerPosition(QPoint pointer) { m_pointer = pointer; }
    // Makes the backend unavailable with the reason (an empty reason makes it available).
    void setUnavailableReason(const QString& reason) { m_reason = reason; }

    // Every rectangle asked for so far, oldest first.
    const QList<QRect>& capturedRects() const { return m_capturedRects; }
    void clearCapturedRects() { m_capturedRects.clear(); }

    bool isAvailable() const override { return m_reason.isEmpty(); }
    QString unavailableReason() const override { return m_reason; }
    QPoint pointerPosition() const override { return m_pointer; }
    QImage capture(const QRect& deviceRect) override;

private:
    QImage m_screen;
    QPoint m_origin;
    QPoint m_pointer;
    QString m_reason;
    QList<QRect> m_capturedRects;
};

} // namespace tintmere::platform
