// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopcolorpicker.h"

#include "displaysession.h"
#include "portalcolorpicker.h"

#include <QDBusConnection>

namespace tintmere::platform {

std::unique_ptr<DesktopColorPicker> createDesktopColorPicker(QObject* parent) {
    switch (currentDisplaySession()) {
    case DisplaySession::Wayland:
    case DisplaySession::XWayland:
        return std::make_unique<PortalColorPicker>(QDBusConnection::sessionBus(), parent);
    case DisplaySession::X11:
    case DisplaySession::Other:
        break;
    }
    return nullptr;
}

} // namespace tintmere::platform
