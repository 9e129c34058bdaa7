// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <chrono>
#include <functional>
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
    // What a launch asks of the running instance besides opening its files.
    enum class Action : quint8 {
        Open,         // show the main window and open the files
        Pick,         // start pick mode
        PickAndPrint, // start pick mode and answer with the picked colour's text
    };
    // Files are made absolute before they are handed over.
    Launch handOverOrListen(const QStringList& files, Action action = Action::Open);

    // How a pick asked of the running instance ended.
    enum class PickAnswer : quint8 { Picked, Cancelled, Busy, NoInstance, NotResponding };
    // Asks the running instance to pick and waits, as long as the user takes, for the
    // colour's text. Never becomes the instance: NoInstance when none runs.
    PickAnswer pickFromRunningInstance(QString* text);
    // How the running instance answers a PickAndPrint launch; text only with Picked.
    using PickReply = std::function<void(PickAnswer answer, const QString& text)>;

    // What to tell the user after NotResponding or TooManyFiles.
    static QString explanation(Launch launch);

Q_SIGNALS:
    // Another launch asked this instance to show itself and open these files.
    void activated(const QStringList& files);
    // Another launch asked for a pick; reply is empty when it does not wait for the colour.
    void pickRequested(const tintmere::SingleInstance::PickReply& reply);

private:
    enum class HandOver { Accepted, NoInstance, NoAnswer };
    // instanceIsAlive: a living process holds the lock, so it is worth waiting for.
    // answer: where the instance's later answer goes, read until it hangs up; none: the
    // acknowledgement is all.
    HandOver handOver(const QByteArray& request, bool instanceIsAlive,
                      QByteArray* answer = nullptr);
    static QByteArray encodeRequest(const QStringList& files, Action action);
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
