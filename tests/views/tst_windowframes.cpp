// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "windowframes.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

using testrows::row;
using testrows::Rows;
using tintmere::clampedFrame;
using tintmere::restoreFrameOnScreens;

namespace {

// A frame as QWidget::saveGeometry writes it (format 3), with any rectangle in it.
QByteArray savedFrame(const QRect& rect) {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << rect << rect << qint32(0)
           << quint8(0) << quint8(0) << qint32(QGuiApplication::primaryScreen()->size().width())
           << rect;
    return bytes;
}

} // namespace

using ClampingRow = std::tuple<QRect, QRect>;

class TestWindowFrames : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clamping_data() {
        const Rows<ClampingRow> row;
        const QRect screen(0, 0, 800, 600);
        row("inside stays", QRect(10, 20, 300, 200), QRect(10, 20, 300, 200));
        row("past the right edge", QRect(700, 20, 300, 200), QRect(500, 20, 300, 200));
        row("above the top", QRect(10, -500, 300, 200), QRect(10, 0, 300, 200));
        row("far away", QRect(1000000000, 1000000000, 300, 200), QRect(500, 400, 300, 200));
        row("larger than the screen", QRect(-1000000000, 5, 1000000000, 1000000000), screen);
    }
    void clamping() {
        ROW(ClampingRow, frame, clamped);
        QCOMPARE(clampedFrame(frame, QRect(0, 0, 800, 600)), clamped);
    }

    // A saved frame out of all reach comes back on a screen, whole.
    void restoredFramesStayOnTheScreens_data() {
        QTest::addColumn<QRect>("saved");
        row("far away", QRect(1000000000, 1000000000, 300, 200));
        row("far to the upper left", QRect(-1000000000, -1000000000, 300, 200));
        row("huge", QRect(0, 0, 1000000000, 1000000000));
        row("half off the right edge", QRect(-150, 10, 300, 200));
    }
    void restoredFramesStayOnTheScreens() {
        QFETCH(QRect, saved);
        QWidget window;
        QVERIFY(restoreFrameOnScreens(&window, savedFrame(saved)));
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(available.contains(window.geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                       .arg(window.x())
                                                                       .arg(window.y())
                                                                       .arg(window.width())
                                                                       .arg(window.height())));
    }
};

QTEST_MAIN(TestWindowFrames)
#include "tst_windowframes.moc"
