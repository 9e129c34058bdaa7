// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

// What the user is told when a platform facility does not work, in one place so that the
// backends and the preferences agree on the words.
namespace tintmere::platform::reasons {

QString noX11Connection();
QString captureUnsupported(const QString& platformName);
// Wayland, natively or through XWayland: no client may read the screen live; the magnifier
// follows pick mode over the frozen screens.
QString captureOnWayland();
// Not even frozen screens: the desktop gives no screenshots to programs.
QString captureWithoutScreenshots();
QString hotKeyUnsupported(const QString& platformName);
QString hotKeyTaken();
QString hotKeyRefused(int errorCode);
QString noLKey();
QString pointerGrabTaken();
QString pointerGrabRefused();

// The hot key through the desktop portal.
QString hotKeyNoPortal();
QString hotKeyRegistering();
QString hotKeyPortalRefused(const QString& detail);
QString hotKeyNotAssigned();

// Answers of the desktop portal to a screenshot or a colour pick.
QString portalMissing();
QString portalCallFailed(const QString& detail);
QString portalTimedOut();
QString screenshotCancelled();
QString screenshotFailed();
QString screenshotNotLocal(const QString& uri);
QString screenshotUnreadable(const QString& path, const QString& detail);
QString screenshotWrongSize(QSize actual, QSize expected);
QString pickCancelled();
QString pickFailed();
QString pickInvalidColor();

// How to keep a window above the others where only the compositor can (Wayland), on the
// desktop that XDG_CURRENT_DESKTOP names; appId and title pick the window out in rules.
QString keepAboveOnWayland(const QString& currentDesktop, const QString& appId,
                           const QString& title);

} // namespace tintmere::platform::reasons
