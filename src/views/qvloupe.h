// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "loupegeometry.h"

#include <QImage>
#include <QWidget>

// The loupe of pick mode: a small window beside the pointer showing the screen pixels around
// it enlarged, the middle one (the one under the pointer) framed, and that pixel's colour as
// text below. It shows what it is given; whoever runs pick mode feeds it and reads its input.
// Pixels are device pixels, one image pixel per screen pixel; transparent ones lie outside
// every screen and are shown hatched.
class QVLoupe : public QWidget {
    Q_OBJECT

public:
    explicit QVLoupe(QWidget* parent = nullptr);

    const tintmere::LoupeGeometry& loupeGeometry() const { return m_geometry; }
    void setLoupeGeometry(const tintmere::LoupeGeometry& geometry);

    // The pixels around the pointer, pixelsPerSide() on each side, the pointer's in the middle.
    void setPixels(const QImage& pixels);
    const QImage& pixels() const { return m_pixels; }
    // The middle pixel's colour; none when it lies outside every screen.
    std::optional<tintmere::Color> middleColor() const;

    void setText(const QString& text);
    QString text() const { return m_text; }
    void setDrawGrid(bool drawGrid);
    void setBorderColor(const tintmere::Color& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    tintmere::LoupeGeometry m_geometry;
    QImage m_pixels;
    QString m_text;
    bool m_drawGrid = true;
    QColor m_borderColor = Qt::red;
};
