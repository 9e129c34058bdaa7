// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "favoriteentry.h"
#include "simplenodedata.h"
#include "treenode.h"

#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <memory>

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
    // Every favorite of the nodes' subtrees, depth first in outline order; groups leave
    // nothing of their own.
    static QList<FavoriteEntry> itemsArrayFromRootChildren(const QList<TreeNode*>& nodes);
};

} // namespace tintmere
