// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "favoritespane.h"

#include <QAction>
#include <QTest>
#include <QUndoStack>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;

// The outline's commands as the menus enable them and the palette takes a favorite.
class TestFavoritesCommands : public QObject, ProgramFixture {
    Q_OBJECT

    FakePrompts* m_prompts = nullptr;

    TreeNode* root() const { return m_controller->treeData(); }
    QVCustomTableView* outline() const { return m_controller->favoritesPane()->outline(); }
    FavoritesPane* pane() const { return m_controller->favoritesPane(); }
    void select(const QStringList& paths) {
        addTestLibrary(root());
        selectPaths(outline(), m_controller->favoritesModel(), paths);
    }
    QString hexes() const { return paletteText(m_controller->colorArray()); }
    // Use, replace and delete: their letter when enabled.
    QString enabledCommands() const {
        const auto mark = [](const QAction* item, char16_t letter) {
            return item->isEnabled() ? QChar(letter) : QChar(u'-');
        };
        return QString(mark(pane()->useAction(), u'u')) + mark(pane()->replaceAction(), u'r') +
               mark(pane()->deleteAction(), u'd');
    }

private Q_SLOTS:
    void init() {
        startAfresh();
        auto prompts = std::make_unique<FakePrompts>();
        m_prompts = prompts.get();
        m_controller->setPrompts(std::move(prompts));
    }
    void cleanup() { m_controller.reset(); }

    void commandsFollowTheSelection_data() {
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("nothing") << QStringList() << u"---"_s;
        QTest::newRow("one favorite") << QStringList{u"2"_s} << u"urd"_s;
        QTest::newRow("a group") << QStringList{u"0"_s} << u"--d"_s;
        QTest::newRow("two favorites") << QStringList{u"0/0"_s, u"2"_s} << u"--d"_s;
    }
    void commandsFollowTheSelection() {
        QFETCH(QStringList, selection);
        QFETCH(QString, enabled);
        select(selection);
        QCOMPARE(enabledCommands(), enabled);
        m_controller->mainWindow()->show();
        for (std::size_t i = 0; i < 3; ++i)
            QCOMPARE(m_controller->validateMenuItem(o().favoritesItems[i]), enabled[i] != u'-');
        // The preview shows the one selected favorite, white otherwise.
        const Color first = pane()->preview()->colors().first();
        QCOMPARE(first, (enabled == u"urd" ? *Color::colorFromHex("123456") : Color{1, 1, 1, 1}));
    }

    // Closing a group lets go of the rows it hides; the commands and the preview follow.
    void collapsingDeselectsWhatItHides_data() {
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<QString>("kept"); // names still selected
        QTest::addColumn<QString>("enabled");
        QTest::newRow("a favorite inside") << QStringList{u"0/1"_s} << QString() << u"---"_s;
        QTest::newRow("one inside, one outside")
            << QStringList{u"0/0"_s, u"2"_s} << u"top"_s << u"urd"_s;
        QTest::newRow("the group itself") << QStringList{u"0"_s} << u"A"_s << u"--d"_s;
        QTest::newRow("another group") << QStringList{u"1/0"_s} << u"b1"_s << u"urd"_s;
    }
    void collapsingDeselectsWhatItHides() {
        QFETCH(QStringList, selection);
        QFETCH(QString, kept);
        QFETCH(QString, enabled);
        select(selection);
        QCOMPARE(outline()->selectedNodes().size(), selection.size());
        outline()->collapse(m_controller->favoritesModel()->indexOfNode(root()->childAtIndex(0)));
        QStringList names;
        for (const TreeNode* node : outline()->selectedNodes())
            names << nameOf(node);
        QCOMPARE(names.join(u','), kept);
        QCOMPARE(enabledCommands(), enabled);
        if (enabled != u"urd")
            QCOMPARE(pane()->preview()->colors().first(), (Color{1, 1, 1, 1}));
        // Deleting acts on what is seen.
        m_prompts->deleteAnswer = true;
        pane()->deleteAction()->trigger();
        QCOMPARE(SimpleTreeNode::dataOf(root()->childAtIndex(0))->name(),
                 kept == u"A" ? u"B"_s : u"A"_s);
        QCOMPARE(root()->childAtIndex(0)->numberOfChildren(), kept == u"A" ? 1 : 2);
    }

    void useAndReplaceSelectedFavorite() {
        select({u"0/1"_s});
        o().favoritesItems[0]->trigger();
        QCOMPARE(hexes(), u"111111 222222 333333 444444"_s);
        m_controller->setColor(*Color::colorFromHex("abcdef"), 0);
        pane()->replaceAction()->trigger();
        QCOMPARE(SimpleTreeNode::dataOf(root()->childAtIndex(0)->childAtIndex(1))->colorArray(),
                 (QStringList{u"abcdef"_s, u"222222"_s, u"333333"_s, u"444444"_s}));
        QCOMPARE(pane()->preview()->colors().first(), *Color::colorFromHex("abcdef"));
        o().undoStack->undo();
        o().undoStack->undo();
        QCOMPARE(hexes(), u"ffffff ffffff ffffff ffffff"_s);

        outline()->clearSelection(); // "Use" with nothing chosen keeps the palette
        m_controller->sendToCurrent(SendSource::FavoritesPreview);
        QCOMPARE(hexes(), u"ffffff ffffff ffffff ffffff"_s);
    }
};

QTEST_MAIN(TestFavoritesCommands)
#include "tst_favoritescommands.moc"
