// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "prefstesting.h"
#include "zrprefspanel.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QStackedWidget>
#include <QTest>
#include <QToolBar>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using prefstest::defaults;
using prefstest::key;
using testrows::Rows;

namespace {

// A window of panes labelled after their identifiers ("Pane 0", "Pane a", ...).
struct PrefsWindow {
    QMainWindow window;
    QStackedWidget* stack = new QStackedWidget;
    std::unique_ptr<ZRPrefsPanel> panel;

    explicit PrefsWindow(const QStringList& identifiers = {u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s,
                                                           u"5"_s}) {
        window.setCentralWidget(stack);
        panel = std::make_unique<ZRPrefsPanel>(&window, stack);
        for (const QString& identifier : identifiers)
            panel->addTab(identifier, u"Pane "_s + identifier, new QLabel(identifier));
        panel->load();
    }

    QString checkedItem() const {
        for (QAction* item : panel->toolbar()->actions())
            if (item->isChecked())
                return item->objectName();
        return {};
    }
};

} // namespace

using OpensOnTheLastPaneRow = std::tuple<QVariant, int, QString>;
using ChoosingAnItemShowsAndRemembersItsPaneRow = std::tuple<QStringList, QString, int, QString>;

class TestZRPrefsPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { tintmere::Defaults::setStandardForTesting(tintmere::Defaults::inMemory()); }

    void opensOnTheLastPane_data() {
        const Rows<OpensOnTheLastPaneRow> row; // stored: invalid: never chosen
        row("empty store", QVariant(), 0, u"0"_s);
        row("third pane", QVariant(2), 2, u"2"_s);
        row("last pane", QVariant(5), 5, QString());
        row("pane gone", QVariant(6), 0, u"0"_s);
        row("not a number", QVariant(u"two"_s), 0, u"0"_s);
    }

    void opensOnTheLastPane() {
        ROW(OpensOnTheLastPaneRow, stored, pane, checked);
        if (stored.isValid())
            defaults().setValue(key(u"Prefs Recent Page"), stored);
        PrefsWindow prefs;
        QCOMPARE(prefs.stack->currentIndex(), pane);
        QCOMPARE(prefs.window.windowTitle(), u"Pane %1"_s.arg(pane));
        QCOMPARE(prefs.checkedItem(), checked);
    }

    void choosingAnItemShowsAndRemembersItsPane_data() {
        const Rows<ChoosingAnItemShowsAndRemembersItsPaneRow> row;
        const QStringList numbered{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s};
        row("identified 5", numbered, u"5"_s, 5, QString());
        // The rule follows the identifier, wherever its pane stands.
        const QStringList named{u"general"_s, u"5"_s, u"colors"_s};
        row("5 second", named, u"5"_s, 1, QString());
        row("after 5", named, u"colors"_s, 2, u"colors"_s);
    }

    void choosingAnItemShowsAndRemembersItsPane() {
        ROW(ChoosingAnItemShowsAndRemembersItsPaneRow, identifiers, chosen, pane, checked);
        {
            PrefsWindow prefs(identifiers);
            prefs.panel->itemForIdentifier(identifiers.at(0))->trigger();
            prefs.panel->itemForIdentifier(chosen)->trigger();
            QCOMPARE(prefs.stack->currentIndex(), pane);
            QCOMPARE(prefs.window.windowTitle(), u"Pane "_s + chosen);
            QCOMPARE(prefs.checkedItem(), checked);
            QCOMPARE(defaults().intValue(key(u"Prefs Recent Page")), pane);
        }
        PrefsWindow nextRun(identifiers);
        QCOMPARE(nextRun.stack->currentIndex(), pane);
        QCOMPARE(nextRun.checkedItem(), checked);
    }

    // Asking again, or rebuilding the toolbar, loses no item.
    void tabIdentified5IsListedButNeverSelectable() {
        PrefsWindow prefs;
        const QStringList selectable{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s};
        QCOMPARE(prefs.panel->selectableItemIdentifiers(), selectable);
        QCOMPARE(prefs.panel->selectableItemIdentifiers(), selectable);
        prefs.panel->mapTabsToToolbar();
        QCOMPARE(prefs.panel->toolbar()->actions().size(), 6);
    }

    void imagesAreSharpAtDoubleDensity() {
        for (const QString& identifier : {u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}) {
            const QImage image =
                ZRPrefsPanel::imageNamed(identifier).pixmap(QSize(32, 32), 2.0).toImage();
            QCOMPARE(image.size(), QSize(64, 64));
            int painted = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    painted += qAlpha(image.pixel(x, y)) > 0;
            QVERIFY2(painted > 64 * 64 / 4, qPrintable(identifier));
        }
    }
};

QTEST_MAIN(TestZRPrefsPanel)
#include "tst_zrprefspanel.moc"
