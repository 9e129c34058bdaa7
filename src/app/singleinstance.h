// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <memory>

namespace tintmere {

// Keeps one Tintmere per user and settings folder. A second launch hands its file
// arguments to the running instance, which shows its main window, and then exits.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket name: per user runtime folder and per settings folder, so that a test run
    // with its own HOME never meets the user's running program.
    static QString defaultServerName();

    // True when another instance took the files (they are made absolute first); the caller
    // should then exit. False when this process is now the one instance and listens.
    bool handOverOrListen(const QStringList& files);

Q_SIGNALS:
    // Another launch asked this instance to show itself and open these files.
    void activated(const QStringList& files);

private:
    bool handOver(const QStringList& files);
    void readRequest(class QLocalSocket* socket);

    QString m_serverName;
    std::unique_ptr<QLockFile> m_startLock;
    QLocalServer m_server;
};

} // namespace tintmere
