// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::Literals::StringLiterals;
using tintmere::SingleInstance;

class TestSingleInstance : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString serverName(const QString& name) const { return m_dir.filePath(name); }

    // The second launch blocks while it waits for the answer, so it runs on its own thread
    // and the first instance keeps serving on this one.
    static bool launchSecond(const QString& name, const QStringList& files) {
        bool handedOver = false;
        std::unique_ptr<QThread> thread(QThread::create([&] {
            SingleInstance second(name);
            handedOver = second.handOverOrListen(files);
        }));
        thread->start();
        while (!thread->wait(10)) {
            QCoreApplication::processEvents();
        }
        return handedOver;
    }

private Q_SLOTS:
    void firstLaunchListens() {
        SingleInstance first(serverName(u"a"_s));
        QVERIFY(!first.handOverOrListen({}));
    }

    void secondLaunchHandsOverAbsolutePaths() {
        SingleInstance first(serverName(u"b"_s));
        QVERIFY(!first.handOverOrListen({}));
        QSignalSpy activated(&first, &SingleInstance::activated);

        QVERIFY(launchSecond(serverName(u"b"_s), {u"/tmp/x.tnp"_s, u"rel.tnf"_s}));
        QTRY_COMPARE(activated.count(), 1);
        const QStringList files = activated.first().first().toStringList();
        QCOMPARE(files.size(), 2);
        QCOMPARE(files.at(0), u"/tmp/x.tnp"_s);
        QVERIFY(files.at(1).startsWith(u'/'));
        QVERIFY(files.at(1).endsWith(u"/rel.tnf"_s));
    }

    void launchWithoutFilesStillActivates() {
        SingleInstance first(serverName(u"c"_s));
        QVERIFY(!first.handOverOrListen({}));
        QSignalSpy activated(&first, &SingleInstance::activated);
        QVERIFY(launchSecond(serverName(u"c"_s), {}));
        QTRY_COMPARE(activated.count(), 1);
        QVERIFY(activated.first().first().toStringList().isEmpty());
    }

    void staleSocketOfACrashedInstanceIsReplaced() {
        // A crash leaves the socket file behind; nobody answers on it.
        QFile stale(serverName(u"d"_s));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        SingleInstance next(serverName(u"d"_s));
        QVERIFY(!next.handOverOrListen({}));
        QVERIFY(launchSecond(serverName(u"d"_s), {}));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
