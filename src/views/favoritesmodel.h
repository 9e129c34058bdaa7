// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "treeobserver.h"

#include <QAbstractItemModel>
#include <QDateTime>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStringList>

#include <memory>

class QMimeData;

namespace tintmere {

class SimpleTreeNode;
class TreeNode;

// The favorites tree as a one-column item model. The tree stays the single source of
// truth: the model edits it through its own operations and forwards every change the tree
// announces, so edits made to the tree directly reach the views too. The model does not
// own the tree.
//
// Nodes move by dragging within one view: the dragged rows travel in the model itself,
// under the private type "QVOutlineViewPboardType" whose data is empty.
class FavoritesModel : public QAbstractItemModel, private TreeObserver {
    Q_OBJECT

public:
    enum Role {
        IsGroupRole = Qt::UserRole + 1, // bool
        ColorsRole,                     // QStringList, a favorite's four colour strings
    };

    static const QString kDragMimeType;

    explicit FavoritesModel(QObject* parent = nullptr);
    ~FavoritesModel() override;

    // Shows another tree (or none). The tree must outlive the model or be replaced first:
    // the model unhooks itself from the tree it shows when it goes away.
    void setRoot(TreeNode* root);
    TreeNode* root() const { return m_root; }

    TreeNode* nodeFromIndex(const QModelIndex& index) const;
    // The index of a node of the tree; invalid for the root and for foreign nodes.
    QModelIndex indexOfNode(const TreeNode* node) const;
    // The nodes in the order the outline shows them, top to bottom.
    static QList<TreeNode*> inOutlineOrder(QList<TreeNode*> nodes);

    // A new favorite of the palette, named after the moment, e.g. "2026-12-06 21:53:11 +0100".
    static std::unique_ptr<SimpleTreeNode> newFavorite(const QStringList& colors,
                                                       const QDateTime& now);
    static std::unique_ptr<SimpleTreeNode> newGroup();
    static QString nameForMoment(const QDateTime& moment);

    // Puts a new node beside the target: into a target group (a new group at its top, a
    // favorite at its end), or just after a target favorite; with no target, into the top
    // level. Answers the new node's index.
    QModelIndex addNode(std::unique_ptr<TreeNode> node, TreeNode* target);
    // Removes the nodes with everything inside them.
    void removeNodes(const QList<TreeNode*>& nodes);
    // Gives a favorite the palette; groups are left alone.
    bool setColors(const QModelIndex& index, const QStringList& colors);
    // Whether a group shows expanded, kept in the tree so that the library records it.
    void setExpandedFlag(const QModelIndex& index, bool expanded);
    bool expandedFlag(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // Moves the nodes, each with its subtree, into the group at the position counted
    // before the move.
    void moveNodes(const QList<TreeNode*>& nodes, TreeNode* group, int position);

Q_SIGNALS:
    // The tree changed in a way the library file records.
    void libraryChanged();

private:
    void childrenAboutToBeInserted(TreeNode& parent, int first, int last) override;
    void childrenInserted(TreeNode& parent, int first, int last) override;
    void childAboutToBeRemoved(TreeNode& parent, int row) override;
    void childRemoved(TreeNode& parent, int row) override;
    void subtreeAboutToBeSorted(TreeNode& node) override;
    void subtreeSorted(TreeNode& node) override;
    void nodeDataChanged(TreeNode& node) override;

    // The nodes of the current drag that are still in the tree, in outline order.
    QList<TreeNode*> draggedNodes() const;
    bool isOwnDrag(const QMimeData* data) const;

    TreeNode* m_root = nullptr;
    mutable QList<QPersistentModelIndex> m_draggedIndexes;
    mutable QPointer<QMimeData> m_dragData;
    // The persistent indexes during a sort, and their nodes.
    QModelIndexList m_sortedFrom;
    QList<TreeNode*> m_sortedNodes;
};

} // namespace tintmere
