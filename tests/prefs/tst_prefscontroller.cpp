// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefscontroller.h"
#include "prefstesting.h"
#include "qvcolorpanel.h"
#include "qvcolorpopupbutton.h"
#include "zrprefspanel.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using prefstest::defaults;
using prefstest::key;
using prefstest::PrefsUpdates;

namespace {

// What a user's choice does to a pop-up: it selects the item and reports the activation.
void choose(QComboBox* popUp, int index) {
    popUp->setCurrentIndex(index);
    Q_EMIT popUp->activated(index);
}

// The value a control shows: the selected index, row or the checked state.
QVariant shownValue(QObject* control) {
    if (auto* popUp = qobject_cast<QComboBox*>(control))
        return popUp->currentIndex();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->isChecked();
    if (auto* rows = qobject_cast<QButtonGroup*>(control))
        return rows->checkedId();
    return {};
}

QVariant storedValue(const QString& name, QMetaType type) {
    if (type.id() == QMetaType::Bool)
        return defaults().boolValue(key(name));
    return defaults().intValue(key(name));
}

int windowTop(const PrefsController& prefs) {
    return prefs.window()->geometry().top();
}

} // namespace

class TestPrefsController : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        tintmere::Defaults::setStandardForTesting(tintmere::Defaults::inMemory());
        QVColorPanel::shared().close();
    }

    void plainControlWritesItsKey_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("choice"); // item index of a pop-up; buttons are clicked
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");

        QTest::newRow("tooltips RGB")
            << u"tooltipFormatPopUp"_s << 1 << u"Tooltip Format"_s << QVariant(1);
        QTest::newRow("tooltips web")
            << u"tooltipFormatPopUp"_s << 2 << u"Tooltip Format"_s << QVariant(2);
        QTest::newRow("two midpoints")
            << u"quickBlendRow1"_s << 0 << u"Quick Blend Midpoints"_s << QVariant(1);
        QTest::newRow("one midpoint")
            << u"quickBlendRow0"_s << 0 << u"Quick Blend Midpoints"_s << QVariant(0);
        QTest::newRow("drag web") << u"dragFormatPopUp"_s << 2 << u"Drag Format"_s << QVariant(2);
        QTest::newRow("drag hex again")
            << u"dragFormatPopUp"_s << 0 << u"Drag Format"_s << QVariant(0);
        QTest::newRow("gloss off") << u"glossCheckBox"_s << 0 << u"Draw Gloss"_s << QVariant(false);
        QTest::newRow("uppercase on")
            << u"uppercaseHexCheckBox"_s << 0 << u"Uppercase Hex"_s << QVariant(true);
        QTest::newRow("shorthand on")
            << u"shorthandHexCheckBox"_s << 0 << u"Use Shorthand"_s << QVariant(true);
        QTest::newRow("float 0.0")
            << u"floatFormatPopUp"_s << 0 << u"Float Format"_s << QVariant(0);
        QTest::newRow("float 0.00000")
            << u"floatFormatPopUp"_s << 4 << u"Float Format"_s << QVariant(4);
        QTest::newRow("zoom large") << u"zoomSizePopUp"_s << 2 << u"Zoom Size"_s << QVariant(2);
        QTest::newRow("zoom small") << u"zoomSizePopUp"_s << 0 << u"Zoom Size"_s << QVariant(0);
        QTest::newRow("grid off") << u"gridLinesCheckBox"_s << 0 << u"Draw Grid"_s
                                  << QVariant(false);
    }

    void plainControlWritesItsKey() {
        QFETCH(QString, control);
        QFETCH(int, choice);
        QFETCH(QString, key);
        QFETCH(QVariant, stored);

        PrefsController prefs;
        PrefsUpdates updates;
        QObject* widget = prefs.window()->findChild<QObject*>(control);
        QVERIFY2(widget, qPrintable(control));
        if (auto* popUp = qobject_cast<QComboBox*>(widget))
            choose(popUp, choice);
        else
            qobject_cast<QAbstractButton*>(widget)->click();

        QVERIFY(defaults().hasStoredValue(prefstest::key(key)));
        QCOMPARE(storedValue(key, stored.metaType()), stored);
        QCOMPARE(updates.keys, QStringList{key});
    }

    void floatFormatTitlesNameTheirPlaces() {
        PrefsController prefs;
        QComboBox* popUp = prefs.controls().floatFormatPopUp;
        QStringList titles;
        for (int index = 0; index < popUp->count(); ++index)
            titles << popUp->itemText(index);
        QCOMPARE(titles, (QStringList{u"0.0"_s, u"0.00"_s, u"0.000"_s, u"0.0000"_s, u"0.00000"_s}));
        QCOMPARE(popUp->currentText(), u"0.0000"_s); // a fresh store
    }

    void colorPopUpWritesIndexAndColor_data() {
        QTest::addColumn<QString>("popUp");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("indexKey");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("colorKey");
        QTest::addColumn<QString>("colorText");

        QTest::newRow("reset black") << u"resetColorPopUp"_s << u"Black"_s << u"Reset Color Index"_s
                                     << 2 << u"Reset Color"_s << u"000000"_s;
        QTest::newRow("reset gray") << u"resetColorPopUp"_s << u"Gray"_s << u"Reset Color Index"_s
                                    << 1 << u"Reset Color"_s << u"7f7f7f"_s;
        QTest::newRow("zoom orange")
            << u"zoomBorderColorPopUp"_s << u"Orange"_s << u"Zoom Border Index"_s << 1
            << u"Zoom Border Color"_s << u"ff7f00"_s;
        QTest::newRow("zoom purple")
            << u"zoomBorderColorPopUp"_s << u"Purple"_s << u"Zoom Border Index"_s << 5
            << u"Zoom Border Color"_s << u"7f007f"_s;
        QTest::newRow("zoom black")
            << u"zoomBorderColorPopUp"_s << u"Black"_s << u"Zoom Border Index"_s << 8
            << u"Zoom Border Color"_s << u"000000"_s;
        // Grey 0.5 is byte 127, one step below the registered "808080".
        QTest::newRow("global gray")
            << u"globalBorderColorPopUp"_s << u"Gray"_s << u"Global Border Index"_s << 0
            << u"Global Border Color"_s << u"7f7f7f"_s;
        QTest::newRow("global aqua")
            << u"globalBorderColorPopUp"_s << u"Aqua"_s << u"Global Border Index"_s << 2
            << u"Global Border Color"_s << u"0080ff"_s;
        QTest::newRow("global strawberry")
            << u"globalBorderColorPopUp"_s << u"Strawberry"_s << u"Global Border Index"_s << 4
            << u"Global Border Color"_s << u"ff0080"_s;
        QTest::newRow("global honeydew")
            << u"globalBorderColorPopUp"_s << u"Honeydew"_s << u"Global Border Index"_s << 8
            << u"Global Border Color"_s << u"ccff66"_s;
    }

    void colorPopUpWritesIndexAndColor() {
        QFETCH(QString, popUp);
        QFETCH(QString, title);
        QFETCH(QString, indexKey);
        QFETCH(int, index);
        QFETCH(QString, colorKey);
        QFETCH(QString, colorText);

        PrefsController prefs;
        PrefsUpdates updates;
        auto* control = prefs.window()->findChild<QVColorPopUpButton*>(popUp);
        QVERIFY(control);
        QCOMPARE(control->findText(title), index);
        choose(control, index);

        QCOMPARE(defaults().intValue(key(indexKey)), index);
        QCOMPARE(defaults().stringValue(key(colorKey)), colorText);
        QCOMPARE(updates.keys, QStringList{colorKey});
        QStringList written = defaults().storedKeys();
        written.removeAll(u"Window Frames"_s);
        written.sort();
        QCOMPARE(written, (QStringList{colorKey, indexKey})); // no free colour yet
    }

    void customColorStoresBothKeysInOneStep_data() {
        QTest::addColumn<QString>("popUp");
        QTest::addColumn<QString>("indexKey");
        QTest::addColumn<QString>("otherKey");
        QTest::addColumn<QString>("colorKey");

        QTest::newRow("reset") << u"resetColorPopUp"_s << u"Reset Color Index"_s
                               << u"Reset Other Color"_s << u"Reset Color"_s;
        QTest::newRow("zoom border") << u"zoomBorderColorPopUp"_s << u"Zoom Border Index"_s
                                     << u"Zoom Other Color"_s << u"Zoom Border Color"_s;
        QTest::newRow("global border") << u"globalBorderColorPopUp"_s << u"Global Border Index"_s
                                       << u"Global Other Color"_s << u"Global Border Color"_s;
    }

    void customColorStoresBothKeysInOneStep() {
        QFETCH(QString, popUp);
        QFETCH(QString, indexKey);
        QFETCH(QString, otherKey);
        QFETCH(QString, colorKey);

        PrefsController prefs;
        PrefsUpdates updates({otherKey, colorKey});
        auto* control = prefs.window()->findChild<QVColorPopUpButton*>(popUp);
        const int other = control->findText(QVColorPopUpButton::OtherTitle);
        choose(control, other); // the first free colour is white
        QVColorPanel::shared().dialog()->setCurrentColor(QColor(0x33, 0x66, 0x99));

        QCOMPARE(updates.keys, (QStringList{colorKey, colorKey}));
        const QVariantMap white{{otherKey, u"ffffff"_s}, {colorKey, u"ffffff"_s}};
        const QVariantMap picked{{otherKey, u"336699"_s}, {colorKey, u"336699"_s}};
        QCOMPARE(updates.storedAtPost.at(0), white);
        QCOMPARE(updates.storedAtPost.at(1), picked);
        QCOMPARE(defaults().intValue(key(indexKey)), other);
    }

    void namedColorKeepsTheFreeColor() {
        PrefsController prefs;
        QVColorPopUpButton* popUp = prefs.controls().zoomBorderColorPopUp;
        choose(popUp, popUp->findText(QVColorPopUpButton::OtherTitle));
        QVColorPanel::shared().dialog()->setCurrentColor(QColor(0x33, 0x66, 0x99));
        PrefsUpdates updates;
        choose(popUp, popUp->findText(u"Green"_s));

        QCOMPARE(defaults().stringValue(key(u"Zoom Border Color")), u"00ff00"_s);
        QCOMPARE(defaults().stringValue(key(u"Zoom Other Color")), u"336699"_s);
        QCOMPARE(updates.keys, QStringList{u"Zoom Border Color"_s});
    }

    void showsStoredSettingsWithoutWriting_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
        QTest::addColumn<QString>("control");
        QTest::addColumn<QVariant>("shown");

        QTest::newRow("fresh float")
            << u"Float Format"_s << QVariant() << u"floatFormatPopUp"_s << QVariant(3);
        QTest::newRow("float 0.0")
            << u"Float Format"_s << QVariant(0) << u"floatFormatPopUp"_s << QVariant(0);
        QTest::newRow("fresh zoom size")
            << u"Zoom Size"_s << QVariant() << u"zoomSizePopUp"_s << QVariant(1);
        QTest::newRow("uppercase")
            << u"Uppercase Hex"_s << QVariant(true) << u"uppercaseHexCheckBox"_s << QVariant(true);
        QTest::newRow("fresh gloss")
            << u"Draw Gloss"_s << QVariant() << u"glossCheckBox"_s << QVariant(true);
        QTest::newRow("no grid") << u"Draw Grid"_s << QVariant(false) << u"gridLinesCheckBox"_s
                                 << QVariant(false);
        QTest::newRow("two midpoints")
            << u"Quick Blend Midpoints"_s << QVariant(1) << u"quickBlendMatrix"_s << QVariant(1);
        QTest::newRow("lavender border") << u"Global Border Index"_s << QVariant(3)
                                         << u"globalBorderColorPopUp"_s << QVariant(3);
        // Damaged values select nothing rather than some other item.
        QTest::newRow("tooltip out of range")
            << u"Tooltip Format"_s << QVariant(7) << u"tooltipFormatPopUp"_s << QVariant(-1);
        QTest::newRow("negative drag")
            << u"Drag Format"_s << QVariant(-2) << u"dragFormatPopUp"_s << QVariant(-1);
        QTest::newRow("reset on separator")
            << u"Reset Color Index"_s << QVariant(3) << u"resetColorPopUp"_s << QVariant(-1);
        QTest::newRow("blend row missing")
            << u"Quick Blend Midpoints"_s << QVariant(4) << u"quickBlendMatrix"_s << QVariant(-1);
    }

    void showsStoredSettingsWithoutWriting() {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QString, control);
        QFETCH(QVariant, shown);

        if (stored.isValid())
            defaults().setValue(prefstest::key(key), stored);
        const QStringList before = defaults().storedKeys();
        PrefsUpdates updates;
        PrefsController prefs;

        QCOMPARE(shownValue(prefs.window()->findChild<QObject*>(control)), shown);
        QCOMPARE(updates.keys, QStringList());
        QStringList after = defaults().storedKeys();
        after.removeAll(u"Window Frames"_s);
        QCOMPARE(after, before);
    }

    void restoresFreeColorsWithoutWriting() {
        defaults().setInt(key(u"Zoom Border Index"), 10);
        defaults().setString(key(u"Zoom Other Color"), u"123456"_s);
        defaults().setString(key(u"Global Other Color"), u"not a colour"_s);
        PrefsUpdates updates;
        PrefsController prefs;

        QVColorPopUpButton* zoom = prefs.controls().zoomBorderColorPopUp;
        QCOMPARE(zoom->currentText(), QVColorPopUpButton::OtherTitle);
        QVERIFY(zoom->otherColor().has_value());
        QCOMPARE(zoom->otherColor()->colorValueWithFormat("%Xr%Xg%Xb"), std::string("123456"));
        QVERIFY(!prefs.controls().globalBorderColorPopUp->otherColor().has_value());
        QCOMPARE(updates.keys, QStringList());
        QVERIFY(!defaults().hasStoredValue(key(u"Zoom Border Color")));
    }

    void paneSwitchKeepsTheTopEdge_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("general to global panel") << 0 << 4;
        QTest::newRow("global panel to general") << 4 << 0;
        QTest::newRow("formats to magnifier") << 1 << 3;
        QTest::newRow("magnifier to about") << 3 << 5;
    }

    void paneSwitchKeepsTheTopEdge() {
        QFETCH(int, from);
        QFETCH(int, to);

        defaults().setInt(key(u"Prefs Recent Page"), from);
        PrefsController prefs;
        QMainWindow* window = prefs.window();
        prefs.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->move(120, 140);
        const QRect before = window->geometry();
        QCOMPARE(before.height() - prefs.window()->centralWidget()->height(),
                 PrefsController::toolbarHeightForWindow(*window));
        QCOMPARE(prefs.window()->centralWidget()->height(), prefs.viewSize(from).height());

        prefs.prefsPanel()->itemForIdentifier(QString::number(to))->trigger();
        const int target =
            prefs.viewSize(to).height() + before.height() - prefs.viewSize(from).height();
        QSet<int> tops;
        QElapsedTimer clock;
        clock.start();
        // Fixed to its pane again once the resizing is over.
        while (window->minimumSize() != window->maximumSize() && clock.elapsed() < 2000) {
            tops << windowTop(prefs);
            QTest::qWait(5);
        }
        QCOMPARE(window->height(), target);
        QCOMPARE(tops, QSet<int>{before.top()}); // also while the window moves its bottom
        QCOMPARE(window->geometry().topLeft(), before.topLeft());
        QCOMPARE(window->width(), before.width());
        QCOMPARE(window->centralWidget()->height(), prefs.viewSize(to).height());
    }

    void windowFrameAndPaneSurviveARestart() {
        QPoint placed;
        {
            PrefsController prefs;
            prefs.showWindow();
            QVERIFY(QTest::qWaitForWindowExposed(prefs.window()));
            prefs.window()->move(210, 160);
            QTRY_VERIFY(!defaults().restoreGeometry(key(u"Prefs Window")).isEmpty());
            prefs.prefsPanel()->itemForIdentifier(u"3"_s)->trigger();
            QTRY_COMPARE(prefs.window()->centralWidget()->height(), prefs.viewSize(3).height());
            placed = prefs.window()->geometry().topLeft();
        }
        PrefsController again;
        again.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(again.window()));
        QCOMPARE(again.window()->geometry().topLeft(), placed);
        QCOMPARE(again.window()->centralWidget()->height(), again.viewSize(3).height());
        QCOMPARE(again.window()->windowTitle(), u"Magnifier"_s);
    }

    void damagedFrameOpensTheWindowAnyway() {
        defaults().saveGeometry(key(u"Prefs Window"), QByteArray("\x01\xd9\xd0\xcb garbage"));
        PrefsController prefs;
        prefs.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(prefs.window()));
        QCOMPARE(prefs.window()->centralWidget()->height(), prefs.viewSize(0).height());
    }

    void closeShortcutsHideTheWindow_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("escape") << QKeySequence(Qt::Key_Escape);
        QTest::newRow("ctrl+w") << QKeySequence(Qt::CTRL | Qt::Key_W);
    }

    void closeShortcutsHideTheWindow() {
        QFETCH(QKeySequence, keys);
        PrefsController prefs;
        prefs.showWindow();
        QVERIFY(QTest::qWaitForWindowActive(prefs.window()));
        prefs.controls().uppercaseHexCheckBox->click();
        QTest::keySequence(prefs.window(), keys);
        QTRY_VERIFY(!prefs.window()->isVisible());

        prefs.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(prefs.window()));
        QVERIFY(prefs.controls().uppercaseHexCheckBox->isChecked());
    }

    void paneShortcutsSwitchPanes() {
        PrefsController prefs;
        prefs.showWindow();
        QVERIFY(QTest::qWaitForWindowActive(prefs.window()));
        QTest::keySequence(prefs.window(), QKeySequence(Qt::CTRL | Qt::Key_3));
        QCOMPARE(prefs.window()->windowTitle(), u"RGB"_s);
        QCOMPARE(defaults().intValue(key(u"Prefs Recent Page")), 2);
    }

    void controlsAreNamedAndReachableByKeyboard() {
        PrefsController prefs;
        QStringList faults;
        for (QWidget* control : prefs.window()->findChildren<QWidget*>()) {
            const bool operable = qobject_cast<QComboBox*>(control) ||
                                  qobject_cast<QCheckBox*>(control) ||
                                  qobject_cast<QRadioButton*>(control);
            if (!operable)
                continue;
            if (!(control->focusPolicy() & Qt::TabFocus))
                faults << control->objectName() + u": no Tab focus"_s;
            if (control->toolTip().isEmpty())
                faults << control->objectName() + u": no tool tip"_s;
            if (control->accessibleName().isEmpty() || control->accessibleName() == u"Color")
                faults << control->objectName() + u": no accessible name of its own"_s;
        }
        QCOMPARE(faults, QStringList());
    }

    void aboutPaneSaysWhereTheHotKeyStands_data() {
        QTest::addColumn<bool>("available");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("available") << true << QString() << u"locks and unlocks"_s;
        QTest::newRow("held elsewhere")
            << false << u"Another program holds it."_s << u"Another program holds it."_s;
        QTest::newRow("no reason given") << false << QString() << u"not available"_s;
    }

    void aboutPaneSaysWhereTheHotKeyStands() {
        QFETCH(bool, available);
        QFETCH(QString, reason);
        QFETCH(QString, mentions);
        PrefsController prefs;
        prefs.setHotKeyStatus(available, reason);
        auto* label = prefs.viewOfIndex(5)->findChild<QLabel*>(u"hotKeyStatusLabel"_s);
        QVERIFY(label->text().contains(mentions));
        QCOMPARE(label->text().contains(u"not available"_s), !available);
        auto* version = prefs.viewOfIndex(5)->findChild<QLabel*>(u"versionLabel"_s);
        QVERIFY(version->text().contains(QStringLiteral(TINTMERE_VERSION)));
    }
};

QTEST_MAIN(TestPrefsController)
#include "tst_prefscontroller.moc"
