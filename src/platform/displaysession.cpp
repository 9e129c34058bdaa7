// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaysession.h"

#include <QGuiApplication>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::platform {

DisplaySession detectDisplaySession(const QString& platformName,
                                    const QProcessEnvironment& environment) {
    // "wayland", "wayland-egl", "wayland-brcm"...
    if (platformName.startsWith(u"wayland"))
        return DisplaySession::Wayland;
    if (platformName != u"xcb")
        return DisplaySession::Other;
    // Either is enough: a login manager may set only the session type, and a nested or
    // hand-started compositor only the display.
    const bool waylandSession =
        !environment.value(u"WAYLAND_DISPLAY"_s).isEmpty() ||
        environment.value(u"XDG_SESSION_TYPE"_s).compare(u"wayland", Qt::CaseInsensitive) == 0;
    return waylandSession ? DisplaySession::XWayland : DisplaySession::X11;
}

DisplaySession currentDisplaySession() {
    return detectDisplaySession(QGuiApplication::platformName(),
                                QProcessEnvironment::systemEnvironment());
}

} // namespace tintmere::platform
