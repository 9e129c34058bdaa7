// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "qvactionbutton.h"
#include "qvcolorscaleslider.h"
#include "qvgradientbar.h"
#include "qvlockview.h"
#include "qvscrollslider.h"
#include "qvtoolsview.h"
#include "viewrendering.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using tintmere::Color;

namespace {

bool isGrey(const QColor& pixel, int grey) {
    return std::abs(pixel.red() - grey) <= 1 && std::abs(pixel.green() - grey) <= 1 &&
           std::abs(pixel.blue() - grey) <= 1 && pixel.alpha() == 255;
}

QImage rendered(QWidget& widget, qreal dpr) {
    return viewtest::render(&widget, dpr, Qt::transparent);
}

int alphaAt(const QImage& image, QPointF logical) {
    return viewtest::pixel(image, logical).alpha();
}

// Dark pixels (text) in a logical rectangle of the image.
int darkPixelsIn(const QImage& image, const QRectF& logical) {
    const qreal dpr = image.devicePixelRatio();
    const QRect device = QRectF(logical.topLeft() * dpr, logical.size() * dpr).toRect();
    int dark = 0;
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            dark += qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 160;
    return dark;
}

} // namespace

using GradientBarPaintingRow = std::tuple<qreal, QPointF, int>;
using ScrollSliderRow = std::tuple<QList<QPointF>, int>;

class TestSmallControls : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gradientBarPainting_data() {
        const Rows<GradientBarPaintingRow> row;
        row("top line", 1.0, QPointF(50, 0.5), 128);
        row("light under the line", 1.0, QPointF(50, 1.2), 252);
        row("dark bottom edge", 1.0, QPointF(50, 29.9), 237);
        row("light under the line @2x", 2.0, QPointF(50, 1.2), 252);
    }

    void gradientBarPainting() {
        ROW(GradientBarPaintingRow, dpr, at, grey);
        QVGradientBar bar;
        bar.resize(100, 30);
        const QColor pixel = viewtest::pixel(rendered(bar, dpr), at);
        QVERIFY2(isGrey(pixel, grey), viewtest::describe(pixel));
    }

    void gradientBarTakesNewColors() {
        QVGradientBar bar;
        bar.resize(60, 20);
        bar.setGradientStartColor(Color{1, 0, 0, 1});
        bar.setGradientEndColor(Color{0, 0, 1, 1});
        const QImage image = rendered(bar, 2.0);
        // Just under the top line the start colour, at the bottom edge the end colour.
        const QColor top = viewtest::pixel(image, QPointF(10, 1.2));
        QVERIFY2(top.red() > 240 && top.blue() < 15, viewtest::describe(top));
        QCOMPARE(viewtest::pixel(image, QPointF(10, 19.9)), QColor(0, 0, 255));
    }

    void scrollSlider_data() {
        const Rows<ScrollSliderRow> row; // scrolls: notches (dx, dy), one event each
        // The slider starts at 50 within 0..100.
        row("down two lowers by two", QList<QPointF>{{0, 2}}, 48);
        row("up one raises by one", QList<QPointF>{{0, -1}}, 51);
        row("left one raises by one", QList<QPointF>{{-1, 0}}, 51);
        row("diagonal changes nothing", QList<QPointF>{{1, 1}}, 50);
        row("half notches add up", QList<QPointF>{{0, 0.5}, {0, 0.5}}, 49);
        row("stops at the minimum", QList<QPointF>{{0, 80}}, 0);
    }

    void scrollSlider() {
        ROW(ScrollSliderRow, scrolls, expected);
        QVScrollSlider slider;
        slider.setRange(0, 100);
        slider.setValue(50);
        QSignalSpy actions(&slider, &QAbstractSlider::actionTriggered);
        for (const QPointF& notches : scrolls) {
            QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), (notches * 120).toPoint(),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&slider, &wheel);
            QVERIFY(wheel.isAccepted());
        }
        QCOMPARE(slider.value(), expected);
        // The action goes out for every event, changed or not.
        QCOMPARE(actions.size(), scrolls.size());
        QCOMPARE(actions.first().first().toInt(), int(QAbstractSlider::SliderMove));
    }

    // The track runs from the colour of the minimum at its left end to the colour of the
    // maximum at its right end; only the part outside sRGB (here the last quarter) is hatched.
    void colorScaleSliderTrack_data() { viewtest::scales(); }
    void colorScaleSliderTrack() {
        QFETCH(qreal, dpr);
        QVColorScaleSlider slider;
        slider.resize(200, 24);
        slider.setRange(0, 100);
        slider.setValue(50);
        const auto colorAt = [](double t) { return Color{float(t), 0, float(1 - t), 1}; };
        slider.setColorScale({colorAt, {}});
        QImage image = rendered(slider, dpr);
        const qreal y = slider.height() / 2.0;
        QVERIFY(viewtest::sameColor(viewtest::pixel(image, {3, y}), Color{0, 0, 1, 1}));
        QVERIFY(viewtest::sameColor(viewtest::pixel(image, {196, y}), Color{1, 0, 0, 1}));
        slider.setColorScale({colorAt, [](double t) { return t < 0.75; }});
        image = rendered(slider, dpr);
        // The ramp itself sums red and blue to full; hatch lines darken it.
        const auto hatched = [&](qreal from, qreal to) {
            int count = 0;
            for (qreal x = from; x < to; x += 0.5) {
                const QColor pixel = viewtest::pixel(image, {x, y});
                count += pixel.red() + pixel.blue() < 230;
            }
            return count;
        };
        QCOMPARE(hatched(4, 40), 0);
        QVERIFY(hatched(170, 196) > 0);
    }

    void lockViewPainting() {
        QVLockView view;
        view.resize(100, 30);
        const QImage unlocked = rendered(view, 2.0);
        view.toggleStatus();
        const QImage locked = rendered(view, 2.0);
        // The padlock is 16 high, centred: rows 7 to 23.
        for (const QImage& image : {unlocked, locked}) {
            QCOMPARE(alphaAt(image, QPointF(8, 3)), 0);
            QCOMPARE(alphaAt(image, QPointF(8, 26)), 0);
            QCOMPARE(alphaAt(image, QPointF(6, 19)), 255);
            // The label starts at 17: nothing left of it but the image, text right of it.
            QVERIFY(darkPixelsIn(image, QRectF(17, 7, 40, 16)) > 0);
        }
        // The open shackle and the longer word differ.
        QVERIFY(darkPixelsIn(unlocked, QRectF(50, 7, 30, 16)) >
                darkPixelsIn(locked, QRectF(50, 7, 30, 16)));
    }

    void toolsViewPainting() {
        QVToolsView view;
        view.resize(200, 28);
        const QImage image = rendered(view, 2.0);
        const QColor line = viewtest::pixel(image, QPointF(100, 27.5));
        QVERIFY2(isGrey(line, 128), viewtest::describe(line));
        // The shaded background is light, darker towards the line.
        QVERIFY(qGray(viewtest::pixel(image, QPointF(150, 2)).rgb()) >
                qGray(viewtest::pixel(image, QPointF(150, 25)).rgb()));
        // The caption sits at the left.
        QVERIFY(darkPixelsIn(image, QRectF(7, 4, 30, 20)) > 0);
        QCOMPARE(darkPixelsIn(image, QRectF(60, 0, 140, 27)), 0);
    }

    void actionButtonIsOnWhileItsMenuIsOpen() {
        QWidget window;
        auto* button = new QVActionButton(&window);
        button->setGeometry(10, 10, 40, 26);
        QMenu menu;
        menu.addAction(u"One"_s);
        button->setActionMenu(&menu);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(button->isChecked());
        QTRY_VERIFY(menu.isVisible());
        QCOMPARE(menu.pos(), button->mapToGlobal(QPoint(0, 26)));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(button->isChecked());
        menu.hide();
        QVERIFY(!button->isChecked());
        // The keyboard opens it too.
        QTest::keyClick(button, Qt::Key_Space);
        QVERIFY(button->isChecked());
        QTRY_VERIFY(menu.isVisible());
        menu.hide();
        QVERIFY(!button->isChecked());
    }
};

QTEST_MAIN(TestSmallControls)
#include "tst_smallcontrols.moc"
