// SPDX-License-Identifier: GPL-3.0-or-later
#include "platformreasons.h"

#include <QCoreApplication>

namespace tintmere::platform::reasons {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("tintmere::platform", text);
}

QString bindCommand() {
    return tr("bind the command tintmere --pick to a key in the desktop's keyboard settings.");
}

QString sizeText(QSize size) {
    return tr("%1×%2").arg(size.width()).arg(size.height());
}

} // namespace

QString noX11Connection() {
    return tr("The connection to the X server is not available.");
}

QString captureUnsupported(const QString& platformName) {
    return tr("The screen cannot be read on the \"%1\" display platform.").arg(platformName);
}

QString captureOnWayland() {
    return tr("On Wayland the magnifier follows the pointer during Pick Color; press Ctrl+L "
              "there to lock it.");
}

QString captureWithoutScreenshots() {
    return tr("This desktop lets no program read the screen; Pick Color uses the desktop's own "
              "picker.");
}

QString hotKeyUnsupported(const QString& platformName) {
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

QString hotKeyNoPortal() {
    return tr("This desktop does not offer global shortcuts to programs; ") + bindCommand();
}

QString hotKeyRegistering() {
    return tr("Waiting for the desktop to register the shortcut.");
}

QString hotKeyPortalRefused(const QString& detail) {
    return tr("The desktop did not register the shortcut (%1); ").arg(detail) + bindCommand();
}

QString hotKeyNotAssigned() {
    return tr("The desktop has not given the shortcut \"Lock magnifier / pick\" a key; choose "
              "one in its keyboard settings, or ") +
           bindCommand();
}

QString portalMissing() {
    return tr(
        "The desktop does not offer screenshots or color picking to programs (no desktop portal).");
}

QString portalCallFailed(const QString& detail) {
    return tr("The desktop portal refused the request: %1").arg(detail);
}

QString portalTimedOut() {
    return tr("The desktop portal did not answer in time.");
}

QString screenshotCancelled() {
    return tr("The screenshot was cancelled.");
}

QString screenshotFailed() {
    return tr("The desktop could not take a screenshot.");
}

QString screenshotNotLocal(const QString& uri) {
    return tr("The desktop returned the screenshot at \"%1\", which is not a local file.").arg(uri);
}

QString screenshotUnreadable(const QString& path, const QString& detail) {
    return tr("The screenshot \"%1\" cannot be read: %2").arg(path, detail);
}

QString screenshotWrongSize(QSize actual, QSize expected) {
    return tr("The screenshot is %1 pixels, but the screens are %2 pixels.")
        .arg(sizeText(actual), sizeText(expected));
}

QString pickCancelled() {
    return tr("Picking a color was cancelled.");
}

QString pickFailed() {
    return tr("The desktop could not pick a color.");
}

QString pickInvalidColor() {
    return tr("The desktop returned a color that is not valid.");
}

QString keepAboveOnWayland(const QString& currentDesktop, const QString& appId,
                           const QString& title) {
    // A list such as "ubuntu:GNOME".
    const QStringList desktops = currentDesktop.toLower().split(u':');
    if (desktops.contains(u"gnome"))
        return tr("To keep this panel above other windows, choose Always on Top in its window "
                  "menu: Super+right-click the panel, or press Alt+Space while it is in front.");
    if (desktops.contains(u"kde"))
        return tr("To keep this panel above other windows, choose More Actions ▸ Keep Above "
                  "Others in its window menu (Alt+F3), or make a window rule for the title \"%1\" "
                  "in System Settings ▸ Window Management ▸ Window Rules.")
            .arg(title);
    if (desktops.contains(u"sway"))
        return tr("To keep this panel in view on every workspace, add to the sway "
                  "configuration:\nfor_window [app_id=\"%1\" title=\"^%2$\"] floating enable, "
                  "sticky enable")
            .arg(appId, title);
    if (desktops.contains(u"hyprland"))
        return tr("To keep this panel in view on every workspace, add to hyprland.conf:\n"
                  "windowrulev2 = float, class:^(%1)$, title:^(%2)$\n"
                  "windowrulev2 = pin, class:^(%1)$, title:^(%2)$")
            .arg(appId, title);
    return tr("Wayland leaves it to the desktop to keep a window above others: look for Always "
              "on Top or Keep Above in this panel's window menu, or make a window rule for the "
              "title \"%1\". The help tells how on GNOME, KDE, sway and Hyprland.")
        .arg(title);
}

QString pointerGrabTaken() {
    return tr("Another program is holding the pointer or the keyboard; try again.");
}

QString pointerGrabRefused() {
    return tr("The pointer could not be taken for picking.");
}

} // namespace tintmere::platform::reasons
