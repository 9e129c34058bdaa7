// SPDX-License-Identifier: GPL-3.0-or-later
// The guide names only what the program has: every menu command, button, preferences pane
// and key the help pages and the README mark up is looked up in the real windows.
#include "apptesting.h"
#include "datarows.h"
#include "menuvalidation.h"
#include "prefscontroller.h"

#include <QAbstractButton>
#include <QAction>
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

} // namespace

class TestHelpClaims : public QObject, ProgramFixture {
    Q_OBJECT

    QSet<QString> m_known; // "kind: name" of everything the windows have

    void addMenus(const QList<QAction*>& items, const QString& path) {
        for (const QAction* item : items) {
            const QString name = path + plainTitle(item->text());
            m_known << u"menu: "_s + name;
            if (item->menu())
                addMenus(item->menu()->actions(), name + u" \u25B8 "_s);
        }
    }

private Q_SLOTS:
    void initTestCase() {
        startAfresh();
        m_controller->showPreferencePanel();
        MainWindow* window = m_controller->mainWindow();
        addMenus(window->menuBar()->actions(), {});
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            m_known << u"button: "_s + plainTitle(button->text());
        for (const QAction* item : window->findChildren<QAction*>()) {
            for (const QKeySequence& keys : item->shortcuts())
                m_known << u"key: "_s + keys.toString(QKeySequence::PortableText);
        }
        for (QWidget* prefs : QApplication::topLevelWidgets()) {
            if (prefs->objectName() != u"Prefs Window")
                continue;
            for (const QToolBar* bar : prefs->findChildren<QToolBar*>()) {
                for (const QAction* pane : bar->actions())
                    m_known << u"pane: "_s + pane->text();
            }
        }
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
            add(u"menu"_s,
                matches(text, u"<span class=\"menu\" data-in=\"([^\"]+)\">([^<]+)</span>"_s));
            add(u"key"_s, matches(text, uR"(<kbd>([^<]+)</kbd>)"_s));
            // The README shows menu commands in bold: **File ▸ Import...**.
            add(u"menu"_s, matches(text, uR"(\*\*([^*\n]*\u25B8[^*\n]*)\*\*)"_s));
        }
        QVERIFY(named > 50); // the markup is there, so the guide is checked
    }

    void namesExist() {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        const QString wanted = kind == u"key" ? QKeySequence(name, QKeySequence::PortableText)
                                                    .toString(QKeySequence::PortableText)
                                              : name;
        QVERIFY(m_known.contains(kind + u": "_s + wanted));
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
