// SPDX-License-Identifier: GPL-3.0-or-later
#include "portalrequest.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QRandomGenerator>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::platform {

namespace {

constexpr auto requestInterface = "org.freedesktop.portal.Request";

// Unique per process and request, and a valid object path element.
QString newToken() {
    static int counter = 0;
    return u"tintmere%1_%2"_s.arg(++counter).arg(QRandomGenerator::global()->generate(), 0, 16);
}

// The path a portal gives the request: the caller's unique name without its colon and with
// underscores for dots, then the token.
QString expectedHandle(const QDBusConnection& connection, const QString& token) {
    QString sender = connection.baseService().mid(1);
    sender.replace(u'.', u'_');
    return u"/org/freedesktop/portal/desktop/request/%1/%2"_s.arg(sender, token);
}

bool meansNoPortal(QDBusError::ErrorType type) {
    switch (type) {
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
    case QDBusError::Disconnected:
        return true;
    default:
        return false;
    }
}

} // namespace

PortalRequest::PortalRequest(QDBusConnection connection, QObject* parent)
    : QObject(parent)
    , m_connection(std::move(connection)) {
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        // Tell the portal we gave up, so a dialog it may show goes away.
        if (m_connection.isConnected() && !m_handle.isEmpty()) {
            m_connection.call(
                QDBusMessage::createMethodCall(QString::fromLatin1(portal::service), m_handle,
                                               QString::fromLatin1(requestInterface), u"Close"_s),
                QDBus::NoBlock);
        }
        finish({PortalResponse::Status::TimedOut, {}, {}});
    });
}

PortalRequest::~PortalRequest() {
    unsubscribe();
}

void PortalRequest::start(const QString& interface, const QString& method,
                          const QVariantList& arguments, QVariantMap options,
                          std::chrono::milliseconds timeout) {
    if (!m_connection.isConnected()) {
        finishLater({PortalResponse::Status::NoPortal, {}, m_connection.lastError().message()});
        return;
    }
    const QString token = newToken();
    options.insert(u"handle_token"_s, token);
    subscribe(expectedHandle(m_connection, token));

    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(portal::service), QString::fromLatin1(portal::path), interface, method);
    call.setArguments(QVariantList(arguments) << options);
    auto* watcher =
        new QDBusPendingCallWatcher(m_connection.asyncCall(call, int(timeout.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        if (m_finished)
            return;
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            const QDBusError error = reply.error();
            finish({meansNoPortal(error.type()) ? PortalResponse::Status::NoPortal
                                                : PortalResponse::Status::CallFailed,
                    {},
                    error.message()});
            return;
        }
        // Portals older than the handle_token option choose the path themselves.
        if (const QString handle = reply.value().path(); handle != m_handle)
            subscribe(handle);
    });
    m_timeout.start(timeout);
}

void PortalRequest::onResponse(uint response, const QVariantMap& results) {
    using Status = PortalResponse::Status;
    const Status status = response == 0   ? Status::Success
                          : response == 1 ? Status::Cancelled
                                          : Status::Failed;
    finish({status, results, {}});
}

void PortalRequest::subscribe(const QString& handle) {
    unsubscribe();
    m_handle = handle;
    m_subscribed = m_connection.connect(QString::fromLatin1(portal::service), m_handle,
                                        QString::fromLatin1(requestInterface), u"Response"_s, this,
                                        SLOT(onResponse(uint, QVariantMap)));
}

void PortalRequest::unsubscribe() {
    if (!m_subscribed)
        return;
    m_connection.disconnect(QString::fromLatin1(portal::service), m_handle,
                            QString::fromLatin1(requestInterface), u"Response"_s, this,
                            SLOT(onResponse(uint, QVariantMap)));
    m_subscribed = false;
}

void PortalRequest::finish(PortalResponse response) {
    if (m_finished)
        return;
    m_finished = true;
    m_timeout.stop();
    unsubscribe();
    Q_EMIT finished(response);
}

void PortalRequest::finishLater(PortalResponse response) {
    QTimer::singleShot(0, this, [this, response = std::move(response)] { finish(response); });
}

} // namespace tintmere::platform
