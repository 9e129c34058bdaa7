// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

#include <memory>

namespace tintmere::platform {

// A screen as Qt reports it: its logical area on the desktop and its device-pixel ratio.
struct ScreenLayout {
    QString name;
    QRect geometry;
    qreal devicePixelRatio = 1.0;
};

// The screens of this application now.
QList<ScreenLayout> currentScreenLayout();

// An image of every screen taken at one moment, and where each screen lies in it. The desktop
// composes the image over the screens' logical bounding box at one scale (the largest ratio),
// so on a screen of that ratio one image pixel is one device pixel.
struct FrozenScreens {
    QImage image;
    QRect bounds;      // the screens' logical bounding box
    qreal scale = 1.0; // image pixels per logical pixel
    struct Output {
        ScreenLayout screen;
        QRect imageRect; // its pixels in the image
    };
    QList<Output> outputs;

    // The image pixel under a logical desktop position; a point outside the image when no
    // screen shows it.
    QPoint imagePixelAt(QPointF logical) const;
    // The part of the image showing output `index`.
    QImage outputImage(qsizetype index) const;
};

// The image size the desktop gives for these screens.
QSize frozenImageSize(const QList<ScreenLayout>& screens);
// Whether an image of `size` can show these screens: frozenImageSize(), or their bounding box
// at a fractional scale that the toolkit was told rounded up to the next whole ratio.
bool isFrozenImageSize(QSize size, const QList<ScreenLayout>& screens);
// The screens laid over `image`, whose size isFrozenImageSize() accepts.
FrozenScreens freezeScreens(QImage image, const QList<ScreenLayout>& screens);

struct SnapshotResult {
    enum class Status {
        Taken,
        Cancelled, // the user declined
        Refused,   // the desktop would not take it
        Missing,   // the desktop offers no way to take it
        Error,     // no answer, or one that cannot be used
    };
    Status status = Status::Error;
    FrozenScreens screens; // for Taken
    QString message;       // for the user; empty for Taken
};

// Freezes the screens for picking, asynchronously: finished() follows every request() once.
class ScreenSnapshot : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // A request while one is running is ignored; its answer serves both.
    virtual void request() = 0;
    virtual bool isBusy() const = 0;
    // Why no screenshot can be taken, for the user; empty while one may be.
    virtual QString unavailableReason() const { return {}; }

Q_SIGNALS:
    void finished(const tintmere::platform::SnapshotResult& result);
    // unavailableReason() changed.
    void availabilityChanged();
};

// Through the desktop portal in a Wayland session; null elsewhere, where the screen can be
// read directly.
std::unique_ptr<ScreenSnapshot> createScreenSnapshot(QObject* parent = nullptr);

} // namespace tintmere::platform
