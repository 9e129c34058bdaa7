// SPDX-License-Identifier: GPL-3.0-or-later
#include "favoriteslibrary.h"
#include "favoritesmodel.h"
#include "libraryautosaver.h"
#include "notificationcenter.h"
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
using namespace tintmere;

namespace {

std::unique_ptr<SimpleTreeNode> favorite(const QString& name) {
    return std::make_unique<SimpleTreeNode>(SimpleNodeData::leafDataWithName(
        name, {u"ff0000"_s, u"00ff00"_s, u"0000ff"_s, u"ffffff"_s}));
}

// Trees written as "a b G(c d) e": names are favorites, a name with parentheses a group.
void parseInto(TreeNode& parent, QStringView& text) {
    while (!text.isEmpty()) {
        text = text.trimmed();
        if (text.isEmpty() || text.startsWith(u')')) {
            text = text.mid(text.isEmpty() ? 0 : 1);
            return;
        }
        qsizetype end = 0;
        while (end < text.size() && !QStringView(u" ()").contains(text[end])) {
            ++end;
        }
        const QString name = text.left(end).toString();
        text = text.mid(end);
        if (text.startsWith(u'(')) {
            text = text.mid(1);
            auto group = std::make_unique<SimpleTreeNode>(SimpleNodeData::groupDataWithName(name));
            parseInto(*group, text);
            parent.insertChild(std::move(group), parent.numberOfChildren());
        } else {
            parent.insertChild(favorite(name), parent.numberOfChildren());
        }
    }
}

std::unique_ptr<SimpleTreeNode> tree(const QString& text) {
    auto root = SimpleTreeNode::emptyLibrary();
    QStringView view(text);
    parseInto(*root, view);
    return root;
}

QString describe(const TreeNode& node) {
    QStringList parts;
    for (const TreeNode* child : node.children()) {
        const SimpleNodeData* data = SimpleTreeNode::dataOf(child);
        parts.append(data->isGroup() ? data->name() + u'(' + describe(*child) + u')'
                                     : data->name());
    }
    return parts.join(u' ');
}

TreeNode* find(TreeNode* node, const QString& name) {
    if (name.isEmpty()) {
        return node;
    }
    for (TreeNode* child : node->children()) {
        if (SimpleTreeNode::dataOf(child)->name() == name) {
            return child;
        }
        if (TreeNode* found = find(child, name)) {
            return found;
        }
    }
    return nullptr;
}

QList<TreeNode*> nodesNamed(TreeNode* root, const QStringList& names) {
    QList<TreeNode*> nodes;
    for (const QString& name : names) {
        nodes.append(find(root, name));
    }
    return nodes;
}

QStringList namesOf(const QList<TreeNode*>& nodes) {
    QStringList names;
    for (const TreeNode* node : nodes) {
        names.append(SimpleTreeNode::dataOf(node)->name());
    }
    return names;
}

void setExpandedFlags(TreeNode* root, const QStringList& groups) {
    for (const QString& name : groups) {
        SimpleTreeNode::dataOf(find(root, name))->setExpStart(true);
    }
}

// The groups whose stored flag says open, in outline order.
QStringList flaggedOpen(const TreeNode& node) {
    QStringList names;
    for (const TreeNode* child : node.children()) {
        const SimpleNodeData* data = SimpleTreeNode::dataOf(child);
        if (data->isGroup() && data->expStart()) {
            names.append(data->name());
        }
        names += flaggedOpen(*child);
    }
    return names;
}

// An outline over a tree, shown so that editing and hit testing work.
struct Outline {
    explicit Outline(const QString& text, const QStringList& open = {})
        : root(tree(text)) {
        setExpandedFlags(root.get(), open);
        model.setRoot(root.get());
        view.setFavoritesModel(&model);
        view.resize(300, 400);
        view.show();
    }
    QModelIndex indexOf(const QString& name) const {
        return model.indexOfNode(find(root.get(), name));
    }
    void select(const QStringList& names) { view.selectNodes(nodesNamed(root.get(), names)); }

    std::unique_ptr<SimpleTreeNode> root;
    FavoritesModel model;
    QVCustomTableView view;
};

QModelIndexList indexesOf(const FavoritesModel& model, const QStringList& names) {
    QModelIndexList indexes;
    for (const QString& name : names) {
        indexes.append(model.indexOfNode(find(model.root(), name)));
    }
    return indexes;
}

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
        // Edits made to the tree directly reach the model too.
        root->insertChild(favorite(u"x"_s), 0);
        find(root.get(), u"f"_s)->removeFromParent();
        QCOMPARE(describe(*root), u"x H(d untitled() zz) a"_s);
    }

    void dropMoves_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("dragged");
        QTest::addColumn<QString>("target"); // a group's name, empty for the top level
        QTest::addColumn<int>("row");        // -1 drops onto the group
        QTest::addColumn<QString>("after");  // unchanged when the drop is refused

        QTest::newRow("first two after the fourth")
            << u"1 2 3 4 5"_s << QStringList{u"1"_s, u"2"_s} << QString() << 4 << u"3 4 1 2 5"_s;
        QTest::newRow("picked in reverse order keep outline order")
            << u"1 2 3 4 5"_s << QStringList{u"2"_s, u"1"_s} << QString() << 4 << u"3 4 1 2 5"_s;
        QTest::newRow("last to the front")
            << u"1 2 3"_s << QStringList{u"3"_s} << QString() << 0 << u"3 1 2"_s;
        QTest::newRow("to the very end")
            << u"1 2 3"_s << QStringList{u"1"_s} << QString() << 3 << u"2 3 1"_s;
        QTest::newRow("onto a group goes to its top")
            << u"1 G(a b) 2"_s << QStringList{u"2"_s} << u"G"_s << -1 << u"1 G(2 a b)"_s;
        QTest::newRow("between a group's rows")
            << u"1 G(a b) 2"_s << QStringList{u"1"_s} << u"G"_s << 1 << u"G(a 1 b) 2"_s;
        QTest::newRow("out of a group")
            << u"G(a b) 1"_s << QStringList{u"b"_s} << QString() << 0 << u"b G(a) 1"_s;
        QTest::newRow("group with its own child moves once")
            << u"1 G(a b) 2"_s << QStringList{u"G"_s, u"a"_s} << QString() << 3 << u"1 2 G(a b)"_s;
        QTest::newRow("from two groups into a third")
            << u"G(a) H(b) K()"_s << QStringList{u"a"_s, u"b"_s} << u"K"_s << -1
            << u"G() H() K(a b)"_s;
        QTest::newRow("group into a sibling group")
            << u"G(a) H(b)"_s << QStringList{u"G"_s} << u"H"_s << 1 << u"H(b G(a))"_s;

        // Refused drops leave the tree as it was.
        const QString nested = u"1 G(a H(b) c) 2"_s;
        QTest::newRow("group onto itself")
            << nested << QStringList{u"G"_s} << u"G"_s << -1 << nested;
        QTest::newRow("group between its own rows")
            << nested << QStringList{u"G"_s} << u"G"_s << 1 << nested;
        QTest::newRow("group into its descendant")
            << nested << QStringList{u"G"_s} << u"H"_s << 0 << nested;
        QTest::newRow("one of several into itself")
            << nested << QStringList{u"1"_s, u"H"_s} << u"H"_s << -1 << nested;
        QTest::newRow("onto a favorite") << nested << QStringList{u"1"_s} << u"2"_s << -1 << nested;
        QTest::newRow("onto the empty area")
            << nested << QStringList{u"1"_s} << QString() << -1 << nested;
    }
    void dropMoves() {
        QFETCH(QString, before);
        QFETCH(QStringList, dragged);
        QFETCH(QString, target);
        QFETCH(int, row);
        QFETCH(QString, after);

        auto root = tree(before);
        FavoritesModel model;
        model.setRoot(root.get());
        std::unique_ptr<QMimeData> data(model.mimeData(indexesOf(model, dragged)));
        const QModelIndex parent = model.indexOfNode(find(root.get(), target));
        const bool accepted = after != before;
        QVERIFY(data->hasFormat(u"QVOutlineViewPboardType"_s));
        QCOMPARE(model.canDropMimeData(data.get(), Qt::MoveAction, row, 0, parent), accepted);
        QCOMPARE(model.dropMimeData(data.get(), Qt::MoveAction, row, 0, parent), accepted);
        QCOMPARE(describe(*root), after);
    }

    void foreignOrStaleDragsMoveNothing() {
        auto root = tree(u"1 2 G()"_s);
        FavoritesModel model;
        model.setRoot(root.get());
        const QModelIndex group = model.indexOfNode(find(root.get(), u"G"_s));

        QMimeData foreign;
        foreign.setData(FavoritesModel::kDragMimeType, {});
        QVERIFY(!model.dropMimeData(&foreign, Qt::MoveAction, 0, 0, group));

        // The dragged node was deleted while the drag was under way.
        std::unique_ptr<QMimeData> data(model.mimeData(indexesOf(model, {u"1"_s})));
        model.removeNodes({find(root.get(), u"1"_s)});
        QVERIFY(!model.dropMimeData(data.get(), Qt::MoveAction, 0, 0, group));
        QCOMPARE(describe(*root), u"2 G()"_s);
    }

    void newFavoriteIsNamedAfterTheMoment_data() {
        QTest::addColumn<int>("offsetSeconds");
        QTest::addColumn<QString>("name");

        QTest::newRow("east, half hour") << 5 * 3600 + 1800 << u"2026-12-06 09:05:03 +0530"_s;
        QTest::newRow("west") << -8 * 3600 << u"2026-12-06 09:05:03 -0800"_s;
    }
    void newFavoriteIsNamedAfterTheMoment() {
        QFETCH(int, offsetSeconds);
        QFETCH(QString, name);

        const QDateTime moment(QDate(2026, 12, 6), QTime(9, 5, 3), QTimeZone(offsetSeconds));
        QCOMPARE(FavoritesModel::nameForMoment(moment), name);
    }

    void removeNodes_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QString>("after");

        QTest::newRow("group with its contents")
            << u"1 G(a H(b)) 2"_s << QStringList{u"G"_s} << u"1 2"_s;
        QTest::newRow("group before its own child")
            << u"1 G(a H(b)) 2"_s << QStringList{u"G"_s, u"b"_s, u"2"_s} << u"1"_s;
        QTest::newRow("child before its group")
            << u"1 G(a H(b)) 2"_s << QStringList{u"b"_s, u"G"_s} << u"1 2"_s;
    }
    void removeNodes() {
        QFETCH(QString, before);
        QFETCH(QStringList, removed);
        QFETCH(QString, after);

        auto root = tree(before);
        FavoritesModel model;
        model.setRoot(root.get());
        model.removeNodes(nodesNamed(root.get(), removed));
        QCOMPARE(describe(*root), after);
    }

    void expansionFollowsAndWritesTheFlags_data() {
        QTest::addColumn<QString>("toggled"); // empty: only shown
        QTest::addColumn<bool>("open");
        QTest::addColumn<QStringList>("flags");

        QTest::newRow("as stored") << QString() << false << QStringList{u"G"_s, u"K"_s};
        QTest::newRow("closing a group") << u"G"_s << false << QStringList{u"K"_s};
        QTest::newRow("opening a group") << u"H"_s << true << QStringList{u"G"_s, u"H"_s, u"K"_s};
        QTest::newRow("closing a group inside a closed one")
            << u"K"_s << false << QStringList{u"G"_s};
    }
    void expansionFollowsAndWritesTheFlags() {
        QFETCH(QString, toggled);
        QFETCH(bool, open);
        QFETCH(QStringList, flags);

        // K is stored open inside H, which is stored closed.
        Outline outline(u"G(a H(K(b)))"_s, {u"G"_s, u"K"_s});
        QVERIFY(outline.view.isExpanded(outline.indexOf(u"G"_s)));
        QVERIFY(!outline.view.isExpanded(outline.indexOf(u"H"_s)));
        QVERIFY(outline.view.isExpanded(outline.indexOf(u"K"_s)));
        if (!toggled.isEmpty()) {
            outline.view.setExpanded(outline.indexOf(toggled), open);
        }
        QCOMPARE(flaggedOpen(*outline.root), flags);
    }

    void groupsStayOpenThroughMovesAndNewTrees() {
        Outline outline(u"1 G(a H(b)) 2"_s, {u"G"_s, u"H"_s});
        outline.model.moveNodes({find(outline.root.get(), u"G"_s)}, outline.root.get(), 3);
        QCOMPARE(describe(*outline.root), u"1 2 G(a H(b))"_s);
        QVERIFY(outline.view.isExpanded(outline.indexOf(u"G"_s)));
        QVERIFY(outline.view.isExpanded(outline.indexOf(u"H"_s)));

        auto other = tree(u"K(c) L(d)"_s);
        SimpleTreeNode::dataOf(find(other.get(), u"L"_s))->setExpStart(true);
        outline.model.setRoot(other.get());
        QVERIFY(!outline.view.isExpanded(outline.model.indexOfNode(find(other.get(), u"K"_s))));
        QVERIFY(outline.view.isExpanded(outline.model.indexOfNode(find(other.get(), u"L"_s))));
        outline.model.setRoot(outline.root.get());
    }

    void deleteKeysAskTheController_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("posted");

        QTest::newRow("Delete") << int(Qt::Key_Backspace) << 1;
        QTest::newRow("Forward Delete") << int(Qt::Key_Delete) << 1;
        QTest::newRow("a letter") << int(Qt::Key_A) << 0;
    }
    void deleteKeysAskTheController() {
        QFETCH(int, key);
        QFETCH(int, posted);

        Outline outline(u"1 2"_s);
        outline.select({u"1"_s});
        int count = 0;
        QObject context;
        NotificationCenter::defaultCenter().addObserver(&context, notifications::FavoriteDelete,
                                                        &outline.view,
                                                        [&count](const Notification&) { ++count; });
        QTest::keyClick(&outline.view, Qt::Key(key));
        QCOMPARE(count, posted);
        QCOMPARE(describe(*outline.root), u"1 2"_s);
    }

    void newItemsAreSelectedForNaming_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<bool>("group");
        QTest::addColumn<QString>("after");

        QTest::newRow("favorite into the top level")
            << u"1 G(a)"_s << QStringList() << false << u"1 G(a) new"_s;
        QTest::newRow("group after the first selected")
            << u"1 2 3"_s << QStringList{u"3"_s, u"1"_s} << true << u"1 untitled() 2 3"_s;
        QTest::newRow("favorite into a closed group, which opens")
            << u"G(a) 1"_s << QStringList{u"G"_s} << false << u"G(a new) 1"_s;
    }
    void newItemsAreSelectedForNaming() {
        QFETCH(QString, before);
        QFETCH(QStringList, selected);
        QFETCH(bool, group);
        QFETCH(QString, after);

        Outline outline(before);
        outline.select(selected);
        const QModelIndex added =
            outline.view.addNewItem(group ? FavoritesModel::newGroup() : favorite(u"new"_s));
        QCOMPARE(describe(*outline.root), after);
        QVERIFY(outline.view.isVisible() && added.isValid());
        QCOMPARE(namesOf(outline.view.selectedNodes()), QStringList{added.data().toString()});
        auto* editor = outline.view.findChild<QLineEdit*>();
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->selectedText(), added.data().toString());
    }

    void rightClickSelection_data() {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QStringList>("after");

        QTest::newRow("inside a multiple selection")
            << QStringList{u"1"_s, u"3"_s} << u"3"_s << QStringList{u"1"_s, u"3"_s};
        QTest::newRow("outside a multiple selection")
            << QStringList{u"1"_s, u"3"_s} << u"2"_s << QStringList{u"2"_s};
        QTest::newRow("with nothing selected") << QStringList() << u"3"_s << QStringList{u"3"_s};
    }
    void rightClickSelection() {
        QFETCH(QStringList, selected);
        QFETCH(QString, clicked);
        QFETCH(QStringList, after);

        Outline outline(u"1 2 3"_s);
        outline.select(selected);
        const QPoint pos = outline.view.visualRect(outline.indexOf(clicked)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos,
                                outline.view.viewport()->mapToGlobal(pos));
        QCoreApplication::sendEvent(outline.view.viewport(), &event);
        QCOMPARE(namesOf(outline.view.selectedNodes()), after);
    }

    void autosaverWritesEveryKindOfChange_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("storedOpen");

        QTest::newRow("rename") << u"rename"_s << u"renamed G(a H(b)) 2"_s << QStringList{u"G"_s};
        QTest::newRow("delete") << u"delete"_s << u"1 2"_s << QStringList();
        QTest::newRow("move") << u"move"_s << u"1 2 G(a H(b))"_s << QStringList{u"G"_s};
        QTest::newRow("open") << u"open"_s << u"1 G(a H(b)) 2"_s << QStringList{u"G"_s, u"H"_s};
        QTest::newRow("recolour") << u"recolour"_s << u"1 G(a H(b)) 2"_s << QStringList{u"G"_s};
    }
    void autosaverWritesEveryKindOfChange() {
        QFETCH(QString, change);
        QFETCH(QString, stored);
        QFETCH(QStringList, storedOpen);

        QTemporaryDir dir;
        FavoritesLibrary library(dir.filePath(u"Favorites.plist"_s));
        Outline outline(u"1 G(a H(b)) 2"_s, {u"G"_s});
        LibraryAutosaver saver(&library, outline.root.get(), std::chrono::hours(1));
        connect(&outline.model, &FavoritesModel::libraryChanged, &saver,
                &LibraryAutosaver::scheduleSave);
        TreeNode* root = outline.root.get();
        if (change == u"rename") {
            outline.model.setData(outline.indexOf(u"1"_s), u"renamed"_s);
        } else if (change == u"delete") {
            outline.model.removeNodes({find(root, u"G"_s)});
        } else if (change == u"move") {
            outline.model.moveNodes({find(root, u"G"_s)}, root, 3);
        } else if (change == u"open") {
            outline.view.expand(outline.indexOf(u"H"_s));
        } else if (change == u"recolour") {
            outline.model.setColors(outline.indexOf(u"b"_s),
                                    {u"010203"_s, u"040506"_s, u"070809"_s, u"0a0b0c"_s});
        }
        QVERIFY(saver.hasUnsavedChanges());
        QVERIFY(saver.flush());

        const FavoritesLibrary::LoadResult loaded = library.load();
        QVERIFY(!loaded.problem);
        QCOMPARE(describe(*loaded.root), stored);
        QCOMPARE(flaggedOpen(*loaded.root), storedOpen);
        if (const TreeNode* b = find(root, u"b"_s)) {
            QCOMPARE(SimpleTreeNode::dataOf(find(loaded.root.get(), u"b"_s))->colorArray(),
                     SimpleTreeNode::dataOf(b)->colorArray());
        }
    }

    void autosaverMakesOneSaveOfABurst() {
        QTemporaryDir dir;
        FavoritesLibrary library(dir.filePath(u"Favorites.plist"_s));
        auto root = tree(u"1"_s);
        LibraryAutosaver saver(&library, root.get(), std::chrono::milliseconds(40));
        QSignalSpy saved(&saver, &LibraryAutosaver::saved);
        for (int i = 0; i < 3; ++i) {
            saver.scheduleSave();
            QTest::qWait(10);
        }
        QCOMPARE(saved.count(), 0);
        QTRY_COMPARE(saved.count(), 1);
        QTest::qWait(80);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(describe(*library.load().root), u"1"_s);
        QVERIFY(saver.flush()); // nothing unsaved, nothing written
        QCOMPARE(saved.count(), 1);
    }

    void autosaverReportsAFailureOnceAndRetries() {
        QTemporaryDir dir;
        // A plain file where the library's folder should be makes every save fail.
        const QString blocker = dir.filePath(u"folder"_s);
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        FavoritesLibrary library(blocker + u"/Favorites.plist"_s);
        auto root = tree(u"1"_s);
        LibraryAutosaver saver(&library, root.get(), std::chrono::milliseconds(10));
        QSignalSpy failed(&saver, &LibraryAutosaver::saveFailed);

        saver.scheduleSave();
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(failed.first().first().toString().contains(u"Favorites.plist"_s));
        saver.scheduleSave();
        QTest::qWait(50);
        QVERIFY(!saver.flush());
        QCOMPARE(failed.count(), 1);
        QVERIFY(saver.hasUnsavedChanges());
        QCOMPARE(describe(*root), u"1"_s);

        // Once the location can be written, the next attempt saves what was kept.
        QVERIFY(QFile::remove(blocker));
        root->insertChild(favorite(u"2"_s), 1);
        saver.scheduleSave();
        QVERIFY(saver.flush());
        QCOMPARE(describe(*library.load().root), u"1 2"_s);
    }
};

QTEST_MAIN(TestFavoritesModel)
#include "tst_favoritesmodel.moc"
