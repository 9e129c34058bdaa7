// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "defaults.h"
#include "notificationlog.h"
#include "notificationnames.h"
#include "qvglobalpaletteview.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"
#include "qvradiocolorwell.h"
#include "qvselectedcolorwell.h"
#include "viewrendering.h"

#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::table;
using tintmere::Color;

namespace {

// Colours named by letters, so palettes read as "ABCD".
Color letter(QChar c) {
    const int n = c.unicode() - 'A';
    return Color::fromBytes(10 * n, 255 - 10 * n, 7 * n);
}

QString lettersOf(const QList<Color>& colors) {
    QString text;
    for (const Color& color : colors)
        for (QChar c = u'A'; c <= u'Z'; c = QChar(c.unicode() + 1))
            text += letter(c) == color ? QString(c) : QString();
    return text;
}

void fill(auto& view, const QString& letters) {
    for (QChar c : letters)
        view.addColorWellwithColor(letter(c));
}

QList<Color> globalColors(const QVGlobalPaletteView& view) {
    QList<Color> colors;
    for (int i = 0; i < view.colorWellCount(); ++i)
        colors.append(view.colorWellAtIndex(i)->color());
    return colors;
}

using LayoutRow = std::tuple<bool, int, QList<QRect>, int, qreal, int>;
using InsertRow = std::tuple<int, QString>;
using RemoveRow = std::tuple<QString, int, int, bool, QString, int, int>;
using ResetRow = std::tuple<int, int, int>;
using SelectionRow = std::tuple<int, int, QString, int>;
using KeyRow = std::tuple<int, int, int, int, bool, bool>;

// The main and the global palette filled alike, for the rules both must keep.
struct Palettes {
    QVPaletteView main;
    QVGlobalPaletteView global;

    Palettes(const QString& letters, int selected = 0) {
        both([&](auto& view) { fill(view, letters), view.selectColorWellatIndex(selected); });
    }
    void both(auto&& f) { f(main), f(global); }
};

} // namespace

class TestPaletteView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        qRegisterMetaType<QVRadioColorWell*>();
        qRegisterMetaType<QVSelectedColorWell*>();
        qRegisterMetaType<QAction*>();
    }
    void init() { tintmere::Defaults::setStandardForTesting(tintmere::Defaults::inMemory()); }

    void layout_data() {
        const QList<QRect> mainCells = {QRect(20, 17, 45, 68), QRect(73, 17, 45, 68),
                                        QRect(126, 17, 45, 68), QRect(179, 17, 45, 68),
                                        QRect(20, 93, 45, 68)};
        const QList<QRect> globalCells = {QRect(5, 5, 25, 25), QRect(32, 5, 25, 25),
                                          QRect(59, 5, 25, 25), QRect(86, 5, 25, 25),
                                          QRect(5, 32, 25, 25)};
        table<LayoutRow>({{"main, empty", {false, 0, {}, 0, 184.0, -1}},
                          {"main, fifth starts a row 76 lower", {false, 5, mainCells, 2, 184.0, 4}},
                          {"global, four cells", {true, 4, globalCells.first(4), 1, 35.0, -1}},
                          {"global, fifth starts a row", {true, 5, globalCells, 2, 62.0, 4}}});
    }

    void layout() {
        ROW(LayoutRow, global, cells, frames, rows, heightToFit, firstNewRow);
        Palettes views(u""_s);
        QList<QRect> placed;
        int newRowAt = -1;
        for (int i = 0; i < cells; ++i) {
            const bool newRow = global ? views.global.addColorWellwithColor(letter(u'A'))
                                       : views.main.addColorWellwithColor(letter(u'A'));
            if (newRow && newRowAt < 0)
                newRowAt = i;
            placed.append(global ? views.global.colorWellAtIndex(i)->geometry()
                                 : views.main.radioColorWellAtIndex(i)->geometry());
        }
        if (!frames.isEmpty())
            QCOMPARE(placed, frames);
        QCOMPARE(newRowAt, firstNewRow);
        QCOMPARE(global ? views.global.numberOfRows() : views.main.numberOfRows(), rows);
        QCOMPARE(global ? views.global.heightToFit() : views.main.heightToFit(), heightToFit);
        if (global && cells > 0)
            QCOMPARE(views.global.height(), int(heightToFit)); // the global view fits itself
    }

    void insertMovesColorsNotCells_data() {
        table<InsertRow>({{"at 1", {1, u"AXBC"_s}},
                          {"past the end appends", {9, u"ABCX"_s}},
                          {"negative goes first", {-2, u"XABC"_s}}});
    }

    void insertMovesColorsNotCells() {
        ROW(InsertRow, index, result);
        Palettes views(u"ABC"_s);
        QSignalSpy actions(&views.main, &QVPaletteView::colorWellAction);

        views.both([&](auto& view) { view.addColorWellAtIndex(index, letter(u'X')); });
        QCOMPARE(lettersOf(views.main.colorArray()), result);
        QCOMPARE(lettersOf(globalColors(views.global)), result);
        QCOMPARE(views.main.radioColorWellAtIndex(3)->geometry(), QRect(179, 17, 45, 68));
        QCOMPARE(views.main.radioColorWellAtIndex(3)->colorWell()->tag(), 3);
        QCOMPARE(actions.count(), 0); // colours move quietly
    }

    void remove_data() {
        table<RemoveRow>({{"selected after removed", {u"ABCD"_s, 2, 0, true, u"BCD"_s, 2, 1}},
                          {"selected removed", {u"ABCD"_s, 1, 1, true, u"ACD"_s, 1, 1}},
                          {"last row emptied", {u"ABCDE"_s, 4, 0, true, u"BCDE"_s, 3, 3}},
                          {"single cell refused", {u"A"_s, 0, 0, false, u"A"_s, 0, 0}},
                          {"index past the end refused", {u"AB"_s, 0, 2, false, u"AB"_s, 0, 0}},
                          {"negative index refused", {u"AB"_s, 0, -1, false, u"AB"_s, 0, 0}}});
    }

    void remove() {
        ROW(RemoveRow, palette, selected, index, removed, mainResult, mainSelected, globalSelected);
        Palettes views(palette, selected);
        QSignalSpy clicks(&views.main, &QVPaletteView::radioButtonAction);
        QSignalSpy globalClicks(&views.global, &QVGlobalPaletteView::colorWellAction);
        const int rowsBefore = views.main.numberOfRows();

        QCOMPARE(views.main.removeColorWellAtIndex(index), removed);
        QCOMPARE(views.global.removeColorWellAtIndex(index), removed);
        QCOMPARE(lettersOf(views.main.colorArray()), mainResult);
        QCOMPARE(lettersOf(globalColors(views.global)), mainResult);
        QCOMPARE(views.main.selectedColorWellIndex(), mainSelected);
        QCOMPARE(views.global.selectedColorWellIndex(), globalSelected);
        // The selection is clicked, so the receiver hears of it.
        QCOMPARE(clicks.count(), removed ? 1 : 0);
        QCOMPARE(globalClicks.count(), removed ? 1 : 0);
        if (removed)
            QCOMPARE(clicks.at(0).at(0).value<QVRadioColorWell*>()->tag(), mainSelected);
        QCOMPARE(views.main.numberOfRows(), rowsBefore - (removed && palette.size() == 5 ? 1 : 0));
        QCOMPARE(views.global.height(), int(views.global.heightToFit()));
        for (int i = 0; i < views.main.colorWellCount(); ++i)
            QCOMPARE(views.main.radioColorWellAtIndex(i)->state(), i == mainSelected);
    }

    void reset_data() {
        table<ResetRow>({{"more", {4, 6, 2}}, {"from empty", {0, 4, 1}}, {"to none", {4, 0, 0}}});
    }

    void reset() {
        ROW(ResetRow, before, count, rows);
        Palettes views(u"ABCD"_s.left(before), before - 1);
        QSignalSpy globalClicks(&views.global, &QVGlobalPaletteView::colorWellAction);

        views.both([&](auto& view) { view.resetWithNumberOfWells(count, letter(u'X')); });
        QCOMPARE(lettersOf(views.main.colorArray()), QString(count, u'X'));
        QCOMPARE(lettersOf(globalColors(views.global)), QString(count, u'X'));
        QCOMPARE(views.main.selectedColorWellIndex(), 0);
        QCOMPARE(views.global.selectedColorWellIndex(), 0);
        QCOMPARE(views.main.numberOfRows(), rows);
        QCOMPARE(views.global.numberOfRows(), rows);
        QCOMPARE(globalClicks.count(), count > 0 ? 1 : 0);
        views.main.addColorWellwithColor(letter(u'A'));
        QCOMPARE(views.main.colorWellCount(), count + 1); // it grows again from where it ends
    }

    void selection_data() {
        table<SelectionRow>({{"index 7 falls back to 0", {4, 2, u"select 7"_s, 0}},
                             {"previous of 0 is the last", {4, 0, u"prev"_s, 3}},
                             {"next of the last is 0", {4, 3, u"next"_s, 0}},
                             {"one cell wraps onto itself", {1, 0, u"next"_s, 0}},
                             {"empty palette", {0, 0, u"prev"_s, 0}}});
    }

    void selection() {
        ROW(SelectionRow, cells, start, move, selected);
        Palettes views(u"ABCD"_s.left(cells), start);
        QSignalSpy clicks(&views.main, &QVPaletteView::radioButtonAction);
        views.both([&](auto& view) {
            move == u"next"   ? view.selectNextColorWell()
            : move == u"prev" ? view.selectPrevColorWell()
                              : view.selectColorWellatIndex(move.mid(7).toInt());
        });
        QCOMPARE(views.main.selectedColorWellIndex(), selected);
        QCOMPARE(views.global.selectedColorWellIndex(), selected);
        QCOMPARE(clicks.count(), 0); // selecting sends no action
        for (int i = 0; i < cells; ++i) {
            QCOMPARE(views.main.radioColorWellAtIndex(i)->state(), i == selected);
            QCOMPARE(views.global.colorWellAtIndex(i)->isSelected(), i == selected);
        }
    }

    void keyboard_data() {
        table<KeyRow>({{"right wraps", {4, 3, Qt::Key_Right, 0, false, false}},
                       {"down a row", {8, 1, Qt::Key_Down, 5, false, false}},
                       {"up a row", {8, 6, Qt::Key_Up, 2, false, false}},
                       {"no row below", {4, 1, Qt::Key_Down, -1, false, false}},
                       {"delete", {4, 1, Qt::Key_Delete, -1, true, false}},
                       {"other keys pass on", {4, 1, Qt::Key_A, -1, false, true}}});
    }

    void keyboard() {
        ROW(KeyRow, cells, start, key, selected, deleteNote, passedOn); // selected -1: unchanged
        Palettes views(u"ABCDEFGH"_s.left(cells), start);
        views.main.resize(240, 300);
        QSignalSpy clicks(&views.main, &QVPaletteView::radioButtonAction);
        NotificationLog deleted(tintmere::notifications::PaletteDelete);

        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&views.main, &press);
        QCOMPARE(views.main.selectedColorWellIndex(), selected < 0 ? start : selected);
        QCOMPARE(clicks.count(), selected < 0 ? 0 : 1);
        QCOMPARE(deleted.senders(), deleteNote ? QList<QObject*>{&views.main} : QList<QObject*>{});
        QCOMPARE(!press.isAccepted(), passedOn);
    }

    void menuTemplateIsTaggedPerWell() {
        QMenu menu;
        QAction* reset = menu.addAction(u"Reset"_s);
        QAction* separator = menu.addSeparator();
        separator->setData(-5);
        QMenu* copy = menu.addMenu(u"Copy"_s);
        copy->menuAction()->setData(-7);
        copy->addActions({new QAction(u"Hex"_s, copy), new QAction(u"RGB"_s, copy)});
        // What the owner keeps on its items and menus goes with every copy.
        copy->setProperty("family", 7);
        copy->actions().at(1)->setProperty("command", 12);
        QVPaletteView view;
        fill(view, u"ABC"_s);
        QSignalSpy chosen(&view, &QVPaletteView::colorMenuItemSelected);

        view.setColorWellMenu(&menu);
        view.addColorWellwithColor(letter(u'D')); // later cells get their copy too
        // The template is left tagged with the last cell, separators and holders untouched.
        QCOMPARE(reset->data().toInt(), 3);
        QCOMPARE(separator->data().toInt(), -5);
        QCOMPARE(copy->menuAction()->data().toInt(), -7);
        for (int i = 0; i < 4; ++i) {
            QMenu* own = view.radioColorWellAtIndex(i)->colorWell()->contextMenu();
            QVERIFY(own && own != &menu);
            QCOMPARE(own->actions().at(2)->data().toInt(), -7);
            own->actions().at(2)->menu()->actions().at(1)->trigger();
            QCOMPARE(chosen.count(), i + 1);
            auto* item = chosen.at(i).at(0).value<QAction*>();
            QCOMPARE(item->text(), u"RGB"_s);
            QCOMPARE(item->data().toInt(), i);
            QCOMPARE(item->property("command").toInt(), 12);
            QCOMPARE(item->parent()->property("family").toInt(), 7);
        }
    }

    void background_data() { viewtest::scales(); }

    void background() {
        QFETCH(qreal, dpr);
        QVPaletteView view;
        fill(view, u"ABCD"_s);
        view.resize(240, int(view.heightToFit()));
        const QImage image = viewtest::render(&view, dpr);
        const qreal bottom = view.height() - 0.5 / dpr;
        QVERIFY(viewtest::sameColor(viewtest::pixel(image, {5, 0}), {0.99f, 0.99f, 0.99f, 1}, 1));
        QVERIFY(
            viewtest::sameColor(viewtest::pixel(image, {5, bottom}), {0.93f, 0.93f, 0.93f, 1}, 1));
        QVERIFY(viewtest::pixel(image, {5, 40}).red() > viewtest::pixel(image, {5, 140}).red());
    }

    void clickingTheSelectedCellKeepsIt() {
        QVRadioColorWell cell;
        cell.resize(45, 68);
        cell.show();
        QSignalSpy clicks(&cell, &QVRadioColorWell::radioButtonTriggered);
        cell.setState(true);
        cell.radioButton()->click();
        QVERIFY(cell.state());
        QCOMPARE(clicks.count(), 1);
    }

    void globalWellsFollowBorderAndWeb() {
        QVGlobalPaletteView view;
        view.setBorderColor(letter(u'Q'));
        fill(view, u"AB"_s); // added after the border was set
        view.setDrawWeb(true);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(view.colorWellAtIndex(i)->borderColor(), letter(u'Q'));
            QVERIFY(view.colorWellAtIndex(i)->drawWeb());
        }
    }
};

QTEST_MAIN(TestPaletteView)
#include "tst_paletteview.moc"
