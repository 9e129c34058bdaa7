// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {
constexpr int kTimeoutMs = 2000;
constexpr char kAcknowledgement = '\x06';
constexpr qint64 kMaxRequestBytes = 1 << 20;
} // namespace

SingleInstance::SingleInstance(QString serverName, QString lockPath,
                               std::chrono::milliseconds patience, QObject* parent)
    : QObject(parent)
    , m_serverName(std::move(serverName))
    , m_lockPath(std::move(lockPath))
    , m_patience(patience) {
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

QString SingleInstance::explanation(Launch launch) {
    switch (launch) {
    case Launch::NotResponding:
        return tr("Tintmere is already running but is not responding. Wait until it responds "
                  "and try again, or end it and start Tintmere again.");
    case Launch::TooManyFiles:
        return tr("Too many files were given at once to pass them to the running Tintmere. "
                  "Open them in smaller groups.");
    default:
        return {};
    }
}

SingleInstance::Launch SingleInstance::handOverOrListen(const QStringList& files, Action action) {
    // The start lock closes the gap between "nobody answers" and "I listen" when two
    // launches race.
    m_startLock = std::make_unique<QLockFile>(m_serverName + u".lock"_s);
    m_startLock->tryLock(kTimeoutMs);
    const auto releaseStartLock = qScopeGuard([this] { m_startLock.reset(); });

    bool lockable = !m_lockPath.isEmpty();
    if (lockable) {
        QDir().mkpath(QFileInfo(m_lockPath).absolutePath());
        m_instanceLock = std::make_unique<QLockFile>(m_lockPath);
        // Held for the program's life: only a lock whose process is gone is stale.
        m_instanceLock->setStaleLockTime(0);
        if (m_instanceLock->tryLock(0)) {
            listen();
            return Launch::Listening;
        }
        // A folder the lock cannot be made in cannot take a library either; the socket
        // alone decides then.
        lockable = m_instanceLock->error() == QLockFile::LockFailedError;
        m_instanceLock.reset();
    }

    QStringList absolute;
    for (const QString& file : files) {
        absolute.append(QFileInfo(file).absoluteFilePath());
    }
    const QByteArray request = encodeRequest(absolute, action);
    // The running instance refuses more than the limit, counting the length in front.
    if (request.size() + qint64(sizeof(quint32)) > kMaxRequestBytes) {
        return Launch::TooManyFiles;
    }

    switch (handOver(request, lockable)) {
    case HandOver::Accepted:
        return Launch::HandedOver;
    case HandOver::NoAnswer:
        return Launch::NotResponding;
    case HandOver::NoInstance:
        break;
    }
    // The lock's owner lives but nobody listens: it is starting or stuck; never a second
    // writer beside it.
    if (lockable) {
        return Launch::NotResponding;
    }
    listen();
    return Launch::Listening;
}

QByteArray SingleInstance::encodeRequest(const QStringList& files, Action action) {
    QByteArray request;
    QDataStream requestStream(&request, QIODevice::WriteOnly);
    // The action follows the files, where an older instance stops reading.
    requestStream << files;
    if (action != Action::Open)
        requestStream << quint8(action);
    return request;
}

SingleInstance::PickAnswer SingleInstance::pickFromRunningInstance(QString* text) {
    bool alive = false;
    if (!m_lockPath.isEmpty()) {
        QLockFile lock(m_lockPath);
        lock.setStaleLockTime(0);
        alive = !lock.tryLock(0) && lock.error() == QLockFile::LockFailedError;
    }
    QByteArray answer;
    switch (handOver(encodeRequest({}, Action::PickAndPrint), alive, &answer)) {
    case HandOver::NoInstance:
        return PickAnswer::NoInstance;
    case HandOver::NoAnswer:
        return PickAnswer::NotResponding;
    case HandOver::Accepted:
        break;
    }
    QDataStream stream(answer);
    quint8 kind = quint8(PickAnswer::Cancelled);
    QString picked;
    stream >> kind >> picked;
    // A hang-up without an answer (the instance ended) is a pick that did not happen.
    if (stream.status() != QDataStream::Ok || kind > quint8(PickAnswer::Busy))
        return PickAnswer::Cancelled;
    if (text)
        *text = picked;
    return PickAnswer(kind);
}

bool SingleInstance::listen() {
    QLocalServer::removeServer(m_serverName); // a socket left behind by a crash
    return m_server.listen(m_serverName);
}

SingleInstance::HandOver SingleInstance::handOver(const QByteArray& request, bool instanceIsAlive,
                                                  QByteArray* answer) {
    QDeadlineTimer deadline(instanceIsAlive ? m_patience : std::chrono::milliseconds(kTimeoutMs));
    QLocalSocket socket;
    // A living instance that is just starting may not listen yet; keep knocking until it
    // does. Without one, a single knock tells whether a lockless instance listens.
    for (;;) {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(std::min<qint64>(kTimeoutMs, deadline.remainingTime()))))
            break;
        socket.abort();
        if (!instanceIsAlive || deadline.hasExpired())
            return HandOver::NoInstance;
        QThread::msleep(100);
    }
    // One request only: a frozen instance that wakes up later must not open the files twice.
    QDataStream socketStream(&socket);
    socketStream << request;
    socket.flush();
    // Wait for the running instance to confirm, so a hung instance doesn't swallow the files.
    while (socket.bytesAvailable() < 1) {
        if (deadline.hasExpired() || socket.state() != QLocalSocket::ConnectedState) {
            return HandOver::NoAnswer;
        }
        socket.waitForReadyRead(int(std::min<qint64>(kTimeoutMs, deadline.remainingTime())));
    }
    if (socket.read(1).front() != kAcknowledgement)
        return HandOver::NoAnswer;
    if (answer) {
        // The user may take their time; the instance hangs up once it has answered.
        while (socket.state() == QLocalSocket::ConnectedState)
            socket.waitForReadyRead(-1);
        *answer = socket.readAll();
    }
    return HandOver::Accepted;
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
    quint8 action = quint8(Action::Open);
    if (!requestStream.atEnd())
        requestStream >> action;
    socket->write(&kAcknowledgement, 1);
    socket->flush();
    switch (Action(action)) {
    case Action::Pick:
        socket->disconnectFromServer();
        Q_EMIT pickRequested({});
        return;
    case Action::PickAndPrint: {
        QPointer<QLocalSocket> caller(socket);
        Q_EMIT pickRequested([caller](PickAnswer answer, const QString& text) {
            if (!caller)
                return; // the launch gave up waiting
            QByteArray reply;
            QDataStream replyStream(&reply, QIODevice::WriteOnly);
            replyStream << quint8(answer) << text;
            caller->write(reply);
            caller->flush();
            caller->disconnectFromServer();
        });
        return;
    }
    default:
        socket->disconnectFromServer();
        Q_EMIT activated(files);
        return;
    }
}

} // namespace tintmere
