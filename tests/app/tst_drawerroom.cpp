// SPDX-License-Identifier: GPL-3.0-or-later
// An open drawer takes room of its own: the favorites list keeps its height and stays in
// sight, and the window is as before once it closes. Run at scale 1 and 2.
#include "apptesting.h"
#include "qvdrawer.h"

#include <QApplication>
#include <QRegion>
#include <QTest>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

class TestDrawerRoom : public QObject, ProgramFixture {
    Q_OBJECT

    // The height of the list that no open drawer covers.
    static int visibleListHeight(const QWidget* window, const QTreeView* list,
                                 const QList<QVDrawer*>& drawers) {
        QRegion visible(QRect(list->mapTo(window, QPoint(0, 0)), list->size()));
        for (const QVDrawer* drawer : drawers) {
            if (drawer->isVisible())
                visible -= QRect(drawer->mapTo(window, QPoint(0, 0)), drawer->size());
        }
        return visible.boundingRect().height();
    }

private Q_SLOTS:
    void init() { startAfresh(); }
    void cleanup() { m_controller.reset(); }

    void favoritesKeepTheirRoom_data() {
        QTest::addColumn<int>("tool");
        for (int tool : {0, 1, 2, 3})
            QTest::addRow("tool %d", tool) << tool;
    }
    void favoritesKeepTheirRoom() {
        QFETCH(int, tool);
        constexpr int kUsableListHeight = 100; // a new favorite and its neighbours
        MainWindow* window = m_controller->mainWindow();
        const MainWindowOutlets& o = m_controller->outlets();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* list = o.favoritesArea->findChild<QTreeView*>();
        QVERIFY(list);
        const QList<QVDrawer*> drawers{o.rgbDrawer, o.hexDrawer, o.blendDrawer, o.magnifyDrawer};
        QVDrawer* drawer = drawers.at(tool);
        const int closedWindowHeight = window->height();
        const int closedListHeight = visibleListHeight(window, list, drawers);
        QVERIFY2(closedListHeight >= kUsableListHeight,
                 qPrintable(QString::number(closedListHeight)));

        m_controller->toolItemSelected(tool);
        QTRY_COMPARE(drawer->state(), QVDrawer::Open);
        QTRY_COMPARE(visibleListHeight(window, list, drawers), closedListHeight);
        QCOMPARE(window->height(), closedWindowHeight + drawer->height());
        // The whole drawer shows, between the tools bar and the list.
        QCOMPARE(drawer->shownDepth(), drawer->sizeHint().height());
        QVERIFY(drawer->mapTo(window, QPoint(0, drawer->height())).y() <=
                list->mapTo(window, QPoint(0, 0)).y());

        m_controller->toolItemSelected(tool);
        QTRY_COMPARE(drawer->state(), QVDrawer::Closed);
        QTRY_COMPARE(window->height(), closedWindowHeight);
        QCOMPARE(visibleListHeight(window, list, drawers), closedListHeight);
    }

    // Switching drawers leaves the window as tall as the new one needs, not the sum of both.
    void switchingDrawersGrowsOnce() {
        MainWindow* window = m_controller->mainWindow();
        const MainWindowOutlets& o = m_controller->outlets();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const int closedWindowHeight = window->height();
        m_controller->toolItemSelected(3);
        QTRY_COMPARE(o.magnifyDrawer->state(), QVDrawer::Open);
        m_controller->toolItemSelected(1);
        QTRY_COMPARE(o.hexDrawer->state(), QVDrawer::Open);
        QTRY_COMPARE(o.magnifyDrawer->state(), QVDrawer::Closed);
        QTRY_COMPARE(window->height(), closedWindowHeight + o.hexDrawer->height());
        window->close(); // the drawers close with the window
        QTRY_COMPARE(window->height(), closedWindowHeight);
    }
};

QTEST_MAIN(TestDrawerRoom)
#include "tst_drawerroom.moc"
