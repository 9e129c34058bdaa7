// SPDX-License-Identifier: GPL-3.0-or-later
#include "favoritesmodel.h"

#include "artwork.h"
#include "simpletreenode.h"

#include <QIcon>
#include <QMimeData>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

const QString FavoritesModel::kDragMimeType = u"QVOutlineViewPboardType"_s;

namespace {

// Rows from the root down to the node, the key that orders nodes as the outline shows them.
QList<int> pathOf(const TreeNode* node) {
    QList<int> path;
    for (; node->nodeParent(); node = node->nodeParent()) {
        path.prepend(node->nodeParent()->indexOfChild(node));
    }
    return path;
}

bool isGroup(const TreeNode* node) {
    const SimpleNodeData* data = SimpleTreeNode::dataOf(node);
    return data && data->isGroup();
}

} // namespace

FavoritesModel::FavoritesModel(QObject* parent)
    : QAbstractItemModel(parent) {
    const auto announce = [this] { Q_EMIT libraryChanged(); };
    connect(this, &QAbstractItemModel::rowsInserted, this, announce);
    connect(this, &QAbstractItemModel::rowsRemoved, this, announce);
    connect(this, &QAbstractItemModel::dataChanged, this, announce);
    connect(this, &QAbstractItemModel::layoutChanged, this, announce);
}

FavoritesModel::~FavoritesModel() {
    if (m_root) {
        m_root->setObserver(nullptr);
    }
}

void FavoritesModel::setRoot(TreeNode* root) {
    beginResetModel();
    if (m_root) {
        m_root->setObserver(nullptr);
    }
    m_root = root;
    if (m_root) {
        m_root->setObserver(this);
    }
    m_draggedIndexes.clear();
    endResetModel();
}

TreeNode* FavoritesModel::nodeFromIndex(const QModelIndex& index) const {
    if (!index.isValid()) {
        return m_root;
    }
    return index.model() == this ? static_cast<TreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex FavoritesModel::indexOfNode(const TreeNode* node) const {
    if (!node || node == m_root || !m_root || !node->isDescendantOfNode(m_root)) {
        return {};
    }
    return createIndex(node->nodeParent()->indexOfChild(node), 0, node);
}

QList<TreeNode*> FavoritesModel::inOutlineOrder(QList<TreeNode*> nodes) {
    std::stable_sort(nodes.begin(), nodes.end(),
                     [](const TreeNode* a, const TreeNode* b) { return pathOf(a) < pathOf(b); });
    return nodes;
}

std::unique_ptr<SimpleTreeNode> FavoritesModel::newFavorite(const QStringList& colors,
                                                            const QDateTime& now) {
    return std::make_unique<SimpleTreeNode>(
        SimpleNodeData::leafDataWithName(nameForMoment(now), colors));
}

std::unique_ptr<SimpleTreeNode> FavoritesModel::newGroup() {
    return std::make_unique<SimpleTreeNode>(SimpleNodeData::groupDataWithName(u"untitled"_s));
}

QString FavoritesModel::nameForMoment(const QDateTime& moment) {
    const int offsetMinutes = moment.offsetFromUtc() / 60;
    const int magnitude = std::abs(offsetMinutes);
    return moment.toString(u"yyyy-MM-dd HH:mm:ss "_s) + (offsetMinutes < 0 ? u'-' : u'+') +
           u"%1%2"_s.arg(magnitude / 60, 2, 10, QChar(u'0'))
               .arg(magnitude % 60, 2, 10, QChar(u'0'));
}

QModelIndex FavoritesModel::addNode(std::unique_ptr<TreeNode> node, TreeNode* target) {
    if (!m_root || !node) {
        return {};
    }
    if (!target || !target->isDescendantOfNode(m_root)) {
        target = m_root;
    }
    TreeNode* added = node.get();
    if (isGroup(target)) {
        target->insertChild(std::move(node), isGroup(added) ? 0 : target->numberOfChildren());
    } else {
        TreeNode* parent = target->nodeParent();
        parent->insertChild(std::move(node), parent->indexOfChild(target) + 1);
    }
    return indexOfNode(added);
}

void FavoritesModel::removeNodes(const QList<TreeNode*>& nodes) {
    // Held until every node is out, so a node inside one removed earlier is still alive.
    std::vector<std::unique_ptr<TreeNode>> removed;
    for (TreeNode* node : nodes) {
        if (m_root && node != m_root && node->isDescendantOfNode(m_root)) {
            removed.push_back(node->removeFromParent());
        }
    }
}

bool FavoritesModel::setColors(const QModelIndex& index, const QStringList& colors) {
    TreeNode* node = nodeFromIndex(index);
    SimpleNodeData* data = index.isValid() ? SimpleTreeNode::dataOf(node) : nullptr;
    if (!data || !data->isLeaf()) {
        return false;
    }
    data->setColorArray(colors);
    node->announceDataChanged();
    return true;
}

void FavoritesModel::setExpandedFlag(const QModelIndex& index, bool expanded) {
    SimpleNodeData* data = index.isValid() ? SimpleTreeNode::dataOf(nodeFromIndex(index)) : nullptr;
    if (data && data->isGroup() && data->expStart() != expanded) {
        data->setExpStart(expanded);
        Q_EMIT libraryChanged();
    }
}

bool FavoritesModel::expandedFlag(const QModelIndex& index) const {
    const SimpleNodeData* data = SimpleTreeNode::dataOf(nodeFromIndex(index));
    return index.isValid() && data && data->isGroup() && data->isExpandable() && data->expStart();
}

QModelIndex FavoritesModel::index(int row, int column, const QModelIndex& parent) const {
    const TreeNode* parentNode = nodeFromIndex(parent);
    TreeNode* child = column == 0 && parentNode ? parentNode->childAtIndex(row) : nullptr;
    return child ? createIndex(row, 0, child) : QModelIndex();
}

QModelIndex FavoritesModel::parent(const QModelIndex& child) const {
    const TreeNode* node = child.isValid() ? nodeFromIndex(child) : nullptr;
    return node ? indexOfNode(node->nodeParent()) : QModelIndex();
}

int FavoritesModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) {
        return 0;
    }
    const TreeNode* node = nodeFromIndex(parent);
    return node ? node->numberOfChildren() : 0;
}

int FavoritesModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool FavoritesModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant FavoritesModel::data(const QModelIndex& index, int role) const {
    SimpleNodeData* data = index.isValid() ? SimpleTreeNode::dataOf(nodeFromIndex(index)) : nullptr;
    if (!data) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return data->name();
    case Qt::DecorationRole:
        // Made on first display and kept with the node.
        if (data->iconRep().isNull()) {
            data->setIconRep(data->isLeaf() ? artwork::icon(u"palette-document")
                                            : artwork::folderIcon());
        }
        return data->iconRep();
    case IsGroupRole:
        return data->isGroup();
    case ColorsRole:
        return data->colorArray();
    default:
        return {};
    }
}

bool FavoritesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TreeNode* node = index.isValid() ? nodeFromIndex(index) : nullptr;
    SimpleNodeData* data = SimpleTreeNode::dataOf(node);
    if (!data || role != Qt::EditRole || value.typeId() != QMetaType::QString) {
        return false;
    }
    data->setName(value.toString());
    node->announceDataChanged();
    return true;
}

Qt::ItemFlags FavoritesModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled; // between top-level rows
    }
    Qt::ItemFlags flags =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
    if (isGroup(nodeFromIndex(index))) {
        flags |= Qt::ItemIsDropEnabled;
    } else {
        flags |= Qt::ItemNeverHasChildren;
    }
    return flags;
}

QStringList FavoritesModel::mimeTypes() const {
    return {kDragMimeType};
}

QMimeData* FavoritesModel::mimeData(const QModelIndexList& indexes) const {
    m_draggedIndexes.clear();
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && index.model() == this) {
            m_draggedIndexes.append(index);
        }
    }
    auto* data = new QMimeData;
    data->setData(kDragMimeType, {});
    m_dragData = data;
    return data;
}

Qt::DropActions FavoritesModel::supportedDragActions() const {
    return Qt::MoveAction;
}

Qt::DropActions FavoritesModel::supportedDropActions() const {
    return Qt::MoveAction;
}

QList<TreeNode*> FavoritesModel::draggedNodes() const {
    QList<TreeNode*> nodes;
    for (const QPersistentModelIndex& index : m_draggedIndexes) {
        if (index.isValid()) {
            nodes.append(nodeFromIndex(index));
        }
    }
    return inOutlineOrder(nodes);
}

bool FavoritesModel::isOwnDrag(const QMimeData* data) const {
    return data && m_dragData && data == m_dragData.data() && data->hasFormat(kDragMimeType);
}

bool FavoritesModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int row, int column,
                                     const QModelIndex& parent) const {
    if (!m_root || column > 0 || !isOwnDrag(data)) {
        return false; // only rows of this model travel, and only within it
    }
    if (row < 0 && !parent.isValid()) {
        return false; // onto the empty area, which is no place in the tree
    }
    const TreeNode* target = nodeFromIndex(parent);
    if (!isGroup(target)) {
        return false; // onto a favorite
    }
    const QList<TreeNode*> dragged = draggedNodes();
    return !dragged.isEmpty() && !target->isDescendantOfNodeInArray(dragged);
}

bool FavoritesModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                  const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) {
        return false;
    }
    // A drop onto a group puts the nodes at its top.
    moveNodes(draggedNodes(), nodeFromIndex(parent), std::max(row, 0));
    return true;
}

void FavoritesModel::moveNodes(const QList<TreeNode*>& nodes, TreeNode* group, int position) {
    if (!m_root || !isGroup(group) || !group->isDescendantOfNode(m_root) ||
        group->isDescendantOfNodeInArray(nodes)) {
        return;
    }
    const QList<TreeNode*> cover =
        TreeNode::minimumNodeCoverFromNodesInArray(inOutlineOrder(nodes));
    std::vector<std::unique_ptr<TreeNode>> moving;
    for (TreeNode* node : cover) {
        if (node == m_root || !node->isDescendantOfNode(m_root)) {
            continue;
        }
        // Taking out a node before the position shifts the later ones up.
        if (node->nodeParent() == group && position > group->indexOfChild(node)) {
            --position;
        }
        moving.push_back(node->removeFromParent());
    }
    group->insertChildren(std::move(moving), position);
}

void FavoritesModel::childrenAboutToBeInserted(TreeNode& parent, int first, int last) {
    beginInsertRows(indexOfNode(&parent), first, last);
}

void FavoritesModel::childrenInserted(TreeNode&, int, int) {
    endInsertRows();
}

void FavoritesModel::childAboutToBeRemoved(TreeNode& parent, int row) {
    beginRemoveRows(indexOfNode(&parent), row, row);
}

void FavoritesModel::childRemoved(TreeNode&, int) {
    endRemoveRows();
}

void FavoritesModel::subtreeAboutToBeSorted(TreeNode&) {
    Q_EMIT layoutAboutToBeChanged();
    m_sortedFrom = persistentIndexList();
    m_sortedNodes.clear();
    for (const QModelIndex& index : std::as_const(m_sortedFrom)) {
        m_sortedNodes.append(nodeFromIndex(index));
    }
}

void FavoritesModel::subtreeSorted(TreeNode&) {
    QModelIndexList to;
    to.reserve(m_sortedNodes.size());
    for (const TreeNode* node : std::as_const(m_sortedNodes)) {
        to.append(indexOfNode(node));
    }
    changePersistentIndexList(m_sortedFrom, to);
    m_sortedFrom.clear();
    m_sortedNodes.clear();
    Q_EMIT layoutChanged();
}

void FavoritesModel::nodeDataChanged(TreeNode& node) {
    const QModelIndex index = indexOfNode(&node);
    if (index.isValid()) {
        Q_EMIT dataChanged(index, index);
    }
}

} // namespace tintmere
