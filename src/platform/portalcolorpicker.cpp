// SPDX-License-Identifier: GPL-3.0-or-later
#include "portalcolorpicker.h"

#include "platformreasons.h"
#include "portalrequest.h"

#include <QDBusArgument>

#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::platform {

namespace {

// The portal's colour is a (ddd) structure of sRGB components from 0 to 1.
std::optional<QColor> colorOf(const QVariant& value) {
    if (!value.canConvert<QDBusArgument>())
        return std::nullopt;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != u"(ddd)")
        return std::nullopt;
    double components[3] = {};
    argument.beginStructure();
    argument >> components[0] >> components[1] >> components[2];
    argument.endStructure();
    for (const double c : components) {
        if (!std::isfinite(c) || c < 0.0 || c > 1.0)
            return std::nullopt;
    }
    return QColor::fromRgbF(float(components[0]), float(components[1]), float(components[2]));
}

} // namespace

PortalColorPicker::PortalColorPicker(QDBusConnection connection, QObject* parent)
    : DesktopColorPicker(parent)
    , m_connection(std::move(connection)) {
}

void PortalColorPicker::pick() {
    if (isBusy())
        return;
    m_request = new PortalRequest(m_connection, this);
    connect(m_request, &PortalRequest::finished, this, &PortalColorPicker::answered);
    m_request->start(u"org.freedesktop.portal.Screenshot"_s, u"PickColor"_s, {QString()}, {},
                     m_timeout);
}

void PortalColorPicker::answered(const PortalResponse& response) {
    m_request->deleteLater();
    m_request = nullptr;
    using Status = PortalResponse::Status;
    using Result = ColorPickResult::Status;
    ColorPickResult result;
    switch (response.status) {
    case Status::Success:
        if (const std::optional<QColor> color = colorOf(response.results.value(u"color"_s)))
            result = {Result::Picked, *color, {}};
        else
            result = {Result::Error, {}, reasons::pickInvalidColor()};
        break;
    case Status::Cancelled:
        result = {Result::Cancelled, {}, reasons::pickCancelled()};
        break;
    case Status::Failed:
        result = {Result::Refused, {}, reasons::pickFailed()};
        break;
    case Status::CallFailed:
        result = {Result::Refused, {}, reasons::portalCallFailed(response.error)};
        break;
    case Status::TimedOut:
        result = {Result::Error, {}, reasons::portalTimedOut()};
        break;
    case Status::NoPortal:
        result = {Result::Missing, {}, reasons::portalMissing()};
        break;
    }
    Q_EMIT finished(result);
}

} // namespace tintmere::platform
