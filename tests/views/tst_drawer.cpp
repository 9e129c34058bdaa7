// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qvdrawer.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::Rows;

Q_DECLARE_METATYPE(Qt::Edge)

namespace {

// The drawer notifications heard from one drawer, short names: "will-open" etc.
struct DrawerLog {
    QStringList heard;
    QObject context;
    explicit DrawerLog(QVDrawer* drawer) {
        using namespace tintmere::notifications;
        const QStringList shortNames{u"will-open"_s, u"did-open"_s, u"will-close"_s,
                                     u"did-close"_s};
        const QStringList names{DrawerWillOpen, DrawerDidOpen, DrawerWillClose, DrawerDidClose};
        for (int i = 0; i < 4; ++i)
            tintmere::NotificationCenter::defaultCenter().addObserver(
                &context, names[i], drawer, [this, n = shortNames[i]](auto&) { heard << n; });
    }
};

// A shown window with one drawer whose content asks for 200 by 80.
struct Window {
    QWidget area;
    QVDrawer* drawer;
    explicit Window(Qt::Edge edge = Qt::BottomEdge, int duration = 0)
        : drawer(new QVDrawer(&area, edge)) {
        auto* content = new QLabel(u"content"_s);
        content->setFixedSize(200, 80);
        drawer->setContentWidget(content);
        drawer->setAnimationDuration(duration);
        area.resize(400, 300);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
    }
};

} // namespace

using PlacementRow = std::tuple<Qt::Edge, QRect, QRect>;
using StateRow = std::tuple<QString, QVDrawer::State, QString>;

class TestDrawer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stateMachine_data() {
        const Rows<StateRow> row; // heard: o = will-open did-open, c = will-close did-close
        row("open twice announces once", u"open open"_s, QVDrawer::Open, u"o"_s);
        row("close a closed drawer", u"close"_s, QVDrawer::Closed, QString());
        row("open and close", u"open close"_s, QVDrawer::Closed, u"oc"_s);
        row("Escape closes", u"open Escape"_s, QVDrawer::Closed, u"oc"_s);
        row("toggle twice closes", u"toggle toggle"_s, QVDrawer::Closed, u"oc"_s);
        row("close then toggle opens", u"open close toggle"_s, QVDrawer::Open, u"oco"_s);
    }

    void stateMachine() {
        ROW(StateRow, calls, state, heard);
        QStringList notifications;
        for (QChar c : heard)
            notifications << (c == u'o' ? u"will-open did-open"_s : u"will-close did-close"_s);
        Window window;
        DrawerLog log(window.drawer);
        for (const QString& call : calls.split(u' ')) {
            if (call == u"open")
                window.drawer->open();
            else if (call == u"close")
                window.drawer->close();
            else if (call == u"Escape")
                QTest::keyClick(window.drawer, Qt::Key_Escape);
            else
                window.drawer->toggle();
        }
        QCOMPARE(window.drawer->state(), state);
        QCOMPARE(log.heard.join(u' '), notifications.join(u' '));
        QCOMPARE(window.drawer->isVisible(), state == QVDrawer::Open);
    }

    void slidesOverTime() {
        Window window(Qt::BottomEdge, 120);
        DrawerLog log(window.drawer);
        QSignalSpy states(window.drawer, &QVDrawer::stateChanged);
        window.drawer->open();
        QCOMPARE(window.drawer->state(), QVDrawer::Opening);
        QCOMPARE(log.heard, QStringList{u"will-open"_s});
        QVERIFY(window.drawer->isVisible());
        QTRY_COMPARE(window.drawer->state(), QVDrawer::Open);
        QCOMPARE(log.heard, (QStringList{u"will-open"_s, u"did-open"_s}));
        QCOMPARE(window.drawer->geometry().bottom(), window.area.rect().bottom());

        window.drawer->close();
        QCOMPARE(window.drawer->state(), QVDrawer::Closing);
        QVERIFY(window.drawer->isVisible());
        QTRY_COMPARE(window.drawer->state(), QVDrawer::Closed);
        QVERIFY(!window.drawer->isVisible());
        QCOMPARE(states.size(), 4);
    }

    void turnsRoundWhileOpening() {
        Window window(Qt::BottomEdge, 400);
        DrawerLog log(window.drawer);
        window.drawer->open();
        QTRY_VERIFY(window.drawer->openFraction() > 0.1);
        window.drawer->toggle();
        QCOMPARE(window.drawer->state(), QVDrawer::Closing);
        QTRY_COMPARE(window.drawer->state(), QVDrawer::Closed);
        // It never finished opening, so it never said so.
        QCOMPARE(log.heard, (QStringList{u"will-open"_s, u"will-close"_s, u"did-close"_s}));
    }

    void observerMayCloseAnOpeningDrawer() {
        Window window;
        QObject context;
        QVDrawer::State heardIn = QVDrawer::Closed;
        tintmere::NotificationCenter::defaultCenter().addObserver(
            &context, tintmere::notifications::DrawerWillOpen, window.drawer,
            [&](const tintmere::Notification&) {
                heardIn = window.drawer->state();
                window.drawer->close();
            });
        window.drawer->open();
        QCOMPARE(heardIn, QVDrawer::Opening);
        QCOMPARE(window.drawer->state(), QVDrawer::Closed);
        QVERIFY(!window.drawer->isVisible());
    }

    void placement_data() {
        const Rows<PlacementRow> row; // grownGeometry: once the area is 500 by 400
        // Content 200 by 80 plus 8 of margin each side, in a 400 by 300 area.
        row("bottom", Qt::BottomEdge, QRect(0, 204, 400, 96), QRect(0, 304, 500, 96));
        row("right", Qt::RightEdge, QRect(184, 0, 216, 300), QRect(284, 0, 216, 400));
        row("left", Qt::LeftEdge, QRect(0, 0, 216, 300), QRect(0, 0, 216, 400));
    }

    void placement() {
        ROW(PlacementRow, edge, openGeometry, grownGeometry);
        Window window(edge);
        window.drawer->open();
        QCOMPARE(window.drawer->geometry(), openGeometry);
        window.area.resize(500, 400);
        QCOMPARE(window.drawer->geometry(), grownGeometry);
    }

    // A parent that makes room for the drawer may be smaller than it: the drawer keeps its
    // full depth and says how far it reaches, for the owner to size the parent.
    void parentMakesRoom() {
        Window window(Qt::TopEdge);
        window.drawer->setParentMakesRoom(true);
        window.area.resize(400, 20);
        QSignalSpy reach(window.drawer, &QVDrawer::shownDepthChanged);
        window.drawer->open();
        QCOMPARE(window.drawer->geometry(), QRect(0, 0, 400, 96));
        QCOMPARE(window.drawer->shownDepth(), 96);
        QCOMPARE(reach.size(), 1);
        QCOMPARE(reach.constFirst().constFirst().toInt(), 96);
        window.drawer->close();
        QCOMPARE(window.drawer->shownDepth(), 0);
        QCOMPARE(reach.size(), 2);
    }

    void followsItsContentSize() {
        Window window;
        window.drawer->open();
        window.drawer->contentWidget()->setFixedHeight(120);
        QTRY_COMPARE(window.drawer->geometry(), QRect(0, 164, 400, 136));
    }

    void hiddenWindowSwitchesAtOnce() {
        QWidget area;
        area.resize(300, 200);
        QVDrawer drawer(&area);
        drawer.setAnimationDuration(500);
        drawer.open();
        QCOMPARE(drawer.state(), QVDrawer::Open);
        drawer.close();
        QCOMPARE(drawer.state(), QVDrawer::Closed);
    }
};

QTEST_MAIN(TestDrawer)
#include "tst_drawer.moc"
