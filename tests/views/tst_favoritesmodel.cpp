// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "favoriteslibrary.h"
#include "favoritesmodel.h"
#include "libraryautosaver.h"
#include "notificationlog.h"
#include "notificationnames.h"
#include "qvcustomtableview.h"
#include "simpletreenode.h"

#include <QAbstractItemModelTester>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using namespace tintmere;

namespace {

const auto L = [](const QString& names) { return names.split(u' ', Qt::SkipEmptyParts); };
const auto nameOf = [](const TreeNode* node) { return SimpleTreeNode::dataOf(node)->name(); };

std::unique_ptr<SimpleTreeNode> favorite(const QString& name) {
    return std::make_unique<SimpleTreeNode>(SimpleNodeData::leafDataWithName(
        name, {u"ff0000"_s, u"00ff00"_s, u"0000ff"_s, u"ffffff"_s}));
}

// Trees written as "a G(b c) K*(d)": a favorite, a group, and a group stored open.
void parseInto(TreeNode& parent, QStringList& tokens) {
    while (!tokens.isEmpty() && tokens.first() != u")") {
        QString token = tokens.takeFirst();
        const bool group = token.endsWith(u'('), open = token.endsWith(u"*(");
        token.chop(int(group) + int(open));
        auto node = group
                        ? std::make_unique<SimpleTreeNode>(SimpleNodeData::groupDataWithName(token))
                        : favorite(token);
        SimpleTreeNode::dataOf(node.get())->setExpStart(open);
        if (group) {
            parseInto(*node, tokens);
            tokens.removeFirst(); // the closing parenthesis
        }
        parent.insertChild(std::move(node), parent.numberOfChildren());
    }
}

QString describe(const TreeNode& node) {
    QStringList parts;
    for (const TreeNode* child : node.children()) {
        const SimpleNodeData* data = SimpleTreeNode::dataOf(child);
        const QString open = data->expStart() ? u"*("_s : u"("_s;
        parts.append(data->name() + (data->isGroup() ? open + describe(*child) + u')' : QString()));
    }
    return parts.join(u' ');
}

TreeNode* find(TreeNode* node, const QString& name) {
    if (name.isEmpty())
        return node;
    for (TreeNode* child : node->children())
        if (TreeNode* found = nameOf(child) == name ? child : find(child, name))
            return found;
    return nullptr;
}

QList<TreeNode*> nodesNamed(TreeNode* root, const QStringList& names) {
    QList<TreeNode*> nodes;
    for (const QString& name : names)
        nodes.append(find(root, name));
    return nodes;
}

std::unique_ptr<SimpleTreeNode> tree(const QString& text) {
    auto root = SimpleTreeNode::emptyLibrary();
    QStringList tokens = L(QString(text).replace(u'(', u"( "_s).replace(u')', u" ) "_s));
    parseInto(*root, tokens);
    return root;
}

struct Outline {
    explicit Outline(const QString& text)
        : root(tree(text)) {
        model.setRoot(root.get());
        view.setFavoritesModel(&model);
        view.show();
    }
    TreeNode* node(const QString& name) const { return find(model.root(), name); }
    QModelIndex indexOf(const QString& name) const { return model.indexOfNode(node(name)); }
    bool isOpen(const QString& name) const { return view.isExpanded(indexOf(name)); }
    void select(const QString& names) { view.selectNodes(nodesNamed(root.get(), L(names))); }
    QString selection() const {
        QStringList names;
        for (const TreeNode* node : view.selectedNodes())
            names.append(nameOf(node));
        return names.join(u' ');
    }
    QMimeData* drag(const QString& names) const {
        QModelIndexList indexes;
        for (TreeNode* node : nodesNamed(root.get(), L(names)))
            indexes.append(model.indexOfNode(node));
        return model.mimeData(indexes);
    }

    std::unique_ptr<SimpleTreeNode> root;
    FavoritesModel model;
    QVCustomTableView view;
};

} // namespace

class TestFavoritesModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void passesTheItemModelChecks() {
        auto root = tree(u"a G(b H(c d) e) f"_s);
        FavoritesModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRoot(root.get());
        model.addNode(FavoritesModel::newGroup(), find(root.get(), u"H"_s));
        model.moveNodes({find(root.get(), u"H"_s), find(root.get(), u"a"_s)}, root.get(), 3);
        model.setData(model.indexOfNode(find(root.get(), u"c"_s)), u"zz"_s);
        root->recursiveSortChildren();
        model.removeNodes({find(root.get(), u"G"_s)});
        root->insertChild(favorite(u"x"_s), 0);
        find(root.get(), u"f"_s)->removeFromParent();
        QCOMPARE(describe(*root), u"x H(d untitled() zz) a"_s);
    }

    void dropMoves() {
        // The tree after the drop; "refused" when it is turned down and the tree left as it was.
        const auto dropping = [](const QString& before, const QString& dragged,
                                 const QString& target, int row) {
            Outline outline(before);
            std::unique_ptr<QMimeData> data(outline.drag(dragged));
            const QModelIndex at = outline.indexOf(target); // the top level for an empty name
            const bool can = outline.model.canDropMimeData(data.get(), Qt::MoveAction, row, 0, at);
            const bool dropped = outline.model.dropMimeData(data.get(), Qt::MoveAction, row, 0, at);
            if (!data->hasFormat(u"QVOutlineViewPboardType"_s) || can != dropped)
                return u"inconsistent"_s;
            const QString after = describe(*outline.root);
            return dropped || after != before ? after : u"refused"_s;
        };
        QCOMPARE(dropping(u"1 2 3 4 5"_s, u"2 1"_s, u""_s, 4), u"3 4 1 2 5"_s);
        QCOMPARE(dropping(u"1 G(a b) 2"_s, u"2"_s, u"G"_s, -1), u"1 G(2 a b)"_s);
        QCOMPARE(dropping(u"G(a b) 1"_s, u"b"_s, u""_s, 0), u"b G(a) 1"_s);
        QCOMPARE(dropping(u"1 G(a b) 2"_s, u"G a"_s, u""_s, 3), u"1 2 G(a b)"_s);
        QCOMPARE(dropping(u"G(a) H(b) K()"_s, u"a b"_s, u"K"_s, -1), u"G() H() K(a b)"_s);
        QCOMPARE(dropping(u"G(a) H(b)"_s, u"G"_s, u"H"_s, 1), u"H(b G(a))"_s);
        const QString nested = u"1 G(a H(b) c) 2"_s;
        QCOMPARE(dropping(nested, u"G"_s, u"G"_s, -1), u"refused"_s);   // onto itself
        QCOMPARE(dropping(nested, u"G"_s, u"H"_s, 0), u"refused"_s);    // into a descendant
        QCOMPARE(dropping(nested, u"1 H"_s, u"H"_s, -1), u"refused"_s); // one of several
        QCOMPARE(dropping(nested, u"1"_s, u"2"_s, -1), u"refused"_s);   // onto a favorite
        QCOMPARE(dropping(nested, u"1"_s, u""_s, -1), u"refused"_s);    // onto the empty area

        // Foreign drags, and drags of a node deleted while under way, move nothing.
        Outline outline(u"1 2 G()"_s);
        QMimeData foreign;
        foreign.setData(FavoritesModel::kDragMimeType, {});
        QVERIFY(
            !outline.model.dropMimeData(&foreign, Qt::MoveAction, 0, 0, outline.indexOf(u"G"_s)));
        std::unique_ptr<QMimeData> data(outline.drag(u"1"_s));
        outline.model.removeNodes({outline.node(u"1"_s)});
        QVERIFY(
            !outline.model.dropMimeData(data.get(), Qt::MoveAction, 0, 0, outline.indexOf(u"G"_s)));
        QCOMPARE(describe(*outline.root), u"2 G()"_s);
    }

    void newFavoriteIsNamedAfterTheMoment() {
        const auto nameAt = [](int offset) {
            return FavoritesModel::nameForMoment({{2026, 12, 6}, {9, 5, 3}, QTimeZone(offset)});
        };
        QCOMPARE(nameAt(5 * 3600 + 1800), u"2026-12-06 09:05:03 +0530"_s);
        QCOMPARE(nameAt(-8 * 3600), u"2026-12-06 09:05:03 -0800"_s);
    }

    void removeNodes() {
        const auto removing = [](const QString& names) {
            Outline outline(u"1 G(a H(b)) 2"_s);
            outline.model.removeNodes(nodesNamed(outline.root.get(), L(names)));
            return describe(*outline.root);
        };
        QCOMPARE(removing(u"G"_s), u"1 2"_s);   // a group with its contents
        QCOMPARE(removing(u"G b 2"_s), u"1"_s); // a group before its own child
        QCOMPARE(removing(u"b G"_s), u"1 2"_s); // a child before its group
    }

    void expansionFollowsAndWritesTheFlags() {
        const auto toggling = [](const QString& group, bool open) {
            Outline outline(u"G*(a H(K*(b)))"_s);
            outline.view.setExpanded(outline.indexOf(group), open);
            return describe(*outline.root);
        };
        Outline outline(u"G*(a H(K*(b)))"_s);
        outline.model.moveNodes({outline.node(u"H"_s)}, outline.root.get(), 1);
        QCOMPARE(describe(*outline.root), u"G*(a) H(K*(b))"_s); // moves keep them
        QVERIFY(outline.isOpen(u"G"_s) && !outline.isOpen(u"H"_s) && outline.isOpen(u"K"_s));
        QCOMPARE(toggling(u"H"_s, true), u"G*(a H*(K*(b)))"_s);
        QCOMPARE(toggling(u"K"_s, false), u"G*(a H(K(b)))"_s); // inside a closed group
    }

    void deleteKeysAskTheController() {
        const auto pressing = [](Qt::Key key) { // deletions asked for, and the tree after
            Outline outline(u"1 2"_s);
            outline.select(u"1"_s);
            NotificationLog log(notifications::FavoriteDelete, &outline.view);
            QTest::keyClick(&outline.view, key);
            return u"%1: %2"_s.arg(log.posted.size()).arg(describe(*outline.root));
        };
        QCOMPARE(pressing(Qt::Key_Backspace), u"1: 1 2"_s);
        QCOMPARE(pressing(Qt::Key_Delete), u"1: 1 2"_s);
        QCOMPARE(pressing(Qt::Key_A), u"0: 1 2"_s);
    }

    void newItemsAreSelectedForNaming() {
        // The tree after adding, then the selection and the text the open editor selects.
        const auto adding = [](const QString& before, const QString& selected, bool group) {
            Outline outline(before);
            outline.select(selected);
            const QModelIndex added =
                outline.view.addNewItem(group ? FavoritesModel::newGroup() : favorite(u"new"_s));
            const auto* editor = outline.view.findChild<QLineEdit*>();
            if (!outline.view.isVisible() || !added.isValid() || !editor || !editor->isVisible())
                return u"not editing"_s;
            return u"%1 | %2 | %3"_s.arg(describe(*outline.root), outline.selection(),
                                         editor->selectedText());
        };
        QCOMPARE(adding(u"1 2 3"_s, u"3 1"_s, true), u"1 untitled() 2 3 | untitled | untitled"_s);
        QCOMPARE(adding(u"G(a) 1"_s, u"G"_s, false), u"G*(a new) 1 | new | new"_s); // it opens
    }

    void rightClickSelection() {
        const auto clicking = [](const QString& selected, const QString& clicked) {
            Outline outline(u"1 2 3"_s);
            outline.select(selected);
            const QPoint pos = outline.view.visualRect(outline.indexOf(clicked)).center();
            QContextMenuEvent event(QContextMenuEvent::Mouse, pos,
                                    outline.view.viewport()->mapToGlobal(pos));
            QCoreApplication::sendEvent(outline.view.viewport(), &event);
            return outline.selection();
        };
        QCOMPARE(clicking(u"1 3"_s, u"3"_s), u"1 3"_s); // inside a multiple selection
        QCOMPARE(clicking(u"1 3"_s, u"2"_s), u"2"_s);   // outside it
    }

    void autosaverWritesEveryKindOfChange() {
        QTemporaryDir dir;
        FavoritesLibrary library(dir.filePath(u"Favorites.plist"_s));
        Outline outline(u"1 G*(a H(b)) 2"_s);
        LibraryAutosaver saver(&library, outline.root.get(), std::chrono::hours(1));
        connect(&outline.model, &FavoritesModel::libraryChanged, &saver,
                &LibraryAutosaver::scheduleSave);
        const auto stored = [&] {
            const bool saved = saver.hasUnsavedChanges() && saver.flush();
            const FavoritesLibrary::LoadResult loaded = library.load();
            if (!saved || loaded.problem)
                return u"not saved"_s;
            const TreeNode* b = find(loaded.root.get(), u"b"_s);
            if (b && SimpleTreeNode::dataOf(b)->colorArray() !=
                         SimpleTreeNode::dataOf(outline.node(u"b"_s))->colorArray())
                return u"colours differ"_s;
            return describe(*loaded.root);
        };
        outline.model.setData(outline.indexOf(u"1"_s), u"renamed"_s);
        QCOMPARE(stored(), u"renamed G*(a H(b)) 2"_s);
        outline.model.setColors(outline.indexOf(u"b"_s),
                                {u"010203"_s, u"040506"_s, u"070809"_s, u"0a0b0c"_s});
        QCOMPARE(stored(), u"renamed G*(a H(b)) 2"_s);
        outline.view.expand(outline.indexOf(u"H"_s));
        QCOMPARE(stored(), u"renamed G*(a H*(b)) 2"_s);
        outline.model.moveNodes({outline.node(u"G"_s)}, outline.root.get(), 3);
        QCOMPARE(stored(), u"renamed 2 G*(a H*(b))"_s);
        outline.model.removeNodes({outline.node(u"G"_s)});
        QCOMPARE(stored(), u"renamed 2"_s);
    }

    // The write runs on a worker thread from a copy of the tree; the tree may change meanwhile
    // and the change follows in a later write, never overtaken by the older copy. At quit,
    // flush waits for the running write and then writes what came after it.
    void autosaverWritesInTheBackgroundAndInOrder_data() {
        QTest::addColumn<bool>("flushAtOnce");
        row("next background save", false);
        row("flush while a save runs", true);
    }
    void autosaverWritesInTheBackgroundAndInOrder() {
        QFETCH(bool, flushAtOnce);
        QTemporaryDir dir;
        FavoritesLibrary library(dir.filePath(u"Favorites.plist"_s));
        auto root = SimpleTreeNode::emptyLibrary();
        for (int i = 0; i < 20000; ++i)
            root->insertChild(favorite(u"f%1"_s.arg(i)), i);
        LibraryAutosaver saver(&library, root.get(), std::chrono::hours(1), std::chrono::hours(1));
        saver.scheduleSave();
        saver.saveInBackground();
        QVERIFY(saver.isSaving());
        root->insertChild(favorite(u"last"_s), 0);
        saver.scheduleSave();
        if (flushAtOnce) {
            QVERIFY(saver.flush());
        } else {
            saver.saveInBackground(); // waits for the running one
            QTRY_VERIFY_WITH_TIMEOUT(!saver.hasUnsavedChanges() && !saver.isSaving(), 30000);
        }
        QVERIFY(!saver.hasUnsavedChanges());
        const FavoritesLibrary::LoadResult loaded = library.load();
        QVERIFY(!loaded.problem);
        QCOMPARE(loaded.root->numberOfChildren(), 20001);
        QCOMPARE(SimpleTreeNode::dataOf(loaded.root->childAtIndex(0))->name(), u"last"_s);
    }

    void autosaverSavesABurstOnceAndRetriesAFailure() {
        QTemporaryDir dir;
        FavoritesLibrary library(dir.filePath(u"Favorites.plist"_s));
        auto root = tree(u"1"_s);
        LibraryAutosaver saver(&library, root.get(), std::chrono::milliseconds(40));
        QSignalSpy saved(&saver, &LibraryAutosaver::saved);
        for (int i = 0; i < 3; ++i, QTest::qWait(10))
            saver.scheduleSave();
        QCOMPARE(saved.count(), 0);
        QTRY_COMPARE(saved.count(), 1);
        QTest::qWait(80);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(describe(*library.load().root), u"1"_s);
        QVERIFY(saver.flush()); // nothing unsaved, nothing written
        QCOMPARE(saved.count(), 1);

        // A plain file where the library's folder should be makes every save fail.
        const QString blocker = dir.filePath(u"folder"_s);
        QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
        FavoritesLibrary blocked(blocker + u"/Favorites.plist"_s);
        LibraryAutosaver retrying(&blocked, root.get(), std::chrono::milliseconds(10));
        QSignalSpy failed(&retrying, &LibraryAutosaver::saveFailed);
        retrying.scheduleSave();
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(failed.first().first().toString().contains(u"Favorites.plist"_s));
        retrying.scheduleSave();
        QTest::qWait(50);
        QVERIFY(!retrying.flush());
        QCOMPARE(failed.count(), 1);
        QVERIFY(retrying.hasUnsavedChanges());
        // Once the location can be written, the next attempt saves what was kept.
        QVERIFY(QFile::remove(blocker));
        root->insertChild(favorite(u"2"_s), 1);
        retrying.scheduleSave();
        QVERIFY(retrying.flush());
        QCOMPARE(describe(*blocked.load().root), u"1 2"_s);
    }
};

QTEST_MAIN(TestFavoritesModel)
#include "tst_favoritesmodel.moc"
