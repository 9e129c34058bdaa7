// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "datarows.h"
#include "qvcontrastview.h"
#include "qvpaletteview.h"

#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::Rows;
using FiguresRow = std::tuple<QString, int, QString, QString>;
using RatioRow = std::pair<double, QString>;

// The contrast strip in the main window: what it shows for the palette, and its menu item.
class TestContrastStrip : public QObject, ProgramFixture {
    Q_OBJECT

    QString cell(const QString& name) const {
        const auto* label = o().contrastView->findChild<QLabel*>(name);
        return label && label->isVisibleTo(o().contrastView) ? label->text() : u"(hidden)"_s;
    }

private Q_SLOTS:
    void init() { startAfresh(); }
    void cleanup() { m_controller.reset(); }

    // Rows follow the selected well against the others in order, with the marks of the ratio
    // in the first row: AA body, AA large, AAA body, AAA large.
    void showsTheFiguresOfEachPair_data() {
        const Rows<FiguresRow> row;
        const QString grey = u"777777 ffffff 000000 777777"_s;
        row("grey on white: large text only", grey, 0, u"4.48:1 4.69:1 1.00:1"_s, u"✗✓✗✗"_s);
        row("white selected: black passes all", grey, 1, u"4.48:1 21.00:1 4.48:1"_s, u"✗✓✗✗"_s);
        row("white selected last: AA but not AAA", u"767676 595959 000000 ffffff"_s, 3,
            u"4.54:1 7.00:1 21.00:1"_s, u"✓✓✗✓"_s);
    }
    void showsTheFiguresOfEachPair() {
        ROW(FiguresRow, palette, selected, ratios, marksOfFirstRow);
        o().showContrast->trigger();
        const QList<Color> colors = paletteFromText(palette);
        m_controller->setPaletteToColorArray(colors);
        m_controller->newColorSelected(selected);

        QStringList shown;
        for (int row = 0; row < QVContrastView::RowCount; ++row)
            shown << cell(u"ratio%1"_s.arg(row));
        QCOMPARE(shown.join(u' '), ratios);
        QString marks;
        for (const char* level : {"aaBody0", "aaLarge0", "aaaBody0", "aaaLarge0"})
            marks += cell(QString::fromLatin1(level));
        QCOMPARE(marks, marksOfFirstRow);
        // Lc of the selected colour on the other first: dark on light is positive.
        const bool darkOnLight = colors[selected].red < colors[selected == 0 ? 1 : 0].red;
        const QRegularExpression lc(darkOnLight ? u"^\\d+\\.\\d / -\\d+\\.\\d$"_s
                                                : u"^-\\d+\\.\\d / \\d+\\.\\d$"_s);
        QVERIFY2(lc.match(cell(u"apca0"_s)).hasMatch(), qPrintable(cell(u"apca0"_s)));
    }

    // Never rounded onto a threshold the ratio misses.
    void ratioText_data() {
        testrows::table<RatioRow>({{"just under AA body", {4.4999, u"4.49:1"_s}},
                                   {"just under AA large", {2.996, u"2.99:1"_s}},
                                   {"just under AAA body", {6.999, u"6.99:1"_s}},
                                   {"between", {4.478, u"4.48:1"_s}}});
    }
    void ratioText() {
        ROW(RatioRow, ratio, text);
        QCOMPARE(QVContrastView::ratioText(ratio), text);
    }

    void toggledFromToolsMenuAndRemembered() {
        MainWindow* window = m_controller->mainWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const int height = window->height();
        QVERIFY(!o().contrastView->isVisible());
        // Changes while it is hidden show when it does.
        m_controller->setColor(*Color::colorFromHex("777777"), 0);

        o().showContrast->trigger();
        QVERIFY(o().contrastView->isVisible());
        QCOMPARE(cell(u"ratio0"_s), u"4.48:1"_s);
        QVERIFY(o().showContrast->isChecked());
        // The window grows by the strip; nothing else gives up room.
        QCOMPARE(window->height(), height + o().contrastView->sizeHint().height());
        QVERIFY(o().contrastView->minimumSizeHint().width() <= o().contrastView->width());
        QVERIFY(Defaults::standard().boolValue(keys::ShowContrast));

        start();
        QVERIFY(o().showContrast->isChecked());
        QVERIFY(o().contrastView->isVisibleTo(m_controller->mainWindow()));
        o().showContrast->trigger();
        QVERIFY(!o().contrastView->isVisibleTo(m_controller->mainWindow()));
        QVERIFY(!Defaults::standard().boolValue(keys::ShowContrast));
    }
};

QTEST_MAIN(TestContrastStrip)
#include "tst_contraststrip.moc"
