// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaysession.h"

#include "xcbsupport.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::platform {

DisplaySession detectDisplaySession(const QString& platformName,
                                    const QProcessEnvironment& environment,
                                    std::optional<bool> serverIsXWayland) {
    // "wayland", "wayland-egl", "wayland-brcm"...
    if (platformName.startsWith(u"wayland"))
        return DisplaySession::Wayland;
    if (platformName != u"xcb")
        return DisplaySession::Other;
    if (serverIsXWayland)
        return *serverIsXWayland ? DisplaySession::XWayland : DisplaySession::X11;
    // Either is enough: a login manager may set only the session type, and a nested or
    // hand-started compositor only the display.
    const bool waylandSession =
        !environment.value(u"WAYLAND_DISPLAY"_s).isEmpty() ||
        environment.value(u"XDG_SESSION_TYPE"_s).compare(u"wayland", Qt::CaseInsensitive) == 0;
    return waylandSession ? DisplaySession::XWayland : DisplaySession::X11;
}

DisplaySession currentDisplaySession() {
    std::optional<bool> serverIsXWayland;
    if (xcb_connection_t* connection = xcb::applicationConnection()) {
        // Newer XWaylands announce themselves with an extension; older ones only by the names
        // of their outputs, which Qt gives its screens.
        const QList<QScreen*> screens = QGuiApplication::screens();
        serverIsXWayland = xcb::hasExtension(connection, "XWAYLAND") ||
                           std::any_of(screens.begin(), screens.end(), [](const QScreen* screen) {
                               return screen->name().startsWith(u"XWAYLAND");
                           });
    }
    return detectDisplaySession(QGuiApplication::platformName(),
                                QProcessEnvironment::systemEnvironment(), serverIsXWayland);
}

bool programPlacesWindows(DisplaySession session) {
    return session != DisplaySession::Wayland;
}

} // namespace tintmere::platform
