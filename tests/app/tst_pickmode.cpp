// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcontroller.h"
#include "colormetatype.h"
#include "datarows.h"
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
using testrows::Rows;
using Outcome = PickResult::Outcome;
using Snapshot = platform::SnapshotResult::Status;
using DesktopPick = platform::ColorPickResult::Status;

// How pick mode stands after Ctrl+L or the hot key.
enum class After { Locked, Picked, GoesOn };

using WayOutRow = std::tuple<QStringList, Outcome, QPoint>;
using StartRow = std::tuple<QString, QString, bool, QString>;
using DesktopRow =
    std::tuple<Snapshot, int, QStringList, std::optional<DesktopPick>, Outcome, QPoint>;
using LockRow = std::tuple<bool, QString, QString, After>;
using DrawerRow = std::tuple<QString, QString, QString, QString, QString>;

namespace {

// A 40 x 30 screen whose every pixel has its own colour; the pointer starts at (10, 10).
QRgb screenPixel(QPoint p) {
    return qRgb(p.x() * 6, p.y() * 8, 200 - p.x() - p.y());
}

// Larger images are black beyond the first 40 x 40 pixels.
QImage screenImage(QSize size = {40, 30}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int y = 0; y < qMin(size.height(), 40); ++y)
        for (int x = 0; x < qMin(size.width(), 40); ++x)
            image.setPixel(x, y, screenPixel({x, y}));
    return image;
}

// The screens frozen by the desktop, showing the same pixels.
platform::FrozenScreens frozenScreens(int scale = 1) {
    const QList<platform::ScreenLayout> screens = platform::currentScreenLayout();
    return platform::freezeScreens(screenImage(platform::frozenImageSize(screens) * scale),
                                   screens);
}

Color colorAt(QPoint p) {
    const QRgb rgb = screenPixel(p);
    return Color::fromBytes(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// The user's steps, each a word: a key name ("Right", "Shift+Down", "Escape", "Return"),
// "click" or "rightclick", "release" (of a press before pick mode), "wheel+" or "wheel-", or
// "move:X,Y" (the pointer moves there). On the loupe (a QWidget) the pointer is the screen's,
// on the frozen screens' overlay (a QWindow) the position of the events.
template <typename Target>
void perform(Target* target, const QStringList& steps, FakeScreenCapture* screen = nullptr) {
    QPointF at;
    const auto mouse = [&](QEvent::Type type, Qt::MouseButton button) {
        QMouseEvent event(type, at, at, at, button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    };
    for (const QString& step : steps) {
        if (step == u"click" || step == u"rightclick") {
            const Qt::MouseButton button = step == u"click" ? Qt::LeftButton : Qt::RightButton;
            mouse(QEvent::MouseButtonPress, button);
            mouse(QEvent::MouseButtonRelease, button);
        } else if (step == u"release") {
            mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
        } else if (step.startsWith(u"wheel")) {
            QWheelEvent wheel(QPointF(), QPointF(), QPoint(),
                              QPoint(0, step.endsWith(u'+') ? 120 : -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(target, &wheel);
        } else if (step.startsWith(u"move:")) {
            const QStringList xy = step.mid(5).split(u',');
            if (screen)
                screen->setPointerPosition({xy[0].toInt(), xy[1].toInt()});
            else
                at = {xy[0].toDouble(), xy[1].toDouble()};
            mouse(QEvent::MouseMove, Qt::NoButton);
        } else {
            const QKeySequence key(step);
            QTest::keyClick(target, Qt::Key(key[0].key()), key[0].keyboardModifiers());
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
        const Rows<WayOutRow> row; // steps, outcome, the pixel picked
        const QPoint none(-1, -1);
        const auto steps = [](const char* text) { return QString::fromLatin1(text).split(u' '); };
        row("click", steps("click"), Outcome::Picked, QPoint(10, 10));
        row("moved, then click", steps("move:30,5 click"), Outcome::Picked, QPoint(30, 5));
        row("arrows nudge one pixel", steps("Right Up Return"), Outcome::Picked, QPoint(11, 9));
        row("shift arrows nudge ten", steps("Shift+Down Left Enter"), Outcome::Picked,
            QPoint(9, 20));
        row("zoom, then click", steps("wheel+ wheel- wheel- click"), Outcome::Picked,
            QPoint(10, 10));
        row("escape", steps("Right Escape"), Outcome::Cancelled, none);
        row("right click", steps("rightclick"), Outcome::Cancelled, none);
        row("release of an earlier press", steps("release Escape"), Outcome::Cancelled, none);
        // Beyond the screen's edge nothing can be read: no black pick.
        row("off the screen", steps("move:45,10 click"), Outcome::Failed, none);
        row("return off the screen", steps("move:39,29 Right Return"), Outcome::Failed, none);
    }
    void everyWayOutGivesThePointerBack() {
        ROW(WayOutRow, steps, outcome, picked);
        QSignalSpy finished(m_pickMode.get(), &PickMode::finished);
        QVERIFY(m_pickMode->start());
        QVERIFY(m_grab->isGrabbed());
        QVERIFY(m_pickMode->loupe()->isVisible());
        QVERIFY(!m_pickMode->start()); // a second start is ignored
        perform(m_pickMode->loupe(), steps, m_screen);

        QCOMPARE(finished.count(), 1);
        const auto result = finished.first().first().value<PickResult>();
        QCOMPARE(result.outcome, outcome);
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
            perform(loupe, {u"move:%1,12"_s.arg(x)}, m_screen);
        QVERIFY(m_screen->capturedRects().size() < 4);
        QTRY_COMPARE(loupe->middleColor(), colorAt({20, 12}));
        perform(loupe, {u"wheel+"_s}, m_screen);
        QVERIFY(loupe->loupeGeometry().pixelsPerSide() < side);
        QCOMPARE(m_screen->capturedRects().last().size(), loupe->pixels().size());
        m_pickMode->cancel();
    }

    void failuresToStartSayWhy_data() {
        const Rows<StartRow> row; // screen's reason, pointer's reason, modal dialog, message
        const QString unreadable = u"The screen cannot be read here."_s;
        const QString held = u"Another program holds it."_s;
        row("screen unreadable", unreadable, QString(), false, unreadable);
        row("pointer held", QString(), held, false, held);
        row("modal dialog open", QString(), QString(), true,
            u"Close the open dialog first, then pick."_s);
    }
    void failuresToStartSayWhy() {
        ROW(StartRow, captureReason, grabReason, modal, message);
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
        QCOMPARE(result.message, message);
        QVERIFY(!m_pickMode->isActive());
        QVERIFY(!m_pickMode->loupe()->isVisible());
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    // Where the screen cannot be read live: frozen screens in an overlay, or the desktop's
    // own picker.
    void desktopPicks_data() {
        // snapshot, scale of the frozen image, steps, the picker's answer, outcome, pixel picked
        const Rows<DesktopRow> row;
        const QPoint none(-1, -1);
        const std::optional<DesktopPick> noPicker;
        const QStringList noSteps;
        const auto steps = [](const char* text) { return QString::fromLatin1(text).split(u' '); };
        const auto asks = [](DesktopPick pick) { return std::optional(pick); };
        row("frozen, click", Snapshot::Taken, 1, steps("move:5,7 click"), noPicker, Outcome::Picked,
            QPoint(5, 7));
        row("frozen at scale 2: the device pixel under the pointer", Snapshot::Taken, 2,
            steps("move:5.5,7.25 click"), noPicker, Outcome::Picked, QPoint(11, 14));
        row("frozen, arrows nudge without a warp", Snapshot::Taken, 1,
            steps("move:5,7 Shift+Right Return"), noPicker, Outcome::Picked, QPoint(15, 7));
        row("frozen, escape", Snapshot::Taken, 1, steps("move:5,7 Escape"), noPicker,
            Outcome::Cancelled, none);
        row("refused: the desktop picks", Snapshot::Refused, 1, noSteps, asks(DesktopPick::Picked),
            Outcome::Picked, none);
        row("missing: the desktop's picker cancelled", Snapshot::Missing, 1, noSteps,
            asks(DesktopPick::Cancelled), Outcome::Cancelled, none);
        row("refused: the desktop's picker fails", Snapshot::Refused, 1, noSteps,
            asks(DesktopPick::Error), Outcome::Failed, none);
        row("missing, and no picker either", Snapshot::Missing, 1, noSteps, noPicker,
            Outcome::Failed, none);
        row("user declines", Snapshot::Cancelled, 1, noSteps, noPicker, Outcome::Cancelled, none);
        row("no answer", Snapshot::Error, 1, noSteps, noPicker, Outcome::Failed, none);
    }
    void desktopPicks() {
        ROW(DesktopRow, snapshot, scale, steps, desktopPick, outcome, picked);
        auto* desktop = new platform::FakeScreenSnapshot;
        auto* picker = desktopPick ? new platform::FakeDesktopColorPicker : nullptr;
        m_pickMode->setDesktop(std::unique_ptr<platform::ScreenSnapshot>(desktop),
                               std::unique_ptr<platform::DesktopColorPicker>(picker));
        QSignalSpy finished(m_pickMode.get(), &PickMode::finished);
        QVERIFY(m_pickMode->start());
        QCOMPARE(desktop->requestCount(), 1);
        QVERIFY(!m_pickMode->loupe()->isVisible()); // nothing shows before the screens freeze

        const QString message = snapshot == Snapshot::Taken ? QString() : u"Not today."_s;
        desktop->answer({snapshot, frozenScreens(scale), message});
        if (snapshot == Snapshot::Taken) {
            auto* overlay =
                dynamic_cast<platform::OverlayPointerGrab*>(m_pickMode->activePointerGrab());
            QVERIFY(overlay && overlay->isGrabbed());
            QCOMPARE(overlay->windows().size(), platform::currentScreenLayout().size());
            perform(overlay->windows().first(), steps);
        }
        if (picker) {
            QCOMPARE(picker->pickCount(), 1);
            picker->answer({*desktopPick, QColor(0x10, 0x20, 0x30),
                            *desktopPick == DesktopPick::Picked ? QString() : u"No."_s});
        }

        QCOMPARE(finished.count(), 1);
        const auto result = finished.first().first().value<PickResult>();
        QCOMPARE(result.outcome, outcome);
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
    platform::FakeGlobalHotKey* installHotKey() {
        auto* hotKey = new platform::FakeGlobalHotKey;
        m_controller->setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey>(hotKey));
        return hotKey;
    }
    // The screen is not read live: the desktop freezes it.
    platform::FakeScreenSnapshot* freezeInstead(const QString& reason) {
        auto* desktop = new platform::FakeScreenSnapshot;
        m_controller->pickMode()->setDesktop(std::unique_ptr<platform::ScreenSnapshot>(desktop),
                                             nullptr);
        m_screen->setUnavailableReason(reason);
        return desktop;
    }

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
        perform(loupe(), {u"Left"_s, u"Return"_s}, m_screen);
        QCOMPARE(well(1)->color(), colorAt({9, 10}));
        QCOMPARE(undoStack()->count(), 1);
        QCOMPARE(m_controller->mainWindow()->statusBar()->currentMessage(),
                 u"Picked #3650b5 into well 2"_s);
        undoStack()->undo();
        QCOMPARE(well(1)->color(), Color(1.0f, 1.0f, 1.0f, 1.0f));

        m_controller->outlets().pickColor->trigger();
        perform(loupe(), {u"Escape"_s}, m_screen);
        QCOMPARE(well(1)->color(), Color(1.0f, 1.0f, 1.0f, 1.0f));
        QCOMPARE(undoStack()->count(), 1);
        QVERIFY(!undoStack()->canUndo());

        Defaults::standard().setBool(keys::CopyPickedHex, true);
        m_controller->outlets().pickColor->trigger();
        perform(loupe(), {u"click"_s}, m_screen);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"#3650b5"_s); // the pointer stayed
    }

    void callerGetsTheHexStringAndThePaletteStays() {
        std::optional<QString> answer = u"none yet"_s;
        QVERIFY(m_controller->pickForCaller([&answer](const auto& text) { answer = text; }));
        QVERIFY(!m_controller->pickForCaller([](const auto&) {})); // one at a time
        perform(loupe(), {u"click"_s}, m_screen);
        QCOMPARE(answer, u"#3c50b4"_s);
        QCOMPARE(undoStack()->count(), 0);
        QVERIFY(m_controller->pickForCaller([&answer](const auto& text) { answer = text; }));
        perform(loupe(), {u"rightclick"_s}, m_screen);
        QCOMPARE(answer, std::nullopt);
    }

    // Where the screen cannot be read live, the hot key picks even with the magnifier open.
    void hotKeyPicksOverTheMagnifier() {
        platform::FakeGlobalHotKey* hotKey = installHotKey();
        platform::FakeScreenSnapshot* desktop = freezeInstead(u"Not here."_s);
        m_controller->outlets().magnifyDrawer->open();
        hotKey->press();
        QTRY_COMPARE(desktop->requestCount(), 1);
        m_controller->pickMode()->cancel();
    }

    // Ctrl+L or the hot key in pick mode, on the live screen or over the frozen screens.
    void lockInPickMode_data() {
        // frozen screens, drawer ("out", "locked" (out), "in"), key ("hot key": the global one)
        const Rows<LockRow> row;
        row("Ctrl+L, live", false, u"out"_s, u"Ctrl+L"_s, After::Locked);
        row("Ctrl+L, frozen", true, u"out"_s, u"Ctrl+L"_s, After::Locked);
        row("Ctrl+L, frozen, locks afresh", true, u"locked"_s, u"Ctrl+L"_s, After::Locked);
        row("hot key, frozen", true, u"out"_s, u"hot key"_s, After::Locked);
        row("X11 hot key reaching the grab", false, u"out"_s, u"Ctrl+Alt+Meta+L"_s, After::Locked);
        row("Ctrl+L, drawer in: nothing to lock", true, u"in"_s, u"Ctrl+L"_s, After::GoesOn);
        row("hot key, drawer in: picks", true, u"in"_s, u"hot key"_s, After::Picked);
    }
    void lockInPickMode() {
        ROW(LockRow, frozen, drawer, key, after);
        platform::FakeGlobalHotKey* hotKey = installHotKey();
        const MainWindowOutlets& o = m_controller->outlets();
        o.magnifyDrawer->setAnimationDuration(0);
        if (drawer != u"in")
            m_controller->toolItemSelected(3);
        if (drawer == u"locked")
            m_controller->toggleMagnify(); // elsewhere, before picking
        PickMode* pickMode = m_controller->pickMode();
        platform::FakeScreenSnapshot* desktop = frozen ? freezeInstead(u"Not here."_s) : nullptr;
        m_controller->newColorSelected(1);
        o.pickColor->trigger();
        QWindow* overlay = nullptr;
        if (frozen) {
            desktop->answer({Snapshot::Taken, frozenScreens(), {}});
            overlay = dynamic_cast<platform::OverlayPointerGrab*>(pickMode->activePointerGrab())
                          ->windows()
                          .first();
            perform(overlay, {u"move:12,8"_s});
        } else {
            perform(loupe(), {u"move:12,8"_s}, m_screen);
        }
        if (key == u"hot key") {
            hotKey->press();
            QTRY_VERIFY(!pickMode->isActive());
        } else if (overlay) {
            perform(overlay, {key});
        } else {
            perform(loupe(), {key}, m_screen);
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
        // why the screen is not read live, why it cannot be frozen, the hot key ("-": none),
        // what the magnifier says, part of the lock indicator's tooltip
        const Rows<DrawerRow> row;
        const QString wayland = platform::reasons::captureOnWayland();
        row("X11", QString(), QString(), u"-"_s, QString(), u"Ctrl+L locks and unlocks"_s);
        row("Wayland with screenshots", wayland, QString(), u"-"_s, wayland,
            u"Once locked, click"_s);
        row("Wayland with the desktop's shortcut", wayland, QString(), u"Super+P"_s, wayland,
            u"Super+P starts Pick Color"_s);
        row("Wayland without screenshots", wayland, u"No portal."_s, u"-"_s,
            platform::reasons::captureWithoutScreenshots(), u"(No portal.)"_s);
    }
    void drawerSaysHowItWorksHere() {
        ROW(DrawerRow, captureReason, freezeReason, binding, reason, tip);
        m_screen->setUnavailableReason(captureReason);
        auto* hotKey = new platform::FakeGlobalHotKey;
        hotKey->setUnavailableReason(binding == u"-" ? u"None."_s : QString());
        hotKey->setBinding(binding);
        m_controller->setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey>(hotKey));
        if (!captureReason.isEmpty())
            freezeInstead(captureReason)->setUnavailableReason(freezeReason); // found out late
        QCOMPARE(m_controller->magnifyView()->unavailableReason(), reason);
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
