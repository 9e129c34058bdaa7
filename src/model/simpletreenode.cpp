// SPDX-License-Identifier: GPL-3.0-or-later
#include "simpletreenode.h"

#include "storedcolors.h"
#include "valueconversion.h"

#include <algorithm>

namespace tintmere {

namespace {

QString textOf(const QVariant& value) {
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

std::unique_ptr<SimpleTreeNode> favoriteFromDictionary(const QVariantMap& entry) {
    return std::make_unique<SimpleTreeNode>(SimpleNodeData::leafDataWithName(
        textOf(entry.value(entrykeys::Name)), mendedPalette(entry.value(entrykeys::Colors))));
}

} // namespace

SimpleTreeNode::SimpleTreeNode(std::unique_ptr<SimpleNodeData> data)
    : TreeNode(std::move(data)) {
}

SimpleTreeNode::SimpleTreeNode(const QVariantMap& dictionary)
    : TreeNode(SimpleNodeData::groupDataWithName(textOf(dictionary.value(entrykeys::Group)))) {
    std::vector<std::unique_ptr<TreeNode>> children;
    for (const QVariant& element : dictionary.value(entrykeys::Entries).toList()) {
        if (element.typeId() != QMetaType::QVariantMap) {
            continue;
        }
        const QVariantMap entry = element.toMap();
        if (entry.contains(entrykeys::Group)) {
            auto group = std::make_unique<SimpleTreeNode>(entry);
            dataOf(group.get())->setExpStart(toBoolValue(entry.value(entrykeys::Expanded)));
            children.push_back(std::move(group));
        } else {
            children.push_back(favoriteFromDictionary(entry));
        }
    }
    insertChildren(std::move(children), 0);
}

std::unique_ptr<SimpleTreeNode> SimpleTreeNode::treeFromDictionary(const QVariantMap& dictionary) {
    return std::make_unique<SimpleTreeNode>(dictionary);
}

std::unique_ptr<SimpleTreeNode> SimpleTreeNode::emptyLibrary() {
    return std::make_unique<SimpleTreeNode>(SimpleNodeData::groupDataWithName(kRootGroupName));
}

SimpleNodeData* SimpleTreeNode::dataOf(const TreeNode* node) {
    return node ? dynamic_cast<SimpleNodeData*>(node->nodeData()) : nullptr;
}

QVariantList SimpleTreeNode::arrayFromItems(const QList<TreeNode*>& nodes,
                                            const ExpandedPredicate& isExpanded) {
    return arrayFromSnapshot(snapshotOfItems(nodes, isExpanded));
}

namespace {

// Appends the nodes' entries in outline order; answers how many of the nodes have one.
int appendSnapshot(std::vector<SimpleTreeNode::EntrySnapshot>& snapshot,
                   const QList<TreeNode*>& nodes,
                   const SimpleTreeNode::ExpandedPredicate& isExpanded) {
    int appended = 0;
    for (const TreeNode* node : nodes) {
        const SimpleNodeData* data = SimpleTreeNode::dataOf(node);
        if (!data) {
            continue;
        }
        ++appended;
        if (data->isExpandable()) {
            const std::size_t at = snapshot.size();
            snapshot.push_back(
                {data->name(), {}, 0, isExpanded ? isExpanded(*node) : data->expStart()});
            snapshot[at].children = appendSnapshot(snapshot, node->children(), isExpanded);
        } else {
            snapshot.push_back({data->name(), data->colorArray(), -1, false});
        }
    }
    return appended;
}

// The dictionaries of up to count entries from position i on, with their subtrees.
QVariantList entriesOf(const std::vector<SimpleTreeNode::EntrySnapshot>& snapshot, std::size_t& i,
                       std::size_t count) {
    QVariantList entries;
    entries.reserve(qsizetype(std::min(count, snapshot.size() - i)));
    for (; count > 0 && i < snapshot.size(); --count) {
        const SimpleTreeNode::EntrySnapshot& entry = snapshot[i++];
        if (entry.children >= 0) {
            entries.append(QVariantMap{
                {entrykeys::Group, entry.name},
                {entrykeys::Entries, entriesOf(snapshot, i, std::size_t(entry.children))},
                {entrykeys::Expanded, entry.expanded},
            });
        } else {
            entries.append(FavoriteEntry{entry.name, entry.colors}.toDictionary());
        }
    }
    return entries;
}

} // namespace

std::vector<SimpleTreeNode::EntrySnapshot>
SimpleTreeNode::snapshotOfItems(const QList<TreeNode*>& nodes,
                                const ExpandedPredicate& isExpanded) {
    std::vector<EntrySnapshot> snapshot;
    appendSnapshot(snapshot, nodes, isExpanded);
    return snapshot;
}

QVariantList SimpleTreeNode::arrayFromSnapshot(const std::vector<EntrySnapshot>& snapshot) {
    std::size_t i = 0;
    return entriesOf(snapshot, i, snapshot.size());
}

QList<FavoriteEntry> SimpleTreeNode::itemsArrayFromRootChildren(const QList<TreeNode*>& nodes) {
    QList<FavoriteEntry> favorites;
    for (const TreeNode* node : nodes) {
        const SimpleNodeData* data = dataOf(node);
        if (!data) {
            continue;
        }
        if (data->isExpandable()) {
            favorites.append(itemsArrayFromRootChildren(node->children()));
        } else {
            favorites.append(FavoriteEntry{data->name(), data->colorArray()});
        }
    }
    return favorites;
}

} // namespace tintmere
