// SPDX-License-Identifier: GPL-3.0-or-later
#include "platformreasons.h"

#include <QCoreApplication>

namespace tintmere::platform::reasons {

namespace {

bool isWayland(const QString& platformName) {
    return platformName.startsWith(u"wayland");
}

QString tr(const char* text) {
    return QCoreApplication::translate("tintmere::platform", text);
}

} // namespace

QString noX11Connection() {
    return tr("The connection to the X server is not available.");
}

QString captureUnsupported(const QString& platformName) {
    if (isWayland(platformName))
        return tr("The screen cannot be read in this Wayland session.");
    return tr("The screen cannot be read on the \"%1\" display platform.").arg(platformName);
}

QString hotKeyUnsupported(const QString& platformName) {
    if (isWayland(platformName))
        return tr("Global shortcuts are not available in this Wayland session; use the Tools "
                  "menu.");
    return tr("Global shortcuts are not available on the \"%1\" display platform; use the "
              "Tools menu.")
        .arg(platformName);
}

QString hotKeyTaken() {
    return tr("Another program is using Ctrl+Alt+Super+L.");
}

QString hotKeyRefused(int errorCode) {
    return tr("The X server refused Ctrl+Alt+Super+L (error %1); use the Tools menu.")
        .arg(errorCode);
}

QString noLKey() {
    return tr("The keyboard layout has no L key; use the Tools menu.");
}

QString pointerGrabTaken() {
    return tr("Another program is holding the pointer or the keyboard; try again.");
}

QString pointerGrabRefused() {
    return tr("The pointer could not be taken for picking.");
}

} // namespace tintmere::platform::reasons
