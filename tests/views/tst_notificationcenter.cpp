// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "notificationcenter.h"

#include <QCoreApplication>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using tintmere::Notification;
using tintmere::NotificationCenter;

namespace {

// Records what an observer heard as "name:sender:payload" entries.
struct Recorder {
    QStringList heard;
    NotificationCenter::Callback callback() {
        return [this](const Notification& n) {
            heard << u"%1:%2:%3"_s.arg(n.name, n.object ? n.object->objectName() : u"-"_s,
                                       n.userInfo.value(u"v"_s).toString());
        };
    }
};

QVariantMap payload(const QString& value) {
    return {{u"v"_s, value}};
}

} // namespace

using FilteringRow = std::tuple<QString, bool>;
using QueueCoalescesRow = std::tuple<QStringList, QStringList>;

class TestNotificationCenter : public QObject {
    Q_OBJECT

private:
    QObject senderA;
    QObject senderB;
    // "A" and "B" name the two senders; anything else is no sender.
    QObject* senderNamed(const QString& name) {
        return name == u"A" ? &senderA : name == u"B" ? &senderB : nullptr;
    }

private Q_SLOTS:
    void initTestCase() {
        senderA.setObjectName(u"A"_s);
        senderB.setObjectName(u"B"_s);
    }

    void filtering_data() {
        const Rows<FilteringRow> row; // observedAndPosted: "name:sender name:sender", empty = any
        row("same name, any sender", u"X: X:A"_s, true);
        row("any name", u": Y:B"_s, true);
        row("same sender", u"X:A X:A"_s, true);
        row("other sender", u"X:A X:B"_s, false);
        row("no sender posted", u"X:A X:"_s, false);
        row("names are case sensitive", u"X: x:"_s, false);
    }

    void filtering() {
        ROW(FilteringRow, observedAndPosted, delivered);
        const QStringList observed = observedAndPosted.section(u' ', 0, 0).split(u':');
        const QStringList posted = observedAndPosted.section(u' ', 1, 1).split(u':');
        NotificationCenter center;
        QObject context;
        Recorder recorder;
        center.addObserver(&context, observed[0], senderNamed(observed[1]), recorder.callback());
        center.post(posted[0], senderNamed(posted[1]), payload(u"1"_s));
        const QString heard =
            posted[0] + u':' + (posted[1].isEmpty() ? u"-"_s : posted[1]) + u":1"_s;
        QCOMPARE(recorder.heard, delivered ? QStringList{heard} : QStringList());
    }

    void destroyedObjectEndsTheObservation_data() {
        QTest::addColumn<bool>("destroyContext"); // otherwise the observed sender
        row("context", true);
        row("observed sender", false);
    }

    void destroyedObjectEndsTheObservation() {
        QFETCH(bool, destroyContext);
        NotificationCenter center;
        Recorder recorder;
        auto context = std::make_unique<QObject>();
        auto sender = std::make_unique<QObject>();
        center.addObserver(context.get(), u"N"_s, destroyContext ? nullptr : sender.get(),
                           recorder.callback());
        (destroyContext ? context : sender).reset();
        center.post(u"N"_s, &senderA);
        center.post(u"N"_s);
        QVERIFY(recorder.heard.isEmpty());
    }

    void observersChangingWhileDelivering() {
        NotificationCenter center;
        auto first = std::make_unique<QObject>();
        QObject second;
        int firstHeard = 0, secondHeard = 0, lateHeard = 0;
        // The first observer removes itself; the second adds one that waits for the next post.
        center.addObserver(first.get(), u"N"_s, nullptr, [&](auto&) {
            ++firstHeard;
            first.reset();
        });
        center.addObserver(&second, u"N"_s, nullptr, [&](auto&) {
            if (++secondHeard == 1)
                center.addObserver(&second, u"N"_s, nullptr, [&](auto&) { ++lateHeard; });
        });
        center.post(u"N"_s);
        QCOMPARE(lateHeard, 0);
        center.post(u"N"_s);
        QCOMPARE(firstHeard, 1);
        QCOMPARE(secondHeard, 2);
        QCOMPARE(lateHeard, 1);
    }

    void queueCoalesces_data() {
        const Rows<QueueCoalescesRow> row; // enqueued: name:sender:payload, "|" runs the loop
        row("burst keeps the first payload", QStringList{u"S:A:1"_s, u"S:A:2"_s, u"S:A:3"_s},
            QStringList{u"S:A:1"_s});
        row("senders kept apart", QStringList{u"S:A:1"_s, u"S:B:2"_s, u"S:A:3"_s},
            QStringList{u"S:A:1"_s, u"S:B:2"_s});
        row("no sender is a sender of its own", QStringList{u"S:-:1"_s, u"S:A:2"_s, u"S:-:3"_s},
            QStringList{u"S:-:1"_s, u"S:A:2"_s});
        row("after delivery a new burst starts",
            QStringList{u"S:A:1"_s, u"|"_s, u"S:A:2"_s, u"S:A:3"_s},
            QStringList{u"S:A:1"_s, u"S:A:2"_s});
    }

    void queueCoalesces() {
        ROW(QueueCoalescesRow, enqueued, expected);
        NotificationCenter center;
        QObject context;
        Recorder recorder;
        center.addObserver(&context, QString(), nullptr, recorder.callback());
        for (const QString& entry : enqueued) {
            if (entry == u"|") {
                QVERIFY(recorder.heard.isEmpty());
                QVERIFY(center.hasQueued());
                QCoreApplication::processEvents();
                QVERIFY(!center.hasQueued());
                continue;
            }
            const QStringList parts = entry.split(u':');
            center.enqueue(parts[0], senderNamed(parts[1]), payload(parts[2]));
        }
        if (!enqueued.contains(u"|"_s))
            QVERIFY(recorder.heard.isEmpty());
        QTRY_COMPARE(recorder.heard, expected);
    }

    void heldQueueWaitsForRelease() {
        NotificationCenter center;
        QObject context;
        Recorder recorder;
        center.addObserver(&context, u"S"_s, nullptr, recorder.callback());
        bool buttonDown = true;
        center.setQueueHold([&] { return buttonDown; });
        center.enqueue(u"S"_s, &senderA, payload(u"1"_s));
        QTest::qWait(60);
        center.enqueue(u"S"_s, &senderA, payload(u"2"_s));
        QVERIFY(recorder.heard.isEmpty());
        buttonDown = false;
        QTRY_COMPARE(recorder.heard, QStringList{u"S:A:1"_s});
    }

    // Enqueued while delivering waits for the next round; a destroyed sender's is dropped.
    void deliveringTheQueue() {
        NotificationCenter center;
        QObject context;
        Recorder recorder;
        center.addObserver(&context, QString(), nullptr, [&](const Notification& n) {
            recorder.callback()(n);
            center.enqueue(u"S"_s, &senderA, payload(u"again"_s));
        });
        auto sender = std::make_unique<QObject>();
        center.enqueue(u"S"_s, sender.get());
        sender.reset();
        center.enqueue(u"T"_s, nullptr, payload(u"kept"_s));
        center.deliverQueued();
        QCOMPARE(recorder.heard, QStringList{u"T:-:kept"_s});
        QVERIFY(center.hasQueued());
    }
};

QTEST_GUILESS_MAIN(TestNotificationCenter)
#include "tst_notificationcenter.moc"
