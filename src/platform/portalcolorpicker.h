// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktopcolorpicker.h"

#include <QDBusConnection>

#include <chrono>

namespace tintmere::platform {

class PortalRequest;
struct PortalResponse;

// The desktop portal's PickColor.
class PortalColorPicker final : public DesktopColorPicker {
    Q_OBJECT

public:
    explicit PortalColorPicker(QDBusConnection connection, QObject* parent = nullptr);

    // How long the user may take to pick.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }

    void pick() override;
    bool isBusy() const override { return m_request != nullptr; }

private:
    void answered(const PortalResponse& response);

    QDBusConnection m_connection;
    std::chrono::milliseconds m_timeout{120'000};
    PortalRequest* m_request = nullptr;
};

} // namespace tintmere::platform
