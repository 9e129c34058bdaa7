// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "treenode.h"

#include <QMenu>
#include <QPointer>
#include <QTreeView>

#include <memory>

namespace tintmere {
class FavoritesModel;
} // namespace tintmere

// The favorites outline: one column of groups and favorites, names renamed in place, rows
// moved by dragging. Delete and Forward Delete post "QVFavoriteDelete" for the controller,
// which asks before anything goes. Which groups are open follows the flags stored in the
// library, and opening or closing one writes its flag back.
class QVCustomTableView : public QTreeView {
    Q_OBJECT

public:
    explicit QVCustomTableView(QWidget* parent = nullptr);

    void setFavoritesModel(tintmere::FavoritesModel* model);
    tintmere::FavoritesModel* favoritesModel() const { return m_model; }

    // The selected nodes, top to bottom.
    QList<tintmere::TreeNode*> selectedNodes() const;
    // Selects the nodes that are visible now; those inside closed groups stay unselected.
    void selectNodes(const QList<tintmere::TreeNode*>& nodes);

    // Opens every group below parent whose stored flag says so, also inside closed groups.
    void expandItems(const QModelIndex& parent = {});

    // Adds the node beside the first selected one, opens the groups it lands in, then
    // selects it alone and opens its name for editing, so the user can type a name at once.
    QModelIndex addNewItem(std::unique_ptr<tintmere::TreeNode> node);

    // Shown on a right click on a row.
    void setContextMenu(QMenu* menu) { m_contextMenu = menu; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

private:
    void expandSubtree(const QModelIndex& index);
    // Lets go of the selected rows a closed group hides.
    void deselectHidden(const QModelIndex& collapsedGroup);
    bool isShown(const QModelIndex& index) const;

    tintmere::FavoritesModel* m_model = nullptr;
    QPointer<QMenu> m_contextMenu;
    QMetaObject::Connection m_resetConnection;
};
