// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screensnapshot.h"

#include <QDBusConnection>
#include <QDateTime>
#include <QSize>

#include <chrono>
#include <optional>

namespace tintmere::platform {

class PortalRequest;
struct PortalResponse;

// The screens frozen by the desktop portal's Screenshot: asked without a dialog first, and
// with one when the desktop insists. The portal writes the image to a file for us; it is read
// and then deleted, so screenshots do not pile up in the user's folders.
class PortalScreenshot final : public ScreenSnapshot {
    Q_OBJECT

public:
    explicit PortalScreenshot(QDBusConnection connection, QObject* parent = nullptr);
    ~PortalScreenshot() override;

    // How long the desktop may take without a dialog, and with one (the user's time).
    void setTimeouts(std::chrono::milliseconds quiet, std::chrono::milliseconds interactive);
    // The screens the image must show; by default the application's screens at request time.
    void setScreens(const QList<ScreenLayout>& screens);
    // The size the image must have; by default any isFrozenImageSize() accepts for the
    // screens. An empty size accepts any.
    void setExpectedSize(QSize size);

    void request() override;
    bool isBusy() const override { return m_request != nullptr; }
    QString unavailableReason() const override { return m_unavailableReason; }
    // Asks the portal, without waiting, whether it offers screenshots at all; the answer
    // comes as availabilityChanged() where it offers none.
    void checkAvailability();

private:
    void setUnavailableReason(const QString& reason);
    void ask(bool interactive);
    void answered(const PortalResponse& response);
    SnapshotResult readImage(const QVariantMap& results) const;
    void finish(SnapshotResult result);

    QDBusConnection m_connection;
    std::chrono::milliseconds m_quietTimeout{10'000};
    std::chrono::milliseconds m_interactiveTimeout{120'000};
    std::optional<QList<ScreenLayout>> m_screens;
    std::optional<QSize> m_expectedSize;
    QList<ScreenLayout> m_requestScreens;
    QDateTime m_requestedAt;
    bool m_interactive = false;
    PortalRequest* m_request = nullptr;
    QString m_unavailableReason;
};

} // namespace tintmere::platform
