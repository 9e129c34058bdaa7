// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "singleinstance.h"

#include <QDir>
#include <QLocalServer>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::Literals::StringLiterals;
using tintmere::SingleInstance;
using Launch = SingleInstance::Launch;

class TestSingleInstance : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString serverName(const QString& name) const { return m_dir.filePath(name); }

    // The second launch blocks while it waits for the answer, so it runs on its own thread
    // and the first instance keeps serving on this one (unless it is told to stay deaf).
    static Launch launchSecond(const QString& name, const QStringList& files,
                               const QString& lock = {}, bool serve = true) {
        Launch launch = Launch::Listening;
        std::unique_ptr<QThread> thread(QThread::create([&] {
            SingleInstance second(name, lock, std::chrono::milliseconds(1500));
            launch = second.handOverOrListen(files);
        }));
        thread->start();
        while (!thread->wait(10)) {
            if (serve)
                QCoreApplication::processEvents();
        }
        return launch;
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
        QCOMPARE(first.handOverOrListen({}), Launch::Listening);
        QSignalSpy activated(&first, &SingleInstance::activated);
        QCOMPARE(launchSecond(name, files), Launch::HandedOver);
        QTRY_COMPARE(activated.count(), 1);
        QCOMPARE(activated.first().first().toStringList(), received);
    }

    // A crash leaves its socket file behind, a kill its lock naming a process that is gone;
    // the next launch takes them over.
    void leftoversOfACrashAreTakenOver_data() {
        QTest::addColumn<bool>("lock");
        QTest::newRow("socket") << false;
        QTest::newRow("lock") << true;
    }
    void leftoversOfACrashAreTakenOver() {
        QFETCH(bool, lock);
        const QString name = serverName(QString::fromLatin1(QTest::currentDataTag()));
        const QString lockPath = lock ? m_dir.filePath(u"library/killed.lock"_s) : QString();
        QDir().mkpath(m_dir.filePath(u"library"_s));
        // The lock file's own layout: PID, program name, host name.
        QVERIFY(testrows::writeFile(lock ? lockPath : name,
                                    lock ? "999999\ntintmere\n" +
                                               QSysInfo::machineHostName().toUtf8() + "\n"
                                         : QByteArray()));
        SingleInstance next(name, lockPath);
        QCOMPARE(next.handOverOrListen({}), Launch::Listening);
        QCOMPARE(launchSecond(name, {}, lockPath), Launch::HandedOver);
    }

    // While the first instance lives, a launch never becomes a second instance, however the
    // first fails to answer: it is told that the first does not respond.
    void aLivingInstanceIsNeverReplaced_data() {
        QTest::addColumn<bool>("listening"); // the first instance's socket exists
        QTest::addColumn<int>("files");
        QTest::addColumn<Launch>("launch");
        QTest::newRow("socket gone") << false << 1 << Launch::NotResponding;
        QTest::newRow("a request over the size limit") << true << 40000 << Launch::TooManyFiles;
    }
    void aLivingInstanceIsNeverReplaced() {
        QFETCH(bool, listening);
        QFETCH(int, files);
        QFETCH(Launch, launch);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).left(6);
        const QString name = serverName(u"live-"_s + tag);
        const QString lock = m_dir.filePath(u"library/Favorites.plist.lock-"_s + tag);
        SingleInstance first(name, lock);
        QCOMPARE(first.handOverOrListen({}), Launch::Listening);
        if (!listening)
            QLocalServer::removeServer(name);
        QStringList many;
        for (int i = 0; i < files; ++i)
            many << u"/some/rather/long/folder/name/palette-%1.tnp"_s.arg(i);
        // The first instance is busy: its event loop does not run while the second waits.
        QCOMPARE(launchSecond(name, many, lock, false), launch);
        // It still owns its socket: nobody took it over.
        if (listening)
            QCOMPARE(launchSecond(name, {}, lock), Launch::HandedOver);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
