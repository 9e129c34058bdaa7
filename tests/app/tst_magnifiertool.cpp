// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "fakeglobalhotkey.h"
#include "fakescreencapture.h"
#include "magnifiertool.h"
#include "qvdrawer.h"
#include "qvlockview.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

// The magnifier alone, with only its drawer's controls.
class TestMagnifierTool : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> m_window;
    MagnifierToolWidgets w;
    std::unique_ptr<MagnifierTool> m_tool;

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        m_window = std::make_unique<QWidget>();
        w.magnifyArea = new QWidget(m_window.get());
        new QVBoxLayout(w.magnifyArea);
        w.magnifyDrawer = new QVDrawer(m_window.get());
        w.magnifyDrawer->setAnimationDuration(0);
        w.lockStatus = new QVLockView(m_window.get());
        w.lockMagnify = new QAction(m_window.get());
        m_tool = std::make_unique<MagnifierTool>(w);
    }
    void cleanup() {
        m_tool.reset();
        m_window.reset();
    }

    void runsWhileItsDrawerIsOpen() {
        FakeMagnifier magnifier;
        Defaults::standard().setInt(keys::ZoomSize, 3);
        m_tool->setMagnifier(&magnifier);
        QCOMPARE(magnifier.boxSize, 3);
        w.lockStatus->setIsLocked(true);
        m_tool->drawerWillOpen();
        m_tool->drawerDidOpen();
        QCOMPARE(magnifier.calls, (QStringList{u"loading"_s, u"loaded"_s, u"begin"_s}));
        QVERIFY(!w.lockStatus->isLocked());
        w.magnifyDrawer->open();
        m_tool->toggleMagnify();
        QVERIFY(magnifier.stopped);
        QVERIFY(w.lockStatus->isLocked());
        m_tool->toggleMagnify();
        QVERIFY(!magnifier.stopped);
        w.magnifyDrawer->close();
        m_tool->drawerWillClose();
        QCOMPARE(magnifier.calls.last(), u"stop"_s);
        QVERIFY(w.lockStatus->isLocked());
        m_tool->drawerWillOpen();
        m_tool->toggleMagnify(); // a lock while it slides out
        m_tool->drawerDidOpen();
        QVERIFY(!magnifier.stopped);
        QVERIFY(!w.lockStatus->isLocked());
        m_tool->setMagnifier(nullptr);
    }

    void hotKeyAndUseAreReported() {
        FakeMagnifier magnifier;
        m_tool->setMagnifier(&magnifier);
        m_tool->setScreenCapture(std::make_unique<platform::FakeScreenCapture>()); // live
        auto* hotKey = new platform::FakeGlobalHotKey;
        m_tool->setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey>(hotKey));
        connect(m_tool.get(), &MagnifierTool::hotKeyPressed, m_tool.get(),
                &MagnifierTool::toggleMagnify);
        QVERIFY(w.lockStatus->toolTip().contains(u"Super"_s));
        QVERIFY(!w.lockMagnify->isEnabled());
        w.magnifyDrawer->open();
        m_tool->drawerDidOpen();
        QVERIFY(w.lockMagnify->isEnabled());
        for (bool locked : {true, false}) { // the hot key arrives through the event loop
            hotKey->press();
            QTRY_COMPARE(magnifier.stopped, locked);
            QCOMPARE(w.lockStatus->isLocked(), locked);
        }
        magnifier.picked = Color::fromBytes(0xfe, 0x01, 0x80);
        QSignalSpy use(m_tool.get(), &MagnifierTool::useRequested);
        m_window->findChild<QPushButton*>(u"useMagnifiedColor"_s)->click();
        QCOMPARE(use.count(), 1);
        w.magnifyDrawer->close();
        QVERIFY(!w.lockMagnify->isEnabled());
        m_tool->setMagnifier(nullptr);
    }
};

QTEST_MAIN(TestMagnifierTool)
#include "tst_magnifiertool.moc"
