// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "simpletreenode.h"
#include "treeobserver.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using namespace tintmere;

namespace {

std::unique_ptr<TreeNode> group(const QString& name) {
    return std::make_unique<SimpleTreeNode>(SimpleNodeData::groupDataWithName(name));
}

std::unique_ptr<TreeNode> favorite(const QString& name) {
    return std::make_unique<SimpleTreeNode>(SimpleNodeData::leafDataWithName(
        name, {u"ffffff"_s, u"ffffff"_s, u"ffffff"_s, u"ffffff"_s}));
}

QString nameOf(const TreeNode* node) {
    return SimpleTreeNode::dataOf(node)->name();
}

QStringList namesOf(const QList<TreeNode*>& nodes) {
    QStringList names;
    for (const TreeNode* node : nodes) {
        names.append(nameOf(node));
    }
    return names;
}

// Root [ A [ B [ C ], D ], E ], its nodes reachable by name.
struct SampleTree {
    std::unique_ptr<TreeNode> root = group(u"Root"_s);
    QHash<QString, TreeNode*> nodes;

    SampleTree() {
        nodes[u"Root"_s] = root.get();
        add(u"Root"_s, group(u"A"_s));
        add(u"A"_s, group(u"B"_s));
        add(u"B"_s, favorite(u"C"_s));
        add(u"A"_s, favorite(u"D"_s));
        add(u"Root"_s, favorite(u"E"_s));
    }
    void add(const QString& parent, std::unique_ptr<TreeNode> child) {
        nodes[nameOf(child.get())] = child.get();
        TreeNode* p = nodes[parent];
        p->insertChild(std::move(child), p->numberOfChildren());
    }
    QList<TreeNode*> list(const QStringList& names) const {
        QList<TreeNode*> result;
        for (const QString& name : names) {
            result.append(nodes[name]);
        }
        return result;
    }
};

class RecordingObserver : public TreeObserver {
public:
    QStringList events;
    void childrenAboutToBeInserted(TreeNode& p, int first, int last) override {
        events << u"will insert %1 %2-%3"_s.arg(nameOf(&p)).arg(first).arg(last);
    }
    void childrenInserted(TreeNode& p, int first, int last) override {
        events << u"inserted %1 %2-%3 (%4)"_s.arg(nameOf(&p))
                      .arg(first)
                      .arg(last)
                      .arg(p.numberOfChildren());
    }
    void childAboutToBeRemoved(TreeNode& p, int row) override {
        events << u"will remove %1 %2"_s.arg(nameOf(&p)).arg(row);
    }
    void childRemoved(TreeNode& p, int row) override {
        events << u"removed %1 %2 (%3)"_s.arg(nameOf(&p)).arg(row).arg(p.numberOfChildren());
    }
    void subtreeAboutToBeSorted(TreeNode& n) override { events << u"will sort "_s + nameOf(&n); }
    void subtreeSorted(TreeNode& n) override { events << u"sorted "_s + nameOf(&n); }
    void nodeDataChanged(TreeNode& n) override { events << u"changed "_s + nameOf(&n); }
};

} // namespace

using DescendantRow = std::tuple<QString, QString, bool>;
using MinimumCoverRow = std::tuple<QStringList, QStringList>;
using InsertChildrenRow = std::tuple<int, QStringList>;

class TestTreeNode : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void descendant_data() {
        const Rows<DescendantRow> row;
        row("itself", u"C"_s, u"C"_s, true);
        row("grandparent", u"C"_s, u"A"_s, true);
        row("root of anything", u"Root"_s, u"A"_s, false);
        row("sibling's child", u"D"_s, u"B"_s, false);
        row("parent of child", u"B"_s, u"C"_s, false);
    }
    void descendant() {
        ROW(DescendantRow, node, ancestor, descendant);
        SampleTree tree;
        QCOMPARE(tree.nodes[node]->isDescendantOfNode(tree.nodes[ancestor]), descendant);
        QCOMPARE(tree.nodes[node]->isDescendantOfNodeInArray(tree.list({u"E"_s, ancestor})),
                 descendant || node == u"E"_s);
        QVERIFY(!tree.nodes[node]->isDescendantOfNodeInArray({}));
    }

    void minimumCover_data() {
        const Rows<MinimumCoverRow> row;
        row("group then child", QStringList{u"B"_s, u"C"_s}, QStringList{u"B"_s});
        row("child then group", QStringList{u"C"_s, u"B"_s}, QStringList{u"B"_s});
        row("climbs a chain of parents", QStringList{u"C"_s, u"B"_s, u"A"_s}, QStringList{u"A"_s});
        row("siblings reversed", QStringList{u"D"_s, u"B"_s}, QStringList{u"D"_s, u"B"_s});
        row("every row", QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s},
            QStringList{u"A"_s, u"E"_s});
        row("twice", QStringList{u"E"_s, u"E"_s}, QStringList{u"E"_s});
        row("nothing", QStringList{}, QStringList{});
    }
    void minimumCover() {
        ROW(MinimumCoverRow, selected, cover);
        SampleTree tree;
        QCOMPARE(namesOf(TreeNode::minimumNodeCoverFromNodesInArray(tree.list(selected))), cover);
    }

    void insertChildren_data() {
        const Rows<InsertChildrenRow> row;
        row("middle", 1, QStringList{u"P"_s, u"X"_s, u"Y"_s, u"Q"_s});
        row("front", 0, QStringList{u"X"_s, u"Y"_s, u"P"_s, u"Q"_s});
        row("end", 2, QStringList{u"P"_s, u"Q"_s, u"X"_s, u"Y"_s});
        row("beyond the end appends", 9, QStringList{u"P"_s, u"Q"_s, u"X"_s, u"Y"_s});
    }
    void insertChildren() {
        ROW(InsertChildrenRow, index, children);
        auto parent = group(u"G"_s);
        parent->insertChild(favorite(u"P"_s), 0);
        parent->insertChild(favorite(u"Q"_s), 1);
        std::vector<std::unique_ptr<TreeNode>> block;
        block.push_back(favorite(u"X"_s));
        block.push_back(favorite(u"Y"_s));
        parent->insertChildren(std::move(block), index);
        QCOMPARE(namesOf(parent->children()), children);
        for (const TreeNode* child : parent->children()) {
            QCOMPARE(child->nodeParent(), parent.get());
        }
    }

    void removalHandsTheNodeToTheCaller() {
        SampleTree tree;
        TreeNode* b = tree.nodes[u"B"_s];
        QVERIFY(!tree.nodes[u"A"_s]->removeChild(tree.nodes[u"E"_s]));
        QCOMPARE(namesOf(tree.nodes[u"A"_s]->children()), (QStringList{u"B"_s, u"D"_s}));

        std::unique_ptr<TreeNode> removed = b->removeFromParent();
        QCOMPARE(removed.get(), b);
        QCOMPARE(b->nodeParent(), nullptr);
        QCOMPARE(namesOf(b->children()), QStringList{u"C"_s}); // the subtree goes along
        QCOMPARE(namesOf(tree.nodes[u"A"_s]->children()), QStringList{u"D"_s});
        QVERIFY(!tree.root->removeFromParent());

        const auto taken =
            tree.root->removeChildrenIdenticalTo(tree.list({u"E"_s, u"D"_s, u"A"_s}));
        QCOMPARE(taken.size(), 2u); // D is not a child of the root
        QCOMPARE(tree.root->numberOfChildren(), 0);
        QCOMPARE(tree.root->lastChild(), nullptr);
    }

    void sortsByNameCaseSensitively() {
        auto root = group(u"Root"_s);
        for (const QString& name : {u"b"_s, u"apple"_s, u"Banana"_s, u"A"_s}) {
            root->insertChild(favorite(name), root->numberOfChildren());
        }
        auto inner = group(u"Z"_s);
        inner->insertChild(favorite(u"y"_s), 0);
        inner->insertChild(favorite(u"x"_s), 1);
        root->insertChild(std::move(inner), 0);
        root->recursiveSortChildren();
        QCOMPARE(namesOf(root->children()),
                 (QStringList{u"A"_s, u"Banana"_s, u"Z"_s, u"apple"_s, u"b"_s}));
        QCOMPARE(namesOf(root->childAtIndex(2)->children()), (QStringList{u"x"_s, u"y"_s}));
    }

    void observerHearsEveryChange() {
        SampleTree tree;
        RecordingObserver observer;
        tree.root->setObserver(&observer);
        tree.nodes[u"B"_s]->insertChild(favorite(u"F"_s), 0);
        std::unique_ptr<TreeNode> a = tree.nodes[u"A"_s]->removeFromParent();
        a->insertChild(favorite(u"G"_s), 0); // detached: nobody is told
        tree.root->insertChild(std::move(a), 1);
        tree.nodes[u"E"_s]->setNodeData(SimpleNodeData::groupDataWithName(u"E2"_s));
        tree.root->recursiveSortChildren();
        QCOMPARE(observer.events,
                 (QStringList{u"will insert B 0-0"_s, u"inserted B 0-0 (2)"_s,
                              u"will remove Root 0"_s, u"removed Root 0 (1)"_s,
                              u"will insert Root 1-1"_s, u"inserted Root 1-1 (2)"_s,
                              u"changed E2"_s, u"will sort Root"_s, u"sorted Root"_s}));
    }
};

QTEST_GUILESS_MAIN(TestTreeNode)
#include "tst_treenode.moc"
