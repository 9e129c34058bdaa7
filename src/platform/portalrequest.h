// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include <chrono>

namespace tintmere::platform {

namespace portal {
inline constexpr auto service = "org.freedesktop.portal.Desktop";
inline constexpr auto path = "/org/freedesktop/portal/desktop";
} // namespace portal

// How the desktop portal answered one request.
struct PortalResponse {
    enum class Status {
        Success,    // response 0
        Cancelled,  // response 1: the user said no
        Failed,     // response 2: the desktop could not or would not
        TimedOut,   // no answer in time
        NoPortal,   // nobody offers the service, interface or method
        CallFailed, // the method call itself was refused
    };
    Status status = Status::Failed;
    QVariantMap results;
    QString error; // the D-Bus error's text, for CallFailed
};

// One call of a portal method that answers later through the Response signal of a Request
// object. The signal is subscribed before the call (the handle is known in advance from the
// handle_token option) so that an answer sent at once is not lost, and the connection is kept
// until it arrives. finished() is emitted exactly once, never from inside start().
class PortalRequest final : public QObject {
    Q_OBJECT

public:
    explicit PortalRequest(QDBusConnection connection, QObject* parent = nullptr);
    ~PortalRequest() override;

    // Calls `method` of `interface` with `arguments` followed by `options` (the a{sv} every
    // portal method takes last), to which the handle_token is added.
    void start(const QString& interface, const QString& method, const QVariantList& arguments,
               QVariantMap options, std::chrono::milliseconds timeout);

    // The object path the answer will come from; empty before start().
    QString handle() const { return m_handle; }

Q_SIGNALS:
    void finished(const tintmere::platform::PortalResponse& response);

private Q_SLOTS:
    void onResponse(uint response, const QVariantMap& results);

private:
    void subscribe(const QString& handle);
    void unsubscribe();
    void finish(PortalResponse response);
    void finishLater(PortalResponse response);

    QDBusConnection m_connection;
    QString m_handle;
    QTimer m_timeout;
    bool m_subscribed = false;
    bool m_finished = false;
};

} // namespace tintmere::platform
