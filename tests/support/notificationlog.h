// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notificationcenter.h"

#include <QStringList>

// Every notification of a name (any name if empty) posted to the default centre while the
// log lives.
struct NotificationLog {
    QObject context;
    QList<tintmere::Notification> posted;

    explicit NotificationLog(const QString& name = {}, QObject* sender = nullptr) {
        tintmere::NotificationCenter::defaultCenter().addObserver(
            &context, name, sender, [this](const tintmere::Notification& n) { posted.append(n); });
    }
    QStringList names() const {
        QStringList list;
        for (const auto& n : posted)
            list.append(n.name);
        return list;
    }
    QList<QObject*> senders() const {
        QList<QObject*> list;
        for (const auto& n : posted)
            list.append(n.object.data());
        return list;
    }
};
