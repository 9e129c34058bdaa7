// SPDX-License-Identifier: GPL-3.0-or-later
#include "colormetatype.h"
#include "datarows.h"
#include "defaults.h"
#include "fakescreencapture.h"
#include "qtcolor.h"
#include "qvcolorwellbase.h"
#include "qvmagnifyview.h"
#include "settingskeys.h"
#include "viewrendering.h"

#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

using namespace Qt::Literals::StringLiterals;
using testrows::table;
using tintmere::Color;
using tintmere::platform::FakeScreenCapture;

namespace {

// A 40 x 30 screen whose every pixel has its own colour.
const auto screenPixel = [](int x, int y) { return qRgb(x * 6, y * 8, 200 - x - y); };

QImage screenImage(int shift = 0) {
    QImage image(40, 30, QImage::Format_ARGB32);
    for (int i = 0; i < 40 * 30; ++i)
        image.setPixel(i % 40, i / 40, screenPixel(i % 40, i / 40) + shift);
    return image;
}

const auto colorOf = [](QRgb p) { return Color::fromBytes(qRed(p), qGreen(p), qBlue(p)); };

using LiveRow = std::tuple<qreal, QPoint>;
using PickRow = std::tuple<bool, QPoint, bool, bool>;               // target (-1, -1): the strip
using KeyRow = std::tuple<bool, QList<int>, std::optional<QPoint>>; // locked, keys, pick
enum Overlay { None, Grid, Loading };
using PixelRow = std::tuple<qreal, QPoint, Color, Overlay>; // the point drawn, with what colour

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

    void boxSizeResizesTheViewAndAnUnknownOneIsIgnored() {
        QVMagnifyView view;
        view.setBoxSize(2);
        QCOMPARE(view.size(), QSize(141, 118));
        view.setBoxSize(0);
        view.setBoxSize(3);
        QCOMPARE(view.boxPadding(), 2);
        QCOMPARE(view.size(), QSize(137, 110));
    }

    void pixelUnderPoint() {
        const MagnifierGeometry g(7, 4);
        QCOMPARE(g.pixelAt(QPoint(18, 19)), std::optional(QPoint(0, 0)));   // first's last point
        QCOMPARE(g.pixelAt(QPoint(108, 109)), std::optional(QPoint(6, 6))); // bottom-right corner
        QCOMPARE(g.pixelAt(QPoint(3, 50)), std::optional<QPoint>());        // left of the square
        QCOMPARE(g.pixelAt(QPoint(120, 50)), std::optional<QPoint>());      // on the strip
    }

    void liveShowsTheScreenAroundThePointerAndFollowsIt_data() {
        table<LiveRow>({{"@1x", {1.0, QPoint(10, 10)}},
                        {"partly off every screen @2x", {2.0, QPoint(1, 28)}}});
    }

    void liveShowsTheScreenAroundThePointerAndFollowsIt() {
        ROW(LiveRow, dpr, pointer);
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
        // Live frames follow the pointer until the view locks.
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
        QCOMPARE(m.view.lockedColorAt(QPoint(6, 6)), colorOf(screenPixel(13, 13) + 1));
        QCOMPARE(m.view.lockedColorAt(QPoint(7, 0)), std::nullopt);
        // Locking again without moving shows the same place, sampled afresh.
        m.screen->setScreenImage(screenImage(/*shift=*/2));
        m.view.stopMagnify();
        QCOMPARE(m.view.lockedColorAt(QPoint(3, 3)), colorOf(screenPixel(10, 10) + 2));
        QCOMPARE(m.drawn(m.centreOf(QPoint(3, 3))), QColor(screenPixel(10, 10) + 2));
    }

    void hoverAndPick_data() {
        table<PickRow>({{"locked pixel", {true, QPoint(2, 5), true, true}},
                        {"locked strip", {true, QPoint(-1, -1), false, false}},
                        {"live pixel", {false, QPoint(2, 5), false, false}}});
    }

    void hoverAndPick() {
        ROW(PickRow, lock, target, hovers, picks);
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

    void keysMoveTheEnlargedPixelAndPick_data() {
        const int up = Qt::Key_Up, left = Qt::Key_Left, right = Qt::Key_Right;
        table<KeyRow>(
            {{"from the middle", {true, {right, up, Qt::Key_Return}, QPoint(4, 2)}},
             {"stops at the edge", {true, {left, left, left, left, Qt::Key_Space}, QPoint(0, 3)}},
             {"arrows alone", {true, {Qt::Key_Down}, std::nullopt}},
             {"live", {false, {Qt::Key_Return}, std::nullopt}}});
    }
    void keysMoveTheEnlargedPixelAndPick() {
        ROW(KeyRow, lock, keys, pick);
        Magnifier m;
        m.view.beginMagnify();
        if (lock)
            m.view.stopMagnify();
        for (int key : keys)
            QTest::keyClick(&m.view, Qt::Key(key));
        QCOMPARE(m.view.selectedColor().has_value(), pick.has_value());
        if (pick)
            QCOMPARE(m.view.selectedColor(), colorOf(screenPixel(7 + pick->x(), 7 + pick->y())));
    }

    void pickedColorIsDrawnShownDraggedAndExplained() {
        // The pixel (10, 10) of the fake screen is (60, 80, 180).
        const QString tooltip = u"RGB(60,80,180)"_s;
        QVColorWellBase::setTransferFormats({}, 2);
        Magnifier m;
        m.view.setToolTipFamily(1);
        QCOMPARE(m.view.mimeDataForDrag(), nullptr);
        QVERIFY(m.view.selectedColorToolTip().isEmpty());
        m.lockAt(QPoint(10, 10));
        // The hovered pixel is drawn enlarged and framed; then the click picks it.
        m.view.setBorderColor(Color{0, 1, 0, 1});
        m.hover(m.centreOf(QPoint(3, 3)));
        QVERIFY(m.view.mouseHover());
        const QImage image = viewtest::render(&m.view, 2.0);
        const QRect square = m.view.magnifierGeometry().pixelRect(3, 3); // (49, 50, 15, 15)
        const auto at = [&](int x, int y) { return viewtest::pixel(image, {x + 0.5, y + 0.5}); };
        // Grown into the neighbours by the padding (4), framed two points wide.
        QCOMPARE(at(square.left() - 4, square.center().y()), QColor(Qt::green));
        QCOMPARE(at(square.left() - 2, square.center().y()), QColor(screenPixel(10, 10)));
        QCOMPARE(at(square.center().x(), square.bottom() + 4), QColor(Qt::green));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&m.view, &leave);
        QVERIFY(!m.view.mouseHover());
        QCOMPARE(m.drawn(QPoint(square.left() - 4, square.center().y())),
                 QColor(screenPixel(9, 10)));
        m.click(m.centreOf(QPoint(3, 3)));
        QCOMPARE(m.view.selectedColorToolTip(), tooltip);
        QHelpEvent help(QEvent::ToolTip, m.stripPoint(), m.view.mapToGlobal(m.stripPoint()));
        QApplication::sendEvent(&m.view, &help);
        QCOMPARE(QToolTip::text(), tooltip);
        QToolTip::hideText();

        const std::unique_ptr<QMimeData> mime(m.view.mimeDataForDrag());
        QVERIFY(mime);
        QCOMPARE(mime->text(), u"#36c"_s);
        QCOMPARE(qvariant_cast<QColor>(mime->colorData()), QColor(screenPixel(10, 10)));
        QCOMPARE(m.drawn(m.stripPoint()), QColor(screenPixel(10, 10)));
    }

    void drawnPixel_data() {
        const QPoint strip = MagnifierGeometry(7, 4).selectedColorStrip().topLeft();
        const Color stripe = tintmere::colorFromQColor(QColor::fromRgbF(0.85f, 0.85f, 0.85f));
        const auto veiled = [](int x, int y, Color veil) {
            return viewtest::over(colorOf(screenPixel(x, y)), veil);
        };
        // Stripes rise to the right; the grid darkens its lines (one at x = 19), loading lightens.
        table<PixelRow>(
            {{"stripe at the bottom-left", {1.0, strip + QPoint(1, 97), stripe, None}},
             {"white above the stripe @2x", {2.0, strip + QPoint(1, 82), Color{1, 1, 1, 1}, None}},
             {"grid line", {1.0, QPoint(19, 12), veiled(8, 7, {0, 0, 0, 0.15f}), Grid}},
             {"loading", {1.0, QPoint(11, 102), veiled(7, 13, {1, 1, 1, 0.5f}), Loading}}});
    }

    void drawnPixel() {
        ROW(PixelRow, dpr, at, expected, overlay);
        Magnifier m;
        if (overlay != None) {
            m.lockAt(QPoint(10, 10));
            m.view.setDrawGrid(overlay == Grid);
            m.view.setDrawLoading(overlay == Loading);
        }
        const QColor actual = m.drawn(at, dpr);
        QVERIFY2(viewtest::sameColor(actual, expected), viewtest::describe(actual));
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
        int black = 0, light = 0;
        for (int y = square.top() + 1; y < square.bottom(); ++y)
            for (int x = square.left() + 1; x < square.right(); ++x) {
                black += qGray(image.pixel(x, y)) < 20;
                light += qGray(image.pixel(x, y)) > 200;
            }
        QCOMPARE(black, 0);
        QVERIFY2(light > 20, QByteArray::number(light));

        // Frames shown from elsewhere (pick mode) are drawn, and a lock holds the last one.
        m.view.beginMagnify();
        m.view.showLiveFrame(QPoint(20, 20), screenImage().copy(17, 17, 7, 7));
        QCOMPARE(m.drawn(m.centreOf(QPoint(3, 3))), QColor(screenPixel(20, 20)));
        m.view.stopMagnify();
        m.click(m.centreOf(QPoint(3, 3)));
        QCOMPARE(m.view.selectedColor(), colorOf(screenPixel(20, 20)));
        // Unlocked, nothing shows that pick mode did not show afresh.
        m.view.beginMagnify();
        QCOMPARE(m.drawn(square.topLeft() + QPoint(2, 2)).rgb(),
                 QColor::fromRgbF(0.3f, 0.3f, 0.3f).rgb());
    }
};

QTEST_MAIN(TestMagnifyView)
#include "tst_magnifyview.moc"
