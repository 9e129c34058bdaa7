// SPDX-License-Identifier: GPL-3.0-or-later
#include "portalscreenshot.h"

#include "platformreasons.h"
#include "portalrequest.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::platform {

namespace {

constexpr auto screenshotInterface = "org.freedesktop.portal.Screenshot";
// Room for several 8K screens; Qt's default refuses images above 128 MiB.
constexpr int imageAllocationLimitMiB = 1024;
// File times may be coarser than our clock.
constexpr qint64 fileTimeSlackMs = 2000;

} // namespace

PortalScreenshot::PortalScreenshot(QDBusConnection connection, QObject* parent)
    : ScreenSnapshot(parent)
    , m_connection(std::move(connection)) {
}

PortalScreenshot::~PortalScreenshot() = default;

void PortalScreenshot::setTimeouts(std::chrono::milliseconds quiet,
                                   std::chrono::milliseconds interactive) {
    m_quietTimeout = quiet;
    m_interactiveTimeout = interactive;
}

void PortalScreenshot::setScreens(const QList<ScreenLayout>& screens) {
    m_screens = screens;
}

void PortalScreenshot::setExpectedSize(QSize size) {
    m_expectedSize = size;
}

void PortalScreenshot::checkAvailability() {
    if (!m_connection.isConnected()) {
        setUnavailableReason(reasons::portalMissing());
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(portal::service), QString::fromLatin1(portal::path),
        u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    call.setArguments({QString::fromLatin1(screenshotInterface), u"version"_s});
    auto* watcher = new QDBusPendingCallWatcher(
        m_connection.asyncCall(call, int(m_quietTimeout.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *watcher;
        if (!reply.isError())
            return;
        // Only a clear "there is none": a slow or busy portal may still take screenshots.
        switch (reply.error().type()) {
        case QDBusError::ServiceUnknown:
        case QDBusError::UnknownObject:
        case QDBusError::UnknownInterface:
        case QDBusError::UnknownProperty:
        case QDBusError::InvalidArgs:
            setUnavailableReason(reasons::portalMissing());
            return;
        default:
            return;
        }
    });
}

void PortalScreenshot::setUnavailableReason(const QString& reason) {
    if (reason == m_unavailableReason)
        return;
    m_unavailableReason = reason;
    Q_EMIT availabilityChanged();
}

void PortalScreenshot::request() {
    if (isBusy())
        return;
    m_requestScreens = m_screens.value_or(currentScreenLayout());
    m_requestedAt = QDateTime::currentDateTimeUtc();
    ask(false);
}

void PortalScreenshot::ask(bool interactive) {
    m_interactive = interactive;
    m_request = new PortalRequest(m_connection, this);
    connect(m_request, &PortalRequest::finished, this, &PortalScreenshot::answered);
    m_request->start(QString::fromLatin1(screenshotInterface), u"Screenshot"_s, {QString()},
                     {{u"interactive"_s, interactive}, {u"modal"_s, true}},
                     interactive ? m_interactiveTimeout : m_quietTimeout);
}

void PortalScreenshot::answered(const PortalResponse& response) {
    m_request->deleteLater();
    m_request = nullptr;
    using Status = PortalResponse::Status;
    using Result = SnapshotResult::Status;
    switch (response.status) {
    case Status::Success:
        setUnavailableReason({});
        finish(readImage(response.results));
        return;
    case Status::Cancelled:
        finish({Result::Cancelled, {}, reasons::screenshotCancelled()});
        return;
    case Status::Failed:
    case Status::CallFailed:
        // Some desktops take a screenshot only after asking the user.
        if (!m_interactive) {
            ask(true);
            return;
        }
        finish({Result::Refused,
                {},
                response.status == Status::Failed ? reasons::screenshotFailed()
                                                  : reasons::portalCallFailed(response.error)});
        return;
    case Status::TimedOut:
        finish({Result::Error, {}, reasons::portalTimedOut()});
        return;
    case Status::NoPortal:
        setUnavailableReason(reasons::portalMissing());
        finish({Result::Missing, {}, reasons::portalMissing()});
        return;
    }
}

SnapshotResult PortalScreenshot::readImage(const QVariantMap& results) const {
    using Result = SnapshotResult::Status;
    const QString uri = results.value(u"uri"_s).toString();
    const QUrl url(uri, QUrl::StrictMode);
    if (!url.isValid() || !url.isLocalFile() || !url.host().isEmpty())
        return {Result::Error, {}, reasons::screenshotNotLocal(uri)};
    const QString path = url.toLocalFile();
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile())
        return {Result::Error,
                {},
                reasons::screenshotUnreadable(path, info.exists() ? tr("Not a regular file.")
                                                                  : tr("No such file."))};

    QImageReader reader(path);
    reader.setAllocationLimit(imageAllocationLimitMiB);
    const QSize expected = m_expectedSize.value_or(frozenImageSize(m_requestScreens));
    const auto fits = [&](QSize size) {
        return expected.isEmpty() || size == expected ||
               (!m_expectedSize && isFrozenImageSize(size, m_requestScreens));
    };
    SnapshotResult result{Result::Taken, {}, {}};
    if (const QSize size = reader.size(); size.isValid() && !fits(size))
        result = {Result::Error, {}, reasons::screenshotWrongSize(size, expected)};
    else if (QImage image = reader.read(); image.isNull())
        result = {Result::Error, {}, reasons::screenshotUnreadable(path, reader.errorString())};
    else if (!fits(image.size()))
        result = {Result::Error, {}, reasons::screenshotWrongSize(image.size(), expected)};
    else
        result.screens = freezeScreens(std::move(image), m_requestScreens);

    // Only a file the portal wrote for this request is ours to delete.
    if (info.lastModified().msecsTo(m_requestedAt) <= fileTimeSlackMs)
        QFile::remove(path);
    return result;
}

void PortalScreenshot::finish(SnapshotResult result) {
    Q_EMIT finished(result);
}

} // namespace tintmere::platform
