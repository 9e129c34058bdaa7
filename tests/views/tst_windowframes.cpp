// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "windowframes.h"

#include <QDataStream>
#include <QDebug>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

using testrows::row;
using testrows::Rows;
using tintmere::frameToSave;
using tintmere::placedFrame;
using tintmere::restoreFrameOnScreens;

namespace {

// A frame as QWidget::saveGeometry writes it (format 3, or 2 before Qt 6.4), with any
// rectangle in it.
QByteArray savedFrame(const QRect& rect, quint16 format = 3) {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << quint32(0x1D9D0CB) << format << quint16(0) << rect << rect << qint32(0) << quint8(0)
           << quint8(0) << qint32(QGuiApplication::primaryScreen()->size().width());
    if (format > 2)
        stream << rect;
    return bytes;
}

} // namespace

using PlacementRow = std::tuple<QList<QRect>, QRect, QRect>;
using SavingRow = std::tuple<QByteArray, QRect, bool, QRect>;

class TestWindowFrames : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placement_data() {
        const Rows<PlacementRow> row;
        const QList<QRect> one{QRect(0, 0, 800, 600)};
        const QList<QRect> two{QRect(0, 0, 800, 600), QRect(800, 0, 1024, 768)};
        row("inside stays", one, QRect(10, 20, 300, 200), QRect(10, 20, 300, 200));
        row("past the right edge", one, QRect(700, 20, 300, 200), QRect(500, 20, 300, 200));
        row("above the top", one, QRect(10, -500, 300, 200), QRect(10, 0, 300, 200));
        row("far away", one, QRect(1000000000, 1000000000, 300, 200), QRect(500, 400, 300, 200));
        row("larger than the screen", one, QRect(-1000000000, 5, 1000000000, 1000000000), one[0]);
        row("on the second screen stays", two, QRect(900, 100, 300, 200),
            QRect(900, 100, 300, 200));
        row("across two: onto the one showing more", two, QRect(700, 100, 300, 200),
            QRect(800, 100, 300, 200));
        row("its screen gone: onto the nearest", two, QRect(3000, 700, 300, 200),
            QRect(1524, 568, 300, 200));
        row("no screens: left alone", QList<QRect>{}, QRect(-5, 3, 30, 20), QRect(-5, 3, 30, 20));
    }
    void placement() {
        ROW(PlacementRow, areas, frame, placed);
        QCOMPARE(placedFrame(frame, areas), placed);
    }

    // A saved frame out of all reach comes back on a screen, whole.
    void restoredFramesStayOnTheScreens_data() {
        QTest::addColumn<QRect>("saved");
        row("far to the upper left", QRect(-1000000000, -1000000000, 300, 200));
        row("huge", QRect(0, 0, 1000000000, 1000000000));
    }
    void restoredFramesStayOnTheScreens() {
        QFETCH(QRect, saved);
        QWidget window;
        QVERIFY(restoreFrameOnScreens(&window, savedFrame(saved)));
        QVERIFY2(QGuiApplication::primaryScreen()->availableGeometry().contains(window.geometry()),
                 qPrintable(QDebug::toString(window.geometry())));
    }

    // What is saved now (the window's frame, given the one saved before), as the next start
    // restores it.
    void saving_data() {
        const Rows<SavingRow> row;
        const QRect before(100, 80, 300, 200);
        const QRect now(400, 300, 320, 220);
        row("where the window is, where positions are known", savedFrame(before), now, true, now);
        row("Wayland: the last known place, the size now", savedFrame(before), now, false,
            QRect(100, 80, 320, 220));
        row("Wayland, saved by Qt 5 before", savedFrame(before, 2), now, false,
            QRect(100, 80, 320, 220));
        // Not Qt's corner of the screen: the next X11 start uses the first-run place.
        row("Wayland, nothing saved before", QByteArray(), now, false, QRect());
        row("Wayland over a damaged frame", QByteArray("\0\0\0\1 damaged", 12), now, false,
            QRect());
    }
    void saving() {
        ROW(SavingRow, before, now, positionsKnown, restored);
        QWidget window;
        const QByteArray saved = frameToSave(savedFrame(now), before, positionsKnown);
        QCOMPARE(restoreFrameOnScreens(&window, saved) ? window.geometry() : QRect(), restored);
    }
};

QTEST_MAIN(TestWindowFrames)
#include "tst_windowframes.moc"
