// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcontroller.h"
#include "apptesting.h"
#include "colormetatype.h"
#include "componentspinbox.h"
#include "datarows.h"
#include "defaults.h"
#include "fakeglobalhotkey.h"
#include "fakescreencapture.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qvcolorinfo.h"
#include "qvcolorscaleslider.h"
#include "qvdrawer.h"
#include "qvglobalpaletteview.h"
#include "qvglobalpanel.h"
#include "qvinfoview.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"
#include "qvradiocolorwell.h"
#include "qvselectedcolorwell.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QUndoStack>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::row;

const auto hex = [](const char* text) { return *Color::colorFromHex(text); };

class TestAppController : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppController> m_controller;

    template <typename... T, typename... N>
    static void columns(N... names) {
        (QTest::addColumn<T>(names), ...);
    }
    template <typename T> // QFETCH as an expression
    static T fetch(const char* n) {
        return *static_cast<T*>(QTest::qData(n, qMetaTypeId<T>()));
    }
    const MainWindowOutlets& o() const { return m_controller->outlets(); }
    QVPaletteColorWell* well(int i) const {
        return o().paletteView->radioColorWellAtIndex(i)->colorWell();
    }
    QString infoString(int row) const { return o().infoView->stringAtIndex(row); }
    void start() {
        m_controller.reset();
        m_controller = std::make_unique<AppController>(m_dir.filePath(u"Favorites.plist"_s));
    }
    // Shows the main window as the active one, as the user sees it.
    void showMainWindow() {
        QWidget* window = m_controller->mainWindow();
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void verifyDisplaysShow(const QString& hexText) {
        const Color color = *Color::colorFromHex(hexText.mid(1).toStdString());
        QCOMPARE(o().paletteView->selectedColor(), color);
        const int bytes[3] = {byteValue(color.red), byteValue(color.green), byteValue(color.blue)};
        for (std::size_t c = 0; c < 3; ++c) {
            QCOMPARE(o().sliders[c]->value(), bytes[c]);
            QCOMPARE(o().colorFields[c]->value(), bytes[c]);
        }
        QCOMPARE(infoString(0), hexText);
        QCOMPARE(o().paletteView->selectedColorWell()->toolTip(), hexText);
        const QStringList saved = Defaults::standard().stringArrayValue(keys::SavedColors);
        QCOMPARE(saved.at(o().paletteView->selectedColorWellIndex()), hexText.mid(1));
    }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        QFile::remove(m_dir.filePath(u"Favorites.plist"_s));
        start();
    }
    void cleanup() { m_controller.reset(); }

    void restoresPaletteAndSelection_data() {
        columns<QString, int, int, QString>("saved", "stored", "selected", "hexText");
        row("well 2", u"ff0000 00ff00 336699 000000"_s, 2, 2, u"#336699"_s);
        row("out of range", u"ABCDEF ffffff ffffff ffffff"_s, 9, 0, u"#abcdef"_s);
        row("damaged", u"zz ffffff ffffff ffffff"_s, 0, 0, u"#ffffff"_s);
    }
    void restoresPaletteAndSelection() {
        m_controller.reset();
        Defaults::standard().setStringArray(keys::SavedColors, fetch<QString>("saved").split(u' '));
        Defaults::standard().setInt(keys::SelectedColorIndex, fetch<int>("stored"));
        start();
        QFETCH(int, selected);
        QCOMPARE(o().paletteView->selectedColorWellIndex(), selected);
        QVERIFY(o().colorItems[std::size_t(selected)]->isChecked());
        verifyDisplaysShow(fetch<QString>("hexText"));
    }

    void editPathsRefreshEveryDisplay_data() {
        columns<QString>("hexText"); // the row name is the edit path
        row("typing", u"#ff0cff"_s); // with the drawer open
        row("entered", u"#ff0cff"_s);
        row("drop", u"#ff9933"_s);
        row("setColor", u"#102030"_s);
    }
    void editPathsRefreshEveryDisplay() {
        const QString path = QString::fromLatin1(QTest::currentDataTag());
        ComponentSpinBox* green = o().colorFields[1];
        auto* line = green->findChild<QLineEdit*>();
        if (path == u"typing" || path == u"entered") {
            if (path == u"typing")
                m_controller->toolItemSelected(0);
            line->selectAll();
            QTest::keyClicks(line, u"12"_s);
            if (path == u"entered")
                QTest::keyClick(green, Qt::Key_Return);
        } else if (path == u"drop") {
            QMimeData mime;
            mime.setColorData(QColor(255, 153, 51));
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(well(0), &enter);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(well(0), &drop);
        } else {
            m_controller->setColor(hex("102030"), 0);
        }
        verifyDisplaysShow(fetch<QString>("hexText"));
        NotificationCenter::defaultCenter().deliverQueued();
        QCOMPARE(o().undoStack->count(), path == u"typing" ? 2 : 1); // one per keystroke
        o().undoStack->undo();
        if (path != u"typing")
            verifyDisplaysShow(u"#ffffff"_s);
    }

    void undoAndRedoAlternate() {
        m_controller->setColor(hex("ff0000"), 1);
        m_controller->setColor(hex("00ff00"), 1);
        m_controller->setPaletteToColorArray(
            {hex("111111"), hex("222222"), hex("333333"), hex("444444")});
        QCOMPARE(o().paletteView->selectedColorWellIndex(), 3);
        QUndoStack* stack = o().undoStack;
        for (int round = 0; round < 2; ++round) {
            stack->undo();
            QCOMPARE(m_controller->colorArray().at(1), hex("00ff00"));
            stack->undo();
            QCOMPARE(m_controller->colorArray().at(1), hex("ff0000"));
            QCOMPARE(o().paletteView->selectedColorWellIndex(), 1);
            stack->redo();
            stack->redo();
            QCOMPARE(m_controller->colorArray().at(3), hex("444444"));
        }
        m_controller->setPaletteToColorArray({hex("000000")});
        QCOMPARE(stack->count(), 3);
    }

    void rightClickStepsTheVariant() {
        // {row, entry, variants}: the last click comes back to the first variant
        for (auto [row, entry, variants] :
             {std::tuple{0, u"Hex"_s, 2}, std::tuple{2, u"Web Safe"_s, 6}}) {
            const QString before = infoString(row);
            for (int click = 1; click <= variants; ++click) {
                NotificationCenter::defaultCenter().post(notifications::ColorInfoRightClick,
                                                         o().infoView->colorInfoAtIndex(row));
                if (click < variants - 1)
                    continue;
                const int stored = click % variants;
                QCOMPARE(
                    Defaults::standard().dictionaryValue(keys::PrimaryFormat).value(entry).toInt(),
                    stored);
                QCOMPARE(infoString(row) == before, stored == 0);
            }
        }
    }

    void settingChangesReachTheDisplays_data() {
        columns<QVariant, QString>("value", "expect"); // row: key/..., expect: what:text
        row("Float Format/0", QVariant(0), u"float:0.7"_s);
        row("Float Format/4", QVariant(4), u"float:0.66667"_s);
        row("Uppercase Hex", QVariant(true), u"hex:#AABBCC"_s);
        row("Use Shorthand", QVariant(true), u"hex:#abc"_s);
        row("Tooltip Format", QVariant(1), u"tip:RGB(170,187,204)"_s);
        row("Draw Gloss", QVariant(false), u"gloss:0"_s);
        row("Zoom Size", QVariant(3), u"box:3"_s);
        row("Drag Format", QVariant(2), u"hex:#aabbcc"_s); // changes nothing
        // What a well hands out follows the preferences too.
        row("Drag Format/drag", QVariant(2), u"drag:#9cc"_s);
        row("Uppercase Hex/drag", QVariant(true), u"drag:#AABBCC"_s);
    }
    void settingChangesReachTheDisplays() {
        const QString key = QString::fromLatin1(QTest::currentDataTag()).section(u'/', 0, 0);
        QFETCH(QString, expect);
        FakeMagnifier magnifier;
        m_controller->setMagnifier(&magnifier);
        m_controller->setColor(hex("aabbcc"), 0);
        Defaults::standard().setValueNamed(key, fetch<QVariant>("value"));
        NotificationCenter::defaultCenter().post(notifications::PrefsUpdate, nullptr,
                                                 {{userinfo::Object, key}});
        const QString what = expect.section(u':', 0, 0);
        const QString text = expect.section(u':', 1);
        const auto dragText = [this] {
            return std::unique_ptr<QMimeData>(well(0)->mimeDataForDrag())->text();
        };
        const QString shown = what == u"float"   ? o().floatLabels[0]->text()
                              : what == u"drag"  ? dragText()
                              : what == u"hex"   ? infoString(0)
                              : what == u"tip"   ? well(0)->toolTip()
                              : what == u"gloss" ? QString::number(o().paletteView->drawGloss())
                                                 : QString::number(magnifier.boxSize);
        QCOMPARE(shown, text);
        m_controller->setMagnifier(nullptr);
    }

    void toolsOpenOneDrawerAtATime() {
        // {tool, tool of the open drawer or -1}: again closes; unknown tool, global panel leave it
        const std::initializer_list<std::pair<int, int>> steps{{0, 0}, {1, 1}, {1, -1},
                                                               {2, 2}, {7, 2}, {4, 2}};
        const std::array<QVDrawer*, 4> drawers{o().rgbDrawer, o().hexDrawer, o().blendDrawer,
                                               o().magnifyDrawer};
        for (auto [tool, open] : steps) {
            if (tool < 5) // the menu presses the button
                m_controller->toolMenuItemSelected(o().toolItems[std::size_t(tool)]);
            else
                m_controller->toolItemSelected(tool);
            for (int d = 0; d < 4; ++d) {
                QCOMPARE(drawers[std::size_t(d)]->state() == QVDrawer::Open, d == open);
                QCOMPARE(o().toolItems[std::size_t(d)]->isChecked(), d == open);
                QCOMPARE(o().toolButtons->button(d)->isChecked(), d == open);
            }
        }
    }

    // The colour model switch of the sliders drawer is walked with the arrow keys: each choice
    // is stored at once and renames the rows.
    void modelSwitchWalksByArrowKeys() {
        showMainWindow();
        m_controller->toolItemSelected(0);
        QTRY_COMPARE(o().rgbDrawer->state(), QVDrawer::Open);
        o().colorModels->button(0)->setFocus();
        QTRY_VERIFY(o().colorModels->button(0)->hasFocus());
        struct Step {
            Qt::Key key;
            QString stored;
            QString letter;
        };
        for (const Step& step :
             {Step{Qt::Key_Right, u"HSV"_s, u"H"_s}, Step{Qt::Key_Right, u"HSL"_s, u"H"_s},
              Step{Qt::Key_Right, u"OKLCH"_s, u"L"_s}, Step{Qt::Key_Left, u"HSL"_s, u"H"_s}}) {
            QTest::keyClick(QApplication::focusWidget(), step.key);
            QCOMPARE(Defaults::standard().stringValue(keys::SliderModel), step.stored);
            QCOMPARE(o().componentLabels[0]->text(), step.letter);
            QVERIFY(!o().floatLabels[0]->isVisible());
        }
    }

    void hotKeyStatusReachesThePreferences_data() {
        columns<QString, bool, QString>("reason", "live", "shown");
        row("works", QString(), true, u"locks and unlocks"_s);
        row("works where the screen is not read live", QString(), false, u"starts Pick Color"_s);
        row("taken", u"Another program is using it."_s, true, u"using it"_s);
    }
    void hotKeyStatusReachesThePreferences() {
        auto capture = std::make_unique<platform::FakeScreenCapture>();
        capture->setUnavailableReason(fetch<bool>("live") ? QString() : u"Wayland."_s);
        m_controller->setScreenCapture(std::move(capture));
        auto* hotKey = new platform::FakeGlobalHotKey;
        hotKey->setUnavailableReason(fetch<QString>("reason"));
        m_controller->setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey>(hotKey));
        m_controller->showPreferencePanel();
        QLabel* status = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            status = status ? status : window->findChild<QLabel*>(u"hotKeyStatusLabel"_s);
        QVERIFY(status);
        QVERIFY2(status->text().contains(fetch<QString>("shown")), qPrintable(status->text()));
    }

    // How the panel shows the palette is its own; here the palette and the panel agree.
    void globalPanelMirrorsThePaletteAndTakesDrops() {
        QWidget* panel = m_controller->globalPanel();
        auto* global = panel->findChild<QVGlobalPaletteView*>();
        m_controller->toolItemSelected(4);
        QVERIFY(panel->isVisible());
        QVERIFY(o().toolItems[4]->isChecked());
        m_controller->setColor(hex("336699"), 2);
        QCOMPARE(global->colorWellAtIndex(2)->color(), hex("336699"));

        QMimeData mime;
        mime.setText(u"#ff9933"_s);
        QVSelectedColorWell* target = global->colorWellAtIndex(3);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        verifyDisplaysShow(u"#ff9933"_s);
        QCOMPARE(o().undoStack->count(), 2);

        m_controller->applicationWillTerminate(); // shown at the next start
        start();
        QVERIFY(m_controller->globalPanel()->isVisible());
        m_controller->toolItemSelected(4);
        QVERIFY(!m_controller->globalPanel()->isVisible());
        QVERIFY(!o().toolButtons->button(4)->isChecked());
    }

    // However the window system left the panel, showing it brings it back in front.
    void globalPanelComesBackFromAnyState_data() {
        columns<QString>("state");
        row("minimised", u"minimised"_s);
        row("minimised, then closed", u"minimised closed"_s);
        row("closed", u"closed"_s);
    }
    void globalPanelComesBackFromAnyState() {
        QFETCH(QString, state);
        QWidget* panel = m_controller->globalPanel();
        m_controller->toolItemSelected(4);
        QVERIFY(panel->isVisible());
        if (state.contains(u"minimised"))
            panel->setWindowState(panel->windowState() | Qt::WindowMinimized);
        if (state.contains(u"closed"))
            panel->close();
        QVERIFY(!o().toolItems[4]->isChecked()); // out of sight, and the button says so
        m_controller->toolItemSelected(4);
        QVERIFY(panel->isVisible());
        QVERIFY(!panel->isMinimized());
        QVERIFY(o().toolItems[4]->isChecked());
        QVERIFY(o().toolButtons->button(4)->isChecked());
        m_controller->toolItemSelected(4); // and the next press hides it again
        QVERIFY(!panel->isVisible());
        QVERIFY(!o().toolItems[4]->isChecked());

        // The window system offers no buttons that would lose it again.
        const Qt::WindowFlags flags = panel->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    // The panel never becomes the active window, yet hovering a well shows its colour.
    void globalPanelShowsToolTipsWhileInactive() {
        Defaults::standard().setInt(keys::TooltipFormat, 1);
        m_controller->setColor(hex("336699"), 1);
        showMainWindow();
        QWidget* panel = m_controller->globalPanel();
        m_controller->toolItemSelected(4);
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        // Beside the main window, so the pointer finds the panel.
        const QRect main = m_controller->mainWindow()->frameGeometry();
        panel->move(main.right() + 20, main.top());
        // Whatever the platform did on showing it, the user works in another window.
        QApplication::setActiveWindow(m_controller->mainWindow());
        QTRY_VERIFY(m_controller->mainWindow()->isActiveWindow());
        QVERIFY(!panel->isActiveWindow());
        QVSelectedColorWell* target = panel->findChild<QVGlobalPaletteView*>()->colorWellAtIndex(1);
        QTest::mouseMove(target, target->rect().center() - QPoint(2, 0));
        QTest::mouseMove(target, target->rect().center());
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), u"RGB(51,102,153)"_s);
        QToolTip::hideText();
    }

    // Once Return has applied an entry, Ctrl+Z in the field undoes the palette; typing done
    // after that is undone in the field first.
    void undoAfterAnEntryUndoesThePalette_data() {
        columns<QString, QString, bool>("field", "entry", "typedAfter");
        row("hex field", u"hex"_s, u"ff0000"_s, false);
        row("red field", u"red"_s, u"7"_s, false);
        row("hex field, typed after", u"hex"_s, u"ff0000"_s, true);
    }
    void undoAfterAnEntryUndoesThePalette() {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(bool, typedAfter);
        showMainWindow();
        const bool isHex = field == u"hex";
        m_controller->toolItemSelected(isHex ? 1 : 0);
        QVDrawer* drawer = isHex ? o().hexDrawer : o().rgbDrawer;
        QTRY_COMPARE(drawer->state(), QVDrawer::Open);
        QLineEdit* line = isHex ? o().hexField : o().colorFields[0]->findChild<QLineEdit*>();
        line->setFocus();
        QTRY_VERIFY(line->hasFocus());
        // Keys go where the window sends them: to the focus widget, the spin box for a
        // number field.
        QWidget* keys = QApplication::focusWidget();
        line->selectAll();
        QTest::keyClicks(keys, entry);
        QTest::keyClick(keys, Qt::Key_Return);
        QTest::qWait(30); // whatever the entry queued has reached the undo stack
        const Color applied = isHex ? hex("ff0000") : Color::fromBytes(7, 255, 255);
        QCOMPARE(well(0)->color(), applied);
        const int steps = o().undoStack->count();
        QCOMPARE(o().undoStack->index(), steps);
        QVERIFY(steps >= 1);
        const QString shown = line->text();
        if (typedAfter) {
            QTest::keyClick(keys, Qt::Key_End);
            QTest::keyClick(keys, Qt::Key_Backspace);
            QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(line->text(), shown); // the field's own typing goes first
            QCOMPARE(o().undoStack->index(), steps);
        }
        QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(o().undoStack->index(), steps - 1);
        QVERIFY(well(0)->color() != applied);
        if (typedAfter) { // redo goes the same way back: the field's typing, then the palette
            QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(line->text(), shown.chopped(1));
            QCOMPARE(o().undoStack->index(), steps - 1);
        }
        QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(o().undoStack->index(), steps);
        QCOMPARE(well(0)->color(), applied);
    }

    // A second launch always brings the main window back: without it neither the menu bar
    // nor Quit can be reached.
    void reopenBringsTheMainWindowBack_data() {
        columns<QString, bool>("mainWindow", "panelShown");
        row("closed, panel shown", u"closed"_s, true);
        row("closed, panel hidden", u"closed"_s, false);
        row("minimized, panel shown", u"minimized"_s, true);
        row("shown, panel shown", u"shown"_s, true);
    }

    void reopenBringsTheMainWindowBack() {
        MainWindow* window = m_controller->mainWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        m_controller->setGlobalPanelVisible(fetch<bool>("panelShown"));
        const QString state = fetch<QString>("mainWindow");
        if (state == u"closed")
            window->close();
        else if (state == u"minimized")
            window->showMinimized();

        m_controller->applicationShouldHandleReopen();
        QVERIFY(window->isVisible());
        QVERIFY(!window->isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QCOMPARE(m_controller->isGlobalPanelVisible(), fetch<bool>("panelShown"));
    }
};

QTEST_MAIN(TestAppController)
#include "tst_appcontroller.moc"
