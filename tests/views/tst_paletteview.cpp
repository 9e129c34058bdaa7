// SPDX-License-Identifier: GPL-3.0-or-later
#include "defaults.h"
#include "notificationcenter.h"
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

#include <optional>

using namespace Qt::Literals::StringLiterals;
using tintmere::Color;

namespace {

// Colours named by letters, so palettes read as "ABCD".
Color letter(QChar c) {
    const int n = c.unicode() - 'A';
    return Color::fromBytes(10 * n, 255 - 10 * n, 7 * n);
}

QString lettersOf(const QList<Color>& colors) {
    QString text;
    for (const Color& color : colors) {
        for (QChar c = u'A'; c <= u'Z'; c = QChar(c.unicode() + 1)) {
            if (letter(c) == color)
                text += c;
        }
    }
    return text;
}

template <typename View>
void fill(View& view, const QString& letters) {
    for (QChar c : letters)
        view.addColorWellwithColor(letter(c));
}

QList<Color> globalColors(const QVGlobalPaletteView& view) {
    QList<Color> colors;
    for (int i = 0; i < view.colorWellCount(); ++i)
        colors.append(view.colorWellAtIndex(i)->color());
    return colors;
}

// The main and the global palette filled alike, for the rules both must keep.
struct Palettes {
    QVPaletteView main;
    QVGlobalPaletteView global;

    Palettes(const QString& letters, std::optional<int> selected = std::nullopt) {
        fill(main, letters);
        fill(global, letters);
        if (selected)
            both([&](auto& view) { view.selectColorWellatIndex(*selected); });
    }
    template <typename F>
    void both(F&& f) {
        f(main);
        f(global);
    }
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
        QTest::addColumn<bool>("global");
        QTest::addColumn<int>("cells");
        QTest::addColumn<QList<QRect>>("frames");
        QTest::addColumn<int>("rows");
        QTest::addColumn<qreal>("heightToFit");
        QTest::addColumn<int>("firstNewRow"); // index of the first cell that started a row
        const QList<QRect> mainRow = {QRect(20, 17, 45, 68), QRect(73, 17, 45, 68),
                                      QRect(126, 17, 45, 68), QRect(179, 17, 45, 68)};
        QTest::newRow("main, empty") << false << 0 << QList<QRect>{} << 0 << 184.0 << -1;
        QTest::newRow("main, four cells") << false << 4 << mainRow << 1 << 184.0 << -1;
        QTest::newRow("main, fifth starts a row 76 lower")
            << false << 5 << mainRow + QList<QRect>{QRect(20, 93, 45, 68)} << 2 << 184.0 << 4;
        QTest::newRow("main, three rows") << false << 9 << QList<QRect>{} << 3 << 260.0 << 4;
        const QList<QRect> globalRow = {QRect(5, 5, 25, 25), QRect(32, 5, 25, 25),
                                        QRect(59, 5, 25, 25), QRect(86, 5, 25, 25)};
        QTest::newRow("global, empty") << true << 0 << QList<QRect>{} << 0 << 35.0 << -1;
        QTest::newRow("global, four cells") << true << 4 << globalRow << 1 << 35.0 << -1;
        QTest::newRow("global, fifth starts a row")
            << true << 5 << globalRow + QList<QRect>{QRect(5, 32, 25, 25)} << 2 << 62.0 << 4;
    }

    void layout() {
        QFETCH(bool, global);
        QFETCH(int, cells);
        QFETCH(QList<QRect>, frames);
        QFETCH(int, rows);
        QFETCH(qreal, heightToFit);
        QFETCH(int, firstNewRow);
        QVPaletteView mainView;
        QVGlobalPaletteView globalView;
        QList<QRect> placed;
        int newRowAt = -1;
        for (int i = 0; i < cells; ++i) {
            const bool newRow = global ? globalView.addColorWellwithColor(letter(u'A'))
                                       : mainView.addColorWellwithColor(letter(u'A'));
            if (newRow && newRowAt < 0)
                newRowAt = i;
            placed.append(global ? globalView.colorWellAtIndex(i)->geometry()
                                 : mainView.radioColorWellAtIndex(i)->geometry());
        }
        if (!frames.isEmpty())
            QCOMPARE(placed, frames);
        QCOMPARE(newRowAt, firstNewRow);
        QCOMPARE(global ? globalView.numberOfRows() : mainView.numberOfRows(), rows);
        QCOMPARE(global ? globalView.heightToFit() : mainView.heightToFit(), heightToFit);
        if (global && cells > 0)
            QCOMPARE(globalView.height(), int(heightToFit)); // the global view fits itself
    }

    void insertMovesColorsNotCells_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("result");
        QTest::newRow("at 1") << 1 << u"AXBC"_s;
        QTest::newRow("at 0") << 0 << u"XABC"_s;
        QTest::newRow("at the end") << 3 << u"ABCX"_s;
        QTest::newRow("past the end appends") << 9 << u"ABCX"_s;
        QTest::newRow("negative goes first") << -2 << u"XABC"_s;
    }

    void insertMovesColorsNotCells() {
        QFETCH(int, index);
        QFETCH(QString, result);
        Palettes views(u"ABC"_s);
        const QRect lastFrame(179, 17, 45, 68);
        QSignalSpy actions(&views.main, &QVPaletteView::colorWellAction);

        views.both([&](auto& view) { view.addColorWellAtIndex(index, letter(u'X')); });
        QCOMPARE(lettersOf(views.main.colorArray()), result);
        QCOMPARE(lettersOf(globalColors(views.global)), result);
        QCOMPARE(views.main.radioColorWellAtIndex(3)->geometry(), lastFrame);
        QCOMPARE(views.main.radioColorWellAtIndex(3)->colorWell()->tag(), 3);
        QCOMPARE(actions.count(), 0); // colours move quietly
    }

    void remove_data() {
        QTest::addColumn<QString>("palette");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QString>("mainResult");
        QTest::addColumn<int>("mainSelected");
        QTest::addColumn<int>("globalSelected");
        QTest::newRow("middle, first selected")
            << u"ABCD"_s << 0 << 1 << true << u"ACD"_s << 0 << 0;
        QTest::newRow("middle, last selected") << u"ABCD"_s << 3 << 1 << true << u"ACD"_s << 2 << 2;
        QTest::newRow("selected last removed") << u"ABCD"_s << 3 << 3 << true << u"ABC"_s << 2 << 2;
        QTest::newRow("selected after removed")
            << u"ABCD"_s << 2 << 0 << true << u"BCD"_s << 2 << 1;
        QTest::newRow("selected removed") << u"ABCD"_s << 1 << 1 << true << u"ACD"_s << 1 << 1;
        QTest::newRow("last row emptied") << u"ABCDE"_s << 4 << 0 << true << u"BCDE"_s << 3 << 3;
        QTest::newRow("single cell refused") << u"A"_s << 0 << 0 << false << u"A"_s << 0 << 0;
        QTest::newRow("index past the end refused")
            << u"AB"_s << 0 << 2 << false << u"AB"_s << 0 << 0;
        QTest::newRow("negative index refused") << u"AB"_s << 0 << -1 << false << u"AB"_s << 0 << 0;
    }

    void remove() {
        QFETCH(QString, palette);
        QFETCH(int, selected);
        QFETCH(int, index);
        QFETCH(bool, removed);
        QFETCH(QString, mainResult);
        QFETCH(int, mainSelected);
        QFETCH(int, globalSelected);
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
        QCOMPARE(views.main.colorWellCount(), mainResult.size());
        // The selection is clicked, so the receiver hears of it.
        QCOMPARE(clicks.count(), removed ? 1 : 0);
        QCOMPARE(globalClicks.count(), removed ? 1 : 0);
        if (removed)
            QCOMPARE(clicks.at(0).at(0).value<QVRadioColorWell*>()->tag(), mainSelected);
        const bool rowEmptied = removed && palette.size() == 5;
        QCOMPARE(views.main.numberOfRows(), rowsBefore - (rowEmptied ? 1 : 0));
        QCOMPARE(views.global.height(), int(views.global.heightToFit()));
        for (int i = 0; i < views.main.colorWellCount(); ++i)
            QCOMPARE(views.main.radioColorWellAtIndex(i)->state(), i == mainSelected);
    }

    void reset_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rows");
        QTest::newRow("fewer") << 4 << 2 << 1;
        QTest::newRow("more") << 4 << 6 << 2;
        QTest::newRow("from empty") << 0 << 4 << 1;
        QTest::newRow("to none") << 4 << 0 << 0;
    }

    void reset() {
        QFETCH(int, before);
        QFETCH(int, count);
        QFETCH(int, rows);
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
        // A reset palette grows again from where it ends.
        views.main.addColorWellwithColor(letter(u'A'));
        QCOMPARE(views.main.colorWellCount(), count + 1);
    }

    void selection_data() {
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("selected");
        QTest::newRow("select 2") << 4 << 0 << u"select 2"_s << 2;
        QTest::newRow("index 7 falls back to 0") << 4 << 2 << u"select 7"_s << 0;
        QTest::newRow("index -1 falls back to 0") << 4 << 2 << u"select -1"_s << 0;
        QTest::newRow("previous of 0 is the last") << 4 << 0 << u"prev"_s << 3;
        QTest::newRow("next of the last is 0") << 4 << 3 << u"next"_s << 0;
        QTest::newRow("next") << 4 << 1 << u"next"_s << 2;
        QTest::newRow("one cell wraps onto itself") << 1 << 0 << u"next"_s << 0;
        QTest::newRow("empty palette") << 0 << 0 << u"prev"_s << 0;
    }

    void selection() {
        QFETCH(int, cells);
        QFETCH(int, start);
        QFETCH(QString, move);
        QFETCH(int, selected);
        Palettes views(u"ABCD"_s.left(cells), start);
        QSignalSpy clicks(&views.main, &QVPaletteView::radioButtonAction);
        if (move == u"next") {
            views.both([&](auto& view) { view.selectNextColorWell(); });
        } else if (move == u"prev") {
            views.both([&](auto& view) { view.selectPrevColorWell(); });
        } else {
            views.both([&](auto& view) { view.selectColorWellatIndex(move.mid(7).toInt()); });
        }
        QCOMPARE(views.main.selectedColorWellIndex(), selected);
        QCOMPARE(views.global.selectedColorWellIndex(), selected);
        QCOMPARE(clicks.count(), 0); // selecting sends no action
        for (int i = 0; i < cells; ++i) {
            QCOMPARE(views.main.radioColorWellAtIndex(i)->state(), i == selected);
            QCOMPARE(views.global.colorWellAtIndex(i)->isSelected(), i == selected);
        }
    }

    void keyboard_data() {
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("selected");    // -1: unchanged and no click
        QTest::addColumn<bool>("deleteNote"); // "QVPaletteDelete" posted
        QTest::addColumn<bool>("passedOn");
        QTest::newRow("right wraps") << 4 << 3 << int(Qt::Key_Right) << 0 << false << false;
        QTest::newRow("left wraps") << 4 << 0 << int(Qt::Key_Left) << 3 << false << false;
        QTest::newRow("right") << 4 << 1 << int(Qt::Key_Right) << 2 << false << false;
        QTest::newRow("down a row") << 8 << 1 << int(Qt::Key_Down) << 5 << false << false;
        QTest::newRow("up a row") << 8 << 6 << int(Qt::Key_Up) << 2 << false << false;
        QTest::newRow("no row below") << 4 << 1 << int(Qt::Key_Down) << -1 << false << false;
        QTest::newRow("no row above") << 8 << 2 << int(Qt::Key_Up) << -1 << false << false;
        QTest::newRow("delete") << 4 << 1 << int(Qt::Key_Delete) << -1 << true << false;
        QTest::newRow("backspace") << 4 << 1 << int(Qt::Key_Backspace) << -1 << true << false;
        QTest::newRow("other keys pass on") << 4 << 1 << int(Qt::Key_A) << -1 << false << true;
    }

    void keyboard() {
        QFETCH(int, cells);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, selected);
        QFETCH(bool, deleteNote);
        QFETCH(bool, passedOn);
        QVPaletteView view;
        view.resize(240, 300);
        fill(view, u"ABCDEFGH"_s.left(cells));
        view.selectColorWellatIndex(start);
        QSignalSpy clicks(&view, &QVPaletteView::radioButtonAction);
        QObject context;
        QList<QObject*> deleted;
        tintmere::NotificationCenter::defaultCenter().addObserver(
            &context, tintmere::notifications::PaletteDelete, nullptr,
            [&](const tintmere::Notification& n) { deleted.append(n.object); });

        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&view, &press);
        QCOMPARE(view.selectedColorWellIndex(), selected < 0 ? start : selected);
        QCOMPARE(clicks.count(), selected < 0 ? 0 : 1);
        QCOMPARE(deleted, deleteNote ? QList<QObject*>{&view} : QList<QObject*>{});
        QCOMPARE(!press.isAccepted(), passedOn);
    }

    void menuTemplateIsTaggedPerWell() {
        QMenu menu;
        QAction* reset = menu.addAction(u"Reset"_s);
        QAction* separator = menu.addSeparator();
        separator->setData(-5);
        QMenu* copy = menu.addMenu(u"Copy"_s);
        copy->menuAction()->setData(-7);
        copy->addAction(u"Hex"_s);
        copy->addAction(u"RGB"_s);
        QVPaletteView view;
        fill(view, u"ABC"_s);
        QSignalSpy chosen(&view, &QVPaletteView::colorMenuItemSelected);

        view.setColorWellMenu(&menu);
        view.addColorWellwithColor(letter(u'D')); // later cells get their copy too
        // The template is left tagged with the last cell, separators and holders untouched.
        QCOMPARE(reset->data().toInt(), 3);
        QCOMPARE(separator->data().toInt(), -5);
        QCOMPARE(copy->menuAction()->data().toInt(), -7);
        QCOMPARE(copy->actions().at(1)->data().toInt(), 3);

        for (int i = 0; i < 4; ++i) {
            QMenu* own = view.radioColorWellAtIndex(i)->colorWell()->contextMenu();
            QVERIFY(own && own != &menu);
            QCOMPARE(own->actions().size(), 3);
            QVERIFY(own->actions().at(1)->isSeparator());
            QCOMPARE(own->actions().at(2)->data().toInt(), -7);
            QAction* rgb = own->actions().at(2)->menu()->actions().at(1);
            QCOMPARE(rgb->data().toInt(), i);
            rgb->trigger();
            QCOMPARE(chosen.count(), i + 1);
            auto* item = chosen.at(i).at(0).value<QAction*>();
            QCOMPARE(item->text(), u"RGB"_s);
            QCOMPARE(item->data().toInt(), i);
            QCOMPARE(qobject_cast<QMenu*>(item->parent())->title(), u"Copy"_s);
        }
    }

    void background_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("@1x") << 1.0;
        QTest::newRow("@2x") << 2.0;
    }

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
        // Lighter all the way up.
        QVERIFY(viewtest::pixel(image, {5, 40}).red() > viewtest::pixel(image, {5, 140}).red());
    }

    void cellParts() {
        QVRadioColorWell cell;
        cell.resize(45, 68);
        cell.setTag(2);
        cell.show();
        QCOMPARE(cell.colorWell()->geometry(), QRect(0, 0, 45, 45));
        QCOMPARE(cell.radioButton()->geometry().bottom(), 67);
        QCOMPARE(cell.radioButton()->geometry().height(), 18);
        QCOMPARE(cell.colorWell()->tag(), 2);
        QSignalSpy clicks(&cell, &QVRadioColorWell::radioButtonTriggered);
        cell.setState(true);
        cell.radioButton()->click(); // clicking the selected cell keeps it selected
        QVERIFY(cell.state());
        QCOMPARE(clicks.count(), 1);
    }

    void globalWellsFollowBorderAndClicks() {
        QVGlobalPaletteView view;
        const Color border = letter(u'Q');
        view.setBorderColor(border);
        fill(view, u"ABCD"_s);
        view.setDrawWeb(true);
        QSignalSpy clicks(&view, &QVGlobalPaletteView::colorWellAction);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(view.colorWellAtIndex(i)->borderColor(), border);
            QVERIFY(view.colorWellAtIndex(i)->drawWeb());
        }
        QTest::mouseClick(view.colorWellAtIndex(2), Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).value<QVSelectedColorWell*>(), view.colorWellAtIndex(2));
        QVERIFY(view.colorWellAtIndex(2)->isSelected());
    }
};

QTEST_MAIN(TestPaletteView)
#include "tst_paletteview.moc"
