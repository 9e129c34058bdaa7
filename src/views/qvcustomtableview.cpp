// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvcustomtableview.h"

#include "favoritesmodel.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "treenode.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;
using tintmere::FavoritesModel;
using tintmere::TreeNode;

QVCustomTableView::QVCustomTableView(QWidget* parent)
    : QTreeView(parent) {
    setAccessibleName(tr("Favorites"));
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setContextMenuPolicy(Qt::DefaultContextMenu);

    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (m_model) {
            m_model->setExpandedFlag(index, true);
        }
    });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (m_model) {
            m_model->setExpandedFlag(index, false);
        }
        deselectHidden(index);
    });
}

void QVCustomTableView::setFavoritesModel(FavoritesModel* model) {
    disconnect(m_resetConnection);
    m_model = model;
    setModel(model);
    if (m_model) {
        // After the view's own handling of the reset, which forgets every open group.
        m_resetConnection =
            connect(m_model, &QAbstractItemModel::modelReset, this, [this] { expandItems(); });
        expandItems();
    }
}

QList<TreeNode*> QVCustomTableView::selectedNodes() const {
    QList<TreeNode*> nodes;
    if (!m_model || !selectionModel()) {
        return nodes;
    }
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        nodes.append(m_model->nodeFromIndex(index));
    }
    return FavoritesModel::inOutlineOrder(nodes);
}

void QVCustomTableView::selectNodes(const QList<TreeNode*>& nodes) {
    if (!m_model || !selectionModel()) {
        return;
    }
    QItemSelection selection;
    for (const TreeNode* node : nodes) {
        const QModelIndex index = m_model->indexOfNode(node);
        if (isShown(index)) {
            selection.select(index, index);
        }
    }
    selectionModel()->select(selection,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void QVCustomTableView::expandItems(const QModelIndex& parent) {
    if (!m_model) {
        return;
    }
    for (int row = 0; row < m_model->rowCount(parent); ++row) {
        expandSubtree(m_model->index(row, 0, parent));
    }
}

void QVCustomTableView::expandSubtree(const QModelIndex& index) {
    if (m_model->expandedFlag(index)) {
        expand(index);
    }
    expandItems(index);
}

bool QVCustomTableView::isShown(const QModelIndex& index) const {
    if (!index.isValid()) {
        return false;
    }
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) {
        if (!isExpanded(parent)) {
            return false;
        }
    }
    return true;
}

void QVCustomTableView::deselectHidden(const QModelIndex& collapsedGroup) {
    if (!selectionModel()) {
        return;
    }
    // The commands act on the selection, so nothing the user cannot see may stay in it.
    QItemSelection hidden;
    for (const QModelIndex& row : selectionModel()->selectedRows()) {
        if (!isShown(row)) {
            hidden.select(row, row);
        }
    }
    if (!hidden.isEmpty()) {
        selectionModel()->select(hidden, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    }
    if (currentIndex().isValid() && !isShown(currentIndex())) {
        selectionModel()->setCurrentIndex(collapsedGroup, QItemSelectionModel::NoUpdate);
    }
}

QModelIndex QVCustomTableView::addNewItem(std::unique_ptr<TreeNode> node) {
    if (!m_model) {
        return {};
    }
    const QList<TreeNode*> selected = selectedNodes();
    TreeNode* target = selected.isEmpty() ? nullptr : selected.first();
    const QModelIndex index = m_model->addNode(std::move(node), target);
    if (!index.isValid()) {
        return index;
    }
    // The new item always shows, whichever groups it lands in, so its name can be typed.
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) {
        expand(parent);
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
    edit(index);
    return index;
}

void QVCustomTableView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        tintmere::NotificationCenter::defaultCenter().post(tintmere::notifications::FavoriteDelete,
                                                           this);
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void QVCustomTableView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid()) {
        return;
    }
    // A right click inside a multiple selection acts on all of it.
    const bool keepSelection = selectionModel()->selectedRows().size() > 1 &&
                               selectionModel()->isRowSelected(index.row(), index.parent());
    if (keepSelection) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    } else {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    }
    if (m_contextMenu) {
        m_contextMenu->popup(event->globalPos());
    }
    event->accept();
}

void QVCustomTableView::dropEvent(QDropEvent* event) {
    // The moved rows are taken out and put back, so the selection is restored by node.
    const QList<TreeNode*> selected = selectedNodes();
    QTreeView::dropEvent(event);
    if (event->isAccepted()) {
        // The model moved the rows itself; answering "move" to the drag would have the view
        // remove the source rows afterwards.
        event->setDropAction(Qt::CopyAction);
        selectNodes(selected);
    }
}

void QVCustomTableView::rowsInserted(const QModelIndex& parent, int start, int end) {
    QTreeView::rowsInserted(parent, start, end);
    // Moved groups come back closed; they open again as their flags say.
    for (int row = start; m_model && row <= end; ++row) {
        expandSubtree(m_model->index(row, 0, parent));
    }
}
