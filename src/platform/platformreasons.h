// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the user is told when a platform facility does not work, in one place so that the
// backends and the preferences agree on the words.
namespace tintmere::platform::reasons {

QString noX11Connection();
QString captureUnsupported(const QString& platformName);
QString hotKeyUnsupported(const QString& platformName);
QString hotKeyTaken();
QString hotKeyRefused(int errorCode);
QString noLKey();
QString pointerGrabTaken();
QString pointerGrabRefused();

} // namespace tintmere::platform::reasons
