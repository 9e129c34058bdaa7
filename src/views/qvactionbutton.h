// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <QPointer>
#include <QPushButton>

// A button that opens its menu as soon as it is pressed, below itself, and stays pressed
// (checked) until the menu closes. Space, Return and Down open the menu from the keyboard.
class QVActionButton : public QPushButton {
    Q_OBJECT

public:
    explicit QVActionButton(QWidget* parent = nullptr);

    // The menu to pop up; the button does not take ownership.
    void setActionMenu(QMenu* menu);
    QMenu* actionMenu() const { return m_menu; }

    // Where the menu's top left corner goes, in the button's coordinates.
    QPoint menuPosition() const;

    void popUpMenu();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void trackingEnded();

    QPointer<QMenu> m_menu;
    QMetaObject::Connection m_menuClosed;
};
