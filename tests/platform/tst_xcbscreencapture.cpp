// SPDX-License-Identifier: GPL-3.0-or-later
// Runs on a real X server of 1280 x 1024 pixels at depth 24.
#include "capturegeometry.h"
#include "datarows.h"
#include "screencapture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QRasterWindow>
#include <QScreen>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using tintmere::platform::ScreenCapture;

namespace {

const QRect screenArea(0, 0, 1280, 1024);

// A colour no other screen pixel has.
QRgb patternAt(QPoint p) {
    return qRgb(p.x() & 0xff, p.y() & 0xff, ((p.x() >> 8) << 4) | (p.y() >> 8));
}

QImage expectedCapture(const QRect& rect) {
    QImage expected(rect.size(), QImage::Format_ARGB32);
    for (int y = 0; y < rect.height(); ++y) {
        for (int x = 0; x < rect.width(); ++x) {
            const QPoint p = rect.topLeft() + QPoint(x, y);
            expected.setPixel(x, y, screenArea.contains(p) ? patternAt(p) : qRgba(0, 0, 0, 0));
        }
    }
    return expected;
}

// Covers the whole screen with the pattern, drawn pixel for pixel at device resolution.
class PatternWindow : public QRasterWindow {
protected:
    void paintEvent(QPaintEvent*) override {
        const qreal ratio = devicePixelRatio();
        QImage pattern(size() * ratio, QImage::Format_RGB32);
        for (int y = 0; y < pattern.height(); ++y) {
            for (int x = 0; x < pattern.width(); ++x)
                pattern.setPixel(x, y, patternAt({x, y}));
        }
        pattern.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(QPointF(0, 0), pattern);
    }
};

void movePointer(QPoint p) {
    QCOMPARE(QProcess::execute(qEnvironmentVariable("XDOTOOL", u"xdotool"_s),
                               {u"mousemove"_s, QString::number(p.x()), QString::number(p.y())}),
             0);
}

} // namespace

class TestXcbScreenCapture : public QObject {
    Q_OBJECT

private:
    PatternWindow window;
    std::unique_ptr<ScreenCapture> capture;

private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
        const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                : 1.0;
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), scale);
        window.setFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        window.setGeometry(QGuiApplication::primaryScreen()->geometry());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        capture = tintmere::platform::createScreenCapture();
        QVERIFY(capture->isAvailable());
        QVERIFY(capture->unavailableReason().isEmpty());
        const QRect probe(600, 500, 1, 1);
        QTRY_COMPARE(capture->capture(probe), expectedCapture(probe));
    }

    void capturesExactScreenPixels_data() {
        QTest::addColumn<QRect>("rect");
        row("one pixel", QRect(1000, 3, 1, 1));
        row("odd device pixels", QRect(3, 5, 7, 7));
        row("a wide strip", QRect(250, 255, 20, 3));
        row("top-left corner, partly off screen", QRect(-3, -3, 7, 7));
        row("bottom-right corner, partly off screen", QRect(1276, 1020, 7, 7));
        row("wholly off screen", QRect(-20, -20, 7, 7));
    }
    void capturesExactScreenPixels() {
        QFETCH(QRect, rect);
        const QImage captured = capture->capture(rect);
        QCOMPARE(captured, expectedCapture(rect));
    }

    // Pixels between two logical pixels at a scale of 2 or 1.5, one of them in the corner.
    void capturesAroundThePointer() {
        for (const QPoint pointer : {QPoint(333, 777), QPoint(1279, 1023)}) {
            movePointer(pointer);
            QCOMPARE(capture->pointerPosition(), pointer);
            const QImage captured = capture->captureAround(capture->pointerPosition(), 7);
            QCOMPARE(captured, expectedCapture(QRect(pointer - QPoint(3, 3), QSize(7, 7))));
            QCOMPARE(captured.pixel(3, 3), patternAt(pointer));
        }
    }
};

QTEST_MAIN(TestXcbScreenCapture)
#include "tst_xcbscreencapture.moc"
