// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <memory>

namespace tintmere::platform {

struct ColorPickResult {
    enum class Status {
        Picked,
        Cancelled, // the user declined
        Refused,   // the desktop would not pick
        Missing,   // the desktop has no picker
        Error,     // no answer, or one that cannot be used
    };
    Status status = Status::Error;
    QColor color;    // for Picked
    QString message; // for the user; empty for Picked
};

// The desktop's own colour picker, where the screen cannot be read: the user picks a pixel
// with it and the colour comes back. Asynchronous: finished() follows every pick() once.
class DesktopColorPicker : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // A pick while one is running is ignored; its answer serves both.
    virtual void pick() = 0;
    virtual bool isBusy() const = 0;

Q_SIGNALS:
    void finished(const tintmere::platform::ColorPickResult& result);
};

// Through the desktop portal in a Wayland session; null elsewhere.
std::unique_ptr<DesktopColorPicker> createDesktopColorPicker(QObject* parent = nullptr);

} // namespace tintmere::platform
