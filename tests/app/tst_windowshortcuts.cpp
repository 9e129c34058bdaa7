// SPDX-License-Identifier: GPL-3.0-or-later
// The program's keys in its other windows: Ctrl+W closes the window it was pressed in,
// Ctrl+Q quits from anywhere.
#include "apptesting.h"
#include "datarows.h"
#include "helpviewer.h"
#include "qvglobalpanel.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::Rows;
using KeyRow = std::tuple<QString, bool, QString, QString>;

class TestWindowShortcuts : public QObject, ProgramFixture {
    Q_OBJECT

    MainWindow* mainWindow() const { return m_controller->mainWindow(); }
    QWidget* windowOf(const QString& kind) const {
        if (kind == u"main" || kind == u"panel")
            return kind == u"main" ? static_cast<QWidget*>(mainWindow())
                                   : m_controller->globalPanel();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (kind == u"help" ? bool(qobject_cast<HelpViewer*>(window))
                                : window->objectName() == u"Prefs Window")
                return window;
        }
        return nullptr;
    }

private Q_SLOTS:
    void init() {
        startAfresh();
        mainWindow()->show();
        QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
    }
    void cleanup() { m_controller.reset(); }

    // The window, the main window closed, the keys, and what they did: "quit", "closed" or
    // "minimized" (the window they were pressed in), or "<window> shown" / "<window> hidden".
    void keysWorkInEveryWindow_data() {
        const Rows<KeyRow> row;
        const QString prefs = u"preferences"_s, help = u"help"_s, panel = u"panel"_s;
        row("preferences: minimize", prefs, false, u"Ctrl+M"_s, u"minimized"_s);
        row("preferences: help", prefs, false, u"F1"_s, u"help shown"_s);
        row("preferences: main window back", prefs, true, u"Ctrl+N"_s, u"main shown"_s);
        row("preferences, alone: quit", prefs, true, u"Ctrl+Q"_s, u"quit"_s);
        row("help: quit", help, false, u"Ctrl+Q"_s, u"quit"_s);
        row("help: close", help, false, u"Ctrl+W"_s, u"closed"_s);
        row("help: preferences", help, true, u"Ctrl+,"_s, u"preferences shown"_s);
        row("panel: close", panel, true, u"Ctrl+W"_s, u"closed"_s);
        row("panel: its tool key hides it", panel, true, u"Ctrl+5"_s, u"panel hidden"_s);
        row("panel: preferences", panel, true, u"Ctrl+,"_s, u"preferences shown"_s);
        row("panel: help", panel, true, u"F1"_s, u"help shown"_s);
        row("panel: no minimize", panel, true, u"Ctrl+M"_s, u"panel shown"_s);
    }

    void keysWorkInEveryWindow() {
        ROW(KeyRow, window, mainWindowClosed, keys, outcome);
        // A menu opened while the main window showed leaves "New Window" disabled.
        mainWindow()->allMenus().constFirst()->aboutToShow();
        if (window == u"preferences")
            o().preferences->trigger();
        else if (window == u"help")
            o().helpItem->trigger();
        else
            m_controller->setGlobalPanelVisible(true);
        QWidget* target = windowOf(window);
        QVERIFY(target);
        if (mainWindowClosed)
            mainWindow()->close();
        QCOMPARE(mainWindow()->isVisible(), !mainWindowClosed);
        if (window == u"panel") // the panel never takes the keyboard from another window
            QTRY_VERIFY(!QApplication::activeWindow());
        else
            QVERIFY(QTest::qWaitForWindowActive(target));

        QSignalSpy quit(o().quit, &QAction::triggered);
        QTest::keySequence(target, QKeySequence(keys));
        QCOMPARE(quit.size(), outcome == u"quit" ? 1 : 0);
        if (outcome.contains(u' ')) {
            QWidget* other = windowOf(outcome.section(u' ', 0, 0));
            QCOMPARE(other && other->isVisible(), outcome.endsWith(u" shown"));
            return;
        }
        QCOMPARE(mainWindow()->isVisible(), !mainWindowClosed);
        if (outcome == u"closed")
            QVERIFY(!target->isVisible());
        if (outcome == u"minimized") {
            QTRY_VERIFY(target->isMinimized());
            QVERIFY(!mainWindow()->isMinimized());
        }
    }
};

QTEST_MAIN(TestWindowShortcuts)
#include "tst_windowshortcuts.moc"
