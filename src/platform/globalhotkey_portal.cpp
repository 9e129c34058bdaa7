// SPDX-License-Identifier: GPL-3.0-or-later
#include "globalhotkey_portal.h"

#include "platformreasons.h"
#include "portalrequest.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QRandomGenerator>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::platform {

// One entry of the portal's a(sa{sv}) list of shortcuts.
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace tintmere::platform

Q_DECLARE_METATYPE(tintmere::platform::PortalShortcut)

namespace tintmere::platform {

namespace {

constexpr auto shortcutsInterface = "org.freedesktop.portal.GlobalShortcuts";
constexpr auto shortcutId = "pick";

QString pathOf(const QVariant& value) {
    if (value.canConvert<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

} // namespace

PortalGlobalHotKey::PortalGlobalHotKey(QDBusConnection connection,
                                       std::chrono::milliseconds timeout, QObject* parent)
    : GlobalHotKey(parent)
    , m_connection(std::move(connection))
    , m_timeout(timeout)
    , m_reason(reasons::hotKeyRegistering()) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    const QString service = QString::fromLatin1(portal::service);
    const QString path = QString::fromLatin1(portal::path);
    const QString interface = QString::fromLatin1(shortcutsInterface);
    m_connection.connect(service, path, interface, u"Activated"_s, this,
                         SLOT(onActivated(QDBusMessage)));
    m_connection.connect(service, path, interface, u"ShortcutsChanged"_s, this,
                         SLOT(onShortcutsChanged(QDBusMessage)));

    auto* request = new PortalRequest(m_connection, this);
    connect(request, &PortalRequest::finished, this, &PortalGlobalHotKey::sessionCreated);
    request->start(interface, u"CreateSession"_s, {},
                   {{u"session_handle_token"_s,
                     u"tintmere_%1"_s.arg(QRandomGenerator::global()->generate(), 0, 16)}},
                   m_timeout);
}

PortalGlobalHotKey::~PortalGlobalHotKey() {
    // Closing the session releases the shortcut.
    if (!m_session.isEmpty() && m_connection.isConnected()) {
        m_connection.call(
            QDBusMessage::createMethodCall(QString::fromLatin1(portal::service), m_session,
                                           u"org.freedesktop.portal.Session"_s, u"Close"_s),
            QDBus::NoBlock);
    }
}

bool PortalGlobalHotKey::isAvailable() const {
    return m_bound && !m_binding.isEmpty();
}

QString PortalGlobalHotKey::unavailableReason() const {
    if (isAvailable())
        return {};
    return m_bound ? reasons::hotKeyNotAssigned() : m_reason;
}

void PortalGlobalHotKey::sessionCreated(const PortalResponse& response) {
    sender()->deleteLater();
    m_session = pathOf(response.results.value(u"session_handle"_s));
    if (response.status != PortalResponse::Status::Success || m_session.isEmpty()) {
        fail(response);
        return;
    }
    const PortalShortcut shortcut{
        QString::fromLatin1(shortcutId),
        {{u"description"_s,
          QCoreApplication::translate("tintmere::platform", "Lock magnifier / pick")},
         {u"preferred_trigger"_s, u"CTRL+ALT+LOGO+l"_s}}};
    auto* request = new PortalRequest(m_connection, this);
    connect(request, &PortalRequest::finished, this, &PortalGlobalHotKey::shortcutsBound);
    request->start(QString::fromLatin1(shortcutsInterface), u"BindShortcuts"_s,
                   {QVariant::fromValue(QDBusObjectPath(m_session)),
                    QVariant::fromValue(QList<PortalShortcut>{shortcut}), QString()},
                   {}, m_timeout);
}

void PortalGlobalHotKey::shortcutsBound(const PortalResponse& response) {
    sender()->deleteLater();
    if (response.status != PortalResponse::Status::Success) {
        fail(response);
        return;
    }
    m_bound = true;
    setBinding(response.results.value(u"shortcuts"_s));
}

void PortalGlobalHotKey::fail(const PortalResponse& response) {
    using Status = PortalResponse::Status;
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("tintmere::platform", text);
    };
    switch (response.status) {
    case Status::NoPortal:
        m_reason = reasons::hotKeyNoPortal();
        break;
    case Status::Cancelled:
        m_reason = reasons::hotKeyPortalRefused(tr("declined"));
        break;
    case Status::TimedOut:
        m_reason = reasons::hotKeyPortalRefused(tr("no answer"));
        break;
    case Status::CallFailed:
        m_reason = reasons::hotKeyPortalRefused(response.error);
        break;
    case Status::Success:
    case Status::Failed:
        m_reason = reasons::hotKeyPortalRefused(tr("failed"));
        break;
    }
    Q_EMIT statusChanged();
}

void PortalGlobalHotKey::setBinding(const QVariant& shortcuts) {
    QString binding;
    if (shortcuts.canConvert<QDBusArgument>()) {
        const auto list = qdbus_cast<QList<PortalShortcut>>(shortcuts.value<QDBusArgument>());
        for (const PortalShortcut& shortcut : list) {
            if (shortcut.id == QLatin1StringView(shortcutId))
                binding = shortcut.properties.value(u"trigger_description"_s).toString();
        }
    }
    m_binding = binding;
    Q_EMIT statusChanged();
}

void PortalGlobalHotKey::onActivated(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() >= 2 && !m_session.isEmpty() && pathOf(arguments.at(0)) == m_session &&
        arguments.at(1).toString() == QLatin1StringView(shortcutId))
        Q_EMIT activated();
}

void PortalGlobalHotKey::onShortcutsChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (m_bound && arguments.size() >= 2 && pathOf(arguments.at(0)) == m_session)
        setBinding(arguments.at(1));
}

} // namespace tintmere::platform
