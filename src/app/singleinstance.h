// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <chrono>
#include <memory>

namespace tintmere {

// Keeps one Tintmere per user and settings folder. A second launch hands its file
// arguments to the running instance, which shows its main window, and then exits.
//
// The running instance holds a lock file beside the favorites library for its whole life,
// so a launch never becomes a second writer of the library while the first process lives,
// even when that process is frozen or too busy to answer.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultPatience{10000};

    // lockPath: the lock file that marks the running instance; none in tests that only
    // exercise the hand-over. patience: how long a launch waits for a busy instance.
    explicit SingleInstance(QString serverName = defaultServerName(), QString lockPath = {},
                            std::chrono::milliseconds patience = kDefaultPatience,
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket name: per user runtime folder and per settings folder, so that a test run
    // with its own HOME never meets the user's running program.
    static QString defaultServerName();

    enum class Launch {
        Listening,     // this process is now the one instance
        HandedOver,    // the running instance took the files; exit
        NotResponding, // an instance runs but did not answer in time; tell the user, exit
        TooManyFiles,  // the file list is beyond what a hand-over carries; tell the user
    };
    // Files are made absolute before they are handed over.
    Launch handOverOrListen(const QStringList& files);

    // What to tell the user after NotResponding or TooManyFiles.
    static QString explanation(Launch launch);

Q_SIGNALS:
    // Another launch asked this instance to show itself and open these files.
    void activated(const QStringList& files);

private:
    enum class HandOver { Accepted, NoInstance, NoAnswer };
    // instanceIsAlive: a living process holds the lock, so it is worth waiting for.
    HandOver handOver(const QByteArray& request, bool instanceIsAlive);
    bool listen();
    void readRequest(class QLocalSocket* socket);

    QString m_serverName;
    QString m_lockPath;
    std::chrono::milliseconds m_patience;
    std::unique_ptr<QLockFile> m_startLock;
    // Held from the moment this process becomes the instance until it ends.
    std::unique_ptr<QLockFile> m_instanceLock;
    QLocalServer m_server;
};

} // namespace tintmere
