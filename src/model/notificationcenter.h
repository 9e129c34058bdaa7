// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <vector>

namespace tintmere {

// A named message with its sender and a payload.
struct Notification {
    QString name;
    QPointer<QObject> object;
    QVariantMap userInfo;
};

// Named notifications between objects that do not know each other: views post, the
// controller observes. Posting delivers at once; enqueueing delivers once the event loop
// has handled what is pending, and folds repeated notifications of one name and sender
// into the first of them.
class NotificationCenter : public QObject {
    Q_OBJECT

public:
    using Callback = std::function<void(const Notification&)>;

    NotificationCenter();
    ~NotificationCenter() override;

    // The centre shared by the whole application.
    static NotificationCenter& defaultCenter();

    // Calls every observer whose name and sender match, in the order they were added.
    void post(const QString& name, QObject* sender = nullptr, const QVariantMap& userInfo = {});

    // Delivers later, when the event loop is idle. While one notification of this name and
    // sender waits, further ones are dropped, so the first payload is the one delivered.
    // A notification whose sender is destroyed before delivery is dropped.
    void enqueue(const QString& name, QObject* sender = nullptr, const QVariantMap& userInfo = {});

    // Delivers what is queued now rather than at the next idle moment.
    void deliverQueued();
    bool hasQueued() const { return !m_queue.empty(); }

    // While hold answers true the queue waits, looking again every few milliseconds. The
    // application holds it while a mouse button is down, so that dragging a slider, which
    // returns to the event loop between moves, still makes one burst.
    void setQueueHold(std::function<bool()> hold);

    // Calls callback for notifications named name (any name when empty) from sender (any
    // sender when null). The observer lives until context is destroyed or removed.
    void addObserver(QObject* context, const QString& name, QObject* sender, Callback callback);

    // Removes every observer registered with context.
    void removeObserver(QObject* context);
    // Removes the observers registered with context for that name.
    void removeObserver(QObject* context, const QString& name);

private:
    struct Observer {
        QObject* context = nullptr;
        QString name;
        QPointer<QObject> sender;
        bool anySender = true;
        Callback callback;
        bool removed = false;

        bool matches(const Notification& notification) const;
    };
    struct Queued {
        Notification notification;
        bool hadSender = false;
    };

    void deliver(const Notification& notification);
    void deliverWhenIdle();
    void watchContext(QObject* context);
    void dropRemoved();

    std::vector<std::shared_ptr<Observer>> m_observers;
    QHash<QObject*, QMetaObject::Connection> m_contextWatches;
    std::vector<Queued> m_queue;
    QTimer m_idleTimer;
    std::function<bool()> m_queueHold;
    int m_delivering = 0;
};

} // namespace tintmere
