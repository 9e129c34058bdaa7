// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "favoriteentry.h"
#include "simplenodedata.h"
#include "treenode.h"

#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <vector>

namespace tintmere {

// A node of the favorites tree, with the translation between a subtree and its stored
// dictionary form:
//   group    { "Group" = name, "Entries" = [entries], "Expanded" = bool }
//   favorite { "Name" = name, "Colors" = [four colour strings] }
class SimpleTreeNode : public TreeNode {
public:
    explicit SimpleTreeNode(std::unique_ptr<SimpleNodeData> data);
    // Builds the subtree of a group dictionary. Entries that are not dictionaries are
    // skipped; a favorite's colours are mended to four readable colour strings.
    explicit SimpleTreeNode(const QVariantMap& dictionary);

    static std::unique_ptr<SimpleTreeNode> treeFromDictionary(const QVariantMap& dictionary);
    // The empty library: a group named "Root".
    static std::unique_ptr<SimpleTreeNode> emptyLibrary();

    // The payload of a favorites node, or null for a node of another kind.
    static SimpleNodeData* dataOf(const TreeNode* node);

    // Whether a group is shown expanded; by default its payload's expStart.
    using ExpandedPredicate = std::function<bool(const TreeNode&)>;
    // The entry dictionaries of the nodes and their subtrees, in order.
    static QVariantList arrayFromItems(const QList<TreeNode*>& nodes,
                                       const ExpandedPredicate& isExpanded = {});

    // The nodes and their subtrees in outline order, as plain values: cheap to take (names
    // and colour lists are shared, not copied) and safe to turn into entry dictionaries on
    // another thread while the tree changes.
    struct EntrySnapshot {
        QString name;
        QStringList colors;
        int children = -1; // a group's number of direct children; -1 for a favorite
        bool expanded = false;
    };
    static std::vector<EntrySnapshot> snapshotOfItems(const QList<TreeNode*>& nodes,
                                                      const ExpandedPredicate& isExpanded = {});
    // The entry dictionaries of a snapshot, as arrayFromItems gives them.
    static QVariantList arrayFromSnapshot(const std::vector<EntrySnapshot>& snapshot);
    // Every favorite of the nodes' subtrees, depth first in outline order; groups leave
    // nothing of their own.
    static QList<FavoriteEntry> itemsArrayFromRootChildren(const QList<TreeNode*>& nodes);
};

} // namespace tintmere
