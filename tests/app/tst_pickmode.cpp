// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcontroller.h"
#include "colormetatype.h"
#include "defaults.h"
#include "fakedesktopcolorpicker.h"
#include "fakeglobalhotkey.h"
#include "fakepointergrab.h"
#include "fakescreencapture.h"
#include "fakescreensnapshot.h"
#include "pickmode.h"
#include "platformreasons.h"
#include "pointergrab_overlay.h"
#include "qvdrawer.h"
#include "qvlockview.h"
#include "qvloupe.h"
#include "qvmagnifyview.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"
#include "qvradiocolorwell.h"
#include "settingskeys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QWheelEvent>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using platform::FakePointerGrab;
using platform::FakeScreenCapture;
using Outcome = PickResult::Outcome;
using Snapshot = platform::SnapshotResult::Status;
using DesktopPick = platform::ColorPickResult::Status;

// How pick mode stands after Ctrl+L or the hot key.
enum class After { Locked, Picked, GoesOn };

Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(After)
Q_DECLARE_METATYPE(Snapshot)
Q_DECLARE_METATYPE(DesktopPick)

namespace {

// A 40 x 30 screen whose every pixel has its own colour; the pointer starts at (10, 10).
QRgb screenPixel(QPoint p) {
    return qRgb(p.x() * 6, p.y() * 8, 200 - p.x() - p.y());
}

QImage screenImage() {
    QImage image(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, screenPixel({x, y}));
    return image;
}

// The screens frozen by the desktop, showing the same pixels.
platform::FrozenScreens frozenScreens() {
    const QList<platform::ScreenLayout> screens = platform::currentScreenLayout();
    QImage image(platform::frozenImageSize(screens), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, screenPixel({x, y}));
    return platform::freezeScreens(image, screens);
}

Color colorAt(QPoint p) {
    const QRgb rgb = screenPixel(p);
    return Color::fromBytes(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
    QMouseEvent event(type, QPointF(), QPointF(), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The user's steps, each a word: a key name ("Right", "Shift+Down", "Escape", "Return"),
// "click" or "rightclick", "release" (of a press before pick mode), "wheel+" or "wheel-", or
// "move:X,Y" (the pointer moves there).
void perform(QWidget* loupe, FakeScreenCapture& screen, const QStringList& steps) {
    for (const QString& step : steps) {
        if (step == u"click" || step == u"rightclick") {
            const Qt::MouseButton button = step == u"click" ? Qt::LeftButton : Qt::RightButton;
            sendMouse(loupe, QEvent::MouseButtonPress, button);
            sendMouse(loupe, QEvent::MouseButtonRelease, button);
        } else if (step == u"release") {
            sendMouse(loupe, QEvent::MouseButtonRelease, Qt::LeftButton);
        } else if (step.startsWith(u"wheel")) {
            QWheelEvent wheel(QPointF(), QPointF(), QPoint(),
                              QPoint(0, step.endsWith(u'+') ? 120 : -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(loupe, &wheel);
        } else if (step.startsWith(u"move:")) {
            const QStringList xy = step.mid(5).split(u',');
            screen.setPointerPosition({xy[0].toInt(), xy[1].toInt()});
            sendMouse(loupe, QEvent::MouseMove, Qt::NoButton);
        } else {
            const QKeySequence key(step);
            QTest::keyClick(loupe, Qt::Key(key[0].key()), key[0].keyboardModifiers());
        }
    }
}

// The user's steps over the frozen screens' overlay: "at:X,Y" (the pointer moves to that
// logical desktop position), "click", or a key name.
void performOnOverlay(QWindow* overlay, const QStringList& steps) {
    QPointF at;
    for (const QString& step : steps) {
        if (step.startsWith(u"at:")) {
            const QStringList xy = step.mid(3).split(u',');
            at = {xy[0].toDouble(), xy[1].toDouble()};
            QMouseEvent move(QEvent::MouseMove, at, at, at, Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(overlay, &move);
        } else if (step == u"click") {
            for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, at, at, at, Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier);
                QCoreApplication::sendEvent(overlay, &event);
            }
        } else {
            const QKeySequence key(step);
            QTest::keyClick(overlay, Qt::Key(key[0].key()), key[0].keyboardModifiers());
        }
    }
}

} // namespace

class TestPickMode : public QObject {
    Q_OBJECT

    FakeScreenCapture* m_screen = nullptr;
    FakePointerGrab* m_grab = nullptr;
    std::unique_ptr<PickMode> m_pickMode;
    std::unique_ptr<FakeScreenCapture> m_ownScreen;

private Q_SLOTS:
    void init() {
        m_ownScreen = std::make_unique<FakeScreenCapture>();
        m_screen = m_ownScreen.get();
        m_screen->setScreenImage(screenImage());
        m_screen->setPointerPosition({10, 10});
        auto grab = std::make_unique<FakePointerGrab>(m_screen);
        m_grab = grab.get();
        m_pickMode = std::make_unique<PickMode>([this] { return m_screen; }, std::move(grab));
    }
    void cleanup() { m_pickMode.reset(); }

    void everyWayOutGivesThePointerBack_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QPoint>("picked");
        const QPoint none(-1, -1);
        QTest::newRow("click") << QStringList{u"click"_s} << Outcome::Picked << QPoint(10, 10);
        QTest::newRow("moved, then click")
            << QStringList{u"move:30,5"_s, u"click"_s} << Outcome::Picked << QPoint(30, 5);
        QTest::newRow("return") << QStringList{u"Return"_s} << Outcome::Picked << QPoint(10, 10);
        QTest::newRow("arrows nudge one pixel")
            << QStringList{u"Right"_s, u"Up"_s, u"Return"_s} << Outcome::Picked << QPoint(11, 9);
        QTest::newRow("shift arrows nudge ten")
            << QStringList{u"Shift+Down"_s, u"Left"_s, u"Enter"_s} << Outcome::Picked
            << QPoint(9, 20);
        QTest::newRow("zoom, then click")
            << QStringList{u"wheel+"_s, u"wheel-"_s, u"wheel-"_s, u"click"_s} << Outcome::Picked
            << QPoint(10, 10);
        QTest::newRow("escape") << QStringList{u"Right"_s, u"Escape"_s} << Outcome::Cancelled
                                << none;
        QTest::newRow("right click") << QStringList{u"rightclick"_s} << Outcome::Cancelled << none;
        QTest::newRow("release of an earlier press")
            << QStringList{u"release"_s, u"Escape"_s} << Outcome::Cancelled << none;
        // Beyond the screen's edge nothing can be read: no black pick.
        QTest::newRow("off the screen")
            << QStringList{u"move:45,10"_s, u"click"_s} << Outcome::Failed << none;
        QTest::newRow("return off the screen")
            << QStringList{u"move:39,29"_s, u"Right"_s, u"Return"_s} << Outcome::Failed << none;
    }
    void everyWayOutGivesThePointerBack() {
        QFETCH(QStringList, steps);
        QFETCH(QPoint, picked);
        QSignalSpy finished(m_pickMode.get(), &PickMode::finished);
        QVERIFY(m_pickMode->start());
        QVERIFY(m_grab->isGrabbed());
        QVERIFY(m_pickMode->loupe()->isVisible());
        QVERIFY(!m_pickMode->start()); // a second start is ignored
        perform(m_pickMode->loupe(), *m_screen, steps);

        QCOMPARE(finished.count(), 1);
        const auto result = finished.first().first().value<PickResult>();
        QTEST(result.outcome, "outcome");
        if (result.outcome == Outcome::Picked)
            QCOMPARE(result.color, colorAt(picked));
        QCOMPARE(result.message.isEmpty(), result.outcome != Outcome::Failed);
        QVERIFY(!m_pickMode->isActive());
        QVERIFY(!m_grab->isGrabbed());
        QVERIFY(!m_pickMode->loupe()->isVisible());
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        QCOMPARE(QWidget::keyboardGrabber(), nullptr);
    }

    void loupeShowsThePixelsAroundThePointer() {
        m_screen->clearCapturedRects();
        QVERIFY(m_pickMode->start());
        QVLoupe* loupe = m_pickMode->loupe();
        const int side = loupe->loupeGeometry().pixelsPerSide();
        QCOMPARE(m_screen->capturedRects().value(0),
                 QRect(QPoint(10, 10) - QPoint(side / 2, side / 2), QSize(side, side)));
        QCOMPARE(loupe->middleColor(), colorAt({10, 10}));
        QCOMPARE(loupe->text(), u"#3c50b4"_s);
        // A burst of motion is captured once per frame interval, and the last place counts.
        for (int x = 11; x <= 20; ++x)
            perform(loupe, *m_screen, {u"move:%1,12"_s.arg(x)});
        QVERIFY(m_screen->capturedRects().size() < 4);
        QTRY_COMPARE(loupe->middleColor(), colorAt({20, 12}));
        perform(loupe, *m_screen, {u"wheel+"_s});
        QVERIFY(loupe->loupeGeometry().pixelsPerSide() < side);
        QCOMPARE(m_screen->capturedRects().last().size(), loupe->pixels().size());
        m_pickMode->cancel();
    }

    void failuresToStartSayWhy_data() {
        QTest::addColumn<QString>("captureReason");
        QTest::addColumn<QString>("grabReason");
        QTest::addColumn<bool>("modal");
        QTest::addColumn<QString>("message");
        const QString unreadable = u"The screen cannot be read here."_s;
        const QString held = u"Another program holds it."_s;
        QTest::newRow("screen unreadable") << unreadable << QString() << false << unreadable;
        QTest::newRow("pointer held") << QString() << held << false << held;
        QTest::newRow("modal dialog open")
            << QString() << QString() << true << u"Close the open dialog first, then pick."_s;
    }
    void failuresToStartSayWhy() {
        QFETCH(QString, captureReason);
        QFETCH(QString, grabReason);
        QFETCH(bool, modal);
        m_screen->setUnavailableReason(captureReason);
        m_grab->setHeldElsewhere(grabReason);
        QDialog dialog;
        dialog.setModal(true);
        dialog.setVisible(modal);
        QSignalSpy finished(m_pickMode.get(), &PickMode::finished);
        m_pickMode->start();
        QCOMPARE(finished.count(), 1);
        const auto result = finished.first().first().value<PickResult>();
        QCOMPARE(result.outcome, Outcome::Failed);
        QTEST(result.message, "message");
        QVERIFY(!m_pickMode->isActive());
        QVERIFY(!m_pickMode->loupe()->isVisible());
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    // Where the screen cannot be read live: frozen screens in an overlay, or the desktop's
    // own picker.
    void desktopPicks_data() {
        QTest::addColumn<Snapshot>("snapshot");
        QTest::addColumn<int>("scale"); // of the frozen image
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<std::optional<DesktopPick>>("desktopPick");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QPoint>("picked"); // the frozen image's pixel
        const QPoint none(-1, -1);
        const std::optional<DesktopPick> noPicker;
        const QStringList noSteps;
        QTest::newRow("frozen, click")
            << Snapshot::Taken << 1 << QStringList{u"at:5,7"_s, u"click"_s} << noPicker
            << Outcome::Picked << QPoint(5, 7);
        QTest::newRow("frozen at scale 2: the device pixel under the pointer")
            << Snapshot::Taken << 2 << QStringList{u"at:5.5,7.25"_s, u"click"_s} << noPicker
            << Outcome::Picked << QPoint(11, 14);
        QTest::newRow("frozen, arrows nudge without a warp")
            << Snapshot::Taken << 1 << QStringList{u"at:5,7"_s, u"Shift+Right"_s, u"Return"_s}
            << noPicker << Outcome::Picked << QPoint(15, 7);
        QTest::newRow("frozen, escape")
            << Snapshot::Taken << 1 << QStringList{u"at:5,7"_s, u"Escape"_s} << noPicker
            << Outcome::Cancelled << none;
        QTest::newRow("refused: the desktop picks")
            << Snapshot::Refused << 1 << noSteps << std::optional(DesktopPick::Picked)
            << Outcome::Picked << none;
        QTest::newRow("missing: the desktop's picker cancelled")
            << Snapshot::Missing << 1 << noSteps << std::optional(DesktopPick::Cancelled)
            << Outcome::Cancelled << none;
        QTest::newRow("refused: the desktop's picker fails")
            << Snapshot::Refused << 1 << noSteps << std::optional(DesktopPick::Error)
            << Outcome::Failed << none;
        QTest::newRow("missing, and no picker either")
            << Snapshot::Missing << 1 << noSteps << noPicker << Outcome::Failed << none;
        QTest::newRow("user declines")
            << Snapshot::Cancelled << 1 << noSteps << noPicker << Outcome::Cancelled << none;
        QTest::newRow("no answer")
            << Snapshot::Error << 1 << noSteps << noPicker << Outcome::Failed << none;
    }
    void desktopPicks() {
        QFETCH(Snapshot, snapshot);
        QFETCH(int, scale);
        QFETCH(QStringList, steps);
        QFETCH(std::optional<DesktopPick>, desktopPick);
        QFETCH(QPoint, picked);
        auto* desktop = new platform::FakeScreenSnapshot;
        auto* picker = desktopPick ? new platform::FakeDesktopColorPicker : nullptr;
        m_pickMode->setDesktop(std::unique_ptr<platform::ScreenSnapshot>(desktop),
                               std::unique_ptr<platform::DesktopColorPicker>(picker));
        QSignalSpy finished(m_pickMode.get(), &PickMode::finished);
        QVERIFY(m_pickMode->start());
        QCOMPARE(desktop->requestCount(), 1);
        QVERIFY(!m_pickMode->loupe()->isVisible()); // nothing shows before the screens freeze

        const QList<platform::ScreenLayout> screens = platform::currentScreenLayout();
        QImage image(platform::frozenImageSize(screens) * scale, QImage::Format_RGB32);
        for (int y = 0; y < 20 * scale; ++y)
            for (int x = 0; x < 20 * scale; ++x)
                image.setPixel(x, y, screenPixel({x, y}));
        const QString message = snapshot == Snapshot::Taken ? QString() : u"Not today."_s;
        desktop->answer({snapshot, platform::freezeScreens(image, screens), message});
        if (snapshot == Snapshot::Taken) {
            auto* overlay =
                dynamic_cast<platform::OverlayPointerGrab*>(m_pickMode->activePointerGrab());
            QVERIFY(overlay && overlay->isGrabbed());
            QCOMPARE(overlay->windows().size(), screens.size());
            performOnOverlay(overlay->windows().first(), steps);
        }
        if (picker) {
            QCOMPARE(picker->pickCount(), 1);
            picker->answer({*desktopPick, QColor(0x10, 0x20, 0x30),
                            *desktopPick == DesktopPick::Picked ? QString() : u"No."_s});
        }

        QCOMPARE(finished.count(), 1);
        const auto result = finished.first().first().value<PickResult>();
        QTEST(result.outcome, "outcome");
        if (result.outcome == Outcome::Picked)
            QCOMPARE(result.color, picked == QPoint(-1, -1) ? Color::fromBytes(0x10, 0x20, 0x30)
                                                            : colorAt(picked));
        // What the portal said reaches the user unless the pick went through.
        QCOMPARE(result.message.isEmpty(), steps.size() > 0 || desktopPick == DesktopPick::Picked);
        QVERIFY(!m_pickMode->isActive());
        QVERIFY(!m_pickMode->loupe()->isVisible());
        for (QWindow* window : QGuiApplication::topLevelWindows())
            QVERIFY2(!window->isVisible(), qPrintable(window->title()));
    }
};

// Pick mode inside the program: its entry points and where the colour goes.
class TestPickModeInApp : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppController> m_controller;
    FakeScreenCapture* m_screen = nullptr;

    QVPaletteColorWell* well(int i) const {
        return m_controller->outlets().paletteView->radioColorWellAtIndex(i)->colorWell();
    }
    QUndoStack* undoStack() const { return m_controller->outlets().undoStack; }
    QWidget* loupe() const { return m_controller->pickMode()->loupe(); }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        m_controller = std::make_unique<AppController>(m_dir.filePath(u"Favorites.plist"_s));
        auto screen = std::make_unique<FakeScreenCapture>();
        m_screen = screen.get();
        m_screen->setScreenImage(screenImage());
        m_screen->setPointerPosition({10, 10});
        m_controller->setScreenCapture(std::move(screen));
        m_controller->pickMode()->setPointerGrab(std::make_unique<FakePointerGrab>(m_screen));
    }
    void cleanup() { m_controller.reset(); }

    void pickGoesIntoTheSelectedWellAsOneStep() {
        m_controller->newColorSelected(1);
        m_controller->outlets().pickColor->trigger();
        QVERIFY(m_controller->pickMode()->isActive());
        perform(loupe(), *m_screen, {u"Left"_s, u"Return"_s});
        QCOMPARE(well(1)->color(), colorAt({9, 10}));
        QCOMPARE(undoStack()->count(), 1);
        QCOMPARE(m_controller->mainWindow()->statusBar()->currentMessage(),
                 u"Picked #3650b5 into well 2"_s);
        undoStack()->undo();
        QCOMPARE(well(1)->color(), Color(1.0f, 1.0f, 1.0f, 1.0f));

        m_controller->outlets().pickColor->trigger();
        perform(loupe(), *m_screen, {u"Escape"_s});
        QCOMPARE(well(1)->color(), Color(1.0f, 1.0f, 1.0f, 1.0f));
        QCOMPARE(undoStack()->count(), 1);
        QVERIFY(!undoStack()->canUndo());

        Defaults::standard().setBool(keys::CopyPickedHex, true);
        m_controller->outlets().pickColor->trigger();
        perform(loupe(), *m_screen, {u"click"_s});
        QCOMPARE(QGuiApplication::clipboard()->text(), u"#3650b5"_s); // the pointer stayed
    }

    void callerGetsTheHexStringAndThePaletteStays() {
        std::optional<QString> answer = u"none yet"_s;
        QVERIFY(m_controller->pickForCaller([&answer](const auto& text) { answer = text; }));
        QVERIFY(!m_controller->pickForCaller([](const auto&) {})); // one at a time
        perform(loupe(), *m_screen, {u"click"_s});
        QCOMPARE(answer, u"#3c50b4"_s);
        QCOMPARE(undoStack()->count(), 0);
        QVERIFY(m_controller->pickForCaller([&answer](const auto& text) { answer = text; }));
        perform(loupe(), *m_screen, {u"rightclick"_s});
        QCOMPARE(answer, std::nullopt);
    }

    void hotKeyPicksWhileTintmereIsInactive() {
        auto* hotKey = new platform::FakeGlobalHotKey;
        m_controller->setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey>(hotKey));
        QCOMPARE(QApplication::activeWindow(), nullptr);
        hotKey->press();
        QTRY_VERIFY(m_controller->pickMode()->isActive());
        m_controller->pickMode()->cancel();
        // Where the screen cannot be read live, the key picks even with the magnifier open.
        auto* desktop = new platform::FakeScreenSnapshot;
        m_controller->pickMode()->setDesktop(std::unique_ptr<platform::ScreenSnapshot>(desktop),
                                             nullptr);
        m_screen->setUnavailableReason(u"Not here."_s);
        m_controller->outlets().magnifyDrawer->open();
        hotKey->press();
        QTRY_COMPARE(desktop->requestCount(), 1);
        m_controller->pickMode()->cancel();
    }

    // Ctrl+L or the hot key in pick mode, on the live screen or over the frozen screens.
    void lockInPickMode_data() {
        QTest::addColumn<bool>("frozen");
        QTest::addColumn<QString>("drawer"); // "out", "locked" (out), "in"
        QTest::addColumn<QString>("key");    // pressed in pick mode, or "hot key"
        QTest::addColumn<After>("after");
        QTest::newRow("Ctrl+L, live") << false << u"out"_s << u"Ctrl+L"_s << After::Locked;
        QTest::newRow("Ctrl+L, frozen") << true << u"out"_s << u"Ctrl+L"_s << After::Locked;
        QTest::newRow("Ctrl+L, frozen, locks afresh")
            << true << u"locked"_s << u"Ctrl+L"_s << After::Locked;
        QTest::newRow("hot key, frozen") << true << u"out"_s << u"hot key"_s << After::Locked;
        QTest::newRow("X11 hot key reaching the grab")
            << false << u"out"_s << u"Ctrl+Alt+Meta+L"_s << After::Locked;
        QTest::newRow("Ctrl+L, drawer in: nothing to lock")
            << true << u"in"_s << u"Ctrl+L"_s << After::GoesOn;
        QTest::newRow("hot key, drawer in: picks")
            << true << u"in"_s << u"hot key"_s << After::Picked;
    }
    void lockInPickMode() {
        QFETCH(bool, frozen);
        QFETCH(QString, drawer);
        QFETCH(QString, key);
        QFETCH(After, after);
        auto* hotKey = new platform::FakeGlobalHotKey;
        m_controller->setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey>(hotKey));
        const MainWindowOutlets& o = m_controller->outlets();
        o.magnifyDrawer->setAnimationDuration(0);
        if (drawer != u"in")
            m_controller->toolItemSelected(3);
        if (drawer == u"locked")
            m_controller->toggleMagnify(); // elsewhere, before picking
        PickMode* pickMode = m_controller->pickMode();
        auto* desktop = frozen ? new platform::FakeScreenSnapshot : nullptr;
        if (frozen) {
            pickMode->setDesktop(std::unique_ptr<platform::ScreenSnapshot>(desktop), nullptr);
            m_screen->setUnavailableReason(u"Not here."_s);
        }
        m_controller->newColorSelected(1);
        o.pickColor->trigger();
        QWindow* overlay = nullptr;
        if (frozen) {
            desktop->answer({Snapshot::Taken, frozenScreens(), {}});
            overlay = dynamic_cast<platform::OverlayPointerGrab*>(pickMode->activePointerGrab())
                          ->windows()
                          .first();
            performOnOverlay(overlay, {u"at:12,8"_s});
        } else {
            perform(loupe(), *m_screen, {u"move:12,8"_s});
        }
        if (key == u"hot key") {
            hotKey->press();
            QTRY_VERIFY(!pickMode->isActive());
        } else if (overlay) {
            performOnOverlay(overlay, {key});
        } else {
            perform(loupe(), *m_screen, {key});
        }

        QCOMPARE(pickMode->isActive(), after == After::GoesOn);
        pickMode->cancel();
        QCOMPARE(well(1)->color(), after == After::Picked ? colorAt({12, 8}) : Color(1, 1, 1, 1));
        QCOMPARE(undoStack()->count(), after == After::Picked ? 1 : 0);
        QVERIFY(!pickMode->pointerGrab().isGrabbed());
        QCOMPARE(pickMode->activePointerGrab(), nullptr);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        QCOMPARE(QWidget::keyboardGrabber(), nullptr);
        if (after != After::Locked)
            return;
        // The drawer holds the 7 x 7 pixels around the pointer, as on X11 after a lock.
        const QVMagnifyView* view = m_controller->magnifyView();
        QVERIFY(view->isStopped());
        QVERIFY(o.lockStatus->isLocked());
        for (int i = 0; i < 49; ++i)
            QCOMPARE(view->lockedColorAt({i % 7, i / 7}), colorAt({12 + i % 7 - 3, 8 + i / 7 - 3}));
    }

    void drawerSaysHowItWorksHere_data() {
        QTest::addColumn<QString>("captureReason"); // empty: the screen is read live
        QTest::addColumn<QString>("freezeReason");
        QTest::addColumn<QString>("binding"); // of the hot key; "-": no hot key
        QTest::addColumn<QString>("reason");  // what the magnifier says
        QTest::addColumn<QString>("tip");     // part of the lock indicator's tooltip
        const QString wayland = platform::reasons::captureOnWayland();
        QTest::newRow("X11") << QString() << QString() << u"-"_s << QString()
                             << u"Ctrl+L locks and unlocks"_s;
        QTest::newRow("Wayland with screenshots")
            << wayland << QString() << u"-"_s << wayland << u"Once locked, click"_s;
        QTest::newRow("Wayland with the desktop's shortcut")
            << wayland << QString() << u"Super+P"_s << wayland << u"Super+P starts Pick Color"_s;
        QTest::newRow("Wayland without screenshots")
            << wayland << u"No portal."_s << u"-"_s
            << platform::reasons::captureWithoutScreenshots() << u"(No portal.)"_s;
    }
    void drawerSaysHowItWorksHere() {
        QFETCH(QString, captureReason);
        QFETCH(QString, freezeReason);
        QFETCH(QString, binding);
        QFETCH(QString, tip);
        m_screen->setUnavailableReason(captureReason);
        auto* hotKey = new platform::FakeGlobalHotKey;
        hotKey->setUnavailableReason(binding == u"-" ? u"None."_s : QString());
        hotKey->setBinding(binding);
        m_controller->setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey>(hotKey));
        if (!captureReason.isEmpty()) {
            auto* desktop = new platform::FakeScreenSnapshot;
            m_controller->pickMode()->setDesktop(std::unique_ptr<platform::ScreenSnapshot>(desktop),
                                                 nullptr);
            desktop->setUnavailableReason(freezeReason); // found out late
        }
        QTEST(m_controller->magnifyView()->unavailableReason(), "reason");
        const QString shown = m_controller->outlets().lockStatus->toolTip();
        QVERIFY2(shown.contains(tip), qPrintable(shown));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestPickMode pickMode;
    TestPickModeInApp inApp;
    return QTest::qExec(&pickMode, argc, argv) | QTest::qExec(&inApp, argc, argv);
}
#include "tst_pickmode.moc"
