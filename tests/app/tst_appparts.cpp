// SPDX-License-Identifier: GPL-3.0-or-later
#include "componentspinbox.h"
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

class TestAppParts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menuEnabling_data() {
        QTest::addColumn<MenuCommand>("item");
        QTest::addColumn<MenuFamily>("menu");
        QTest::addColumn<bool>("window");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("group");
        QTest::addColumn<bool>("magnifyClosed");
        QTest::addColumn<bool>("enabled");
        const MenuCommand use = MenuCommand::UseFavorite;
        const MenuCommand replace = MenuCommand::ReplaceFavorite;
        const MenuCommand del = MenuCommand::DeleteFavorites;
        const MenuFamily fav = MenuFamily::Favorites;
        QTest::newRow("use: one favorite") << use << fav << true << 1 << false << true << true;
        QTest::newRow("use: a group") << use << fav << true << 1 << true << true << false;
        QTest::newRow("use: two rows") << use << fav << true << 2 << false << true << false;
        QTest::newRow("replace: none") << replace << fav << true << 0 << false << true << false;
        QTest::newRow("delete: none") << del << fav << true << 0 << false << true << false;
        QTest::newRow("delete: groups") << del << fav << true << 3 << true << true << true;
        QTest::newRow("use: no window") << use << fav << false << 1 << false << true << false;
        QTest::newRow("pane's use: no window")
            << use << MenuFamily::Other << false << 1 << false << true << true;
        QTest::newRow("Switch with, no window") << MenuCommand::SwitchWith << MenuFamily::SwitchWith
                                                << false << 0 << false << true << false;
        QTest::newRow("Palette, no window") << MenuCommand::WebPreview << MenuFamily::Palette
                                            << false << 0 << false << true << false;
        QTest::newRow("Palette item") << MenuCommand::ResetPalette << MenuFamily::Palette << true
                                      << 0 << false << true << true;
        QTest::newRow("Import, no window")
            << MenuCommand::Import << MenuFamily::Other << false << 0 << false << true << false;
        QTest::newRow("Export with window")
            << MenuCommand::Export << MenuFamily::Other << true << 0 << false << true << true;
        QTest::newRow("web preview always")
            << MenuCommand::WebPreview << MenuFamily::Palette << true << 0 << false << true << true;
        QTest::newRow("new window while one shows")
            << MenuCommand::NewWindow << MenuFamily::Other << true << 0 << false << true << false;
        QTest::newRow("lock: drawer closed")
            << MenuCommand::LockMagnify << MenuFamily::Other << true << 0 << false << true << false;
        QTest::newRow("lock: drawer open")
            << MenuCommand::LockMagnify << MenuFamily::Other << true << 0 << false << false << true;
        QTest::newRow("untagged item, no window")
            << MenuCommand::None << MenuFamily::Other << false << 0 << false << true << true;
    }
    void menuEnabling() {
        QFETCH(MenuCommand, item);
        QFETCH(MenuFamily, menu);
        QFETCH(bool, window);
        QFETCH(int, rows);
        QFETCH(bool, group);
        QFETCH(bool, magnifyClosed);
        QFETCH(bool, enabled);
        const MenuState state{window, rows, group, magnifyClosed};
        QCOMPARE(isMenuItemEnabled(item, menu, state), enabled);
    }

    void hexFieldTrimming_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("# and six") << u"#336699"_s << u"336699"_s;
        QTest::newRow("seven without #") << u"3366991"_s << u"336699"_s;
        QTest::newRow("six") << u"336699"_s << u"336699"_s;
        QTest::newRow("# and five") << u"#33669"_s << u"#33669"_s;
        QTest::newRow("eight with #, cut once") << u"#3366991"_s << u"3366991"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void hexFieldTrimming() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(trimmedHexFieldText(text), shown);
    }

    void floatLabels_data() {
        QTest::addColumn<float>("component");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("one place") << 1.0f << 0 << u"1.0"_s;
        QTest::newRow("five places") << 1.0f << 4 << u"1.00000"_s;
        QTest::newRow("default four") << 0.5f << 3 << u"0.5000"_s;
        QTest::newRow("127/255") << 127.0f / 255.0f << 1 << u"0.50"_s;
        QTest::newRow("unknown format") << 0.25f << 9 << u"0.25"_s;
    }
    void floatLabels() {
        QFETCH(float, component);
        QFETCH(int, format);
        QFETCH(QString, text);
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
        QTest::newRow("quit command") << u"quit"_s;
        QTest::newRow("signal, then the loop ends") << u"signal run"_s;
        QTest::newRow("session end, then quit") << u"run quit"_s;
        QTest::newRow("quit twice, then signal") << u"quit quit signal"_s;
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
