// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "defaults.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "settingskeys.h"

#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <algorithm>
#include <functional>

namespace prefstest {

// The key of a name, looked up in the program's table so a test names keys as the user
// sees them in the settings file.
inline const tintmere::SettingKey& key(QStringView name) {
    const auto& all = tintmere::keys::allKeys;
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const auto& k) { return k.name == name; });
    Q_ASSERT(found != all.end());
    return *found;
}

inline tintmere::Defaults& defaults() {
    return tintmere::Defaults::standard();
}

// Every "QVPrefsUpdate": the key it names and, at the moment of posting, what the watched
// keys held.
struct PrefsUpdates {
    QStringList keys;
    QList<QVariantMap> storedAtPost;
    QStringList watched;
    QObject context;

    explicit PrefsUpdates(QStringList watchedKeys = {})
        : watched(std::move(watchedKeys)) {
        tintmere::NotificationCenter::defaultCenter().addObserver(
            &context, tintmere::notifications::PrefsUpdate, nullptr,
            [this](const tintmere::Notification& note) {
                keys << note.userInfo.value(tintmere::userinfo::Object).toString();
                QVariantMap stored;
                for (const QString& name : std::as_const(watched))
                    stored.insert(name, defaults().value(key(name)));
                storedAtPost << stored;
            });
    }
};

} // namespace prefstest
