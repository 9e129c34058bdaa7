// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcontroller.h"
#include "colormetatype.h"
#include "componentspinbox.h"
#include "defaults.h"
#include "magnifiercontrol.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qvcolorinfo.h"
#include "qvdrawer.h"
#include "qvinfoview.h"
#include "qvlockview.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"
#include "qvradiocolorwell.h"
#include "qvscrollslider.h"
#include "simpletreenode.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

namespace {

Color hex(const char* text) {
    return *Color::colorFromHex(text);
}

// Records what the controller asks of the magnifier, in order.
class FakeMagnifier : public MagnifierControl {
public:
    QStringList calls;
    bool stopped = true;
    int boxSize = -1;

    void setDrawLoading(bool loading) override { calls << (loading ? u"loading"_s : u"loaded"_s); }
    void beginMagnify() override {
        stopped = false;
        calls << u"begin"_s;
    }
    void stopMagnify() override {
        stopped = true;
        calls << u"stop"_s;
    }
    bool isStopped() const override { return stopped; }
    bool hasSelectedColor() const override { return false; }
    void updateToolTip() override {}
    void setBoxSize(int sizeIndex) override { boxSize = sizeIndex; }
    void setDrawGrid(bool) override {}
    void setBorderColor(const Color&) override {}
};

} // namespace

class TestAppController : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppController> m_controller;

    const MainWindowOutlets& o() const { return m_controller->outlets(); }
    QVPaletteColorWell* well(int i) const {
        return o().paletteView->radioColorWellAtIndex(i)->colorWell();
    }
    QString infoString(int row) const { return o().infoView->stringAtIndex(row); }
    void start() {
        m_controller.reset();
        m_controller = std::make_unique<AppController>(m_dir.filePath(u"Favorites.plist"_s));
    }
    QVDrawer* openDrawer() const {
        for (QVDrawer* d : {o().rgbDrawer, o().hexDrawer, o().blendDrawer, o().magnifyDrawer})
            if (d->state() != QVDrawer::Closed)
                return d;
        return nullptr;
    }
    // Every display shows the selected well's colour.
    void verifyDisplaysShow(const Color& color, const QString& hexText) {
        QCOMPARE(o().paletteView->selectedColor(), color);
        const int bytes[3] = {byteValue(color.red), byteValue(color.green), byteValue(color.blue)};
        for (std::size_t c = 0; c < 3; ++c) {
            QCOMPARE(o().sliders[c]->value(), bytes[c]);
            QCOMPARE(o().colorFields[c]->value(), bytes[c]);
        }
        QCOMPARE(infoString(0), hexText);
        QCOMPARE(o().paletteView->selectedColorWell()->toolTip(), hexText);
        QCOMPARE(Defaults::standard()
                     .stringArrayValue(keys::SavedColors)
                     .at(o().paletteView->selectedColorWellIndex()),
                 hexText.mid(1));
    }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        QFile::remove(m_dir.filePath(u"Favorites.plist"_s));
        start();
    }
    void cleanup() { m_controller.reset(); }

    void firstRunShowsFourWhiteWells() {
        QCOMPARE(o().paletteView->colorWellCount(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(well(i)->color(), hex("ffffff"));
        QCOMPARE(o().paletteView->selectedColorWellIndex(), 0);
        QCOMPARE(infoString(0), u"#ffffff"_s);
        QCOMPARE(infoString(1), u"RGB(255,255,255)"_s);
        QCOMPARE(infoString(2), u"#fff"_s);
        QVERIFY(!openDrawer());
    }

    void restoresPaletteAndSelection_data() {
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<int>("storedIndex");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("hexText");
        QTest::newRow("well 2") << QStringList{u"ff0000"_s, u"00ff00"_s, u"336699"_s, u"000000"_s}
                                << 2 << 2 << u"#336699"_s;
        QTest::newRow("out of range selects 0")
            << QStringList{u"ABCDEF"_s, u"ffffff"_s, u"ffffff"_s, u"ffffff"_s} << 9 << 0
            << u"#abcdef"_s;
        QTest::newRow("damaged entry is white")
            << QStringList{u"zz"_s, u"ffffff"_s, u"ffffff"_s, u"ffffff"_s} << 0 << 0
            << u"#ffffff"_s;
    }
    void restoresPaletteAndSelection() {
        QFETCH(QStringList, saved);
        QFETCH(int, storedIndex);
        QFETCH(int, selected);
        QFETCH(QString, hexText);
        m_controller.reset();
        Defaults::standard().setStringArray(keys::SavedColors, saved);
        Defaults::standard().setInt(keys::SelectedColorIndex, storedIndex);
        start();
        QCOMPARE(o().paletteView->selectedColorWellIndex(), selected);
        QVERIFY(o().colorItems[std::size_t(selected)]->isChecked());
        verifyDisplaysShow(*Color::colorFromHex(hexText.mid(1).toStdString()), hexText);
    }

    void editPathsRefreshEveryDisplay_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("hexText");
        QTest::newRow("slider") << u"slider"_s << u"#fff0ff"_s;
        QTest::newRow("stepper") << u"stepper"_s << u"#fffeff"_s;
        QTest::newRow("typing with the drawer open") << u"typing"_s << u"#ff0cff"_s;
        QTest::newRow("field entered") << u"entered"_s << u"#ff0cff"_s;
        QTest::newRow("hex entry") << u"hex"_s << u"#336699"_s;
        QTest::newRow("drop") << u"drop"_s << u"#ff9933"_s;
        QTest::newRow("setColor") << u"setColor"_s << u"#102030"_s;
    }
    void editPathsRefreshEveryDisplay() {
        QFETCH(QString, path);
        QFETCH(QString, hexText);
        ComponentSpinBox* green = o().colorFields[1];
        if (path == u"slider") {
            o().sliders[1]->setValue(240);
        } else if (path == u"stepper") {
            green->stepBy(-1);
        } else if (path == u"typing" || path == u"entered") {
            if (path == u"typing")
                m_controller->toolItemSelected(0);
            green->findChild<QLineEdit*>()->selectAll();
            QTest::keyClicks(green->findChild<QLineEdit*>(), u"12"_s);
            if (path == u"entered")
                QTest::keyClick(green, Qt::Key_Return);
        } else if (path == u"hex") {
            m_controller->toolItemSelected(1);
            o().hexField->setText(u"336699"_s);
            m_controller->hexTextChanged();
        } else if (path == u"drop") {
            auto* mime = new QMimeData;
            mime->setColorData(QColor(255, 153, 51));
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime, Qt::LeftButton, {});
            QApplication::sendEvent(well(0), &enter);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, {});
            QApplication::sendEvent(well(0), &drop);
            delete mime;
        } else {
            m_controller->setColor(hex("102030"), 0);
        }
        verifyDisplaysShow(*Color::colorFromHex(hexText.mid(1).toStdString()), hexText);
        NotificationCenter::defaultCenter().deliverQueued();
        QCOMPARE(o().undoStack->count(), path == u"typing" ? 2 : 1); // one per keystroke
        o().undoStack->undo();
        if (path != u"typing")
            verifyDisplaysShow(hex("ffffff"), u"#ffffff"_s);
    }

    void typingWithRgbDrawerClosedWaitsForTheAction() {
        ComponentSpinBox* red = o().colorFields[0];
        red->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(red->findChild<QLineEdit*>(), u"7"_s);
        QCOMPARE(well(0)->color(), hex("ffffff"));
        QCOMPARE(o().undoStack->count(), 0);
    }

    void sliderBurstIsOneUndoStep() {
        for (int value = 250; value >= 100; value -= 10)
            o().sliders[0]->setValue(value);
        NotificationCenter::defaultCenter().deliverQueued();
        QCOMPARE(o().undoStack->count(), 1);
        const Color moved = well(0)->color();
        QCOMPARE(byteValue(moved.red), 100);

        o().undoStack->undo();
        QCOMPARE(well(0)->color(), hex("ffffff"));
        o().undoStack->redo();
        QCOMPARE(well(0)->color(), moved);
        QCOMPARE(o().sliders[0]->value(), 100);
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

    void hexEntryAppliesToCheckedWells_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QList<int>>("boxes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("wells"); // which wells end up changed
        QTest::addColumn<int>("selectedAfter");
        QTest::newRow("boxes 0 and 2, well 1 selected")
            << 1 << QList<int>{0, 2} << u"#ff9933"_s << u"1010"_s << 2;
        QTest::newRow("only the box of the drawer opening")
            << 3 << QList<int>{} << u"f93"_s << u"0001"_s << 3;
        QTest::newRow("all four") << 0 << QList<int>{0, 1, 2, 3} << u" FF 99 33 "_s << u"1111"_s
                                  << 3;
        QTest::newRow("no colour: nothing changes")
            << 0 << QList<int>{} << u"#ggg"_s << u"0000"_s << 0;
    }
    void hexEntryAppliesToCheckedWells() {
        QFETCH(int, selected);
        QFETCH(QList<int>, boxes);
        QFETCH(QString, text);
        QFETCH(QString, wells);
        QFETCH(int, selectedAfter);
        m_controller->newColorSelected(selected);
        m_controller->toolItemSelected(1);
        if (!boxes.isEmpty()) {
            for (QCheckBox* box : o().applyToColors)
                box->setChecked(false);
        }
        for (int box : boxes)
            o().applyToColors[std::size_t(box)]->setChecked(true);
        o().hexField->setText(text);
        m_controller->hexTextChanged();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(well(i)->color(), wells[i] == u'1' ? hex("ff9933") : hex("ffffff"));
        QCOMPARE(o().paletteView->selectedColorWellIndex(), selectedAfter);
        const bool changed = wells.contains(u'1');
        QCOMPARE(o().undoStack->count(), changed ? 1 : 0);
        if (changed) {
            o().undoStack->undo();
            for (int i = 0; i < 4; ++i)
                QCOMPARE(well(i)->color(), hex("ffffff"));
        }
    }

    void hexFieldIsTrimmedWhileTyping_data() {
        QTest::addColumn<bool>("drawerOpen");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("seven digits") << true << u"3366991"_s << u"336699"_s;
        QTest::newRow("drawer closed") << false << u"3366991"_s << u"3366991"_s;
    }
    void hexFieldIsTrimmedWhileTyping() {
        QFETCH(bool, drawerOpen);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        if (drawerOpen)
            m_controller->toolItemSelected(1);
        QTest::keyClicks(o().hexField, typed);
        QCOMPARE(o().hexField->text(), shown);
    }

    void rightClickStepsTheVariant_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("stored");
        QTest::newRow("hex once") << 0 << 1 << u"Hex"_s << 1;
        QTest::newRow("hex twice comes back") << 0 << 2 << u"Hex"_s << 0;
        QTest::newRow("web five times") << 2 << 5 << u"Web Safe"_s << 5;
        QTest::newRow("web six times comes back") << 2 << 6 << u"Web Safe"_s << 0;
    }
    void rightClickStepsTheVariant() {
        QFETCH(int, row);
        QFETCH(int, clicks);
        QFETCH(QString, entry);
        QFETCH(int, stored);
        const QString before = infoString(row);
        for (int i = 0; i < clicks; ++i)
            NotificationCenter::defaultCenter().post(notifications::ColorInfoRightClick,
                                                     o().infoView->colorInfoAtIndex(row));
        QCOMPARE(Defaults::standard().dictionaryValue(keys::PrimaryFormat).value(entry).toInt(),
                 stored);
        QCOMPARE(infoString(row) == before, stored == 0);
    }

    void settingChangesReachTheDisplays_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expect"); // what: text
        QTest::newRow("Float Format 0") << u"Float Format"_s << QVariant(0) << u"float:0.7"_s;
        QTest::newRow("Float Format 4") << u"Float Format"_s << QVariant(4) << u"float:0.66667"_s;
        QTest::newRow("Uppercase Hex") << u"Uppercase Hex"_s << QVariant(true) << u"hex:#AABBCC"_s;
        QTest::newRow("Use Shorthand") << u"Use Shorthand"_s << QVariant(true) << u"hex:#abc"_s;
        QTest::newRow("Tooltip Format")
            << u"Tooltip Format"_s << QVariant(1) << u"tip:RGB(170,187,204)"_s;
        QTest::newRow("Draw Gloss") << u"Draw Gloss"_s << QVariant(false) << u"gloss:0"_s;
        QTest::newRow("Zoom Size") << u"Zoom Size"_s << QVariant(3) << u"box:3"_s;
        QTest::newRow("Drag Format changes nothing")
            << u"Drag Format"_s << QVariant(2) << u"hex:#aabbcc"_s;
    }
    void settingChangesReachTheDisplays() {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QString, expect);
        FakeMagnifier magnifier;
        m_controller->setMagnifier(&magnifier);
        m_controller->setColor(hex("aabbcc"), 0);
        Defaults::standard().setValueNamed(key, value);
        NotificationCenter::defaultCenter().post(notifications::PrefsUpdate, nullptr,
                                                 {{userinfo::Object, key}});
        const QString what = expect.section(u':', 0, 0);
        const QString text = expect.section(u':', 1);
        if (what == u"float")
            QCOMPARE(o().floatLabels[0]->text(), text);
        else if (what == u"hex")
            QCOMPARE(infoString(0), text);
        else if (what == u"tip")
            QCOMPARE(well(0)->toolTip(), text);
        else if (what == u"gloss")
            QCOMPARE(o().paletteView->drawGloss(), text == u"1");
        else if (what == u"box")
            QCOMPARE(magnifier.boxSize, text.toInt());
        m_controller->setMagnifier(nullptr);
    }

    void toolsOpenOneDrawerAtATime_data() {
        QTest::addColumn<QList<int>>("tools");
        QTest::addColumn<int>("open"); // tool of the open drawer, -1 for none
        QTest::newRow("rgb then hex") << QList<int>{0, 1} << 1;
        QTest::newRow("hex twice closes") << QList<int>{0, 1, 1} << -1;
        QTest::newRow("blend then magnifier") << QList<int>{2, 3} << 3;
        QTest::newRow("unknown tool") << QList<int>{2, 7} << 2;
        QTest::newRow("global panel leaves drawers") << QList<int>{0, 4} << 0;
    }
    void toolsOpenOneDrawerAtATime() {
        QFETCH(QList<int>, tools);
        QFETCH(int, open);
        for (int tool : tools) {
            if (tool >= 0 && tool < 5) // the menu presses the button
                m_controller->toolMenuItemSelected(o().toolItems[std::size_t(tool)]);
            else
                m_controller->toolItemSelected(tool);
        }
        const std::array<QVDrawer*, 4> drawers{o().rgbDrawer, o().hexDrawer, o().blendDrawer,
                                               o().magnifyDrawer};
        for (int d = 0; d < 4; ++d) {
            QCOMPARE(drawers[std::size_t(d)]->state() == QVDrawer::Open, d == open);
            QCOMPARE(o().toolItems[std::size_t(d)]->isChecked(), d == open);
            QCOMPARE(o().toolButtons->button(d)->isChecked(), d == open);
        }
    }

    void hexDrawerChecksOnlyTheSelectedWell() {
        m_controller->newColorSelected(2);
        for (QCheckBox* box : o().applyToColors)
            box->setChecked(true);
        m_controller->toolItemSelected(1);
        for (std::size_t i = 0; i < 4; ++i)
            QCOMPARE(o().applyToColors[i]->isChecked(), i == 2);
    }

    void magnifierRunsWhileItsDrawerIsOpen() {
        FakeMagnifier magnifier;
        m_controller->setMagnifier(&magnifier);
        o().lockStatus->setIsLocked(true);
        m_controller->toolItemSelected(3);
        QCOMPARE(magnifier.calls, (QStringList{u"loading"_s, u"loaded"_s, u"begin"_s}));
        QVERIFY(!o().lockStatus->isLocked());
        m_controller->toggleMagnify();
        QVERIFY(magnifier.stopped);
        QVERIFY(o().lockStatus->isLocked());
        m_controller->toggleMagnify();
        QVERIFY(!magnifier.stopped);
        m_controller->toolItemSelected(0);
        QCOMPARE(magnifier.calls.last(), u"stop"_s);
        QVERIFY(o().lockStatus->isLocked());
        m_controller->setMagnifier(nullptr);
    }

    void menuEnablingFollowsTheWindow() {
        MainWindow* window = m_controller->mainWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(!m_controller->validateMenuItem(o().newWindow));
        QVERIFY(m_controller->validateMenuItem(o().colorItems[0]));
        QVERIFY(!m_controller->validateMenuItem(o().lockMagnify));
        m_controller->toolItemSelected(3);
        QVERIFY(m_controller->validateMenuItem(o().lockMagnify));

        window->close();
        QVERIFY(!window->isVisible());
        QVERIFY(!openDrawer()); // the drawers close with the window
        QVERIFY(m_controller->validateMenuItem(o().newWindow));
        QVERIFY(!m_controller->validateMenuItem(o().colorItems[0]));
        QVERIFY(!m_controller->validateMenuItem(o().copyItems[0]));
        QVERIFY(m_controller->validateMenuItem(o().toolItems[0]));

        m_controller->applicationShouldHandleReopen();
        QVERIFY(window->isVisible());
    }

    void preferencesWindowIsMadeOnce() {
        o().preferences->trigger();
        o().preferences->trigger();
        int shown = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            shown += window->isVisible() && window != m_controller->mainWindow();
        QCOMPARE(shown, 1);
    }

    void terminationSavesStateForTheNextStart() {
        m_controller->newColorSelected(2);
        m_controller->setColor(hex("123456"), 2);
        m_controller->applicationWillTerminate();
        QVERIFY(QFile::exists(m_dir.filePath(u"Favorites.plist"_s)));
        QCOMPARE(Defaults::standard().intValue(keys::SelectedColorIndex), 2);
        QVERIFY(!Defaults::standard().boolValue(keys::GlobalStartup));
        start();
        QCOMPARE(o().paletteView->selectedColorWellIndex(), 2);
        QCOMPARE(o().paletteView->selectedColor(), hex("123456"));
    }
};

QTEST_MAIN(TestAppController)
#include "tst_appcontroller.moc"
