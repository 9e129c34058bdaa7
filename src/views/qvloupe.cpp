// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvloupe.h"

#include "qtcolor.h"

#include <QPainter>

using tintmere::Color;
using tintmere::LoupeGeometry;

QVLoupe::QVLoupe(QWidget* parent)
    : QWidget(parent,
              // Unmanaged and on top: it must be showing at once for the grab, and never take
              // the focus from the program being picked from.
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                  Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(tr("Pick Color"));
    setAccessibleName(tr("Pick color loupe"));
    setCursor(Qt::CrossCursor);
    setFixedSize(m_geometry.size());
}

void QVLoupe::setLoupeGeometry(const LoupeGeometry& geometry) {
    m_geometry = geometry;
    setFixedSize(m_geometry.size());
    update();
}

void QVLoupe::setPixels(const QImage& pixels) {
    m_pixels = pixels;
    update();
}

std::optional<Color> QVLoupe::middleColor() const {
    const int middle = m_geometry.pixelsPerSide() / 2;
    if (!m_pixels.valid(middle, middle))
        return std::nullopt;
    const QRgb pixel = m_pixels.pixel(middle, middle);
    if (qAlpha(pixel) == 0)
        return std::nullopt;
    return Color::fromBytes(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

void QVLoupe::setText(const QString& text) {
    m_text = text;
    update();
}

void QVLoupe::setDrawGrid(bool drawGrid) {
    m_drawGrid = drawGrid;
    update();
}

void QVLoupe::setBorderColor(const Color& color) {
    m_borderColor = tintmere::toQColor(color);
    update();
}

void QVLoupe::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x30, 0x30, 0x30));
    const int n = m_geometry.pixelsPerSide();
    const QBrush outside(QColor(0x60, 0x60, 0x60), Qt::BDiagPattern);
    for (int row = 0; row < n; ++row) {
        for (int column = 0; column < n; ++column) {
            const QRect square = m_geometry.pixelRect(column, row);
            const QRgb pixel = m_pixels.valid(column, row) ? m_pixels.pixel(column, row) : 0;
            if (qAlpha(pixel) == 0)
                painter.fillRect(square, outside);
            else
                painter.fillRect(square, QColor::fromRgb(pixel));
        }
    }
    if (m_drawGrid && m_geometry.pixelSize() >= 6) {
        const QColor line = QColor::fromRgbF(0.0f, 0.0f, 0.0f, 0.15f);
        for (int i = 1; i < n; ++i) {
            const QRect square = m_geometry.pixelRect(i, i);
            painter.fillRect(QRect(square.left(), 1, 1, n * m_geometry.pixelSize()), line);
            painter.fillRect(QRect(1, square.top(), n * m_geometry.pixelSize(), 1), line);
        }
    }
    // Two frames, so the middle pixel stands out on light and dark pixels alike.
    const QRect frame = m_geometry.middleFrame();
    painter.setPen(QPen(m_borderColor, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(frame).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(QRectF(frame).adjusted(2.5, 2.5, -2.5, -2.5));

    QFont font = this->font();
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(m_geometry.textRect(), Qt::AlignCenter, m_text);
}
