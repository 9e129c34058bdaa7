// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvdrawer.h"

#include "notificationcenter.h"
#include "notificationnames.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QVBoxLayout>

#include <cmath>

namespace {

bool slidesVertically(Qt::Edge edge) {
    return edge == Qt::BottomEdge || edge == Qt::TopEdge;
}

} // namespace

QVDrawer::QVDrawer(QWidget* parent, Qt::Edge edge)
    : QWidget(parent)
    , m_animation(new QPropertyAnimation(this, "openFraction", this))
    , m_edge(edge) {
    Q_ASSERT(parent);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_animation, &QPropertyAnimation::finished, this, &QVDrawer::slideFinished);
    parent->installEventFilter(this);
    hide();
}

QVDrawer::~QVDrawer() = default;

void QVDrawer::setContentWidget(QWidget* content) {
    delete m_content;
    m_content = content;
    if (content)
        layout()->addWidget(content);
    placeInParent();
}

void QVDrawer::open() {
    if (m_state == Open || m_state == Opening)
        return;
    setState(Opening);
    post(tintmere::notifications::DrawerWillOpen);
    if (m_state != Opening) // an observer closed it again
        return;
    placeInParent();
    show();
    raise();
    slideTo(1.0);
}

void QVDrawer::close() {
    if (m_state == Closed || m_state == Closing)
        return;
    setState(Closing);
    post(tintmere::notifications::DrawerWillClose);
    if (m_state != Closing)
        return;
    slideTo(0.0);
}

void QVDrawer::toggle() {
    if (m_state == Open || m_state == Opening)
        close();
    else
        open();
}

void QVDrawer::setAnimationDuration(int milliseconds) {
    m_duration = std::max(0, milliseconds);
}

void QVDrawer::setParentMakesRoom(bool makesRoom) {
    m_parentMakesRoom = makesRoom;
    placeInParent();
}

void QVDrawer::setOpenFraction(qreal fraction) {
    m_openFraction = std::clamp(fraction, 0.0, 1.0);
    placeInParent();
}

void QVDrawer::slideTo(qreal target) {
    m_animation->stop();
    // Nobody can watch a slide in a hidden window; and a turn-round takes only the way back.
    const int duration =
        static_cast<int>(std::lround(m_duration * std::abs(target - m_openFraction)));
    if (duration == 0 || !parentWidget()->isVisible()) {
        setOpenFraction(target);
        slideFinished();
        return;
    }
    m_animation->setDuration(duration);
    m_animation->setStartValue(m_openFraction);
    m_animation->setEndValue(target);
    m_animation->start();
}

void QVDrawer::slideFinished() {
    if (m_state == Opening && m_openFraction >= 1.0) {
        setState(Open);
        post(tintmere::notifications::DrawerDidOpen);
    } else if (m_state == Closing && m_openFraction <= 0.0) {
        hide();
        setState(Closed);
        post(tintmere::notifications::DrawerDidClose);
    }
}

void QVDrawer::setState(State state) {
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void QVDrawer::post(const QString& name) {
    tintmere::NotificationCenter::defaultCenter().post(name, this);
}

int QVDrawer::depth() const {
    const QSize hint = sizeHint();
    if (m_parentMakesRoom)
        return slidesVertically(m_edge) ? hint.height() : hint.width();
    const QSize area = parentWidget()->size();
    return slidesVertically(m_edge) ? std::min(hint.height(), area.height())
                                    : std::min(hint.width(), area.width());
}

QSize QVDrawer::sizeHint() const {
    return layout()->sizeHint();
}

void QVDrawer::placeInParent() {
    const QSize area = parentWidget()->size();
    const int full = depth();
    const int shown = static_cast<int>(std::lround(full * m_openFraction));
    switch (m_edge) {
    case Qt::BottomEdge:
        setGeometry(0, area.height() - shown, area.width(), full);
        break;
    case Qt::TopEdge:
        setGeometry(0, shown - full, area.width(), full);
        break;
    case Qt::RightEdge:
        setGeometry(area.width() - shown, 0, full, area.height());
        break;
    case Qt::LeftEdge:
        setGeometry(shown - full, 0, full, area.height());
        break;
    }
    if (shown != m_shownDepth) {
        m_shownDepth = shown;
        Q_EMIT shownDepthChanged(shown);
    }
}

bool QVDrawer::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // The content asked for another size: keep the drawer flush with its edge.
    if (event->type() == QEvent::LayoutRequest)
        placeInParent();
    return handled;
}

bool QVDrawer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        placeInParent();
    return QWidget::eventFilter(watched, event);
}

void QVDrawer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void QVDrawer::paintEvent(QPaintEvent*) {
    // A line along the side that faces the parent's content.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    const QRect r = rect();
    switch (m_edge) {
    case Qt::BottomEdge:
        painter.drawLine(r.topLeft(), r.topRight());
        break;
    case Qt::TopEdge:
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        break;
    case Qt::RightEdge:
        painter.drawLine(r.topLeft(), r.bottomLeft());
        break;
    case Qt::LeftEdge:
        painter.drawLine(r.topRight(), r.bottomRight());
        break;
    }
}
