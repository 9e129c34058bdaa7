// SPDX-License-Identifier: GPL-3.0-or-later
#include "applicationshortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace tintmere {

ApplicationShortcuts::ApplicationShortcuts(QWidget* mainWindow, QObject* parent)
    : QObject(parent)
    , m_mainWindow(mainWindow) {
}

void ApplicationShortcuts::addWindow(QWidget* window, const QList<QAction*>& commands) {
    if (!window || m_windows.contains(window))
        return;
    m_windows.append(window);
    // The menu bar's actions already carry the keys; a window's own actions answer them
    // while that window is the active one.
    for (QAction* command : commands)
        window->addAction(command);
}

void ApplicationShortcuts::forwardKeysOf(QWidget* window, const QList<QAction*>& commands) {
    if (!window)
        return;
    QList<QPointer<QAction>>& forwarded = m_forwarded[window];
    for (QAction* command : commands)
        forwarded.append(command);
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this, window] { m_forwarded.remove(window); });
}

QWidget* ApplicationShortcuts::keyWindow() const {
    if (m_forwardingFrom)
        return m_forwardingFrom;
    QWidget* active = QApplication::activeWindow();
    if (active && m_windows.contains(active))
        return active;
    return m_mainWindow;
}

bool ApplicationShortcuts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !m_forwarded.contains(watched))
        return QObject::eventFilter(watched, event);
    // A window that is never active gets no shortcut handling from Qt: match the keys here.
    const auto* press = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(press->keyCombination());
    for (const QPointer<QAction>& command : m_forwarded.value(watched)) {
        if (!command || !command->isEnabled() || !command->shortcuts().contains(pressed))
            continue;
        m_forwardingFrom = qobject_cast<QWidget*>(watched);
        command->trigger();
        m_forwardingFrom = nullptr;
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tintmere
