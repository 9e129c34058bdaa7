// SPDX-License-Identifier: GPL-3.0-or-later
// The keys that work in every window of the program, not only in the main window whose menu
// bar holds them.
#include "appcontroller.h"
#include "applicationshortcuts.h"
#include "qvglobalpanel.h"

#include <QAction>

namespace tintmere {

void AppController::setUpApplicationShortcuts() {
    const MainWindowOutlets& o = outlets();
    // The panel never becomes active, so Qt matches no keys for it: they are matched by hand.
    // Close hides the panel and the panel's tool key toggles it; the drawers' keys stay with
    // the main window, and a panel is not minimized.
    m_shortcuts->forwardKeysOf(globalPanel(),
                               {o.quit, o.closeWindow, o.preferences, o.helpItem, o.newWindow,
                                o.toolItems[std::size_t(Tool::GlobalPanel)], o.lockMagnify});
    // "New Window" brings the main window back from the other windows' keys: it must be
    // enabled the moment the window goes, not only once a menu has been opened.
    connect(m_mainWindow.get(), &MainWindow::visibilityChanged, this,
            [this] { outlets().newWindow->setEnabled(validateMenuItem(outlets().newWindow)); });
}

void AppController::addApplicationShortcutsTo(QWidget* window) {
    const MainWindowOutlets& o = outlets();
    // Not Close: these windows close themselves. Not the tool keys: the preferences use
    // Ctrl+1 to Ctrl+6 for their panes.
    m_shortcuts->addWindow(
        window, {o.quit, o.preferences, o.helpItem, o.newWindow, o.minimize, o.lockMagnify});
}

} // namespace tintmere
