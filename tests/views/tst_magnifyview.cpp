// SPDX-License-Identifier: GPL-3.0-or-later
#include "colormetatype.h"
#include "defaults.h"
#include "fakescreencapture.h"
#include "qtcolor.h"
#include "qvmagnifyview.h"
#include "settingskeys.h"
#include "viewrendering.h"

#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using tintmere::Color;
using tintmere::platform::FakeScreenCapture;

namespace {

// A 40 x 30 screen whose every pixel has its own colour.
QRgb screenPixel(int x, int y) {
    return qRgb(x * 6, y * 8, 200 - x - y);
}

QImage screenImage(int shift = 0) {
    QImage image(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, screenPixel(x, y) + shift);
    return image;
}

Color colorOf(QRgb pixel) {
    return Color::fromBytes(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// A magnifier over the fake screen, pointer at (10, 10).
struct Magnifier {
    QVMagnifyView view;
    FakeScreenCapture* screen = nullptr;

    explicit Magnifier(bool available = true) {
        auto capture = std::make_unique<FakeScreenCapture>();
        screen = capture.get();
        screen->setScreenImage(screenImage());
        screen->setPointerPosition(QPoint(10, 10));
        if (!available)
            screen->setUnavailableReason(u"The screen cannot be read here."_s);
        view.setScreenCapture(std::move(capture));
    }

    QPoint centreOf(QPoint pixel) const {
        return view.magnifierGeometry().pixelRect(pixel.x(), pixel.y()).center();
    }
    QPoint stripPoint() const { return view.magnifierGeometry().selectedColorStrip().center(); }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons = Qt::NoButton) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, view.mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }
    void hover(QPoint at) { mouse(QEvent::MouseMove, at); }
    void click(QPoint at) {
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at);
    }
    void lockAt(QPoint pointer) {
        screen->setPointerPosition(pointer);
        view.beginMagnify();
        view.stopMagnify();
    }
    QColor drawn(QPoint at, qreal dpr = 1.0) {
        return viewtest::pixel(viewtest::render(&view, dpr), QPointF(at) + QPointF(0.5, 0.5));
    }
};

} // namespace

class TestMagnifyView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { tintmere::Defaults::setStandardForTesting(tintmere::Defaults::inMemory()); }

    void boxSizes_data() {
        QTest::addColumn<QList<int>>("sizeIndexes"); // applied in order
        QTest::addColumn<int>("padding");
        QTest::addColumn<QSize>("viewSize");
        QTest::newRow("created") << QList<int>{} << 4 << QSize(139, 114);
        QTest::newRow("0") << QList<int>{0} << 2 << QSize(137, 110);
        QTest::newRow("2") << QList<int>{2} << 6 << QSize(141, 118);
        QTest::newRow("3 keeps the padding") << QList<int>{0, 3} << 2 << QSize(137, 110);
    }

    void boxSizes() {
        QFETCH(QList<int>, sizeIndexes);
        QFETCH(int, padding);
        QFETCH(QSize, viewSize);
        QVMagnifyView view;
        for (int index : sizeIndexes)
            view.setBoxSize(index);
        QCOMPARE(view.boxPadding(), padding);
        QCOMPARE(view.size(), viewSize);
        QCOMPARE(view.magnifierGeometry().pixelSize(), 15);
    }

    void layout_data() {
        QTest::addColumn<QRect>("actual");
        QTest::addColumn<QRect>("expected");
        // The box's lower-left corner sits at the padding from the view's lower-left
        // corner; the view is one point taller than the box and twice the padding.
        const MagnifierGeometry p4(7, 4);
        const MagnifierGeometry p6(7, 6);
        QTest::newRow("top-left pixel") << p4.pixelRect(0, 0) << QRect(4, 5, 15, 15);
        QTest::newRow("bottom-right pixel") << p4.pixelRect(6, 6) << QRect(94, 95, 15, 15);
        QTest::newRow("strip") << p4.selectedColorStrip() << QRect(109, 6, 29, 103);
        QTest::newRow("hover grows by the padding") << p4.hoverRect({0, 0}) << QRect(0, 0, 24, 24);
        QTest::newRow("hover, padding 6") << p6.hoverRect({3, 3}) << QRect(45, 45, 28, 28);
        QTest::newRow("separator") << p4.frameLines().at(3) << QRect(108, 5, 1, 105);
        QTest::newRow("first grid line") << p4.gridLines().first() << QRect(4, 94, 105, 1);
        QTest::newRow("last grid line") << p4.gridLines().last() << QRect(94, 5, 1, 105);
    }

    void layout() {
        QFETCH(QRect, actual);
        QFETCH(QRect, expected);
        QCOMPARE(actual, expected);
    }

    void pixelUnderPoint_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QPoint>("pixel"); // (-1, -1): none
        QTest::newRow("top-left corner") << QPoint(4, 5) << QPoint(0, 0);
        QTest::newRow("last point of the first pixel") << QPoint(18, 19) << QPoint(0, 0);
        QTest::newRow("bottom-right corner") << QPoint(108, 109) << QPoint(6, 6);
        QTest::newRow("left of the square") << QPoint(3, 50) << QPoint(-1, -1);
        QTest::newRow("on the strip") << QPoint(120, 50) << QPoint(-1, -1);
    }

    void pixelUnderPoint() {
        QFETCH(QPoint, point);
        QFETCH(QPoint, pixel);
        const auto found = MagnifierGeometry(7, 4).pixelAt(point);
        QCOMPARE(found.value_or(QPoint(-1, -1)), pixel);
    }

    void liveShowsTheScreenAroundThePointer_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QPoint>("pointer");
        QTest::newRow("@1x") << 1.0 << QPoint(10, 10);
        QTest::newRow("partly off every screen @2x") << 2.0 << QPoint(1, 28);
    }

    void liveShowsTheScreenAroundThePointer() {
        QFETCH(qreal, dpr);
        QFETCH(QPoint, pointer);
        Magnifier m;
        m.screen->setPointerPosition(pointer);
        m.view.beginMagnify();
        QVERIFY(!m.view.isStopped());
        // Only the 7 x 7 pixels, three on each side of the pointer's pixel.
        QCOMPARE(m.screen->capturedRects(),
                 QList<QRect>{QRect(pointer - QPoint(3, 3), QSize(7, 7))});
        const QImage image = viewtest::render(&m.view, dpr);
        for (int i = 0; i < 49; ++i) {
            const QPoint source = pointer + QPoint(i % 7 - 3, i / 7 - 3);
            const QColor expected = QRect(0, 0, 40, 30).contains(source)
                                        ? QColor(screenPixel(source.x(), source.y()))
                                        : Qt::black;
            const QColor actual =
                viewtest::pixel(image, m.centreOf(QPoint(i % 7, i / 7)) + QPointF(0.5, 0.5));
            QVERIFY2(actual == expected, QByteArray::number(i) + " " + viewtest::describe(actual));
        }
    }

    void liveRefreshFollowsThePointer() {
        Magnifier m;
        m.view.beginMagnify();
        m.screen->setPointerPosition(QPoint(20, 15));
        QTRY_VERIFY(m.screen->capturedRects().size() >= 3);
        QCOMPARE(m.view.lastPointerPosition(), QPoint(20, 15));
        for (const QRect& rect : m.screen->capturedRects())
            QCOMPARE(rect.size(), QSize(7, 7));
        m.view.stopMagnify();
        const qsizetype afterLock = m.screen->capturedRects().size();
        QTest::qWait(250);
        QCOMPARE(m.screen->capturedRects().size(), afterLock);
    }

    void lockTakesAFreshSampleAtTheLastPointer() {
        Magnifier m;
        m.view.beginMagnify();
        // The screen changes and the pointer moves on after the last live frame.
        m.screen->setScreenImage(screenImage(/*shift=*/1));
        m.screen->setPointerPosition(QPoint(30, 20));
        m.view.stopMagnify();
        QVERIFY(m.view.isStopped());
        QCOMPARE(m.view.lockedColorAt(QPoint(0, 0)), colorOf(screenPixel(7, 7) + 1));
        QCOMPARE(m.view.lockedColorAt(QPoint(6, 6)), colorOf(screenPixel(13, 13) + 1));
        QCOMPARE(m.view.lockedColorAt(QPoint(7, 0)), std::nullopt);
        // Locking again without moving shows the same place, sampled afresh.
        m.screen->setScreenImage(screenImage(/*shift=*/2));
        m.view.stopMagnify();
        QCOMPARE(m.view.lockedColorAt(QPoint(3, 3)), colorOf(screenPixel(10, 10) + 2));
        QCOMPARE(m.drawn(m.centreOf(QPoint(3, 3))), QColor(screenPixel(10, 10) + 2));
    }

    void hoverAndPick_data() {
        QTest::addColumn<bool>("lock");
        QTest::addColumn<QPoint>("target"); // a pixel, or (-1, -1) for the strip
        QTest::addColumn<bool>("hovers");
        QTest::addColumn<bool>("picks");
        QTest::newRow("locked pixel") << true << QPoint(2, 5) << true << true;
        QTest::newRow("locked strip") << true << QPoint(-1, -1) << false << false;
        QTest::newRow("live pixel") << false << QPoint(2, 5) << false << false;
    }

    void hoverAndPick() {
        QFETCH(bool, lock);
        QFETCH(QPoint, target);
        QFETCH(bool, hovers);
        QFETCH(bool, picks);
        Magnifier m;
        m.view.beginMagnify();
        if (lock)
            m.view.stopMagnify();
        QSignalSpy picked(&m.view, &QVMagnifyView::colorPicked);
        const QPoint at = target.x() < 0 ? m.stripPoint() : m.centreOf(target);
        m.hover(at);
        QCOMPARE(m.view.mouseHover(), hovers);
        m.hover(m.stripPoint());
        // A click needs no move before it to know its pixel.
        m.click(at);
        QCOMPARE(m.view.selectedColor().has_value(), picks);
        QCOMPARE(picked.size(), picks ? 1 : 0);
        if (picks) {
            const Color expected = colorOf(screenPixel(7 + target.x(), 7 + target.y()));
            QCOMPARE(m.view.selectedColor(), std::optional(expected));
            QCOMPARE(picked.at(0).at(0).value<Color>(), expected);
        }
    }

    void hoverDrawsThePixelEnlargedAndFramed() {
        Magnifier m;
        m.lockAt(QPoint(10, 10));
        m.view.setBorderColor(Color{0, 1, 0, 1});
        const QPoint pixel(3, 3);
        m.hover(m.centreOf(pixel));
        QVERIFY(m.view.mouseHover());
        const QImage image = viewtest::render(&m.view, 2.0);
        const QRect square = m.view.magnifierGeometry().pixelRect(3, 3); // (49, 50, 15, 15)
        const auto at = [&](int x, int y) {
            return viewtest::pixel(image, QPointF(x + 0.5, y + 0.5));
        };
        const QColor own(screenPixel(10, 10));
        // Grown into the neighbours by the padding (4), framed two points wide.
        QCOMPARE(at(square.left() - 4, square.center().y()), QColor(Qt::green));
        QCOMPARE(at(square.left() - 3, square.center().y()), QColor(Qt::green));
        QCOMPARE(at(square.left() - 2, square.center().y()), own);
        QCOMPARE(at(square.center().x(), square.bottom() + 4), QColor(Qt::green));
        QCOMPARE(at(square.center().x(), square.bottom() + 5), QColor(screenPixel(10, 11)));
        // Leaving the view ends the hover.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&m.view, &leave);
        QVERIFY(!m.view.mouseHover());
        QCOMPARE(m.drawn(QPoint(square.left() - 4, square.center().y())),
                 QColor(screenPixel(9, 10)));
    }

    void pickedColorIsShownDraggedAndExplained_data() {
        QTest::addColumn<int>("tooltipFormat");
        QTest::addColumn<int>("dragFormat");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("dragText");
        // The pixel (10, 10) of the fake screen is (60, 80, 180).
        QTest::newRow("hex tooltip, rgb drag") << 0 << 1 << u"#3c50b4"_s << u"RGB(60,80,180)"_s;
        QTest::newRow("rgb tooltip, web drag") << 1 << 2 << u"RGB(60,80,180)"_s << u"#36c"_s;
    }

    void pickedColorIsShownDraggedAndExplained() {
        QFETCH(int, tooltipFormat);
        QFETCH(int, dragFormat);
        QFETCH(QString, tooltip);
        QFETCH(QString, dragText);
        auto& defaults = tintmere::Defaults::standard();
        defaults.setInt(tintmere::keys::TooltipFormat, tooltipFormat);
        defaults.setInt(tintmere::keys::DragFormat, dragFormat);
        Magnifier m;
        QCOMPARE(m.view.mimeDataForDrag(), nullptr);
        QVERIFY(m.view.selectedColorToolTip().isEmpty());
        m.lockAt(QPoint(10, 10));
        m.hover(m.centreOf(QPoint(3, 3)));
        m.click(m.centreOf(QPoint(3, 3)));
        QCOMPARE(m.view.selectedColorToolTip(), tooltip);
        QHelpEvent help(QEvent::ToolTip, m.stripPoint(), m.view.mapToGlobal(m.stripPoint()));
        QApplication::sendEvent(&m.view, &help);
        QCOMPARE(QToolTip::text(), tooltip);
        QToolTip::hideText();

        const std::unique_ptr<QMimeData> mime(m.view.mimeDataForDrag());
        QVERIFY(mime);
        QCOMPARE(mime->text(), dragText);
        QCOMPARE(qvariant_cast<QColor>(mime->colorData()), QColor(screenPixel(10, 10)));
        QCOMPARE(m.drawn(m.stripPoint()), QColor(screenPixel(10, 10)));
    }

    void strip_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QPoint>("offset"); // from the strip's top-left corner
        QTest::addColumn<QColor>("expected");
        const QColor stripe = QColor::fromRgbF(0.85f, 0.85f, 0.85f);
        // Stripes rise to the right: at the bottom-left corner, white above grey.
        QTest::newRow("stripe at the bottom-left") << 1.0 << QPoint(1, 97) << stripe;
        QTest::newRow("white above it") << 1.0 << QPoint(1, 82) << QColor(Qt::white);
        QTest::newRow("top corner stripe") << 1.0 << QPoint(2, 1) << stripe;
        QTest::newRow("white above the stripe @2x") << 2.0 << QPoint(1, 82) << QColor(Qt::white);
    }

    void strip() {
        QFETCH(qreal, dpr);
        QFETCH(QPoint, offset);
        QFETCH(QColor, expected);
        Magnifier m;
        const QPoint at = m.view.magnifierGeometry().selectedColorStrip().topLeft() + offset;
        const QColor actual = m.drawn(at, dpr);
        QVERIFY2(viewtest::sameColor(actual, tintmere::colorFromQColor(expected)),
                 viewtest::describe(actual));
    }

    void overlays_data() {
        QTest::addColumn<bool>("grid"); // otherwise the loading veil
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("source"); // the screen pixel drawn there
        QTest::addColumn<Color>("veil");
        // The grid darkens its lines (a vertical one at x = 19); loading lightens the box.
        QTest::newRow("grid line")
            << true << QPoint(19, 12) << QPoint(8, 7) << Color{0, 0, 0, 0.15f};
        QTest::newRow("loading") << false << QPoint(11, 102) << QPoint(7, 13)
                                 << Color{1, 1, 1, 0.5f};
    }

    void overlays() {
        QFETCH(bool, grid);
        QFETCH(QPoint, at);
        QFETCH(QPoint, source);
        QFETCH(Color, veil);
        Magnifier m;
        m.lockAt(QPoint(10, 10));
        if (grid)
            m.view.setDrawGrid(true);
        else
            m.view.setDrawLoading(true);
        const Color expected = viewtest::over(colorOf(screenPixel(source.x(), source.y())), veil);
        QVERIFY2(viewtest::sameColor(m.drawn(at), expected), viewtest::describe(m.drawn(at)));
    }

    void unavailableCaptureSaysWhy() {
        Magnifier m(/*available=*/false);
        m.view.beginMagnify();
        QVERIFY(!m.view.isStopped());
        QVERIFY(m.screen->capturedRects().isEmpty());
        QCOMPARE(m.view.unavailableReason(), u"The screen cannot be read here."_s);
        m.view.stopMagnify();
        QCOMPARE(m.view.lockedColorAt(QPoint(3, 3)), std::nullopt);
        m.hover(m.centreOf(QPoint(3, 3)));
        m.click(m.centreOf(QPoint(3, 3)));
        QVERIFY(!m.view.mouseHover());
        QCOMPARE(m.view.selectedColor(), std::nullopt);
        // Not black pixels but a grey square with light text on it.
        const QImage image = viewtest::render(&m.view, 1.0);
        const QRect square = m.view.magnifierGeometry().pixelSquare();
        int black = 0;
        int light = 0;
        for (int y = square.top() + 1; y < square.bottom(); ++y) {
            for (int x = square.left() + 1; x < square.right(); ++x) {
                black += qGray(image.pixel(x, y)) < 20;
                light += qGray(image.pixel(x, y)) > 200;
            }
        }
        QCOMPARE(black, 0);
        QVERIFY2(light > 20, QByteArray::number(light));
    }
};

QTEST_MAIN(TestMagnifyView)
#include "tst_magnifyview.moc"
