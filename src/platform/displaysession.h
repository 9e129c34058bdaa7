// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>

#include <optional>

namespace tintmere::platform {

// What the application's windows are shown on. It decides which backends can work: an X11
// server lets any client read the screen and grab keys, a Wayland compositor lets none, and
// XWayland looks like X11 to Qt but refuses both for the desktop outside its own windows.
enum class DisplaySession {
    X11,      // a real X server
    Wayland,  // Qt on its Wayland plugin
    XWayland, // Qt on xcb, but inside a Wayland session
    Other,    // offscreen, framebuffer, VNC...
};

// From the Qt platform plugin's name and, on xcb, whether the X server is XWayland: known
// from its XWAYLAND extension where there is a connection, else guessed from the session's
// environment. The server knows best: an Xvfb started inside a Wayland session is plain X11.
DisplaySession detectDisplaySession(const QString& platformName,
                                    const QProcessEnvironment& environment,
                                    std::optional<bool> serverIsXWayland = std::nullopt);

// The session of this application (QGuiApplication must exist).
DisplaySession currentDisplaySession();

// Whether a program may place its windows, keep one above the others and show one without
// activating it. X11 lets it, XWayland too; Wayland leaves all three to the compositor, and
// what Qt reports there as a window's position is only what the program last asked for.
bool programPlacesWindows(DisplaySession session);

} // namespace tintmere::platform
