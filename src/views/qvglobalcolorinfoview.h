// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qvinfoview.h"

#include <QSizeF>

// The global panel's colour strings: white bold labels, no header, no background, rows
// packed without gaps for hidden ones and a height that fits the shown rows. The panel
// can be dragged by this view's background.
class QVGlobalColorInfoView : public QVInfoView {
    Q_OBJECT

public:
    explicit QVGlobalColorInfoView(int width = 115, QWidget* parent = nullptr);

    void compareLabelSizeAtIndex(int index) override;
    void updateInfoPositions() override;

    // Width: the widest shown label; height: one row of the label font.
    QSizeF largestLabelSize() const { return m_largestLabelSize; }

    qreal heightToFit() const;
    void setFrameToFit();

    QSize sizeHint() const override;

protected:
    void setUpRow(QVColorInfo* row, int index) override;
    void rowShown(int index) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int visibleRowCount() const;
    // The top of the k-th shown row.
    qreal rowTop(int k) const;
    qreal rowMaxWidth() const;

    QSizeF m_largestLabelSize;
};
