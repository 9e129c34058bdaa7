// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvcolorwellbase.h"

#include "colorparsing.h"
#include "formatpresets.h"
#include "qtcolor.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using tintmere::Color;

namespace {

struct TransferFormats {
    tintmere::FormatSettings formats;
    int dragFamily = static_cast<int>(tintmere::FormatFamily::Hex);
};

TransferFormats& transfer() {
    static TransferFormats formats;
    return formats;
}

const tintmere::FormatSettings& currentFormatSettings() {
    return transfer().formats;
}

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

// A 12-point chip with a one-point black frame, drawn at the screen's resolution.
QPixmap dragSwatch(const Color& color, qreal devicePixelRatio) {
    constexpr int side = 12;
    QPixmap pixmap(QSize(side, side) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    painter.fillRect(QRectF(1, 1, side - 2, side - 2), tintmere::toQColor(color));
    return pixmap;
}

} // namespace

QVColorWellBase::QVColorWellBase(QWidget* parent)
    : QWidget(parent) {
    setAcceptDrops(true);
    setAccessibleName(tr("Color well"));
    updateAccessibleDescription();
}

void QVColorWellBase::setDrawGloss(bool drawGloss) {
    m_drawGloss = drawGloss;
    update();
}

void QVColorWellBase::setDrawWeb(bool drawWeb) {
    m_drawWeb = drawWeb;
    update();
}

QColor QVColorWellBase::glossColor(const Color& color, float alpha) {
    const auto lift = [](float component) { return std::min(component + 0.3f, 1.0f); };
    return tintmere::toQColor(Color{lift(color.red), lift(color.green), lift(color.blue), alpha});
}

void QVColorWellBase::storeColor(const Color& color) {
    m_color = color;
    updateAccessibleDescription();
    update();
}

void QVColorWellBase::updateAccessibleDescription() {
    setAccessibleDescription(toQString(m_color.hexStringWithPrefix(tintmere::kHexPrefix)));
}

void QVColorWellBase::setTransferFormats(const tintmere::FormatSettings& formats, int dragFamily) {
    transfer() = {formats, dragFamily};
}

QString QVColorWellBase::stringOfColor(const Color& color, int family) {
    const auto text = tintmere::stringOfColor(color, family, currentFormatSettings());
    return text ? toQString(*text) : QString();
}

QString QVColorWellBase::hexStringOfColor(const Color& color) {
    return toQString(tintmere::hexStringOfColor(color, currentFormatSettings()));
}

QString QVColorWellBase::rgbStringOfColor(const Color& color) {
    return toQString(tintmere::rgbStringOfColor(color, currentFormatSettings()));
}

QString QVColorWellBase::webStringOfColor(const Color& color) {
    return toQString(tintmere::webStringOfColor(color, currentFormatSettings()));
}

QMimeData* QVColorWellBase::mimeDataForColor(const Color& color) {
    auto* mime = new QMimeData;
    mime->setColorData(tintmere::toQColor(color));
    const QString text = stringOfColor(color, transfer().dragFamily);
    if (!text.isNull())
        mime->setText(text);
    return mime;
}

std::optional<Color> QVColorWellBase::colorFromMimeData(const QMimeData* mime) {
    if (!mime)
        return std::nullopt;
    if (mime->hasColor()) {
        const QColor dropped = qvariant_cast<QColor>(mime->colorData());
        if (dropped.isValid())
            return tintmere::colorFromQColor(dropped);
    }
    if (mime->hasText())
        return Color::colorFromString(mime->text().toStdString(), tintmere::kDropFormats);
    return std::nullopt;
}

bool QVColorWellBase::dragWanted(const QMouseEvent* event) const {
    return (event->buttons() & Qt::LeftButton) &&
           (event->position().toPoint() - m_pressPosition).manhattanLength() >=
               QApplication::startDragDistance();
}

void QVColorWellBase::startDrag() {
    execColorDrag(this, m_color);
}

void QVColorWellBase::execColorDrag(QWidget* source, const Color& color) {
    auto* drag = new QDrag(source);
    drag->setMimeData(mimeDataForColor(color));
    drag->setPixmap(dragSwatch(color, source->devicePixelRatioF()));
    // The chip sits just below and left of the pointer.
    drag->setHotSpot(QPoint(6, 7));
    drag->exec(Qt::CopyAction);
}

void QVColorWellBase::mousePressEvent(QMouseEvent* event) {
    m_pressPosition = event->position().toPoint();
    event->accept();
}

bool QVColorWellBase::takesDrag(const QDropEvent* event) const {
    // Only ever as a copy: a source that was allowed to move would delete what it gave.
    return event->source() != this && (event->possibleActions() & Qt::CopyAction) &&
           colorFromMimeData(event->mimeData()).has_value();
}

void QVColorWellBase::acceptAsCopy(QDropEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void QVColorWellBase::dragEnterEvent(QDragEnterEvent* event) {
    // Text that names no colour is refused here already, before any drop could complete.
    if (takesDrag(event))
        acceptAsCopy(event);
    else
        event->ignore();
}

void QVColorWellBase::dragMoveEvent(QDragMoveEvent* event) {
    if (takesDrag(event))
        acceptAsCopy(event);
    else
        event->ignore();
}

void QVColorWellBase::dropEvent(QDropEvent* event) {
    if (!takesDrag(event) || !performDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    acceptAsCopy(event);
    concludeDrop();
}
