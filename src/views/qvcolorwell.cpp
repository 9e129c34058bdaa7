// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvcolorwell.h"

#include "qtcolor.h"
#include "qvcolorpanel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

using namespace Qt::Literals::StringLiterals;
using tintmere::Color;

QVColorWell::QVColorWell(QWidget* parent)
    : QVColorWellBase(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

QVColorWell::~QVColorWell() {
    if (m_active)
        QVColorPanel::shared().detach(this);
}

QSize QVColorWell::sizeHint() const {
    return QSize(45, 45);
}

void QVColorWell::adoptColor(const Color& color) {
    storeColor(color);
    if (m_active && !m_takingPanelColor)
        QVColorPanel::shared().setColor(tintmere::toQColor(color));
}

void QVColorWell::setColor(const Color& color) {
    adoptColor(color);
    sendAction();
}

void QVColorWell::setColorWithNoAction(const Color& color) {
    adoptColor(color);
}

void QVColorWell::resetColor() {
    setColor(Color{1.0f, 1.0f, 1.0f, 1.0f});
    sendAction();
}

void QVColorWell::activate(bool /*exclusive*/) {
    QVColorPanel& panel = QVColorPanel::shared();
    if (!m_active) {
        panel.attach(
            this,
            [this](const QColor& picked) {
                m_takingPanelColor = true;
                setColor(tintmere::colorFromQColor(picked));
                m_takingPanelColor = false;
            },
            [this] { deactivate(); });
        m_active = true;
        panel.setColor(tintmere::toQColor(color()));
        update();
    }
    panel.orderFront();
}

void QVColorWell::deactivate() {
    if (!m_active)
        return;
    m_active = false;
    QVColorPanel::shared().detach(this);
    update();
}

void QVColorWell::toggleActive() {
    if (m_active)
        deactivate();
    else
        activate(true);
}

void QVColorWell::setContextMenu(QMenu* menu) {
    if (menu == m_contextMenu)
        return;
    delete m_contextMenu;
    m_contextMenu = menu;
    if (menu)
        menu->setParent(this, menu->windowFlags());
}

bool QVColorWell::performDrop(const QMimeData* mime) {
    const auto dropped = colorFromMimeData(mime);
    if (!dropped) {
        QApplication::beep();
        return false;
    }
    setColor(*dropped);
    return true;
}

void QVColorWell::concludeDrop() {
    // The receiver hears once more, now that the drop is complete.
    sendAction();
}

void QVColorWell::mousePressEvent(QMouseEvent* event) {
    QVColorWellBase::mousePressEvent(event);
    m_dragging = false;
    if (event->button() == Qt::LeftButton)
        sendAction();
}

void QVColorWell::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging && dragWanted(event)) {
        m_dragging = true;
        startDrag();
    }
}

void QVColorWell::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !m_dragging && rect().contains(event->pos()))
        toggleActive();
    m_dragging = false;
}

void QVColorWell::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        sendAction();
        toggleActive();
        break;
    default:
        QVColorWellBase::keyPressEvent(event);
    }
}

void QVColorWell::contextMenuEvent(QContextMenuEvent* event) {
    if (m_contextMenu)
        m_contextMenu->popup(event->globalPos());
    else
        event->ignore();
}

void QVColorWell::paintBezel(QPainter& painter) const {
    // Two fills rather than a stroked outline: antialiased strokes cost several times more.
    const QRectF frame(rect());
    const QColor edge = hasFocus() ? palette().highlight().color() : palette().mid().color();
    QLinearGradient face(frame.topLeft(), frame.bottomLeft());
    if (m_active) {
        // Linked to the colour panel: a pressed face in the selection colour.
        const QColor highlight = palette().highlight().color();
        face.setColorAt(0, highlight.darker(115));
        face.setColorAt(1, highlight);
    } else {
        const QColor button = palette().button().color();
        face.setColorAt(0, button.lighter(108));
        face.setColorAt(1, button.darker(106));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(edge);
    painter.drawRoundedRect(frame, 4.5, 4.5);
    painter.setBrush(face);
    painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), 3.5, 3.5);
}

QPixmap QVColorWell::bezel(qreal dpr) const {
    // Wells of one palette share a look, so one drawing serves them all.
    const QString key = u"QVColorWell %1x%2@%3 %4%5 %6"_s.arg(width())
                            .arg(height())
                            .arg(dpr)
                            .arg(int(m_active))
                            .arg(int(hasFocus()))
                            .arg(palette().cacheKey());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap(size() * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBezel(painter);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void QVColorWell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The painter's device is the widget even when rendering elsewhere; the transform
    // knows the real pixel ratio.
    painter.drawPixmap(QPointF(0, 0), bezel(painter.deviceTransform().m11()));

    const int w = width();
    const int h = height();
    const Color c = color();
    painter.fillRect(QRect(6, 6, w - 12, h - 12), QColor::fromRgbF(0.35f, 0.35f, 0.35f));
    painter.fillRect(QRect(7, 7, w - 14, h - 14), tintmere::toQColor(c));

    if (drawWeb()) {
        // The lower-right half of the swatch shows the nearest web-safe colour.
        const QPointF corners[] = {QPointF(6, h - 6), QPointF(w - 6, 6), QPointF(w - 6, h - 6)};
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(tintmere::toQColor(c.webColor()));
        painter.drawPolygon(corners, 3);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    if (drawGloss()) {
        const QRectF gloss(7, 7, w - 14, h - 14);
        painter.fillRect(QRectF(gloss.x(), gloss.y(), gloss.width(), gloss.height() / 2),
                         glossColor(c, 0.3f));
        painter.fillRect(QRectF(gloss.x(), gloss.y(), gloss.width(), 1), glossColor(c, 0.8f));
    }
}
