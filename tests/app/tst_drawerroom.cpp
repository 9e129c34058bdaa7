// SPDX-License-Identifier: GPL-3.0-or-later
// An open drawer takes room of its own: the favorites list keeps its height and stays in
// sight while any drawer is open, and the window is as before once the drawer is closed.
// Registered twice: at scale 1 and with QT_SCALE_FACTOR=2.
#include "appcontroller.h"
#include "defaults.h"
#include "qvdrawer.h"

#include <QApplication>
#include <QRegion>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

class TestDrawerRoom : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppController> m_controller;

    // Rows of the list the user can see, in the window's coordinates: what an open drawer
    // does not cover.
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
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        m_controller = std::make_unique<AppController>(m_dir.filePath(u"Favorites.plist"_s));
    }
    void cleanup() { m_controller.reset(); }

    void favoritesKeepTheirRoom_data() {
        QTest::addColumn<int>("tool");
        QTest::newRow("RGB") << 0;
        QTest::newRow("hex") << 1;
        QTest::newRow("blend") << 2;
        QTest::newRow("magnifier") << 3;
    }

    void favoritesKeepTheirRoom() {
        QFETCH(int, tool);
        // About five rows of the list: enough to see a new favorite and its neighbours.
        constexpr int kUsableListHeight = 100;
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

    // Switching from one drawer to another leaves the window as tall as the new drawer
    // needs, not the sum of both.
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
