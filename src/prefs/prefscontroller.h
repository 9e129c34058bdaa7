// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prefspanes.h"
#include "prefssettings.h"

#include <QObject>
#include <QPointer>
#include <QSize>

#include <array>
#include <memory>

class QMainWindow;
class QPropertyAnimation;
class QStackedWidget;
class QVColorPopUpButton;
class ZRPrefsPanel;

// The preferences window. Its controls show the stored settings; every change is written
// to the settings at once and announced with "QVPrefsUpdate" { "object" = the key }, so the
// program follows without an apply step. The window fits itself to each pane, keeping its
// top edge, and remembers its frame ("Prefs Window") and its last pane.
//
// Made once, on the first use of the preferences command; closing only hides the window.
class PrefsController : public QObject {
    Q_OBJECT

public:
    explicit PrefsController(QObject* parent = nullptr);
    ~PrefsController() override;

    QMainWindow* window() const { return m_window.get(); }
    ZRPrefsPanel* prefsPanel() const { return m_panel; }
    const tintmere::prefs::PrefsControls& controls() const { return m_panes.controls; }

    // Shows the window in front with the controls as the user left them.
    void showWindow();

    // What the last pane says about the system-wide hot key; reason explains why it is not
    // available.
    // picks: where the screen cannot be read live, the key starts Pick Color.
    void setHotKeyStatus(bool available, const QString& reason, const QString& binding = {},
                         bool picks = false);

    // Writes the setting a plain control stands for, by its tag, and announces it.
    void prefsItemChanged(QObject* sender);
    // Writes a colour pop-up's index, free colour and colour, and announces the colour key.
    void newColorSelected(QVColorPopUpButton* popUp);

    // Sizes the window around a pane of the size, keeping the window's top edge in place.
    void resizeWindowToSize(QSize paneSize);
    QWidget* viewOfIndex(int index) const;
    QSize viewSize(int index) const;

    // How much height the toolbar takes above the panes; 0 when the window shows none.
    static int toolbarHeightForWindow(const QMainWindow& window);

    static constexpr int kPaneWidth = 500;
    static constexpr int kResizeMilliseconds = 150;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ColorPopUpBinding {
        QVColorPopUpButton* popUp;
        const tintmere::prefs::ColorPopUpSetting* setting;
    };

    void addPanes();
    void addCloseShortcuts();
    void measurePanes();
    void loadControls();
    void loadColorPopUp(const ColorPopUpBinding& binding);
    void connectControls();
    void restoreWindowFrame();
    void tabViewDidSelect(int index);
    void saveWindowFrame();
    std::array<QObject*, 10> plainControls() const;
    const tintmere::prefs::ColorPopUpSetting* settingOfPopUp(const QVColorPopUpButton* popUp) const;

    std::unique_ptr<QMainWindow> m_window;
    QStackedWidget* m_tabView = nullptr;
    ZRPrefsPanel* m_panel = nullptr;
    tintmere::prefs::PrefsPanes m_panes;
    std::array<ColorPopUpBinding, 3> m_colorPopUps{};
    int m_toolbarHeight = 0;
    std::array<QSize, 6> m_viewSize{};
    QPointer<QPropertyAnimation> m_resizeAnimation;
};
