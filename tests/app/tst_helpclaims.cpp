// SPDX-License-Identifier: GPL-3.0-or-later
// The guide names only what the program has: every menu command, button, preferences pane
// and key the help pages and the README mark up is looked up in the real windows.
#include "apptesting.h"
#include "datarows.h"
#include "menuvalidation.h"
#include "prefscontroller.h"

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

namespace {

// A help page, or "README".
QString readAll(const QString& page) {
    return QString::fromUtf8(testrows::readFile(
        page == u"README" ? QStringLiteral(TINTMERE_TEST_DATA_DIR) + u"/../../README.md"_s : page));
}

// What the pattern captures, its groups joined as a menu path: "Color ▸ Reset".
QStringList matches(const QString& text, const QString& pattern) {
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        QStringList steps = match.capturedTexts().mid(1);
        for (QString& step : steps)
            step = step.simplified();
        found.append(steps.join(u" \u25B8 "_s));
    }
    return found;
}

// The main window's menu command at a path such as "Edit ▸ Preferences...", or whether a
// menu of the menu bar has that title when the path is one step long.
bool hasMenuPath(const QMenuBar* bar, const QString& path) {
    const QStringList steps = path.split(u" \u25B8 "_s);
    QList<QAction*> level = bar->actions();
    for (const QString& step : steps) {
        const auto it = std::find_if(level.cbegin(), level.cend(), [&step](const QAction* a) {
            return plainTitle(a->text()) == step;
        });
        if (it == level.cend())
            return false;
        level = (*it)->menu() ? (*it)->menu()->actions() : QList<QAction*>();
    }
    return true;
}

} // namespace

class TestHelpClaims : public QObject, ProgramFixture {
    Q_OBJECT

    bool hasButton(const QString& label) const {
        const auto buttons = m_controller->mainWindow()->findChildren<QAbstractButton*>();
        return std::any_of(buttons.cbegin(), buttons.cend(), [&label](const QAbstractButton* b) {
            return plainTitle(b->text()) == label;
        });
    }
    bool hasPane(const QString& label) const {
        const QMainWindow* prefs = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == u"Prefs Window")
                prefs = qobject_cast<QMainWindow*>(window);
        }
        if (!prefs)
            return false;
        const auto bars = prefs->findChildren<QToolBar*>();
        return std::any_of(bars.cbegin(), bars.cend(), [&label](const QToolBar* bar) {
            const QList<QAction*> items = bar->actions();
            return std::any_of(items.cbegin(), items.cend(),
                               [&label](const QAction* a) { return a->text() == label; });
        });
    }
    bool hasKey(const QString& keys) const {
        const QKeySequence wanted(keys, QKeySequence::PortableText);
        const auto commands = m_controller->mainWindow()->findChildren<QAction*>();
        return !wanted.isEmpty() &&
               std::any_of(commands.cbegin(), commands.cend(),
                           [&wanted](const QAction* a) { return a->shortcuts().contains(wanted); });
    }

private Q_SLOTS:
    void initTestCase() {
        startAfresh();
        m_controller->showPreferencePanel();
    }
    void cleanupTestCase() { m_controller.reset(); }

    void namesExist_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        int named = 0;
        for (const QString& source :
             {u":/help/userguide.html"_s, u":/help/releasenotes.html"_s, u"README"_s}) {
            const QString text = readAll(source);
            QVERIFY2(!text.isEmpty(), qPrintable(source));
            const auto add = [&](const QString& kind, QStringList names) {
                names.removeDuplicates();
                for (const QString& name : names) {
                    QTest::addRow("%s: %s %s", qPrintable(source), qPrintable(kind),
                                  qPrintable(name))
                        << kind << name;
                    ++named;
                }
            };
            for (const QString& kind : {u"menu"_s, u"button"_s, u"pane"_s})
                add(kind, matches(text, uR"(<span class="%1">([^<]+)</span>)"_s.arg(kind)));
            // An item named after its menu: <span class="menu" data-in="Color">Reset</span>.
            add(u"menu"_s, matches(text, uR"(<span class="menu" data-in="([^"]+)">([^<]+)</span>)"_s));
            add(u"key"_s, matches(text, uR"(<kbd>([^<]+)</kbd>)"_s));
            // The README shows menu commands in bold: **File ▸ Import...**.
            add(u"menu"_s, matches(text, uR"(\*\*([^*\n]*\u25B8[^*\n]*)\*\*)"_s));
        }
        QVERIFY(named > 50); // the markup is there, so the guide is checked
    }

    void namesExist() {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        if (kind == u"menu")
            QVERIFY(hasMenuPath(m_controller->mainWindow()->menuBar(), name));
        else if (kind == u"button")
            QVERIFY(hasButton(name));
        else if (kind == u"pane")
            QVERIFY(hasPane(name));
        else
            QVERIFY(hasKey(name));
    }

    // Texts that once promised what the program does not do.
    void noFalsePromises_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("claim");
        QTest::newRow("no fraction variant") << u":/help/userguide.html"_s << u"as fractions"_s;
        QTest::newRow("formats are not chosen in the preferences")
            << u":/help/userguide.html"_s << u"format of each string"_s;
        QTest::newRow("README: formats") << u"README"_s << u"choose the formats of the strings"_s;
    }
    void noFalsePromises() {
        QFETCH(QString, page);
        QFETCH(QString, claim);
        const QString text = readAll(page);
        QVERIFY(!text.isEmpty());
        QVERIFY2(!text.contains(claim, Qt::CaseInsensitive), qPrintable(claim));
    }
};

QTEST_MAIN(TestHelpClaims)
#include "tst_helpclaims.moc"
