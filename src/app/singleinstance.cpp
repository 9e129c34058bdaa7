// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {
constexpr int kTimeoutMs = 2000;
constexpr char kAcknowledgement = '\x06';
constexpr qint64 kMaxRequestBytes = 1 << 20;
} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent)
    , m_serverName(std::move(serverName)) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this,
                    [this, socket] { readRequest(socket); });
        }
    });
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName() {
    const QString settings = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QByteArray key =
        QCryptographicHash::hash(settings.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(runtime).filePath(u"tintmere-"_s + QString::fromLatin1(key));
}

bool SingleInstance::handOverOrListen(const QStringList& files) {
    // The lock closes the gap between "nobody answers" and "I listen" when two launches race.
    m_startLock = std::make_unique<QLockFile>(m_serverName + u".lock"_s);
    m_startLock->tryLock(kTimeoutMs);

    if (handOver(files)) {
        m_startLock.reset();
        return true;
    }
    QLocalServer::removeServer(m_serverName); // a socket left behind by a crash
    m_server.listen(m_serverName);
    m_startLock.reset();
    return false;
}

bool SingleInstance::handOver(const QStringList& files) {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kTimeoutMs)) {
        return false;
    }
    QStringList absolute;
    for (const QString& file : files) {
        absolute.append(QFileInfo(file).absoluteFilePath());
    }
    QByteArray request;
    QDataStream requestStream(&request, QIODevice::WriteOnly);
    requestStream << absolute;
    QDataStream socketStream(&socket);
    socketStream << request;
    socket.flush();
    // Wait for the running instance to confirm, so a hung instance doesn't swallow the files.
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(kTimeoutMs)) {
            return false;
        }
    }
    return socket.read(1).front() == kAcknowledgement;
}

void SingleInstance::readRequest(QLocalSocket* socket) {
    if (socket->bytesAvailable() > kMaxRequestBytes) {
        socket->abort(); // no launch sends this much; don't buffer it
        return;
    }
    QDataStream stream(socket);
    stream.startTransaction();
    QByteArray request;
    stream >> request;
    if (!stream.commitTransaction()) {
        return; // wait for the rest
    }
    QStringList files;
    QDataStream requestStream(request);
    requestStream >> files;
    socket->write(&kAcknowledgement, 1);
    socket->flush();
    socket->disconnectFromServer();
    Q_EMIT activated(files);
}

} // namespace tintmere
