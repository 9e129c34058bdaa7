// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QDir>
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
    // Relative paths arrive made absolute against the second launch's folder.
    void secondLaunchHandsOverItsFiles_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("received");
        QTest::newRow("two files, one relative")
            << QStringList{u"/tmp/x.tnp"_s, u"rel.tnf"_s}
            << QStringList{u"/tmp/x.tnp"_s, QDir::currentPath() + u"/rel.tnf"_s};
        QTest::newRow("no files") << QStringList{} << QStringList{};
    }
    void secondLaunchHandsOverItsFiles() {
        QFETCH(QStringList, files);
        QFETCH(QStringList, received);
        const QString name = serverName(QString::fromLatin1(QTest::currentDataTag()));
        SingleInstance first(name);
        QVERIFY(!first.handOverOrListen({}));
        QSignalSpy activated(&first, &SingleInstance::activated);
        QVERIFY(launchSecond(name, files));
        QTRY_COMPARE(activated.count(), 1);
        QCOMPARE(activated.first().first().toStringList(), received);
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
