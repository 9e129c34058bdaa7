// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "gradienttext.h"
#include "gxgradientpainting.h"

#include <QDebug>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <functional>

using namespace Qt::Literals::StringLiterals;
using testrows::Rows;
using tintmere::Color;
using tintmere::GXGradient;
using tintmere::test::gradientFrom;

namespace {

// Renders a fill into an image of the rectangle's logical size at the device pixel ratio.
QImage rendered(const std::function<void(QPainter&, const QRectF&)>& fill, QSize size, qreal dpr) {
    QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    fill(painter, QRectF(QPointF(0, 0), size));
    return image;
}

} // namespace

using AxialAxisRow = std::tuple<QRectF, float, QPointF, QPointF>;
using PaintedFillsRow = std::tuple<qreal, int, QPointF, int>;

class TestGXGradientPainting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void axialAxis_data() {
        const Rows<AxialAxisRow> row;
        const QRectF square(0, 0, 1, 1);
        const QRectF wide(0, 0, 2, 1);
        row("0 runs left to right", wide, 0.0f, QPointF(0, 0), QPointF(2, 0));
        row("90 runs bottom to top", wide, 90.0f, QPointF(0, 0), QPointF(0, 1));
        row("45 wide", wide, 45.0f, QPointF(0.25, -0.25), QPointF(1.75, 1.25));
        // Any angle: the axis runs through the centre and its ends project onto the corners.
        row("30 wide", wide, 30.0f, QPointF(0.0334936, -0.0580127), QPointF(1.9665064, 1.0580127));
        row("135 square", square, 135.0f, QPointF(1, 0), QPointF(0, 1));
        row("270 moved", QRectF(10, 20, 4, 2), 270.0f, QPointF(12, 22), QPointF(12, 20));
    }

    void axialAxis() {
        ROW(AxialAxisRow, rect, angle, start, end);
        const QLineF axis = tintmere::axialAxis(rect, angle);
        const auto close = [](QPointF a, QPointF b) { return QLineF(a, b).length() < 1e-5; };
        QVERIFY2(close(axis.p1(), start) && close(axis.p2(), end),
                 qPrintable(QDebug::toString(axis)));
    }

    void paintedFills_data() {
        // kind: 0: 90 degrees, 1: 45 on 2 by 1, 2: radial, 3: 0 degrees; at: logical point to read
        const Rows<PaintedFillsRow> row;
        // Vertical light-to-dark background: 0.99 on top, 0.93 at the bottom.
        row("90 top", 1.0, 0, QPointF(20, 0.2), 252);
        row("90 bottom", 1.0, 0, QPointF(20, 19.8), 237);
        // Black to white at 45 degrees over 40 by 20: lower left black, upper right white.
        row("45 upper right", 1.0, 1, QPointF(39.8, 0.2), 255);
        row("45 upper left", 1.0, 1, QPointF(0.2, 0.2), 85);
        row("radial centre", 1.0, 2, QPointF(20, 10), 0);
        row("0 right", 1.0, 3, QPointF(39.8, 10), 255);
        row("radial corner @2x", 2.0, 2, QPointF(39.8, 0.2), 255);
        row("0 quarter @2x", 2.0, 3, QPointF(10, 5), 64);
    }

    void paintedFills() {
        ROW(PaintedFillsRow, dpr, kind, at, grey);
        const GXGradient background = GXGradient::gradientWithBeginningColor(
            Color{0.99f, 0.99f, 0.99f, 1}, Color{0.93f, 0.93f, 0.93f, 1});
        const GXGradient blackToWhite = gradientFrom(u"0,0,0@0;1,1,1@1"_s);
        const QImage image = rendered(
            [&](QPainter& painter, const QRectF& rect) {
                if (kind == 0)
                    tintmere::fillRect(background, painter, rect, 90);
                else if (kind == 1)
                    tintmere::fillRect(blackToWhite, painter, rect, 45);
                else if (kind == 2)
                    tintmere::radialFillRect(blackToWhite, painter, rect);
                else
                    tintmere::fillRect(blackToWhite, painter, rect, 0);
            },
            QSize(40, 20), dpr);
        const QRgb pixel = image.pixel(int(at.x() * dpr), int(at.y() * dpr));
        QVERIFY2(std::abs(qRed(pixel) - grey) <= 1 && qAlpha(pixel) == 255,
                 qPrintable(u"red %1 alpha %2"_s.arg(qRed(pixel)).arg(qAlpha(pixel))));
        QCOMPARE(qGreen(pixel), qRed(pixel));
    }

    void fillStaysInsideItsRectangle() {
        const QImage image = rendered(
            [](QPainter& painter, const QRectF&) {
                tintmere::fillRect(GXGradient::rainbowGradient(), painter, QRectF(10, 5, 20, 10),
                                   30);
            },
            QSize(40, 20), 2.0);
        QCOMPARE(qAlpha(image.pixel(2 * 9, 2 * 10)), 0);
        QCOMPARE(qAlpha(image.pixel(2 * 31, 2 * 10)), 0);
        QCOMPARE(qAlpha(image.pixel(2 * 20, 2 * 4)), 0);
        QCOMPARE(qAlpha(image.pixel(2 * 20, 2 * 10)), 255);
    }
};

QTEST_GUILESS_MAIN(TestGXGradientPainting)
#include "tst_gxgradientpainting.moc"
