// SPDX-License-Identifier: GPL-3.0-or-later
#include "simpletreenode.h"

#include "storedcolors.h"
#include "valueconversion.h"

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
    QVariantList entries;
    entries.reserve(nodes.size());
    for (const TreeNode* node : nodes) {
        const SimpleNodeData* data = dataOf(node);
        if (!data) {
            continue;
        }
        if (data->isExpandable()) {
            const bool expanded = isExpanded ? isExpanded(*node) : data->expStart();
            entries.append(QVariantMap{
                {entrykeys::Group, data->name()},
                {entrykeys::Entries, arrayFromItems(node->children(), isExpanded)},
                {entrykeys::Expanded, expanded},
            });
        } else {
            entries.append(FavoriteEntry{data->name(), data->colorArray()}.toDictionary());
        }
    }
    return entries;
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
