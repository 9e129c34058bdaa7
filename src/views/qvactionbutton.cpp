// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvactionbutton.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

QVActionButton::QVActionButton(QWidget* parent)
    : QPushButton(parent) {
    setCheckable(true);
    setAccessibleName(tr("Actions"));
}

void QVActionButton::setActionMenu(QMenu* menu) {
    disconnect(m_menuClosed);
    m_menu = menu;
    if (menu)
        m_menuClosed = connect(menu, &QMenu::aboutToHide, this, &QVActionButton::trackingEnded);
}

QPoint QVActionButton::menuPosition() const {
    return {0, height()};
}

void QVActionButton::popUpMenu() {
    setChecked(true);
    if (!m_menu) {
        setChecked(false);
        return;
    }
    m_menu->popup(mapToGlobal(menuPosition()));
}

void QVActionButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QPushButton::mousePressEvent(event);
        return;
    }
    // The menu does the tracking; the button only shows that it is open.
    event->accept();
    popUpMenu();
}

void QVActionButton::mouseReleaseEvent(QMouseEvent* event) {
    // Keep QPushButton from toggling the state back when the press opened the menu.
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QPushButton::mouseReleaseEvent(event);
}

void QVActionButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        event->accept();
        popUpMenu();
        break;
    default:
        QPushButton::keyPressEvent(event);
    }
}

void QVActionButton::trackingEnded() {
    setChecked(false);
}
