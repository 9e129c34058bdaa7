// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own keys in its other windows: the preferences, the help and the global
// panel. Each key means what it means on the desktop: Ctrl+W closes the window it was
// pressed in, Ctrl+Q quits from anywhere.
#include "appcontroller.h"
#include "defaults.h"
#include "helpviewer.h"
#include "qvglobalpanel.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

class TestWindowShortcuts : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppController> m_controller;

    const MainWindowOutlets& o() const { return m_controller->outlets(); }
    MainWindow* mainWindow() const { return m_controller->mainWindow(); }
    static QWidget* topLevel(const QString& kind) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (kind == u"help" && qobject_cast<HelpViewer*>(window))
                return window;
            if (kind == u"preferences" && window->objectName() == u"Prefs Window")
                return window;
        }
        return nullptr;
    }
    QWidget* windowOf(const QString& kind) const {
        return kind == u"panel" ? m_controller->globalPanel() : topLevel(kind);
    }
    static bool shown(QWidget* window) { return window && window->isVisible(); }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        m_controller = std::make_unique<AppController>(m_dir.filePath(u"Favorites.plist"_s));
        mainWindow()->show();
        QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
    }
    void cleanup() { m_controller.reset(); }

    void keysWorkInEveryWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("mainWindowClosed");
        QTest::addColumn<QString>("keys");
        // What the key did: "quit", "closed" or "minimized" (the window it was pressed in,
        // the main window left as it was), or "<window> shown" / "<window> hidden".
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* name, const QString& window, bool mainClosed,
                            const QString& keys, const QString& outcome) {
            QTest::newRow(name) << window << mainClosed << keys << outcome;
        };
        row("preferences: quit", u"preferences"_s, false, u"Ctrl+Q"_s, u"quit"_s);
        row("preferences: close", u"preferences"_s, false, u"Ctrl+W"_s, u"closed"_s);
        row("preferences: minimize", u"preferences"_s, false, u"Ctrl+M"_s, u"minimized"_s);
        row("preferences: help", u"preferences"_s, false, u"F1"_s, u"help shown"_s);
        row("preferences: main window back", u"preferences"_s, true, u"Ctrl+N"_s, u"main shown"_s);
        row("preferences, alone: quit", u"preferences"_s, true, u"Ctrl+Q"_s, u"quit"_s);
        row("help: quit", u"help"_s, false, u"Ctrl+Q"_s, u"quit"_s);
        row("help: close", u"help"_s, false, u"Ctrl+W"_s, u"closed"_s);
        row("help: preferences", u"help"_s, true, u"Ctrl+,"_s, u"preferences shown"_s);
        row("panel: quit", u"panel"_s, true, u"Ctrl+Q"_s, u"quit"_s);
        row("panel: close", u"panel"_s, true, u"Ctrl+W"_s, u"closed"_s);
        row("panel: its tool key hides it", u"panel"_s, true, u"Ctrl+5"_s, u"panel hidden"_s);
        row("panel: main window back", u"panel"_s, true, u"Ctrl+N"_s, u"main shown"_s);
        row("panel: preferences", u"panel"_s, true, u"Ctrl+,"_s, u"preferences shown"_s);
        row("panel: help", u"panel"_s, true, u"F1"_s, u"help shown"_s);
        row("panel: no minimize", u"panel"_s, true, u"Ctrl+M"_s, u"panel shown"_s);
    }

    void keysWorkInEveryWindow() {
        QFETCH(QString, window);
        QFETCH(bool, mainWindowClosed);
        QFETCH(QString, keys);
        QFETCH(QString, outcome);

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
        if (outcome == u"closed") {
            QVERIFY(!target->isVisible());
        } else if (outcome == u"minimized") {
            QTRY_VERIFY(target->isMinimized());
            QVERIFY(!mainWindow()->isMinimized());
        } else if (outcome.endsWith(u" shown") || outcome.endsWith(u" hidden")) {
            const QString kind = outcome.section(u' ', 0, 0);
            QWidget* other = kind == u"main" ? mainWindow() : windowOf(kind);
            QCOMPARE(shown(other), outcome.endsWith(u" shown"));
        }
        if (outcome == u"closed" || outcome == u"minimized" || outcome == u"quit")
            QCOMPARE(mainWindow()->isVisible(), !mainWindowClosed);
    }
};

QTEST_MAIN(TestWindowShortcuts)
#include "tst_windowshortcuts.moc"
