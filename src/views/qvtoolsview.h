// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The background of the tools bar: a shaded strip with the caption "Tools" at its left
// and a grey line along its bottom edge. The tool buttons are its children.
class QVToolsView : public QWidget {
    Q_OBJECT

public:
    explicit QVToolsView(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont m_font;
    QColor m_textColor;
};
