// SPDX-License-Identifier: GPL-3.0-or-later
#include "notificationcenter.h"

#include <algorithm>

namespace tintmere {

NotificationCenter::NotificationCenter() {
    // A zero timeout fires once the events already waiting have been handled.
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(0);
    connect(&m_idleTimer, &QTimer::timeout, this, &NotificationCenter::deliverWhenIdle);
}

NotificationCenter::~NotificationCenter() {
    for (const auto& connection : std::as_const(m_contextWatches))
        disconnect(connection);
}

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

bool NotificationCenter::Observer::matches(const Notification& notification) const {
    if (removed)
        return false;
    if (!name.isEmpty() && name != notification.name)
        return false;
    // An observer of one sender must not start hearing everyone once that sender is gone.
    return anySender || (sender && sender == notification.object);
}

void NotificationCenter::post(const QString& name, QObject* sender, const QVariantMap& userInfo) {
    deliver(Notification{name, sender, userInfo});
}

void NotificationCenter::deliver(const Notification& notification) {
    // Observers may add or remove observers, or post again, from their callbacks: walk a
    // snapshot and skip anything removed in the meantime.
    const auto snapshot = m_observers;
    ++m_delivering;
    for (const auto& observer : snapshot) {
        if (observer->matches(notification))
            observer->callback(notification);
    }
    --m_delivering;
    dropRemoved();
}

void NotificationCenter::enqueue(const QString& name, QObject* sender,
                                 const QVariantMap& userInfo) {
    const bool alreadyQueued = std::any_of(m_queue.begin(), m_queue.end(), [&](const Queued& q) {
        return q.notification.name == name && q.notification.object == sender &&
               q.hadSender == (sender != nullptr);
    });
    if (alreadyQueued)
        return;
    m_queue.push_back(Queued{Notification{name, sender, userInfo}, sender != nullptr});
    if (!m_idleTimer.isActive())
        m_idleTimer.start();
}

void NotificationCenter::setQueueHold(std::function<bool()> hold) {
    m_queueHold = std::move(hold);
}

void NotificationCenter::deliverWhenIdle() {
    constexpr int kHoldPollMilliseconds = 20;
    if (m_queueHold && m_queueHold()) {
        m_idleTimer.start(kHoldPollMilliseconds);
        return;
    }
    deliverQueued();
}

void NotificationCenter::deliverQueued() {
    m_idleTimer.stop();
    m_idleTimer.setInterval(0);
    // Notifications enqueued while these are delivered wait for the next idle moment.
    std::vector<Queued> pending;
    pending.swap(m_queue);
    for (const Queued& queued : pending) {
        if (queued.hadSender && !queued.notification.object)
            continue;
        deliver(queued.notification);
    }
    if (!m_queue.empty())
        m_idleTimer.start();
}

void NotificationCenter::addObserver(QObject* context, const QString& name, QObject* sender,
                                     Callback callback) {
    Q_ASSERT(context);
    auto observer = std::make_shared<Observer>();
    observer->context = context;
    observer->name = name;
    observer->sender = sender;
    observer->anySender = sender == nullptr;
    observer->callback = std::move(callback);
    m_observers.push_back(std::move(observer));
    watchContext(context);
}

void NotificationCenter::watchContext(QObject* context) {
    if (m_contextWatches.contains(context))
        return;
    m_contextWatches.insert(context, connect(context, &QObject::destroyed, this,
                                             [this, context] { removeObserver(context); }));
}

void NotificationCenter::removeObserver(QObject* context) {
    for (const auto& observer : m_observers) {
        if (observer->context == context)
            observer->removed = true;
    }
    if (const auto watch = m_contextWatches.constFind(context); watch != m_contextWatches.cend()) {
        disconnect(*watch);
        m_contextWatches.erase(watch);
    }
    dropRemoved();
}

void NotificationCenter::removeObserver(QObject* context, const QString& name) {
    for (const auto& observer : m_observers) {
        if (observer->context == context && observer->name == name)
            observer->removed = true;
    }
    dropRemoved();
}

void NotificationCenter::dropRemoved() {
    if (m_delivering > 0)
        return;
    std::erase_if(m_observers, [](const auto& observer) { return observer->removed; });
}

} // namespace tintmere
