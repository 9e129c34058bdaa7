// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class QAction;
class QVDrawer;
class QVLockView;
class QVMagnifyView;
class QWidget;

namespace tintmere {

class MagnifierControl;
class MagnifyViewControl;
class PickMode;

namespace platform {
class GlobalHotKey;
class ScreenCapture;
} // namespace platform

// The magnify drawer's controls.
struct MagnifierToolWidgets {
    // Where the magnifier goes, above its lock indicator.
    QWidget* magnifyArea = nullptr;
    QVDrawer* magnifyDrawer = nullptr;
    QVLockView* lockStatus = nullptr;
    QAction* lockMagnify = nullptr; // Ctrl+L
};

// Picking colours from the screen: the magnifier in its drawer, which runs exactly while the
// drawer is out and unlocked, the colour it picks, and the keys that lock it, Ctrl+L and
// the system-wide hot key. Where the screen cannot be read live (Wayland) the magnifier
// shows what pick mode shows, and a lock in pick mode ends it with the image held there.
class MagnifierTool : public QObject {
    Q_OBJECT

public:
    // Builds the magnifier and its "Use" button into the drawer, reading the screen through
    // the backend of the display system.
    explicit MagnifierTool(const MagnifierToolWidgets& widgets, QObject* parent = nullptr);
    ~MagnifierTool() override;

    QVMagnifyView* magnifyView() const;
    void setScreenCapture(std::unique_ptr<platform::ScreenCapture> capture);
    // The preferences say whether it works; null: none. Its presses come out as
    // hotKeyPressed.
    void setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey> hotKey);
    const platform::GlobalHotKey* globalHotKey() const { return m_hotKey.get(); }

    // The open magnifier follows the pointer in pick mode, takes its locks, and says how it
    // works from what pick mode can do here. Not owned; outlives this tool.
    void followPickMode(PickMode* pickMode);

    // Plugs in what the drawer drives (not owned); null unplugs it.
    void setMagnifier(MagnifierControl* magnifier);
    MagnifierControl* magnifier() const { return m_magnifier; }
    // Box size, grid and border from the settings.
    void applySettings();
    // Tooltips show colours in this text family.
    void setToolTipFamily(int family);
    // The colour texts changed: the pick's tooltip follows.
    void refreshToolTip();

    void toggleMagnify();
    void drawerWillOpen();
    void drawerDidOpen();
    void drawerWillClose();
    void stop();
    // The picked colour; none until the first pick.
    std::optional<Color> pickedColor() const;

Q_SIGNALS:
    // "Use": the picked colour should go into the selected well.
    void useRequested();
    // The system-wide key was pressed; the owner locks the magnifier or picks.
    void hotKeyPressed();

private:
    void buildView();
    // The tooltip of the lock indicator and, where the screen cannot be read, the magnifier's
    // reason: the keys and what they do here.
    void updateHelp();
    void showPickFrame(QPoint pointer, const QImage& pixels);
    bool lockInPickMode(QPoint pointer, platform::ScreenCapture& pixels);

    MagnifierToolWidgets m_w;
    QPointer<QVMagnifyView> m_view;
    std::unique_ptr<MagnifyViewControl> m_control;
    MagnifierControl* m_magnifier = nullptr;
    std::unique_ptr<platform::GlobalHotKey> m_hotKey;
    PickMode* m_pickMode = nullptr;
};

} // namespace tintmere
