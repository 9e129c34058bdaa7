// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tintmere {

class TreeNode;

// Told about every change of a tree's shape, before and after, so that an item model over
// the tree can forward the changes one to one. Rows are positions in the parent's children.
class TreeObserver {
public:
    virtual ~TreeObserver() = default;

    virtual void childrenAboutToBeInserted(TreeNode& parent, int first, int last) = 0;
    virtual void childrenInserted(TreeNode& parent, int first, int last) = 0;
    virtual void childAboutToBeRemoved(TreeNode& parent, int row) = 0;
    virtual void childRemoved(TreeNode& parent, int row) = 0;
    // The children of the node and of its descendants are put in a new order.
    virtual void subtreeAboutToBeSorted(TreeNode& node) = 0;
    virtual void subtreeSorted(TreeNode& node) = 0;
    virtual void nodeDataChanged(TreeNode& node) = 0;
};

} // namespace tintmere
