// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "loupegeometry.h"

#include <QTest>

using testrows::Rows;
using tintmere::LoupeGeometry;
using tintmere::LoupeScreen;

namespace {

// A desktop of two screens: 1280 x 1024 at scale 1 and, to its right, 800 x 600 logical
// pixels at scale 2 (1600 x 1200 device pixels).
const QList<LoupeScreen> kDesktop{{QRect(0, 0, 1280, 1024), 1.0}, {QRect(1280, 0, 800, 600), 2.0}};
constexpr QSize kLoupe{100, 120};

using PlaceRow = std::tuple<QList<LoupeScreen>, QPoint, QPoint>;
using ZoomRow = std::tuple<int, int, int, int>;

} // namespace

class TestLoupeGeometry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placesBesideThePointerAndStaysOnItsScreen_data() {
        const Rows<PlaceRow> row;
        row("below right", kDesktop, QPoint(500, 500), QPoint(524, 524));
        row("right edge flips left", kDesktop, QPoint(1250, 500), QPoint(1126, 524));
        row("bottom edge flips up", kDesktop, QPoint(500, 1000), QPoint(524, 856));
        // Not onto the next screen: the loupe stays with the pointer.
        row("right edge beside a screen", kDesktop, QPoint(1270, 10), QPoint(1146, 34));
        row("scale 2", kDesktop, QPoint(1680, 200), QPoint(1504, 124));
        row("scale 2 corner", kDesktop, QPoint(2879, 1199), QPoint(1955, 455));
        row("screen smaller than the loupe", QList<LoupeScreen>{{QRect(0, 0, 90, 90), 1.0}},
            QPoint(50, 50), QPoint(0, 0));
        row("outside every screen", kDesktop, QPoint(2000, 1250), QPoint(2024, 1274));
    }
    void placesBesideThePointerAndStaysOnItsScreen() {
        ROW(PlaceRow, screens, pointer, topLeft);
        QCOMPARE(tintmere::placeLoupe(pointer, kLoupe, screens), topLeft);
    }

    void zoomKeepsAMiddlePixel_data() {
        const Rows<ZoomRow> row;
        row("zoom size 0", 0, 0, 8, 17);
        row("zoom size 2", 2, 0, 16, 9);
        row("unknown zoom size", 7, 0, 12, 11);
        row("in, past the end", 1, 10, 24, 5);
        row("out, past the end", 1, -10, 4, 35);
    }
    void zoomKeepsAMiddlePixel() {
        ROW(ZoomRow, zoomSize, steps, pixelSize, pixelsPerSide);
        const LoupeGeometry loupe = LoupeGeometry::forZoomSize(zoomSize).zoomed(steps);
        QCOMPARE(loupe.pixelSize(), pixelSize);
        QCOMPARE(loupe.pixelsPerSide(), pixelsPerSide);
        // The frame sits around the middle pixel, inside the pixels.
        const int middle = loupe.pixelsPerSide() / 2;
        QCOMPARE(loupe.middleFrame().center(), loupe.pixelRect(middle, middle).center());
        QVERIFY(loupe.textRect().top() >= loupe.pixelRect(0, loupe.pixelsPerSide() - 1).bottom());
    }
};

QTEST_GUILESS_MAIN(TestLoupeGeometry)
#include "tst_loupegeometry.moc"
