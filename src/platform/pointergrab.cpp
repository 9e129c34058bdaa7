// SPDX-License-Identifier: GPL-3.0-or-later
#include "pointergrab.h"

#include "platformreasons.h"
#include "pointergrab_unavailable.h"
#include "pointergrab_xcb.h"
#include "xcbsupport.h"

#include <QGuiApplication>

namespace tintmere::platform {

std::unique_ptr<PointerGrab> createPointerGrab() {
    const QString platform = QGuiApplication::platformName();
    if (platform != u"xcb")
        return std::make_unique<UnavailablePointerGrab>(reasons::captureUnsupported(platform));
    xcb_connection_t* connection = xcb::applicationConnection();
    if (!connection)
        return std::make_unique<UnavailablePointerGrab>(reasons::noX11Connection());
    return std::make_unique<XcbPointerGrab>(connection);
}

} // namespace tintmere::platform
