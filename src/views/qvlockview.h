// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A padlock with the word "Locked" or "Unlocked" beside it: shows whether the magnifier's
// image is held. Starts unlocked.
class QVLockView : public QWidget {
    Q_OBJECT

public:
    explicit QVLockView(QWidget* parent = nullptr);

    bool isLocked() const { return m_isLocked; }
    void setIsLocked(bool locked);
    void toggleStatus();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString statusText() const;
    void updateAccessibleDescription();

    QFont m_font;
    QColor m_textColor;
    bool m_isLocked = false;
};
