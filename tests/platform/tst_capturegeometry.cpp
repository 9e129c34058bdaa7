// SPDX-License-Identifier: GPL-3.0-or-later
#include "capturegeometry.h"
#include "datarows.h"
#include "screencapture.h"

#include <QGuiApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using namespace tintmere::platform;

namespace {

// A distinct colour for every device pixel of the desktop, negative coordinates included.
QRgb desktopPixel(QPoint p) {
    return qRgb(p.x() & 0xff, p.y() & 0xff, ((p.x() >> 8) & 0xf) << 4 | ((p.y() >> 8) & 0xf));
}

struct Screen {
    QRect device;
    qreal ratio;
};
using Screens = QList<Screen>;

// Grabs the way Qt does on X11: the logical rectangle is scaled to device pixels with
// rounding and read from the desktop at the screen's device origin.
QImage grabLikeQt(const Screen& screen, const QRect& logical, QList<QRect>* requests) {
    requests->append(logical);
    const QPoint start = screen.device.topLeft() + logical.topLeft() * screen.ratio;
    QImage image(logical.size() * screen.ratio, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, desktopPixel(start + QPoint(x, y)));
    }
    image.setDevicePixelRatio(screen.ratio);
    return image;
}

QImage expectedCapture(const QRect& wanted, const Screens& screens) {
    QImage expected(wanted.size(), QImage::Format_ARGB32);
    expected.fill(Qt::transparent);
    for (int y = 0; y < wanted.height(); ++y) {
        for (int x = 0; x < wanted.width(); ++x) {
            const QPoint p = wanted.topLeft() + QPoint(x, y);
            for (const Screen& screen : screens) {
                if (screen.device.contains(p))
                    expected.setPixel(x, y, desktopPixel(p));
            }
        }
    }
    return expected;
}

} // namespace

Q_DECLARE_METATYPE(Screens)

using RectAroundPointerRow = std::tuple<QPoint, int, QRect>;
using ComposedFromScreensRow = std::tuple<Screens, QRect>;

class TestCaptureGeometry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rectAroundPointer_data() {
        const Rows<RectAroundPointerRow> row;
        row("at the origin", QPoint(0, 0), 7, QRect(-3, -3, 7, 7));
        row("screen left of the primary", QPoint(-1, 5), 7, QRect(-4, 2, 7, 7));
        row("single pixel", QPoint(9, 9), 1, QRect(9, 9, 1, 1));
        row("even side", QPoint(10, 10), 8, QRect(6, 6, 8, 8));
    }
    void rectAroundPointer() {
        ROW(RectAroundPointerRow, pointer, pixelsPerSide, expected);
        QCOMPARE(captureRectAround(pointer, pixelsPerSide), expected);
    }

    // Whatever the layout and scale, every pixel is the desktop's own or transparent, and
    // only small rectangles are grabbed.
    void composedFromScreens_data() {
        const Rows<ComposedFromScreensRow> row;
        const Screen single{{0, 0, 1280, 1024}, 1.0};
        const Screens sideBySide{{{0, 0, 1920, 1080}, 1.0}, {{1920, 0, 2560, 1440}, 2.0}};
        row("one screen, corner", Screens{single}, QRect(-3, -3, 7, 7));
        row("off every screen", Screens{single}, QRect(-50, 2000, 7, 7));
        row("across two screens", sideBySide, QRect(1917, 500, 7, 7));
        row("below the shorter screen", sideBySide, QRect(1916, 1077, 7, 7));
        row("2x, odd pixel", sideBySide, QRect(2001, 1001, 7, 7));
        row("1.25x, bottom edge", Screens{{{0, 0, 1920, 1080}, 1.25}}, QRect(901, 1077, 7, 7));
        row("screen left of the primary", Screens{{{-1920, 0, 1920, 1080}, 1.0}, single},
            QRect(-3, 40, 7, 7));
        row("overlapping mirrors", Screens{single, {{0, 0, 800, 600}, 1.0}}, QRect(797, 597, 7, 7));
        row("wide strip", sideBySide, QRect(1900, 20, 40, 2));
    }
    void composedFromScreens() {
        ROW(ComposedFromScreensRow, screens, wanted);
        QList<QRect> requests;
        QList<CaptureSource> sources;
        for (const Screen& screen : screens) {
            sources.append({screen.device, screen.ratio, [screen, &requests](const QRect& r) {
                                return grabLikeQt(screen, r, &requests);
                            }});
        }
        const QImage captured = composeCapture(wanted, sources);
        QCOMPARE(captured, expectedCapture(wanted, screens));
        for (const QRect& request : std::as_const(requests)) {
            QVERIFY(request.width() <= wanted.width() + 1);
            QVERIFY(request.height() <= wanted.height() + 1);
        }
    }

    void screenThatGrabsNothingStaysTransparent() {
        const CaptureSource broken{{0, 0, 100, 100}, 1.0, [](const QRect&) { return QImage(); }};
        const QImage captured = composeCapture({10, 10, 7, 7}, {broken});
        QCOMPARE(captured, expectedCapture({10, 10, 7, 7}, {}));
    }

    // Where the screen cannot be read, the magnifier gets nothing and the user a reason.
    void offX11NothingIsCaptured() {
        QCOMPARE(QGuiApplication::platformName(), u"offscreen"_s);
        const auto capture = createScreenCapture();
        QVERIFY(!capture->isAvailable());
        QCOMPARE(capture->unavailableReason(),
                 u"The screen cannot be read on the \"offscreen\" display platform."_s);
        QVERIFY(capture->captureAround(capture->pointerPosition(), 7).isNull());
    }
};

QTEST_MAIN(TestCaptureGeometry)
#include "tst_capturegeometry.moc"
