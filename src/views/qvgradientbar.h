// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QWidget>

// A strip shaded from its start colour along the top edge to its end colour along the
// bottom edge, with a grey line on top: the light-to-dark background behind a row of
// controls.
class QVGradientBar : public QWidget {
    Q_OBJECT

public:
    explicit QVGradientBar(QWidget* parent = nullptr);

    tintmere::Color gradientStartColor() const { return m_gradientStartColor; }
    tintmere::Color gradientEndColor() const { return m_gradientEndColor; }
    // Both redraw at once.
    void setGradientStartColor(const tintmere::Color& color);
    void setGradientEndColor(const tintmere::Color& color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    tintmere::Color m_gradientStartColor{0.99f, 0.99f, 0.99f, 1.0f};
    tintmere::Color m_gradientEndColor{0.93f, 0.93f, 0.93f, 1.0f};
};
