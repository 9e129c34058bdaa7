// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "formatpresets.h"
#include "loupegeometry.h"

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QVLoupe;

namespace tintmere {

class Defaults;

namespace platform {
class DesktopColorPicker;
class FrozenScreenCapture;
class OverlayPointerGrab;
class PointerGrab;
class ScreenCapture;
class ScreenSnapshot;
struct ColorPickResult;
struct SnapshotResult;
} // namespace platform

// How the loupe looks: the magnifier's settings and the user's hex variant.
struct PickSettings {
    int zoomSize = 1;
    bool drawGrid = true;
    Color borderColor{1.0f, 0.0f, 0.0f, 1.0f};
    FormatSettings formats;

    // As the user set them.
    static PickSettings fromDefaults(const Defaults& defaults);
};

// Who asked for a pick and where its colour goes.
struct PickRequest {
    // The main palette's well that takes the colour; -1: none, the caller takes it.
    int well = -1;
    // Told the picked colour, or nothing when the pick did not happen.
    std::function<void(const std::optional<Color>&)> reply;
};

struct PickResult {
    enum class Outcome { Picked, Cancelled, Failed };
    Outcome outcome = Outcome::Cancelled;
    Color color;
    // What went wrong, for the user; empty unless Failed.
    QString message;
    PickRequest request;
};

// Pick mode: the pointer becomes a crosshair over every screen, a loupe beside it shows the
// pixels around it, and one click takes the pixel under it. Pixels come from a ScreenCapture
// (live X11 capture, or a frozen image), pointer and keys through a PointerGrab and the
// loupe's input. Every way out (pick, cancel, failure, a screen going away, the loupe
// hidden) gives pointer and keyboard back before finished() is emitted.
//
// Keys: Escape cancels, Return or Enter picks, arrows move the pointer one device pixel
// (ten with Shift), Ctrl+L locks the magnifier at the pointer (see lock()) and the hot key
// locks it or picks. A right click cancels, the wheel zooms the loupe.
class PickMode : public QObject {
    Q_OBJECT

public:
    // The loupe is refreshed at most this often while the pointer moves.
    static constexpr int kFrameIntervalMs = 33;

    // capture: where the pixels come from now (the source may be replaced between picks).
    PickMode(std::function<platform::ScreenCapture*()> capture,
             std::unique_ptr<platform::PointerGrab> grab, QObject* parent = nullptr);
    ~PickMode() override;

    void setSettings(const PickSettings& settings) { m_settings = settings; }
    bool isActive() const { return m_active; }
    QVLoupe* loupe() const { return m_loupe.get(); }
    platform::PointerGrab& pointerGrab() const { return *m_grab; }
    // Replaces the grab; only while pick mode is off.
    void setPointerGrab(std::unique_ptr<platform::PointerGrab> grab);
    // Where the screen cannot be read live (Wayland): each pick first freezes the screens
    // through `snapshot` and picks in an overlay showing them; where the desktop will not
    // freeze them, its own `picker` picks. Either may be null. Only while pick mode is off.
    void setDesktop(std::unique_ptr<platform::ScreenSnapshot> snapshot,
                    std::unique_ptr<platform::DesktopColorPicker> picker);
    // The grab of the running pick: the overlay over frozen screens, or pointerGrab().
    platform::PointerGrab* activePointerGrab() const { return m_activeGrab; }
    // The frozen screens of the running pick; null without a snapshot source.
    platform::FrozenScreenCapture* frozenScreens() const { return m_frozen.get(); }
    // Whether picking can freeze the screens (where they cannot be read live), and why not
    // where a desktop cannot (empty where there is nothing to freeze them with).
    bool canFreezeScreens() const;
    QString freezeUnavailableReason() const;

    // Who takes a lock: given the pointer's device pixel and the pixels, it locks on them and
    // says true, or false when it cannot (the magnifier is not out).
    using LockTarget = std::function<bool(QPoint pointer, platform::ScreenCapture& pixels)>;
    void setLockTarget(LockTarget target) { m_lockTarget = std::move(target); }

    // Turns pick mode on; false, changing nothing, while it is already on. A failure to
    // start is reported through finished().
    bool start(PickRequest request = {});
    void cancel();
    // Ctrl+L: hands the pixels around the pointer to the lock target and, when it takes them,
    // ends pick mode without a pick. False, and pick mode goes on, when nothing took them.
    bool lock();
    // The hot key: locks where the magnifier is out, else picks.
    void lockOrPick();
    // Takes the pixel under the pointer now.
    void pick();
    void nudge(QPoint devicePixels);
    void zoom(int steps);
    // The pointer moved: refreshes the loupe, at most once per frame interval.
    void pointerMoved();

Q_SIGNALS:
    // After each capture: the pointer's device pixel and the pixels around it.
    void frameCaptured(QPoint pointer, const QImage& pixels);
    void finished(const tintmere::PickResult& result);
    // The snapshot source was replaced, or found out whether it works.
    void desktopChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the loupe and takes the pointer, once the pixels can be read.
    void begin();
    void snapshotTaken(const platform::SnapshotResult& result);
    void desktopPicked(const platform::ColorPickResult& result);
    bool captureFrame();
    void showLoupeOnOverlay();
    // Read afresh, one pixel: exactly what is under the pointer now; none where the screen
    // cannot be read.
    std::optional<Color> colorUnderPointer();
    void finish(PickResult::Outcome outcome, const Color& color = {}, const QString& message = {});

    // The source in use while pick mode is on.
    platform::ScreenCapture& capture() const { return *m_capture; }

    std::function<platform::ScreenCapture*()> m_captureSource;
    LockTarget m_lockTarget;
    platform::ScreenCapture* m_capture = nullptr;
    std::unique_ptr<platform::PointerGrab> m_grab;
    std::unique_ptr<platform::ScreenSnapshot> m_snapshot;
    std::unique_ptr<platform::DesktopColorPicker> m_picker;
    std::unique_ptr<platform::FrozenScreenCapture> m_frozen;
    std::unique_ptr<platform::OverlayPointerGrab> m_overlayGrab;
    // The grab in use while pick mode is on.
    platform::PointerGrab* m_activeGrab = nullptr;
    std::unique_ptr<QVLoupe> m_loupe;
    PickSettings m_settings;
    PickRequest m_request;
    QTimer m_frameTimer;
    bool m_active = false;
    bool m_frameWanted = false;
    // The left button went down in pick mode, and the colour then under the pointer (none
    // where the screen could not be read); picked on release, so that the release does not
    // reach the program below either.
    bool m_leftDown = false;
    std::optional<Color> m_pressed;
};

} // namespace tintmere
