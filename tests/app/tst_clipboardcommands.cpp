// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "componentspinbox.h"
#include "datarows.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qvcolorinfo.h"
#include "qvdrawer.h"
#include "qvinfoview.h"
#include "qvpaletteview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUndoStack>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::Rows;

namespace {

const QString kPalette = u"ff0000 00ff00 336699 345678"_s;
constexpr int kSelected = 2;

// What the clipboard holds before a paste: text, and a colour when valid.
void putOnClipboard(const QString& text, const QColor& color = {}) {
    auto* mime = new QMimeData;
    mime->setText(text);
    if (color.isValid())
        mime->setColorData(color);
    QApplication::clipboard()->setMimeData(mime);
}

} // namespace

// pasted: the clipboard's text and colour; expected: the selected well after, "" unchanged.
using PasteRow = std::tuple<QString, QColor, QString>;
// focus: what has the keyboard; keys; clipboard before; clipboard after ("" not looked at);
// the selected well after.
using KeyRow = std::tuple<QString, QString, QString, QString, QString>;

class TestClipboardCommands : public QObject, ProgramFixture {
    Q_OBJECT

    QString hexes() const { return paletteText(m_controller->colorArray()); }
    QString selectedHex() const { return hexes().section(u' ', kSelected, kSelected); }

private Q_SLOTS:
    void init() {
        startAfresh();
        m_controller->setPaletteToColorArray(paletteFromText(kPalette));
        m_controller->newColorSelected(kSelected);
        o().undoStack->clear();
    }
    void cleanup() { m_controller.reset(); }

    void paste_data() {
        const Rows<PasteRow> row;
        row("hex without #, spaced", u"  66339a\n"_s, QColor(), u"66339a"_s);
        row("css rgb", u"rgb(102 51 153)"_s, QColor(), u"663399"_s);
        row("drop format", u"rgb(102,51,153)"_s, QColor(), u"663399"_s);
        row("colour before text", u"#000000"_s, QColor(102, 51, 153), u"663399"_s);
        row("colour made opaque", QString(), QColor(102, 51, 153, 128), u"663399"_s);
        row("garbage", u"not a colour"_s, QColor(), QString());
        row("empty", QString(), QColor(), QString());
        row("1 MB", QString(1 << 20, u'6'), QColor(), QString());
    }

    // One undo step into the selected well, or nothing at all.
    void paste() {
        ROW(PasteRow, text, color, expected);
        putOnClipboard(text, color);
        o().paste->trigger();
        QStringList wells = kPalette.split(u' ');
        if (!expected.isEmpty())
            wells[kSelected] = expected;
        QCOMPARE(hexes(), wells.join(u' '));
        QCOMPARE(m_controller->colorArray()[kSelected].alpha, 1.0f);
        QCOMPARE(o().undoStack->count(), expected.isEmpty() ? 0 : 1);
        o().undoStack->undo();
        QCOMPARE(hexes(), kPalette);
    }

    // The hex row as shown (stepped to its variant without "#") and the colour; they paste back.
    void copy() {
        NotificationCenter::defaultCenter().post(notifications::ColorInfoRightClick,
                                                 o().infoView->colorInfoAtIndex(0));
        o().copy->trigger();
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QCOMPARE(mime->text(), u"336699"_s);
        QCOMPARE(mime->text(), o().infoView->stringAtIndex(0));
        QCOMPARE(qvariant_cast<QColor>(mime->colorData()), QColor(0x33, 0x66, 0x99));
        o().paste->trigger();
        QCOMPARE(hexes(), kPalette);
    }

    // The Edit menu and each string row's menu offer the same items; each copies what it
    // shows, the named colour only its name.
    void copyAs_data() {
        QTest::addColumn<int>("row"); // -1: the Edit menu
        QTest::newRow("Edit menu") << -1;
        QTest::newRow("web row") << 2;
    }

    void copyAs() {
        QFETCH(int, row);
        QMenu* menu = o().copyAsMenu;
        QMenu* rowMenu = nullptr;
        if (row < 0) {
            Q_EMIT menu->aboutToShow();
            Q_EMIT menu->aboutToShow(); // filled afresh, not twice
        } else {
            m_controller->mainWindow()->show();
            const QString string = o().infoView->stringAtIndex(row);
            Q_EMIT o().infoView->rowMenuRequested(row, QPoint(10, 10));
            rowMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(rowMenu);
            const QList<QAction*> items = rowMenu->actions();
            QCOMPARE(items[0]->text(), u"Copy "_s + string);
            items[0]->trigger();
            QCOMPARE(QApplication::clipboard()->text(), string);
            menu = items.last()->menu();
            QVERIFY(menu);
        }
        QStringList shown, copied;
        for (QAction* item : menu->actions()) {
            shown << item->text();
            item->trigger();
            copied << QApplication::clipboard()->text();
        }
        const QStringList strings{u"rgb(51 102 153)"_s, u"hsl(210 50% 40%)"_s,
                                  u"oklch(0.49931 0.09866 250.43)"_s, u"#336699ff"_s};
        QCOMPARE(shown, QStringList(strings) << u"steelblue (ΔEOK 0.089)"_s);
        QCOMPARE(copied, QStringList(strings) << u"steelblue"_s);
        if (rowMenu)
            rowMenu->close();
    }

    void keys_data() {
        const Rows<KeyRow> row;
        row("palette: Shift+Insert", u"palette"_s, u"Shift+Ins"_s, u"#123456"_s, QString(),
            u"123456"_s);
        row("string row copies itself", u"rgb row"_s, u"Ctrl+C"_s, u"x"_s, u"RGB(51,102,153)"_s,
            u"336699"_s);
        row("hex field copies its text", u"hex field"_s, u"Ctrl+C"_s, u"x"_s, u"336699"_s,
            u"336699"_s);
        row("hex field takes the paste", u"hex field"_s, u"Ctrl+V"_s, u"abc"_s, QString(),
            u"336699"_s);
        row("red field takes the paste", u"red field"_s, u"Ctrl+V"_s, u"12"_s, QString(),
            u"0c6699"_s);
    }

    // Text fields and the string rows keep their own copy and paste.
    void keys() {
        ROW(KeyRow, focus, keys, before, after, well);
        m_controller->mainWindow()->show();
        QVERIFY(QTest::qWaitForWindowActive(m_controller->mainWindow()));
        QWidget* target = o().paletteView;
        if (focus == u"rgb row") {
            target = o().infoView->colorInfoAtIndex(1);
        } else if (focus.endsWith(u"field")) {
            const bool hex = focus.startsWith(u"hex");
            m_controller->toolItemSelected(int(hex ? Tool::Hex : Tool::Rgb));
            QTRY_COMPARE((hex ? o().hexDrawer : o().rgbDrawer)->state(), QVDrawer::Open);
            o().hexField->setText(u"336699"_s);
            target = hex ? static_cast<QWidget*>(o().hexField) : o().colorFields[0];
        }
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        if (auto* line = qobject_cast<QLineEdit*>(target))
            line->selectAll();
        else if (auto* field = qobject_cast<ComponentSpinBox*>(target))
            field->selectAll();
        putOnClipboard(before);

        QTest::keySequence(target, QKeySequence(keys));
        if (!after.isEmpty())
            QCOMPARE(QApplication::clipboard()->text(), after);
        if (focus == u"hex field" && keys == u"Ctrl+V")
            QCOMPARE(o().hexField->text(), before);
        QCOMPARE(selectedHex(), well);
    }
};

QTEST_MAIN(TestClipboardCommands)
#include "tst_clipboardcommands.moc"
