// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
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
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using prefstest::defaults;
using prefstest::key;
using prefstest::PrefsUpdates;
using testrows::row;
using testrows::Rows;

namespace {

// What a user's choice does to a pop-up: it selects the item and reports the activation.
void choose(QComboBox* popUp, int index) {
    popUp->setCurrentIndex(index);
    Q_EMIT popUp->activated(index);
}

// The value a control shows: the selected index or row, or the checked state.
QVariant shownValue(QObject* control) {
    if (auto* popUp = qobject_cast<QComboBox*>(control))
        return popUp->currentIndex();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->isChecked();
    if (auto* rows = qobject_cast<QButtonGroup*>(control))
        return rows->checkedId();
    return {};
}

QStringList storedKeys() {
    QStringList stored = defaults().storedKeys();
    stored.removeAll(u"Window Frames"_s);
    stored.sort();
    return stored;
}

} // namespace

using ControlWritesItsKeysRow = std::tuple<QString, int, QVariantMap, QString>;
using FreeColorStoresBothKeysInOneStepRow = std::tuple<QString, QString, QString>;
using ShowsStoredSettingsWithoutWritingRow = std::tuple<QString, QVariant, QString, QVariant>;
using PaneSwitchKeepsTheTopEdgeRow = std::tuple<int, int>;
using KeyboardClosesAndSwitchesPanesRow = std::tuple<QKeySequence, bool, QString>;
// available, reason, binding, whether it picks (the screen is not read live), a word shown
using AboutPaneSaysWhereTheHotKeyStandsRow = std::tuple<bool, QString, QString, bool, QString>;

class TestPrefsController : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { tintmere::Defaults::setStandardForTesting(tintmere::Defaults::inMemory()); }
    // A colour panel still open when the application ends takes the process down with it.
    void cleanup() { QVColorPanel::shared().close(); }

    // Each choice stores exactly its keys and announces one; a colour pop-up stores its item
    // and that item's colour.
    void controlWritesItsKeys_data() {
        const Rows<ControlWritesItsKeysRow> row; // choice: item of a pop-up; buttons are clicked
        const auto one = [&](const QString& control, int choice, const QString& key, QVariant v) {
            row(key.toLatin1(), control, choice, QVariantMap{{key, v}}, key);
        };
        one(u"tooltipFormatPopUp"_s, 2, u"Tooltip Format"_s, 2);
        one(u"quickBlendRow1"_s, 0, u"Quick Blend Midpoints"_s, 1);
        one(u"dragFormatPopUp"_s, 1, u"Drag Format"_s, 1);
        one(u"glossCheckBox"_s, 0, u"Draw Gloss"_s, false);
        one(u"uppercaseHexCheckBox"_s, 0, u"Uppercase Hex"_s, true);
        one(u"shorthandHexCheckBox"_s, 0, u"Use Shorthand"_s, true);
        one(u"floatFormatPopUp"_s, 4, u"Float Format"_s, 4);
        one(u"zoomSizePopUp"_s, 2, u"Zoom Size"_s, 2);
        one(u"gridLinesCheckBox"_s, 0, u"Draw Grid"_s, false);
        const auto color = [&](const char* name, const QString& control, int choice,
                               const QString& indexKey, const QString& key, const QString& text) {
            row(name, control, choice, QVariantMap{{indexKey, choice}, {key, text}}, key);
        };
        // Grey 0.5 is byte 127: choosing "Gray" stores 7f7f7f, one step below the registered
        // "808080"; 0.502 is byte 128.
        color("reset gray", u"resetColorPopUp"_s, 1, u"Reset Color Index"_s, u"Reset Color"_s,
              u"7f7f7f"_s);
        color("zoom orange", u"zoomBorderColorPopUp"_s, 1, u"Zoom Border Index"_s,
              u"Zoom Border Color"_s, u"ff7f00"_s);
        color("global aqua", u"globalBorderColorPopUp"_s, 2, u"Global Border Index"_s,
              u"Global Border Color"_s, u"0080ff"_s);
        color("global honeydew", u"globalBorderColorPopUp"_s, 8, u"Global Border Index"_s,
              u"Global Border Color"_s, u"ccff66"_s);
    }

    void controlWritesItsKeys() {
        ROW(ControlWritesItsKeysRow, control, choice, stored, announced);

        PrefsController prefs;
        PrefsUpdates updates;
        QObject* widget = prefs.window()->findChild<QObject*>(control);
        if (auto* popUp = qobject_cast<QComboBox*>(widget))
            choose(popUp, choice);
        else
            qobject_cast<QAbstractButton*>(widget)->click();

        QCOMPARE(storedKeys(), stored.keys()); // a colour pop-up: no free colour yet
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            QCOMPARE(defaults().value(key(it.key())).toString(), it.value().toString());
        QCOMPARE(updates.keys, QStringList{announced});
    }

    void freeColorStoresBothKeysInOneStep_data() {
        const Rows<FreeColorStoresBothKeysInOneStepRow> row;
        row("reset", u"resetColorPopUp"_s, u"Reset Other Color"_s, u"Reset Color"_s);
        row("zoom", u"zoomBorderColorPopUp"_s, u"Zoom Other Color"_s, u"Zoom Border Color"_s);
        row("global", u"globalBorderColorPopUp"_s, u"Global Other Color"_s,
            u"Global Border Color"_s);
    }

    void freeColorStoresBothKeysInOneStep() {
        ROW(FreeColorStoresBothKeysInOneStepRow, popUp, otherKey, colorKey);

        PrefsController prefs;
        PrefsUpdates updates({otherKey, colorKey});
        auto* control = prefs.window()->findChild<QVColorPopUpButton*>(popUp);
        choose(control, control->findText(QVColorPopUpButton::OtherTitle)); // white at first
        QVColorPanel::shared().dialog()->setCurrentColor(QColor(0x33, 0x66, 0x99));
        choose(control, 0); // a named colour keeps the free one

        QCOMPARE(updates.keys, (QStringList{colorKey, colorKey, colorKey}));
        const auto both = [&](const QString& other, const QString& color) {
            return QVariantMap{{otherKey, other}, {colorKey, color}};
        };
        QCOMPARE(updates.storedAtPost.at(0), both(u"ffffff"_s, u"ffffff"_s));
        QCOMPARE(updates.storedAtPost.at(1), both(u"336699"_s, u"336699"_s));
        QCOMPARE(updates.storedAtPost.at(2).value(otherKey), u"336699"_s);
    }

    void otherPopUpsWriteNothing() {
        PrefsController prefs;
        PrefsUpdates updates;
        QVColorPopUpButton elsewhere;
        elsewhere.setOtherColor(tintmere::Color{0.2f, 0.4f, 0.6f});
        QCOMPARE(updates.keys, QStringList());
        QCOMPARE(storedKeys(), QStringList());
    }

    void showsStoredSettingsWithoutWriting_data() {
        const Rows<ShowsStoredSettingsWithoutWritingRow> row; // stored: invalid: nothing stored
        row("fresh float", u"Float Format"_s, QVariant(), u"floatFormatPopUp"_s, QVariant(3));
        row("uppercase", u"Uppercase Hex"_s, QVariant(true), u"uppercaseHexCheckBox"_s,
            QVariant(true));
        row("two midpoints", u"Quick Blend Midpoints"_s, QVariant(1), u"quickBlendMatrix"_s,
            QVariant(1));
        row("lavender", u"Global Border Index"_s, QVariant(3), u"globalBorderColorPopUp"_s,
            QVariant(3));
        // Damaged values select nothing rather than some other item.
        row("tooltip too big", u"Tooltip Format"_s, QVariant(7), u"tooltipFormatPopUp"_s,
            QVariant(-1));
        row("negative drag", u"Drag Format"_s, QVariant(-2), u"dragFormatPopUp"_s, QVariant(-1));
        row("separator", u"Reset Color Index"_s, QVariant(3), u"resetColorPopUp"_s, QVariant(-1));
        row("no such row", u"Quick Blend Midpoints"_s, QVariant(4), u"quickBlendMatrix"_s,
            QVariant(-1));
    }

    void showsStoredSettingsWithoutWriting() {
        ROW(ShowsStoredSettingsWithoutWritingRow, key, stored, control, shown);

        if (stored.isValid())
            defaults().setValue(prefstest::key(key), stored);
        const QStringList before = storedKeys();
        PrefsUpdates updates;
        PrefsController prefs;

        QCOMPARE(shownValue(prefs.window()->findChild<QObject*>(control)), shown);
        QCOMPARE(updates.keys, QStringList());
        QCOMPARE(storedKeys(), before);
    }

    void restoresFreeColorsWithoutWriting() {
        defaults().setInt(key(u"Zoom Border Index"), 10); // "Other..."
        defaults().setString(key(u"Zoom Other Color"), u"123456"_s);
        defaults().setString(key(u"Global Other Color"), u"not a colour"_s);
        const QStringList before = storedKeys();
        PrefsUpdates updates;
        PrefsController prefs;

        QVColorPopUpButton* zoom = prefs.controls().zoomBorderColorPopUp;
        QCOMPARE(zoom->currentText(), QVColorPopUpButton::OtherTitle);
        QCOMPARE(zoom->otherColor().value_or(tintmere::Color{}).colorValueWithFormat("%Xr%Xg%Xb"),
                 std::string("123456"));
        QVERIFY(!prefs.controls().globalBorderColorPopUp->otherColor());
        QCOMPARE(updates.keys, QStringList());
        QCOMPARE(storedKeys(), before);
    }

    void paneSwitchKeepsTheTopEdge_data() {
        const Rows<PaneSwitchKeepsTheTopEdgeRow> row;
        row("tall to short", 0, 4);
        row("short to tall", 4, 0);
    }

    void paneSwitchKeepsTheTopEdge() {
        ROW(PaneSwitchKeepsTheTopEdgeRow, from, to);

        defaults().setInt(key(u"Prefs Recent Page"), from);
        auto prefs = std::make_unique<PrefsController>();
        QMainWindow* window = prefs->window();
        prefs->showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->move(120, 140);
        const QRect before = window->geometry();
        QCOMPARE(window->centralWidget()->height(), prefs->viewSize(from).height());
        QCOMPARE(before.height() - prefs->viewSize(from).height(),
                 PrefsController::toolbarHeightForWindow(*window));

        prefs->prefsPanel()->itemForIdentifier(QString::number(to))->trigger();
        QSet<int> tops;
        QElapsedTimer clock;
        clock.start();
        // Fixed to its pane again once the resizing is over.
        while (window->minimumSize() != window->maximumSize() && clock.elapsed() < 2000) {
            tops << window->geometry().top();
            QTest::qWait(5);
        }
        QCOMPARE(tops, QSet<int>{before.top()}); // also while the bottom edge moves
        QCOMPARE(window->geometry().topLeft(), before.topLeft());
        QCOMPARE(window->width(), before.width());
        QCOMPARE(window->centralWidget()->height(), prefs->viewSize(to).height());

        // The frame and the pane survive a restart.
        prefs.reset();
        PrefsController again;
        again.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(again.window()));
        QCOMPARE(again.window()->geometry().topLeft(), before.topLeft());
        QCOMPARE(again.window()->centralWidget()->height(), again.viewSize(to).height());
    }

    void keyboardClosesAndSwitchesPanes_data() {
        const Rows<KeyboardClosesAndSwitchesPanesRow> row;
        row("escape", QKeySequence(Qt::Key_Escape), true, u"General"_s);
        row("ctrl+w", QKeySequence(Qt::CTRL | Qt::Key_W), true, u"General"_s);
        row("ctrl+6", QKeySequence(Qt::CTRL | Qt::Key_6), false, u"About"_s);
    }

    void keyboardClosesAndSwitchesPanes() {
        ROW(KeyboardClosesAndSwitchesPanesRow, keys, closes, title);
        PrefsController prefs;
        prefs.showWindow();
        QVERIFY(QTest::qWaitForWindowActive(prefs.window()));
        prefs.controls().uppercaseHexCheckBox->click();
        QTest::keySequence(prefs.window(), keys);
        QTRY_COMPARE(prefs.window()->isVisible(), !closes);
        QCOMPARE(prefs.window()->windowTitle(), title);

        prefs.showWindow(); // as the user left it
        QVERIFY(prefs.controls().uppercaseHexCheckBox->isChecked());
    }

    void controlsAreNamedAndReachableByKeyboard() {
        PrefsController prefs;
        QStringList faults;
        for (QWidget* control : prefs.window()->findChildren<QWidget*>()) {
            if (!qobject_cast<QComboBox*>(control) && !qobject_cast<QCheckBox*>(control) &&
                !qobject_cast<QRadioButton*>(control))
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
        const Rows<AboutPaneSaysWhereTheHotKeyStandsRow> row;
        const QString unlocks = u"locks and unlocks the magnifier"_s;
        row("X11", true, QString(), u"Ctrl+Alt+Super+L"_s, false, unlocks);
        row("X11, held elsewhere", false, u"Another program holds it."_s, QString(), false,
            u"menu command"_s);
        row("Wayland, bound by the desktop", true, QString(), u"Super+P"_s, true,
            u"starts Pick Color"_s);
        row("Wayland without global shortcuts", false, u"Bind tintmere --pick."_s, QString(), true,
            u"Ctrl+Shift+P"_s);
    }

    void aboutPaneSaysWhereTheHotKeyStands() {
        ROW(AboutPaneSaysWhereTheHotKeyStandsRow, available, reason, binding, picks, shown);
        PrefsController prefs;
        prefs.setHotKeyStatus(available, reason,
                              binding == u"Ctrl+Alt+Super+L" ? QString() : binding, picks);
        const QString text =
            prefs.viewOfIndex(5)->findChild<QLabel*>(u"hotKeyStatusLabel"_s)->text();
        QVERIFY(text.contains(reason));
        QVERIFY(text.contains(binding));
        QVERIFY2(text.contains(shown), qPrintable(text));
        QCOMPARE(text.contains(u"not available"_s), !available);
        // Where the key picks, the magnifier has no menu command to lock it instead.
        QCOMPARE(text.contains(u"menu command"_s), !available && !picks);
    }
};

QTEST_MAIN(TestPrefsController)
#include "tst_prefscontroller.moc"
