// SPDX-License-Identifier: GPL-3.0-or-later
#include "apptesting.h"
#include "datarows.h"
#include "favoritespane.h"

#include <QAction>
#include <QTest>
#include <QUndoStack>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere;
using testrows::Rows;
using SelectionRow = std::tuple<QStringList, bool, QString, QString>;

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

    // Closing a group lets go of the rows it hides; the commands (use, replace, delete), the
    // menus and the preview follow the selection, and deleting acts on what is seen.
    void commandsFollowTheSelection_data() {
        const Rows<SelectionRow> row; // selection, group A closed, names kept, enabled
        row("nothing", QStringList(), false, QString(), u"---"_s);
        row("one favorite", QStringList{u"2"_s}, false, u"top"_s, u"urd"_s);
        row("a group", QStringList{u"0"_s}, false, u"A"_s, u"--d"_s);
        row("two favorites", QStringList{u"0/0"_s, u"2"_s}, false, u"a1,top"_s, u"--d"_s);
        row("closed: a favorite inside", QStringList{u"0/1"_s}, true, QString(), u"---"_s);
        row("closed: one inside, one outside", QStringList{u"0/0"_s, u"2"_s}, true, u"top"_s,
            u"urd"_s);
        row("closed: the group itself", QStringList{u"0"_s}, true, u"A"_s, u"--d"_s);
        row("closed: another group", QStringList{u"1/0"_s}, true, u"b1"_s, u"urd"_s);
    }
    void commandsFollowTheSelection() {
        ROW(SelectionRow, selection, collapse, kept, enabled);
        select(selection);
        QCOMPARE(outline()->selectedNodes().size(), selection.size());
        if (collapse)
            outline()->collapse(
                m_controller->favoritesModel()->indexOfNode(root()->childAtIndex(0)));
        QStringList names;
        for (const TreeNode* node : outline()->selectedNodes())
            names << nameOf(node);
        QCOMPARE(names.join(u','), kept);
        QCOMPARE(enabledCommands(), enabled);
        m_controller->mainWindow()->show();
        for (std::size_t i = 0; i < 3; ++i)
            QCOMPARE(m_controller->validateMenuItem(o().favoritesItems[i]), enabled[i] != u'-');
        const QString shown =
            enabled == u"urd"
                ? SimpleTreeNode::dataOf(outline()->selectedNodes().first())->colorArray().first()
                : u"ffffff"_s;
        QCOMPARE(pane()->preview()->colors().first(), *colorFromStoredText(shown));
        m_prompts->deleteAnswer = true;
        pane()->deleteAction()->trigger();
        if (collapse) {
            QCOMPARE(nameOf(root()->childAtIndex(0)), kept == u"A" ? u"B"_s : u"A"_s);
            QCOMPARE(root()->childAtIndex(0)->numberOfChildren(), kept == u"A" ? 1 : 2);
        }
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
