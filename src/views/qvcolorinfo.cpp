// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvcolorinfo.h"

#include "notificationcenter.h"
#include "notificationnames.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int kLabelFontSize = 10;
constexpr qreal kTextMargin = 16;
const QString kEllipsis = u"..."_s;
} // namespace

QVColorInfo::QVColorInfo(QWidget* parent)
    : QWidget(parent)
    , m_stringFont(labelFontOfSize(0)) {
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    setToolTip(tr("Click to copy, drag to take along, right-click for the next notation"));
    resize(100, 16);
}

QFont QVColorInfo::labelFontOfSize(int size) {
    // Sizes are in points of 1/72 inch as drawn on screen: one logical pixel each, so the
    // rows keep their proportions.
    QFont font = QApplication::font();
    font.setPixelSize(size > 0 ? size : kLabelFontSize);
    return font;
}

QSize QVColorInfo::sizeHint() const {
    return QSize(int(std::ceil(textWidth(trimmedString(m_string)) + kTextMargin)), height());
}

qreal QVColorInfo::textWidth(const QString& text) const {
    return QFontMetricsF(m_stringFont).horizontalAdvance(text);
}

void QVColorInfo::setString(const QString& string) {
    m_string = string;
    m_hasString = true;
    setAccessibleName(string);
    fitWidthToText();
}

void QVColorInfo::setFontColor(const QColor& color) {
    m_fontColor = color;
    update();
}

void QVColorInfo::setAltFontColor(const QColor& color) {
    m_altFontColor = color;
    update();
}

void QVColorInfo::setStringFont(const QFont& font) {
    m_stringFont = font;
    fitWidthToText();
}

void QVColorInfo::setFontSize(int size) {
    m_fontSize = size;
    setStringFont(labelFontOfSize(size));
}

void QVColorInfo::setMaxWidth(qreal width) {
    m_maxWidth = width;
    fitWidthToText();
}

void QVColorInfo::fitWidthToText() {
    resize(sizeHint().width(), height());
    update();
}

QString QVColorInfo::trimmedString(const QString& string) const {
    if (m_maxWidth == 0 || textWidth(string) <= m_maxWidth)
        return string;
    const qreal room = m_maxWidth - textWidth(kEllipsis);
    QString kept = string;
    while (!kept.isEmpty() && textWidth(kept) > room)
        kept.chop(1);
    return kept + kEllipsis;
}

bool QVColorInfo::isHighlighted() const {
    return m_hovered || m_ensureHighlight;
}

void QVColorInfo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = width();
    const qreal h = height();
    const bool highlighted = isHighlighted();
    if (highlighted) {
        QPainterPath pill;
        pill.addRoundedRect(QRectF(0, 0, std::trunc(w), std::trunc(h)), h * 0.5, h * 0.5);
        painter.fillPath(pill, m_isMouseDown ? m_altBackgroundColor : m_backgroundColor);
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1));
        painter.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), h * 0.5 - 0.5, h * 0.5 - 0.5);
    }

    const QString text = trimmedString(m_string);
    const QFontMetricsF metrics(m_stringFont);
    // Odd sizes sit one point high so the digits look centred.
    const qreal lift = m_fontSize % 2 == 1 ? 1.0 : 0.0;
    const QPointF topLeft((w - metrics.horizontalAdvance(text)) * 0.5,
                          (h - metrics.height()) * 0.5 - lift);
    painter.setFont(m_stringFont);
    painter.setPen(highlighted ? m_altFontColor : m_fontColor);
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), text);
}

QMimeData* QVColorInfo::mimeDataForDrag() const {
    auto* mime = new QMimeData;
    mime->setText(m_string);
    return mime;
}

void QVColorInfo::copyToClipboard() const {
    QApplication::clipboard()->setText(m_string);
}

void QVColorInfo::postRightClick() {
    tintmere::NotificationCenter::defaultCenter().post(tintmere::notifications::ColorInfoRightClick,
                                                       this);
}

QPixmap QVColorInfo::dragPixmap() {
    m_ensureHighlight = true;
    const QPixmap highlighted = grab();
    m_ensureHighlight = false;

    QPixmap faded(highlighted.size());
    faded.setDevicePixelRatio(highlighted.devicePixelRatio());
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(0.8);
    painter.drawPixmap(0, 0, highlighted);
    return faded;
}

void QVColorInfo::startDrag() {
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeDataForDrag());
    drag->setPixmap(dragPixmap());
    drag->setHotSpot(m_pressPosition);
    if (drag->exec(Qt::CopyAction) == Qt::IgnoreAction)
        update();
}

void QVColorInfo::mousePressEvent(QMouseEvent* event) {
    m_pressPosition = event->position().toPoint();
    m_dragged = false;
    if (event->button() == Qt::RightButton) {
        if (m_offersMenu && (event->modifiers() & Qt::ShiftModifier))
            Q_EMIT menuRequested(event->globalPosition().toPoint());
        else
            postRightClick();
    } else if (event->button() == Qt::LeftButton) {
        m_isMouseDown = true;
        update();
    }
    // Accepted: a press on the string never moves the window.
    event->accept();
}

void QVColorInfo::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragged || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - m_pressPosition).manhattanLength() <
            QApplication::startDragDistance())
        return;
    m_dragged = true;
    startDrag();
    m_isMouseDown = false;
    update();
}

void QVColorInfo::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasDown = m_isMouseDown;
    m_isMouseDown = false;
    update();
    // A drag takes the string along without touching the clipboard.
    if (wasDown && !m_dragged)
        copyToClipboard();
}

void QVColorInfo::enterEvent(QEnterEvent*) {
    m_hovered = true;
    m_isMouseDown = false;
    update();
}

void QVColorInfo::leaveEvent(QEvent*) {
    m_hovered = false;
    m_isMouseDown = false;
    update();
}

void QVColorInfo::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        copyToClipboard();
        break;
    default:
        if (event->matches(QKeySequence::Copy))
            copyToClipboard();
        else
            QWidget::keyPressEvent(event);
    }
}

void QVColorInfo::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's right click was handled on press; the keyboard's menu key opens the menu,
    // which also offers the next notation, or steps the notation itself.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        if (m_offersMenu)
            Q_EMIT menuRequested(mapToGlobal(QPoint(0, height())));
        else
            postRightClick();
    }
    event->accept();
}

bool QVColorInfo::event(QEvent* event) {
    // A focused row copies its own string, before any window-wide Copy command.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void QVColorInfo::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void QVColorInfo::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}
