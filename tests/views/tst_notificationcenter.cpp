// SPDX-License-Identifier: GPL-3.0-or-later
#include "colormetatype.h"
#include "notificationcenter.h"
#include "notificationnames.h"

#include <QCoreApplication>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;
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

class TestNotificationCenter : public QObject {
    Q_OBJECT

private:
    QObject senderA;
    QObject senderB;
    QObject* senderNamed(const QString& name) {
        if (name == u"A")
            return &senderA;
        if (name == u"B")
            return &senderB;
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase() {
        senderA.setObjectName(u"A"_s);
        senderB.setObjectName(u"B"_s);
    }

    void postDeliversAtOnceWithPayload() {
        NotificationCenter center;
        QObject context;
        tintmere::Color seen;
        QPointer<QObject> seenObject;
        center.addObserver(
            &context, tintmere::notifications::ColorWellChange, nullptr,
            [&](const Notification& n) {
                seen = n.userInfo.value(tintmere::userinfo::Color).value<tintmere::Color>();
                seenObject = n.object;
            });
        const tintmere::Color before{0.25f, 0.5f, 0.75f, 1.0f};
        center.post(tintmere::notifications::ColorWellChange, &senderA,
                    {{tintmere::userinfo::Color, QVariant::fromValue(before)}});
        QCOMPARE(seen, before);
        QCOMPARE(seenObject.data(), &senderA);
    }

    void filtering_data() {
        QTest::addColumn<QString>("observedName");
        QTest::addColumn<QString>("observedSender");
        QTest::addColumn<QString>("postedName");
        QTest::addColumn<QString>("postedSender");
        QTest::addColumn<bool>("delivered");
        // An empty observed name or sender matches anything.
        QTest::newRow("same name, any sender") << "X"
                                               << ""
                                               << "X"
                                               << "A" << true;
        QTest::newRow("other name") << "X"
                                    << ""
                                    << "Y"
                                    << "A" << false;
        QTest::newRow("any name") << ""
                                  << ""
                                  << "Y"
                                  << "B" << true;
        QTest::newRow("same sender") << "X"
                                     << "A"
                                     << "X"
                                     << "A" << true;
        QTest::newRow("other sender") << "X"
                                      << "A"
                                      << "X"
                                      << "B" << false;
        QTest::newRow("no sender posted") << "X"
                                          << "A"
                                          << "X"
                                          << "" << false;
        QTest::newRow("any name from sender") << ""
                                              << "B"
                                              << "Z"
                                              << "B" << true;
        QTest::newRow("names are case sensitive") << "X"
                                                  << ""
                                                  << "x"
                                                  << "" << false;
    }

    void filtering() {
        QFETCH(QString, observedName);
        QFETCH(QString, observedSender);
        QFETCH(QString, postedName);
        QFETCH(QString, postedSender);
        QFETCH(bool, delivered);
        NotificationCenter center;
        QObject context;
        Recorder recorder;
        center.addObserver(&context, observedName, senderNamed(observedSender),
                           recorder.callback());
        center.post(postedName, senderNamed(postedSender));
        QCOMPARE(recorder.heard.size(), delivered ? 1 : 0);
    }

    void observerGoesWithItsContext() {
        NotificationCenter center;
        Recorder recorder;
        auto context = std::make_unique<QObject>();
        center.addObserver(context.get(), u"N"_s, nullptr, recorder.callback());
        context.reset();
        center.post(u"N"_s);
        QVERIFY(recorder.heard.isEmpty());
    }

    void removeObserver_data() {
        QTest::addColumn<bool>("byName");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all of a context") << false << QStringList{};
        QTest::newRow("one name") << true << QStringList{u"M:-:"_s};
    }

    void removeObserver() {
        QFETCH(bool, byName);
        QFETCH(QStringList, expected);
        NotificationCenter center;
        QObject context;
        Recorder recorder;
        center.addObserver(&context, u"N"_s, nullptr, recorder.callback());
        center.addObserver(&context, u"M"_s, nullptr, recorder.callback());
        if (byName)
            center.removeObserver(&context, u"N"_s);
        else
            center.removeObserver(&context);
        center.post(u"N"_s);
        center.post(u"M"_s);
        QCOMPARE(recorder.heard, expected);
    }

    void observerOfDestroyedSenderHearsNoOne() {
        NotificationCenter center;
        QObject context;
        Recorder recorder;
        auto sender = std::make_unique<QObject>();
        center.addObserver(&context, u"N"_s, sender.get(), recorder.callback());
        sender.reset();
        center.post(u"N"_s, &senderA);
        center.post(u"N"_s);
        QVERIFY(recorder.heard.isEmpty());
    }

    void observerMayRemoveItselfWhileDelivering() {
        NotificationCenter center;
        auto first = std::make_unique<QObject>();
        QObject second;
        int secondHeard = 0;
        int firstHeard = 0;
        center.addObserver(first.get(), u"N"_s, nullptr, [&](auto&) {
            ++firstHeard;
            first.reset();
        });
        center.addObserver(&second, u"N"_s, nullptr, [&](auto&) { ++secondHeard; });
        center.post(u"N"_s);
        center.post(u"N"_s);
        QCOMPARE(firstHeard, 1);
        QCOMPARE(secondHeard, 2);
    }

    void observerAddedWhileDeliveringWaitsForTheNextPost() {
        NotificationCenter center;
        QObject context;
        int lateHeard = 0;
        center.addObserver(&context, u"N"_s, nullptr, [&](auto&) {
            center.addObserver(&context, u"N"_s, nullptr, [&](auto&) { ++lateHeard; });
        });
        center.post(u"N"_s);
        QCOMPARE(lateHeard, 0);
        center.post(u"N"_s);
        QCOMPARE(lateHeard, 1);
    }

    void queueCoalesces_data() {
        QTest::addColumn<QStringList>("enqueued"); // name:sender:payload
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("burst keeps the first payload")
            << QStringList{u"S:A:1"_s, u"S:A:2"_s, u"S:A:3"_s} << QStringList{u"S:A:1"_s};
        QTest::newRow("senders kept apart") << QStringList{u"S:A:1"_s, u"S:B:2"_s, u"S:A:3"_s}
                                            << QStringList{u"S:A:1"_s, u"S:B:2"_s};
        QTest::newRow("names kept apart") << QStringList{u"S:A:1"_s, u"T:A:2"_s, u"S:A:3"_s}
                                          << QStringList{u"S:A:1"_s, u"T:A:2"_s};
        QTest::newRow("no sender is a sender of its own")
            << QStringList{u"S:-:1"_s, u"S:A:2"_s, u"S:-:3"_s}
            << QStringList{u"S:-:1"_s, u"S:A:2"_s};
    }

    void queueCoalesces() {
        QFETCH(QStringList, enqueued);
        QFETCH(QStringList, expected);
        NotificationCenter center;
        QObject context;
        Recorder recorder;
        center.addObserver(&context, QString(), nullptr, recorder.callback());
        for (const QString& entry : enqueued) {
            const QStringList parts = entry.split(u':');
            center.enqueue(parts[0], senderNamed(parts[1]), payload(parts[2]));
        }
        QVERIFY(recorder.heard.isEmpty());
        QTRY_COMPARE(recorder.heard, expected);
    }

    void queueDeliversOnlyWhenTheLoopRuns() {
        NotificationCenter center;
        QObject context;
        Recorder recorder;
        center.addObserver(&context, u"S"_s, nullptr, recorder.callback());
        center.enqueue(u"S"_s, &senderA, payload(u"1"_s));
        QVERIFY(center.hasQueued());
        QVERIFY(recorder.heard.isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(recorder.heard, QStringList{u"S:A:1"_s});
        QVERIFY(!center.hasQueued());
        // After delivery a new burst starts with its own first payload.
        center.enqueue(u"S"_s, &senderA, payload(u"2"_s));
        center.enqueue(u"S"_s, &senderA, payload(u"3"_s));
        QCoreApplication::processEvents();
        QCOMPARE(recorder.heard, (QStringList{u"S:A:1"_s, u"S:A:2"_s}));
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

    void enqueueWhileDeliveringWaitsForTheNextRound() {
        NotificationCenter center;
        QObject context;
        Recorder recorder;
        center.addObserver(&context, u"S"_s, nullptr, [&](const Notification& n) {
            recorder.callback()(n);
            center.enqueue(u"S"_s, &senderA, payload(u"again"_s));
        });
        center.enqueue(u"S"_s, &senderA, payload(u"1"_s));
        center.deliverQueued();
        QCOMPARE(recorder.heard, QStringList{u"S:A:1"_s});
        QVERIFY(center.hasQueued());
    }

    void queuedNotificationOfDestroyedSenderIsDropped() {
        NotificationCenter center;
        QObject context;
        Recorder recorder;
        center.addObserver(&context, QString(), nullptr, recorder.callback());
        auto sender = std::make_unique<QObject>();
        center.enqueue(u"S"_s, sender.get());
        sender.reset();
        center.enqueue(u"S"_s, nullptr, payload(u"kept"_s));
        center.deliverQueued();
        QCOMPARE(recorder.heard, QStringList{u"S:-:kept"_s});
    }
};

QTEST_GUILESS_MAIN(TestNotificationCenter)
#include "tst_notificationcenter.moc"
