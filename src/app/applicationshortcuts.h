// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace tintmere {

// Lets menu commands of the main window answer their keys in the program's other windows
// too, so that Quit, Preferences or Help work while the preferences, the help or the global
// panel is in front, and tells the commands that act on "this window" (Close, Minimize)
// which window the user meant.
class ApplicationShortcuts : public QObject {
    Q_OBJECT

public:
    explicit ApplicationShortcuts(QWidget* mainWindow, QObject* parent = nullptr);

    // A window that becomes active like any other: the commands work while it is.
    void addWindow(QWidget* window, const QList<QAction*>& commands);
    // A window that never becomes active but is still sent key presses (the global panel,
    // when the pointer gives it the keyboard): its presses of the commands' keys run them.
    void forwardKeysOf(QWidget* window, const QList<QAction*>& commands);

    // The window a command acting on "this window" means: the one whose keys ran it, else the
    // active window of those above, else the main window.
    QWidget* keyWindow() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_mainWindow;
    QList<QPointer<QWidget>> m_windows;
    QHash<QObject*, QList<QPointer<QAction>>> m_forwarded;
    // Set while a forwarded key press runs its command.
    QPointer<QWidget> m_forwardingFrom;
};

} // namespace tintmere
