// SPDX-License-Identifier: GPL-3.0-or-later
// The guide names only what the program has: every menu command, button, preferences pane
// and key the help pages and the README mark up is looked up in the real windows.
#include "appcontroller.h"
#include "defaults.h"
#include "menuvalidation.h"
#include "prefscontroller.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

namespace {

QString readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList matches(const QString& text, const QString& pattern) {
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured(1).simplified());
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

class TestHelpClaims : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppController> m_controller;

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
        Defaults::setStandardForTesting(Defaults::inMemory());
        m_controller = std::make_unique<AppController>(m_dir.filePath(u"Favorites.plist"_s));
        m_controller->showPreferencePanel();
    }
    void cleanupTestCase() { m_controller.reset(); }

    void namesExist_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        const QString readme =
            readAll(QStringLiteral(TINTMERE_TEST_DATA_DIR) + u"/../../README.md"_s);
        QVERIFY(!readme.isEmpty());
        const QList<std::pair<QString, QString>> sources{
            {u"help"_s, readAll(u":/help/userguide.html"_s)},
            {u"release notes"_s, readAll(u":/help/releasenotes.html"_s)},
            {u"README"_s, readme}};
        int named = 0;
        for (const auto& [source, text] : sources) {
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
            add(u"menu"_s, matches(text, uR"(<span class="menu">([^<]+)</span>)"_s));
            // An item named after its menu: <span class="menu" data-in="Color">Reset</span>.
            QStringList inMenu;
            static const QRegularExpression itemOfMenu(
                u"<span class=\"menu\" data-in=\"([^\"]+)\">([^<]+)</span>"_s);
            QRegularExpressionMatchIterator it = itemOfMenu.globalMatch(text);
            while (it.hasNext()) {
                const QRegularExpressionMatch m = it.next();
                inMenu << m.captured(1) + u" \u25B8 "_s + m.captured(2).simplified();
            }
            add(u"menu"_s, inMenu);
            add(u"button"_s, matches(text, uR"(<span class="button">([^<]+)</span>)"_s));
            add(u"pane"_s, matches(text, uR"(<span class="pane">([^<]+)</span>)"_s));
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
        const QString text =
            page == u"README"
                ? readAll(QStringLiteral(TINTMERE_TEST_DATA_DIR) + u"/../../README.md"_s)
                : readAll(page);
        QVERIFY(!text.isEmpty());
        QVERIFY2(!text.contains(claim, Qt::CaseInsensitive), qPrintable(claim));
    }
};

QTEST_MAIN(TestHelpClaims)
#include "tst_helpclaims.moc"
