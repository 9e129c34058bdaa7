// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "treenodedata.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

namespace tintmere {

class TreeObserver;

// A node of an ordered tree. A node owns its payload and its children; the link to its
// parent does not own. Nodes are compared by identity only: two nodes with equal payloads
// are different nodes. Removing a node from the tree hands it, with its subtree, to the
// caller.
//
// The tree tells the observer of its root about every change, before and after it.
class TreeNode {
public:
    explicit TreeNode(std::unique_ptr<TreeNodeData> data);
    virtual ~TreeNode();
    TreeNode(const TreeNode&) = delete;
    TreeNode& operator=(const TreeNode&) = delete;

    static std::unique_ptr<TreeNode> treeNodeWithData(std::unique_ptr<TreeNodeData> data);

    TreeNodeData* nodeData() const { return m_data.get(); }
    void setNodeData(std::unique_ptr<TreeNodeData> data);
    // Tells the observer that the payload was edited in place (renamed, recoloured).
    void announceDataChanged();

    TreeNode* nodeParent() const { return m_parent; }

    // A copy of the child list: the tree may change while the caller walks it.
    QList<TreeNode*> children() const;
    int numberOfChildren() const { return static_cast<int>(m_children.size()); }
    // Null for a position that does not exist.
    TreeNode* childAtIndex(int index) const;
    TreeNode* firstChild() const { return childAtIndex(0); }
    TreeNode* lastChild() const { return childAtIndex(numberOfChildren() - 1); }
    // Position by identity, or -1.
    int indexOfChildIdenticalTo(const TreeNode* child) const;
    int indexOfChild(const TreeNode* child) const { return indexOfChildIdenticalTo(child); }

    // Positions beyond the end append.
    void insertChild(std::unique_ptr<TreeNode> child, int index);
    // Inserts the nodes as one block in list order, the first at the index.
    void insertChildren(std::vector<std::unique_ptr<TreeNode>> children, int index);
    // The child handed back detached, or null when the node is not a child of this one.
    std::unique_ptr<TreeNode> removeChild(TreeNode* child);
    // Removes those of the nodes that are children of this one, in list order.
    std::vector<std::unique_ptr<TreeNode>> removeChildrenIdenticalTo(const QList<TreeNode*>& nodes);
    // This node handed back detached; null for a node without a parent.
    std::unique_ptr<TreeNode> removeFromParent();

    // True when the node is this one or one of its ancestors.
    bool isDescendantOfNode(const TreeNode* node) const;
    bool isDescendantOfNodeInArray(const QList<TreeNode*>& nodes) const;
    // The nodes to move so that every given node moves with its subtree and none twice:
    // a node whose parent is also given climbs to it, a node below one already taken is
    // dropped. Expects the nodes in row order.
    static QList<TreeNode*> minimumNodeCoverFromNodesInArray(const QList<TreeNode*>& nodes);

    int compare(const TreeNode& other) const;
    // Sorts the children by their payloads, then theirs, depth first; equal payloads keep
    // their order.
    void recursiveSortChildren();

    QString description() const;

    // The observer of the tree this node is the root of; nodes below find it through
    // their root.
    void setObserver(TreeObserver* observer) { m_observer = observer; }

private:
    TreeObserver* observer() const;
    void sortChildren();

    std::unique_ptr<TreeNodeData> m_data;
    TreeNode* m_parent = nullptr;
    std::vector<std::unique_ptr<TreeNode>> m_children;
    TreeObserver* m_observer = nullptr;
};

} // namespace tintmere
