// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowframes.h"

#include "displaysession.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace tintmere {

namespace {

QRect clampedFrame(const QRect& frame, const QRect& available) {
    if (available.isEmpty())
        return frame;
    const int width = std::clamp(frame.width(), 1, available.width());
    const int height = std::clamp(frame.height(), 1, available.height());
    const int left = std::clamp(frame.left(), available.left(), available.right() - width + 1);
    const int top = std::clamp(frame.top(), available.top(), available.bottom() - height + 1);
    return {left, top, width, height};
}

// QWidget::saveGeometry's record, versions 2 (Qt 5) and 3 (Qt 6.4 on).
struct FrameRecord {
    static constexpr quint32 kMagic = 0x1D9D0CB;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    QRect normal;
    qint32 screen = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    qint32 screenWidth = 0;
    QRect geometry; // version 3
};

std::optional<FrameRecord> readFrame(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    FrameRecord record;
    in >> magic >> record.major >> record.minor;
    if (magic != FrameRecord::kMagic || record.major < 2 || record.major > 3)
        return std::nullopt;
    in >> record.frame >> record.normal >> record.screen >> record.maximized >> record.fullScreen >>
        record.screenWidth;
    if (record.major > 2)
        in >> record.geometry;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    return record;
}

QByteArray writeFrame(const FrameRecord& record) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_0);
    out << FrameRecord::kMagic << record.major << record.minor << record.frame << record.normal
        << record.screen << record.maximized << record.fullScreen << record.screenWidth;
    if (record.major > 2)
        out << record.geometry;
    return bytes;
}

} // namespace

QRect placedFrame(const QRect& frame, const QList<QRect>& availableAreas) {
    if (availableAreas.isEmpty())
        return frame;
    const auto shownArea = [&frame](const QRect& area) {
        const QRect shown = area.intersected(frame);
        return shown.isEmpty() ? 0 : qint64(shown.width()) * shown.height();
    };
    const auto distance = [&frame](const QRect& area) {
        const QPoint offset = area.center() - frame.center();
        return qint64(offset.x()) * offset.x() + qint64(offset.y()) * offset.y();
    };
    auto best = std::max_element(
        availableAreas.cbegin(), availableAreas.cend(),
        [&](const QRect& a, const QRect& b) { return shownArea(a) < shownArea(b); });
    if (shownArea(*best) == 0)
        best = std::min_element(
            availableAreas.cbegin(), availableAreas.cend(),
            [&](const QRect& a, const QRect& b) { return distance(a) < distance(b); });
    return clampedFrame(frame, *best);
}

bool restoreFrameOnScreens(QWidget* window, const QByteArray& frame) {
    if (frame.isEmpty() || !window->restoreGeometry(frame))
        return false;
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    const QRect restored = window->geometry();
    const QRect placed = placedFrame(restored, areas);
    if (placed != restored)
        window->setGeometry(placed);
    return true;
}

QByteArray frameToSave(const QByteArray& current, const QByteArray& saved, bool positionsKnown) {
    if (positionsKnown)
        return current;
    const std::optional<FrameRecord> now = readFrame(current);
    const std::optional<FrameRecord> before = readFrame(saved);
    // Without a known place (Qt's is its screen's corner) the saved frame stays as it is; the
    // sizes that matter are the content's.
    if (!before || !now)
        return saved;
    FrameRecord merged = *now;
    const auto placed = [](const QRect& sized, const QRect& place) {
        return QRect(place.topLeft(), sized.size());
    };
    merged.frame = placed(now->frame, before->frame);
    merged.normal = placed(now->normal, before->normal);
    merged.geometry = placed(now->geometry, before->major > 2 ? before->geometry : before->normal);
    // The position is on that screen, as it was then.
    merged.screen = before->screen;
    merged.screenWidth = before->screenWidth;
    return writeFrame(merged);
}

QByteArray frameToSave(const QWidget* window, const QByteArray& saved) {
    return frameToSave(window->saveGeometry(), saved,
                       platform::programPlacesWindows(platform::currentDisplaySession()));
}

} // namespace tintmere
