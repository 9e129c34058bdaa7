// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcontroller.h"
#include "apptesting.h"
#include "datarows.h"
#include "defaults.h"
#include "mainwindow.h"
#include "palettecommands.h"
#include "qvblendview.h"
#include "qvcolorwell.h"
#include "qvdrawer.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"
#include "qvradiocolorwell.h"
#include "storedcolors.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::Rows;
using EnablingRow = std::tuple<bool, bool, QString>;
using RandomRow = std::tuple<QList<uint>, QString>;
using CommandRow = std::tuple<QString, QString, QString, int, bool>;

namespace {

QAction* findItem(const QMenu* menu, const QStringList& path) {
    for (QAction* item : menu->actions()) {
        if (item->text() != path.first())
            continue;
        if (path.size() == 1)
            return item;
        return item->menu() ? findItem(item->menu(), path.mid(1)) : nullptr;
    }
    return nullptr;
}

// What a translation or a retitling does: every menu and item of the tree shows another
// title.
void retitle(QMenu* menu) {
    menu->setTitle(u"Umbenannt "_s + menu->title());
    for (QAction* item : menu->actions()) {
        if (QMenu* submenu = item->menu())
            retitle(submenu);
        else if (!item->isSeparator())
            item->setText(u"Umbenannt "_s + item->text());
    }
}

} // namespace

class TestPaletteCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppController> m_controller;

    const MainWindowOutlets& o() const { return m_controller->outlets(); }
    QString hexes() const { return paletteText(m_controller->colorArray()); }
    void setPalette(const QString& hexTexts, int selected) {
        QList<Color> colors;
        for (const QString& text : hexTexts.split(u' '))
            colors << *colorFromStoredText(text);
        m_controller->setPaletteToColorArray(colors);
        m_controller->newColorSelected(selected);
        o().undoStack->clear();
    }
    // "bar" for the menu bar, "well N" for a well's context menu.
    QAction* item(const QString& place, const QString& path) const {
        QStringList steps = path.split(u'/');
        if (place == u"bar") {
            const QMenu* menu = steps.first() == u"Palette" ? o().paletteMenu : o().colorMenu;
            return findItem(menu, steps.mid(steps.first() == u"Palette" ? 1 : 0));
        }
        const int index = place.back().digitValue();
        QVColorWell* well = o().paletteView->radioColorWellAtIndex(index)->colorWell();
        return findItem(well->contextMenu(), steps);
    }

    void retitleAllMenus() {
        for (QAction* top : m_controller->mainWindow()->menuBar()->actions()) {
            if (top->menu())
                retitle(top->menu());
        }
        retitle(o().paletteView->colorWellMenu());
        for (int i = 0; i < 4; ++i)
            retitle(o().paletteView->radioColorWellAtIndex(i)->colorWell()->contextMenu());
    }
    QList<bool> enabling() const {
        QList<bool> enabled;
        for (const QMenu* menu : m_controller->mainWindow()->allMenus())
            for (const QAction* item : menu->actions())
                enabled << m_controller->validateMenuItem(item);
        return enabled;
    }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        m_controller = std::make_unique<AppController>(m_dir.filePath(u"Favorites.plist"_s));
        setPalette(u"ff0000 00ff00 0000ff 345678"_s, 2);
    }
    void cleanup() { m_controller.reset(); }

    // The enabling rules go by what an item does, not by the title it shows.
    void enablingSurvivesRetitling_data() {
        // Window shown, magnifier open; New Window, Color 1, Copy/Hex value, Switch with/Color
        // 1, Import..., Lock magnify image, Use selected item ("+" enabled, "-" disabled).
        const Rows<EnablingRow> row;
        row("window hidden", false, false, u"+------"_s);
        row("window shown", true, false, u"-++++--"_s);
        row("magnifier open", true, true, u"-+++++-"_s);
    }
    void enablingSurvivesRetitling() {
        ROW(EnablingRow, windowShown, magnifierOpen, expected);
        MainWindow* window = m_controller->mainWindow();
        if (windowShown) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        if (magnifierOpen)
            m_controller->toolItemSelected(3);
        const QList<bool> before = enabling();
        retitleAllMenus();
        QCOMPARE(enabling(), before);

        const std::array<QAction*, 7> named{
            o().newWindow,  o().colorItems[0], o().copyItems[0],     o().colorCommands.at(4),
            o().importItem, o().lockMagnify,   o().favoritesItems[0]};
        QString enabled;
        for (const QAction* item : named)
            enabled += m_controller->validateMenuItem(item) ? u'+' : u'-';
        QCOMPARE(enabled, expected);
        window->close();
    }

    void randomComponentsAreNeverZero_data() {
        const Rows<RandomRow> row; // draws for blue, green, red; the colour
        row("darkest", {0, 255, 510}, u"010101"_s);
        row("brightest", {254, 509, 4294967295u}, u"01ffff"_s);
    }
    void randomComponentsAreNeverZero() {
        ROW(RandomRow, draws, color);
        qsizetype next = 0;
        QCOMPARE(storedColorText(randomColor([&] { return draws[next++]; })), color);

        RandomColors first(7), second(7);
        for (int i = 0; i < 1000; ++i) {
            const Color c = first.next();
            QCOMPARE(second.next(), c); // same second, same colours
            QVERIFY(c.red > 0 && c.green > 0 && c.blue > 0 && c.alpha == 1);
        }
    }

    void commandsAndTheirUndo_data() {
        QTest::addColumn<CommandRow>("c"); // "bar" or "well N", path, after ("=": unchanged)
        struct Row {
            const char *name, *place, *path, *after;
            int undoSteps;
        };
        // clang-format off
        const Row rows[] = {
            {"reset selected", "bar", "Reset", "ff0000 00ff00 ffffff 345678", 1},
            {"reset well", "well 0", "Reset", "ffffff 00ff00 0000ff 345678", 1},
            {"web-safe", "well 3", "Make web-safe", "ff0000 00ff00 0000ff 336666", 1},
            {"set all selected", "bar", "Set all to selected color", "0000ff 0000ff 0000ff 0000ff", 1},
            {"set all this", "well 1", "Set all to this color", "00ff00 00ff00 00ff00 00ff00", 1},
            {"switch", "bar", "Switch with/Color 1", "0000ff 00ff00 ff0000 345678", 1},
            {"switch with itself", "well 3", "Switch with/Color 4", "=", 1},
            {"copy", "well 0", "Copy/Hex value", "=", 0},
            {"blend with", "bar", "Blend with/Color 1", "=", 0},
            {"send to blend", "well 1", "Send to blend/Start color", "=", 0},
            {"reset palette", "bar", "Palette/Reset palette", "ffffff ffffff ffffff ffffff", 1},
            {"palette web-safe", "bar", "Palette/Make palette web-safe", "ff0000 00ff00 0000ff 336666", 1},
            {"web preview", "bar", "Palette/Show web-safe preview", "=", 0},
        };
        // clang-format on
        for (const bool retitled : {false, true}) {
            for (const Row& row : rows)
                QTest::addRow("%s%s", row.name, retitled ? ", retitled" : "")
                    << CommandRow(QString::fromLatin1(row.place), QString::fromLatin1(row.path),
                                  QString::fromLatin1(row.after), row.undoSteps, retitled);
        }
    }
    void commandsAndTheirUndo() {
        ROW(CommandRow, place, path, expected, undoSteps, retitled);
        const QString before = hexes();
        const QString after = expected == u"=" ? before : expected;
        QAction* command = item(place, path);
        QVERIFY(command);
        // The command goes by what the item does, whatever its menus are called.
        if (retitled)
            retitleAllMenus();
        command->trigger();
        QCOMPARE(hexes(), after);
        QCOMPARE(o().undoStack->count(), undoSteps);
        if (undoSteps) {
            o().undoStack->undo();
            QCOMPARE(hexes(), before);
            o().undoStack->redo();
            QCOMPARE(hexes(), after);
        }
        if (path.startsWith(u"Copy"))
            QCOMPARE(QGuiApplication::clipboard()->text(), u"#ff0000"_s);
        if (path.contains(u"blend"))
            QCOMPARE(o().blendDrawer->state() == QVDrawer::Closed, false);
        if (path.endsWith(u"preview"))
            QVERIFY(o().paletteView->drawWeb() &&
                    Defaults::standard().boolValue(keys::DrawWebPreview));
    }

    void randomizeTouchesOnlyItsTarget() {
        item(u"well 1"_s, u"Randomize"_s)->trigger();
        const QStringList colors = hexes().split(u' ');
        QCOMPARE(colors[0] + colors[2] + colors[3], u"ff00000000ff345678"_s);
        item(u"bar"_s, u"Palette/Randomize palette"_s)->trigger();
        for (const Color& c : m_controller->colorArray())
            QVERIFY(c.red > 0 && c.green > 0 && c.blue > 0);
        QCOMPARE(o().undoStack->count(), 2);
    }

    // How the result is blended is the blend tool's; here the menus reach it.
    void quickBlendChangesThePaletteOnce() {
        const QString old = hexes();
        item(u"well 0"_s, u"Quick blend with/Color 4"_s)->trigger();
        QVERIFY(hexes() != old);
        QCOMPARE(o().undoStack->count(), 1);
        o().undoStack->undo();
        QCOMPARE(hexes(), old);
    }

    void blendResultsGoToThePalette() {
        item(u"well 1"_s, u"Blend with/Color 3"_s)->trigger();
        QCOMPARE(o().blendView->colorOne(), o().colorOneBlend->color());
        QCOMPARE(storedColorText(o().colorTwoBlend->color()), u"0000ff"_s);
        QCOMPARE(o().blendDrawer->state() == QVDrawer::Closed, false);
        o().blendSegmentedControl->button(0)->click();
        const Color midpoint = o().blendView->threeColor();
        o().sendBlend->click(); // into the selected well
        QCOMPARE(m_controller->colorArray().at(2), midpoint);
        o().blendSegmentedControl->button(1)->click();
        m_controller->sendToCurrent(SendSource::Blend);
        QCOMPARE(m_controller->colorArray().at(1), o().blendView->fourColorOne());
        QCOMPARE(o().undoStack->count(), 2);
    }

    void magnifierSendWithoutPickBeepsOnly() {
        m_controller->sendToCurrent(SendSource::Magnifier);
        QCOMPARE(hexes(), u"ff0000 00ff00 0000ff 345678"_s);
        QCOMPARE(o().undoStack->count(), 0);
    }
};

QTEST_MAIN(TestPaletteCommands)
#include "tst_palettecommands.moc"
