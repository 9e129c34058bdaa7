// SPDX-License-Identifier: GPL-3.0-or-later
#include "globalhotkey.h"

#include "globalhotkey_unavailable.h"
#include "globalhotkey_xcb.h"
#include "platformreasons.h"
#include "xcbsupport.h"

#include <QGuiApplication>

namespace tintmere::platform {

std::unique_ptr<GlobalHotKey> createGlobalHotKey(QObject* parent) {
    const QString platform = QGuiApplication::platformName();
    if (platform != u"xcb")
        return std::make_unique<UnavailableGlobalHotKey>(reasons::hotKeyUnsupported(platform),
                                                         parent);
    xcb_connection_t* connection = xcb::applicationConnection();
    if (!connection)
        return std::make_unique<UnavailableGlobalHotKey>(reasons::noX11Connection(), parent);
    return std::make_unique<XcbGlobalHotKey>(connection, parent);
}

} // namespace tintmere::platform
