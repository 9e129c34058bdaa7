// SPDX-License-Identifier: GPL-3.0-or-later
#include "pickmode.h"

#include "capturegeometry.h"
#include "defaults.h"
#include "desktopcolorpicker.h"
#include "pointergrab.h"
#include "pointergrab_overlay.h"
#include "qvloupe.h"
#include "screencapture.h"
#include "screencapture_frozen.h"
#include "screensnapshot.h"
#include "settingskeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWheelEvent>

namespace tintmere {

namespace {

QList<LoupeScreen> loupeScreens() {
    QList<LoupeScreen> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append({screen->geometry(), screen->devicePixelRatio()});
    return screens;
}

constexpr Qt::KeyboardModifiers kHotKeyModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// Never a black pick: where nothing could be read, nothing is picked.
QString unreadableMessage() {
    return PickMode::tr("The screen could not be read under the pointer; nothing was picked.");
}

} // namespace

PickSettings PickSettings::fromDefaults(const Defaults& defaults) {
    return {defaults.intValue(keys::ZoomSize), defaults.boolValue(keys::DrawGrid),
            defaults.colorValue(keys::ZoomBorderColor).value_or(Color{}),
            defaults.formatSettings()};
}

PickMode::PickMode(std::function<platform::ScreenCapture*()> capture,
                   std::unique_ptr<platform::PointerGrab> grab, QObject* parent)
    : QObject(parent)
    , m_captureSource(std::move(capture))
    , m_grab(std::move(grab))
    , m_loupe(std::make_unique<QVLoupe>()) {
    m_loupe->setMouseTracking(true);
    m_loupe->installEventFilter(this);
    m_frameTimer.setSingleShot(true);
    m_frameTimer.setInterval(kFrameIntervalMs);
    connect(&m_frameTimer, &QTimer::timeout, this, [this] {
        if (m_active && m_frameWanted) {
            m_frameWanted = false;
            if (captureFrame())
                m_frameTimer.start();
        }
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] {
        if (m_active)
            finish(PickResult::Outcome::Cancelled, {}, tr("A screen went away; picking stopped."));
    });
}

PickMode::~PickMode() {
    if (m_active) {
        m_loupe->removeEventFilter(this);
        m_loupe->releaseKeyboard();
        m_loupe->releaseMouse();
        if (m_activeGrab)
            m_activeGrab->release();
    }
}

bool PickMode::canFreezeScreens() const {
    return m_snapshot && m_snapshot->unavailableReason().isEmpty();
}

QString PickMode::freezeUnavailableReason() const {
    return m_snapshot ? m_snapshot->unavailableReason() : QString();
}

void PickMode::setPointerGrab(std::unique_ptr<platform::PointerGrab> grab) {
    if (!m_active && grab)
        m_grab = std::move(grab);
}

void PickMode::setDesktop(std::unique_ptr<platform::ScreenSnapshot> snapshot,
                          std::unique_ptr<platform::DesktopColorPicker> picker) {
    if (m_active)
        return;
    m_snapshot = std::move(snapshot);
    m_picker = std::move(picker);
    m_overlayGrab.reset();
    m_frozen.reset();
    if (m_snapshot) {
        m_frozen = std::make_unique<platform::FrozenScreenCapture>();
        m_overlayGrab = std::make_unique<platform::OverlayPointerGrab>(*m_frozen);
        connect(m_snapshot.get(), &platform::ScreenSnapshot::finished, this,
                &PickMode::snapshotTaken);
        connect(m_snapshot.get(), &platform::ScreenSnapshot::availabilityChanged, this,
                &PickMode::desktopChanged);
    }
    if (m_picker)
        connect(m_picker.get(), &platform::DesktopColorPicker::finished, this,
                &PickMode::desktopPicked);
    Q_EMIT desktopChanged();
}

bool PickMode::start(PickRequest request) {
    if (m_active)
        return false;
    m_request = std::move(request);
    m_active = true;
    m_leftDown = false;
    m_pressed.reset();
    // A dialog that blocks every other window would leave the loupe deaf to Escape with the
    // pointer taken.
    if (QApplication::activeModalWidget()) {
        finish(PickResult::Outcome::Failed, {}, tr("Close the open dialog first, then pick."));
        return true;
    }
    if (m_snapshot) {
        m_snapshot->request();
        return true;
    }
    m_capture = m_captureSource ? m_captureSource() : nullptr;
    m_activeGrab = m_grab.get();
    if (!m_capture || !m_capture->isAvailable()) {
        finish(PickResult::Outcome::Failed, {},
               m_capture ? m_capture->unavailableReason() : tr("The screen cannot be read."));
        return true;
    }
    begin();
    return true;
}

void PickMode::snapshotTaken(const platform::SnapshotResult& result) {
    // A late answer, after a cancel.
    if (!m_active || m_activeGrab)
        return;
    using Status = platform::SnapshotResult::Status;
    switch (result.status) {
    case Status::Taken:
        m_frozen->setScreens(result.screens);
        m_capture = m_frozen.get();
        m_activeGrab = m_overlayGrab.get();
        begin();
        return;
    case Status::Refused:
    case Status::Missing:
        if (m_picker) {
            m_picker->pick();
            return;
        }
        finish(PickResult::Outcome::Failed, {}, result.message);
        return;
    case Status::Cancelled:
        finish(PickResult::Outcome::Cancelled, {}, result.message);
        return;
    case Status::Error:
        finish(PickResult::Outcome::Failed, {}, result.message);
        return;
    }
}

void PickMode::desktopPicked(const platform::ColorPickResult& result) {
    if (!m_active || m_activeGrab)
        return;
    using Status = platform::ColorPickResult::Status;
    switch (result.status) {
    case Status::Picked: {
        const QColor rgb = result.color.toRgb();
        finish(PickResult::Outcome::Picked, Color::fromBytes(rgb.red(), rgb.green(), rgb.blue()));
        return;
    }
    case Status::Cancelled:
        finish(PickResult::Outcome::Cancelled, {}, result.message);
        return;
    case Status::Refused:
    case Status::Missing:
    case Status::Error:
        finish(PickResult::Outcome::Failed, {}, result.message);
        return;
    }
}

void PickMode::begin() {
    m_loupe->setLoupeGeometry(LoupeGeometry::forZoomSize(m_settings.zoomSize));
    m_loupe->setDrawGrid(m_settings.drawGrid);
    m_loupe->setBorderColor(m_settings.borderColor);
    if (!captureFrame())
        return;
    const bool overlay = m_activeGrab != m_grab.get();
    // The overlay goes up first, so that the loupe can stay above it.
    // Over the frozen screens the overlay draws the loupe where the pointer is: the desktop
    // would place a window of its own anywhere, over the very pixels to pick perhaps.
    if (overlay)
        m_loupe->winId();
    else
        m_loupe->show();
    if (!m_activeGrab->grab(m_loupe->windowHandle())) {
        finish(PickResult::Outcome::Failed, {}, m_activeGrab->failureReason());
        return;
    }
    if (overlay) {
        showLoupeOnOverlay();
        return;
    }
    m_loupe->raise();
    // Qt's own record of the grab sends every event to the loupe, also those the server
    // reports against another of our windows. Over the frozen screens the overlay passes
    // them on itself, and a Qt grab would take them from it.
    if (!overlay) {
        m_loupe->grabMouse();
        m_loupe->grabKeyboard();
    }
}

void PickMode::cancel() {
    if (m_active)
        finish(PickResult::Outcome::Cancelled);
}

bool PickMode::lock() {
    if (!m_active || !m_activeGrab || !m_lockTarget)
        return false;
    m_frameTimer.stop();
    m_frameWanted = false;
    if (!m_lockTarget(capture().pointerPosition(), capture()))
        return false;
    finish(PickResult::Outcome::Cancelled);
    return true;
}

void PickMode::lockOrPick() {
    if (!lock())
        pick();
}

void PickMode::pick() {
    // While the desktop freezes the screens there is nothing to pick yet.
    if (!m_active || !m_activeGrab)
        return;
    if (const std::optional<Color> color = colorUnderPointer())
        finish(PickResult::Outcome::Picked, *color);
    else
        finish(PickResult::Outcome::Failed, {}, unreadableMessage());
}

std::optional<Color> PickMode::colorUnderPointer() {
    const QImage pixel = capture().capture(QRect(capture().pointerPosition(), QSize(1, 1)));
    if (pixel.isNull() || qAlpha(pixel.pixel(0, 0)) == 0)
        return std::nullopt;
    const QRgb rgb = pixel.pixel(0, 0);
    return Color::fromBytes(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void PickMode::nudge(QPoint devicePixels) {
    if (!m_active)
        return;
    m_activeGrab->movePointer(capture().pointerPosition() + devicePixels);
    // The loupe follows at once, whether or not the move comes back as an event.
    m_frameTimer.stop();
    m_frameWanted = false;
    captureFrame();
}

void PickMode::zoom(int steps) {
    if (!m_active)
        return;
    const LoupeGeometry zoomed = m_loupe->loupeGeometry().zoomed(steps);
    if (zoomed.zoomLevel() == m_loupe->loupeGeometry().zoomLevel())
        return;
    m_loupe->setLoupeGeometry(zoomed);
    captureFrame();
}

void PickMode::pointerMoved() {
    if (!m_active)
        return;
    if (m_frameTimer.isActive()) {
        m_frameWanted = true;
        return;
    }
    if (captureFrame())
        m_frameTimer.start();
}

bool PickMode::captureFrame() {
    const QPoint pointer = capture().pointerPosition();
    const int side = m_loupe->loupeGeometry().pixelsPerSide();
    const QImage pixels = capture().capture(platform::captureRectAround(pointer, side));
    if (pixels.isNull()) {
        const QString reason = capture().unavailableReason();
        finish(PickResult::Outcome::Failed, {},
               reason.isEmpty() ? tr("The screen could not be read; picking stopped.") : reason);
        return false;
    }
    m_loupe->setPixels(pixels);
    const std::optional<Color> middle = m_loupe->middleColor();
    m_loupe->setText(middle ? QString::fromStdString(hexStringOfColor(*middle, m_settings.formats))
                            : QString());
    if (m_activeGrab == m_overlayGrab.get())
        showLoupeOnOverlay();
    else
        m_loupe->move(placeLoupe(pointer, m_loupe->size(), loupeScreens()));
    Q_EMIT frameCaptured(pointer, pixels);
    return true;
}

void PickMode::showLoupeOnOverlay() {
    platform::OverlayPointerGrab* overlay = m_overlayGrab.get();
    if (!overlay->isGrabbed())
        return;
    // The loupe's placing counts in Qt's device pixels, not in the frozen image's.
    const QPoint logical = m_frozen->logicalPosition(capture().pointerPosition());
    const QScreen* screen = QGuiApplication::screenAt(logical);
    const QPoint pointer =
        screen ? platform::toDevicePoint(logical, screen->geometry(), screen->devicePixelRatio())
               : logical;
    overlay->showPicture(m_loupe->grab().toImage(),
                         placeLoupe(pointer, m_loupe->size(), loupeScreens()));
}

void PickMode::finish(PickResult::Outcome outcome, const Color& color, const QString& message) {
    m_frameTimer.stop();
    m_frameWanted = false;
    m_leftDown = false;
    m_pressed.reset();
    m_active = false;
    if (QWidget::keyboardGrabber() == m_loupe.get())
        m_loupe->releaseKeyboard();
    if (QWidget::mouseGrabber() == m_loupe.get())
        m_loupe->releaseMouse();
    if (m_activeGrab)
        m_activeGrab->release();
    m_activeGrab = nullptr;
    m_loupe->hide();
    PickResult result{outcome, color, message, std::move(m_request)};
    m_request = {};
    if (result.request.reply)
        result.request.reply(outcome == PickResult::Outcome::Picked ? std::optional(color)
                                                                    : std::nullopt);
    Q_EMIT finished(result);
}

bool PickMode::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_loupe.get() || !m_active)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        pointerMoved();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_leftDown = true;
            m_pressed = colorUnderPointer();
        }
        return true;
    case QEvent::MouseButtonRelease: {
        // Ended on the release, so the release does not reach the program below either.
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::RightButton)
            cancel();
        else if (button == Qt::LeftButton && m_leftDown && m_pressed)
            finish(PickResult::Outcome::Picked, *m_pressed);
        else if (button == Qt::LeftButton && m_leftDown)
            finish(PickResult::Outcome::Failed, {}, unreadableMessage());
        // A release whose press came before pick mode is not a pick.
        return true;
    }
    case QEvent::Wheel: {
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (delta != 0)
            zoom(delta > 0 ? 1 : -1);
        return true;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int step = key->modifiers() & Qt::ShiftModifier ? 10 : 1;
        switch (key->key()) {
        case Qt::Key_Escape:
            cancel();
            break;
        case Qt::Key_L:
            // The X11 hot key reaches the grabbing loupe as a plain key press.
            if (key->modifiers() == kHotKeyModifiers)
                lockOrPick();
            else if (key->modifiers() == Qt::ControlModifier && !lock())
                QApplication::beep(); // nothing to lock: the magnifier is not out
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pick();
            break;
        case Qt::Key_Left:
            nudge({-step, 0});
            break;
        case Qt::Key_Right:
            nudge({step, 0});
            break;
        case Qt::Key_Up:
            nudge({0, -step});
            break;
        case Qt::Key_Down:
            nudge({0, step});
            break;
        default:
            break;
        }
        return true;
    }
    case QEvent::Hide:
        // Hidden from outside (a screen going away, the window system): nothing is held.
        cancel();
        return false;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace tintmere
