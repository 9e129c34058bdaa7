// SPDX-License-Identifier: GPL-3.0-or-later
#include "pointergrab_overlay.h"

#include "screencapture_frozen.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRasterWindow>
#include <QScreen>

namespace tintmere::platform {

// One screen's part of the frozen image, full-screen and frameless, drawn one image pixel to
// one device pixel where the screen has the image's scale.
class FrozenScreenWindow final : public QRasterWindow {
public:
    // `picture` at `topLeft` (logical, on the desktop); a null picture shows none.
    void setPicture(const QImage& picture, QPoint topLeft) {
        if (m_picture.isNull() && picture.isNull())
            return;
        m_picture = picture;
        m_pictureAt = topLeft - geometry().topLeft();
        update();
    }

    FrozenScreenWindow(QScreen* screen, QImage image)
        : m_image(std::move(image)) {
        setFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setScreen(screen);
        setGeometry(screen->geometry());
        setCursor(Qt::CrossCursor);
        setTitle(QCoreApplication::translate("OverlayPointerGrab", "Pick a colour"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(QRect(QPoint(0, 0), size()), m_image);
        if (!m_picture.isNull())
            painter.drawImage(m_pictureAt, m_picture);
    }

private:
    QImage m_image;
    QImage m_picture;
    QPoint m_pictureAt;
};

namespace {

QScreen* screenNamed(const ScreenLayout& layout) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == layout.name && screen->geometry() == layout.geometry)
            return screen;
    return nullptr;
}

} // namespace

OverlayPointerGrab::OverlayPointerGrab(FrozenScreenCapture& screens)
    : m_screens(screens) {
}

OverlayPointerGrab::~OverlayPointerGrab() {
    release();
}

QString OverlayPointerGrab::failureReason() const {
    return QCoreApplication::translate("OverlayPointerGrab",
                                       "The frozen screens could not be shown; picking stopped.");
}

bool OverlayPointerGrab::grab(QWindow* window) {
    release();
    if (!window)
        return false;
    m_target = window;
    const FrozenScreens& frozen = m_screens.screens();
    for (qsizetype i = 0; i < frozen.outputs.size(); ++i) {
        QScreen* screen = screenNamed(frozen.outputs.at(i).screen);
        if (!screen)
            continue;
        auto overlay = std::make_unique<FrozenScreenWindow>(screen, frozen.outputImage(i));
        overlay->installEventFilter(this);
        overlay->showFullScreen();
        m_windows.push_back(std::move(overlay));
    }
    if (m_windows.empty()) {
        m_target.clear();
        return false;
    }
    // The keys come to the overlay under the pointer.
    QWindow* focus = m_windows.front().get();
    for (const auto& overlay : m_windows)
        if (overlay->geometry().contains(QCursor::pos()))
            focus = overlay.get();
    focus->requestActivate();
    return true;
}

void OverlayPointerGrab::showPicture(const QImage& picture, QPoint topLeft) {
    // On the screen of its top-left corner: no desktop would place a window for us.
    for (const auto& overlay : m_windows)
        overlay->setPicture(overlay->geometry().contains(topLeft) ? picture : QImage(), topLeft);
}

void OverlayPointerGrab::release() {
    m_target.clear();
    m_windows.clear();
}

void OverlayPointerGrab::movePointer(QPoint devicePixel) {
    m_screens.setPointerPosition(devicePixel);
}

QList<QWindow*> OverlayPointerGrab::windows() const {
    QList<QWindow*> windows;
    for (const auto& overlay : m_windows)
        windows.append(overlay.get());
    return windows;
}

bool OverlayPointerGrab::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        m_screens.setPointerAt(static_cast<QMouseEvent*>(event)->globalPosition());
        [[fallthrough]];
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (m_target)
            QCoreApplication::sendEvent(m_target, event);
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace tintmere::platform
