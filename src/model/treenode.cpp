// SPDX-License-Identifier: GPL-3.0-or-later
#include "treenode.h"

#include "treeobserver.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

TreeNode::TreeNode(std::unique_ptr<TreeNodeData> data)
    : m_data(std::move(data)) {
}

TreeNode::~TreeNode() = default;

std::unique_ptr<TreeNode> TreeNode::treeNodeWithData(std::unique_ptr<TreeNodeData> data) {
    return std::make_unique<TreeNode>(std::move(data));
}

void TreeNode::setNodeData(std::unique_ptr<TreeNodeData> data) {
    if (data.get() == m_data.get()) {
        (void)data.release(); // already ours
        return;
    }
    m_data = std::move(data);
    announceDataChanged();
}

void TreeNode::announceDataChanged() {
    if (TreeObserver* o = observer()) {
        o->nodeDataChanged(*this);
    }
}

QList<TreeNode*> TreeNode::children() const {
    QList<TreeNode*> list;
    list.reserve(numberOfChildren());
    for (const std::unique_ptr<TreeNode>& child : m_children) {
        list.append(child.get());
    }
    return list;
}

TreeNode* TreeNode::childAtIndex(int index) const {
    if (index < 0 || index >= numberOfChildren()) {
        return nullptr;
    }
    return m_children[static_cast<std::size_t>(index)].get();
}

int TreeNode::indexOfChildIdenticalTo(const TreeNode* child) const {
    const auto it = std::find_if(m_children.cbegin(), m_children.cend(),
                                 [child](const auto& c) { return c.get() == child; });
    return it == m_children.cend() ? -1 : static_cast<int>(it - m_children.cbegin());
}

void TreeNode::insertChild(std::unique_ptr<TreeNode> child, int index) {
    std::vector<std::unique_ptr<TreeNode>> one;
    one.push_back(std::move(child));
    insertChildren(std::move(one), index);
}

void TreeNode::insertChildren(std::vector<std::unique_ptr<TreeNode>> children, int index) {
    std::erase(children, nullptr);
    if (children.empty()) {
        return;
    }
    index = std::clamp(index, 0, numberOfChildren());
    const int last = index + static_cast<int>(children.size()) - 1;
    TreeObserver* o = observer();
    if (o) {
        o->childrenAboutToBeInserted(*this, index, last);
    }
    for (std::unique_ptr<TreeNode>& child : children) {
        child->m_parent = this;
        child->m_observer = nullptr; // only a root answers for its tree
    }
    m_children.insert(m_children.begin() + index, std::make_move_iterator(children.begin()),
                      std::make_move_iterator(children.end()));
    if (o) {
        o->childrenInserted(*this, index, last);
    }
}

std::unique_ptr<TreeNode> TreeNode::removeChild(TreeNode* child) {
    const int index = indexOfChildIdenticalTo(child);
    if (index < 0) {
        return nullptr;
    }
    TreeObserver* o = observer();
    if (o) {
        o->childAboutToBeRemoved(*this, index);
    }
    std::unique_ptr<TreeNode> removed = std::move(m_children[static_cast<std::size_t>(index)]);
    m_children.erase(m_children.begin() + index);
    removed->m_parent = nullptr;
    if (o) {
        o->childRemoved(*this, index);
    }
    return removed;
}

std::vector<std::unique_ptr<TreeNode>>
TreeNode::removeChildrenIdenticalTo(const QList<TreeNode*>& nodes) {
    std::vector<std::unique_ptr<TreeNode>> removed;
    for (TreeNode* node : nodes) {
        if (std::unique_ptr<TreeNode> child = removeChild(node)) {
            removed.push_back(std::move(child));
        }
    }
    return removed;
}

std::unique_ptr<TreeNode> TreeNode::removeFromParent() {
    return m_parent ? m_parent->removeChild(this) : nullptr;
}

bool TreeNode::isDescendantOfNode(const TreeNode* node) const {
    for (const TreeNode* n = this; n; n = n->m_parent) {
        if (n == node) {
            return true;
        }
    }
    return false;
}

bool TreeNode::isDescendantOfNodeInArray(const QList<TreeNode*>& nodes) const {
    return std::any_of(nodes.cbegin(), nodes.cend(),
                       [this](const TreeNode* node) { return isDescendantOfNode(node); });
}

QList<TreeNode*> TreeNode::minimumNodeCoverFromNodesInArray(const QList<TreeNode*>& nodes) {
    QList<TreeNode*> cover;
    QList<TreeNode*> working = nodes;
    while (!working.isEmpty()) {
        TreeNode* node = working.takeFirst();
        while (node->m_parent && working.contains(node->m_parent)) {
            working.removeAll(node);
            node = node->m_parent;
        }
        if (!node->isDescendantOfNodeInArray(cover)) {
            cover.append(node);
        }
        working.removeAll(node);
    }
    return cover;
}

int TreeNode::compare(const TreeNode& other) const {
    if (!m_data || !other.m_data) {
        return -1;
    }
    return m_data->compare(*other.m_data);
}

void TreeNode::recursiveSortChildren() {
    TreeObserver* o = observer();
    if (o) {
        o->subtreeAboutToBeSorted(*this);
    }
    sortChildren();
    if (o) {
        o->subtreeSorted(*this);
    }
}

void TreeNode::sortChildren() {
    // Both directions are asked so that payloads that answer "ascending" to everything
    // count as equal and keep their order, instead of breaking the sort's ordering rules.
    std::stable_sort(m_children.begin(), m_children.end(), [](const auto& a, const auto& b) {
        return a->compare(*b) < 0 && b->compare(*a) > 0;
    });
    for (std::unique_ptr<TreeNode>& child : m_children) {
        child->sortChildren();
    }
}

QString TreeNode::description() const {
    return u"{"_s + (m_data ? m_data->description() : QString()) + u"}"_s;
}

TreeObserver* TreeNode::observer() const {
    const TreeNode* root = this;
    while (root->m_parent) {
        root = root->m_parent;
    }
    return root->m_observer;
}

} // namespace tintmere
