// SPDX-License-Identifier: GPL-3.0-or-later
#include "globalhotkey.h"

#include "displaysession.h"
#include "globalhotkey_portal.h"
#include "globalhotkey_unavailable.h"
#include "globalhotkey_xcb.h"
#include "platformreasons.h"
#include "xcbsupport.h"

#include <QGuiApplication>

namespace tintmere::platform {

namespace {
// The desktop may ask the user before it binds the key.
constexpr std::chrono::minutes portalAnswerTime{2};
} // namespace

std::unique_ptr<GlobalHotKey> createGlobalHotKey(QObject* parent) {
    switch (currentDisplaySession()) {
    case DisplaySession::X11:
        if (xcb_connection_t* connection = xcb::applicationConnection())
            return std::make_unique<XcbGlobalHotKey>(connection, parent);
        return std::make_unique<UnavailableGlobalHotKey>(reasons::noX11Connection(), parent);
    case DisplaySession::Wayland:
    case DisplaySession::XWayland:
        // An X11 grab under XWayland only sees keys while one of its own windows has the focus.
        return std::make_unique<PortalGlobalHotKey>(QDBusConnection::sessionBus(), portalAnswerTime,
                                                    parent);
    case DisplaySession::Other:
        break;
    }
    return std::make_unique<UnavailableGlobalHotKey>(
        reasons::hotKeyUnsupported(QGuiApplication::platformName()), parent);
}

} // namespace tintmere::platform
