// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcontroller.h"
#include "defaults.h"
#include "qvcontrastview.h"
#include "qvpaletteview.h"

#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

// The contrast strip in the main window: what it shows for the palette, and its menu item.
class TestContrastStrip : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppController> m_controller;

    const MainWindowOutlets& o() const { return m_controller->outlets(); }
    QString cell(const QString& name) const {
        const auto* label = o().contrastView->findChild<QLabel*>(name);
        return label && label->isVisibleTo(o().contrastView) ? label->text() : u"(hidden)"_s;
    }
    void start() {
        m_controller.reset();
        m_controller = std::make_unique<AppController>(m_dir.filePath(u"Favorites.plist"_s));
    }

private Q_SLOTS:
    void init() {
        Defaults::setStandardForTesting(Defaults::inMemory());
        start();
    }
    void cleanup() { m_controller.reset(); }

    // Rows follow the selected well against the others in order, with the marks of the ratio.
    void showsTheFiguresOfEachPair_data() {
        QTest::addColumn<QStringList>("palette");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("ratios");
        QTest::addColumn<QString>("marksOfFirstRow"); // AA body, AA large, AAA body, AAA large
        const QStringList grey{u"777777"_s, u"ffffff"_s, u"000000"_s, u"777777"_s};
        QTest::newRow("grey on white: large text only")
            << grey << 0 << QStringList{u"4.48:1"_s, u"4.69:1"_s, u"1.00:1"_s} << u"✗✓✗✗"_s;
        QTest::newRow("white selected: black passes all")
            << grey << 1 << QStringList{u"4.48:1"_s, u"21.00:1"_s, u"4.48:1"_s} << u"✗✓✗✗"_s;
        QTest::newRow("white selected last: AA but not AAA")
            << QStringList{u"767676"_s, u"595959"_s, u"000000"_s, u"ffffff"_s} << 3
            << QStringList{u"4.54:1"_s, u"7.00:1"_s, u"21.00:1"_s} << u"✓✓✗✓"_s;
    }
    void showsTheFiguresOfEachPair() {
        QFETCH(QStringList, palette);
        QFETCH(int, selected);
        QFETCH(QStringList, ratios);
        QFETCH(QString, marksOfFirstRow);
        o().showContrast->trigger();
        QList<Color> colors;
        for (const QString& text : palette)
            colors << *Color::colorFromHex(text.toStdString());
        m_controller->setPaletteToColorArray(colors);
        m_controller->newColorSelected(selected);

        QStringList shown;
        for (int row = 0; row < QVContrastView::RowCount; ++row)
            shown << cell(u"ratio%1"_s.arg(row));
        QCOMPARE(shown, ratios);
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
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QString>("text");
        QTest::newRow("just under AA body") << 4.4999 << u"4.49:1"_s;
        QTest::newRow("just under AA large") << 2.996 << u"2.99:1"_s;
        QTest::newRow("just under AAA body") << 6.999 << u"6.99:1"_s;
        QTest::newRow("between") << 4.478 << u"4.48:1"_s;
    }
    void ratioText() {
        QFETCH(double, ratio);
        QFETCH(QString, text);
        QCOMPARE(QVContrastView::ratioText(ratio), text);
    }

    void toggledFromToolsMenuAndRemembered() {
        MainWindow* window = m_controller->mainWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const int height = window->height();
        QVERIFY(!o().contrastView->isVisible());
        QVERIFY(!o().showContrast->isChecked());
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
