// SPDX-License-Identifier: GPL-3.0-or-later
#include "componentspinbox.h"
#include "datarows.h"
#include "floatlabelformat.h"
#include "hexentry.h"
#include "menuvalidation.h"
#include "terminationroutine.h"
#include "terminationwatcher.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::Rows;

using MenuRow = std::tuple<MenuCommand, MenuFamily, bool, int, bool, bool, bool>;
using TextPair = std::pair<QString, QString>;
using FloatRow = std::tuple<float, int, QString>;

class TestAppParts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // window, favorite rows, a group among them, magnifier drawer closed: enabled
    void menuEnabling_data() {
        const Rows<MenuRow> row;
        const MenuFamily fav = MenuFamily::Favorites, other = MenuFamily::Other;
        const MenuFamily pal = MenuFamily::Palette;
        row("use: one favorite", MenuCommand::UseFavorite, fav, true, 1, false, true, true);
        row("use: a group", MenuCommand::UseFavorite, fav, true, 1, true, true, false);
        row("use: two rows", MenuCommand::UseFavorite, fav, true, 2, false, true, false);
        row("replace: none", MenuCommand::ReplaceFavorite, fav, true, 0, false, true, false);
        row("delete: groups", MenuCommand::DeleteFavorites, fav, true, 3, true, true, true);
        row("use: no window", MenuCommand::UseFavorite, fav, false, 1, false, true, false);
        row("pane's use: no window", MenuCommand::UseFavorite, other, false, 1, false, true, true);
        row("Switch with, no window", MenuCommand::SwitchWith, MenuFamily::SwitchWith, false, 0,
            false, true, false);
        row("Palette, no window", MenuCommand::WebPreview, pal, false, 0, false, true, false);
        row("Palette item", MenuCommand::ResetPalette, pal, true, 0, false, true, true);
        row("Import, no window", MenuCommand::Import, other, false, 0, false, true, false);
        row("new window while one shows", MenuCommand::NewWindow, other, true, 0, false, true,
            false);
        row("lock: drawer closed", MenuCommand::LockMagnify, other, true, 0, false, true, false);
        row("lock: drawer open", MenuCommand::LockMagnify, other, true, 0, false, false, true);
        row("untagged item, no window", MenuCommand::None, other, false, 0, false, true, true);
    }
    void menuEnabling() {
        ROW(MenuRow, item, menu, window, rows, group, magnifyClosed, enabled);
        QCOMPARE(isMenuItemEnabled(item, menu, MenuState{window, rows, group, magnifyClosed}),
                 enabled);
    }

    void hexFieldTrimming_data() {
        testrows::table<TextPair>({
            {"# and six", {u"#336699"_s, u"336699"_s}},
            {"seven without #", {u"3366991"_s, u"336699"_s}},
            {"# and five", {u"#33669"_s, u"#33669"_s}},
            {"eight with #, cut once", {u"#3366991"_s, u"3366991"_s}},
            {"empty", {}},
        });
    }
    void hexFieldTrimming() {
        ROW(TextPair, text, shown);
        QCOMPARE(trimmedHexFieldText(text), shown);
    }

    void floatLabels_data() {
        const Rows<FloatRow> row;
        row("one place", 1.0f, 0, u"1.0"_s);
        row("five places", 1.0f, 4, u"1.00000"_s);
        row("127/255", 127.0f / 255.0f, 1, u"0.50"_s);
        row("unknown format", 0.25f, 9, u"0.25"_s);
    }
    void floatLabels() {
        ROW(FloatRow, component, format, text);
        QCOMPARE(floatLabelText(component, format), text);
    }

    void spinBoxKeepsStepsApartFromTyping() {
        ComponentSpinBox box;
        box.showValue(100);
        QSignalSpy stepped(&box, &ComponentSpinBox::stepped);
        QSignalSpy edited(&box, &ComponentSpinBox::textEdited);
        QSignalSpy entered(&box, &ComponentSpinBox::entered);
        QSignalSpy changed(&box, &QDoubleSpinBox::valueChanged);
        box.stepBy(1);
        QCOMPARE(stepped.count(), 1);
        QCOMPARE(stepped.first().first().toInt(), 101);
        QCOMPARE(edited.count(), 0);
        box.showValue(7);
        QCOMPARE(changed.count(), 0);
        box.findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(box.findChild<QLineEdit*>(), u"300"_s);
        QCOMPARE(stepped.count(), 1);
        QVERIFY(edited.count() > 0);
        QCOMPARE(entered.count(), 0);
        QVERIFY(box.typedValue() <= 255);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(entered.count(), 1);
    }

    void terminationRunsOnce_data() {
        QTest::addColumn<QString>("triggers");
        for (const char* triggers : {"quit", "signal run", "run quit", "quit quit signal"})
            QTest::newRow(triggers) << QString::fromLatin1(triggers);
    }
    void terminationRunsOnce() {
        QFETCH(QString, triggers);
        int runs = 0;
        TerminationRoutine routine([&runs] { ++runs; });
        TerminationWatcher watcher;
        routine.watchSignals(&watcher);
        for (const QString& trigger : triggers.split(u' ')) {
            if (trigger == u"quit")
                routine.quit();
            else if (trigger == u"signal")
                Q_EMIT watcher.terminationRequested(15);
            else
                routine.run();
        }
        QCOMPARE(runs, 1);
        QVERIFY(routine.hasRun());
    }
};

QTEST_MAIN(TestAppParts)
#include "tst_appparts.moc"
