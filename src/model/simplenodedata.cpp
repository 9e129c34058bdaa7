// SPDX-License-Identifier: GPL-3.0-or-later
#include "simplenodedata.h"

namespace tintmere {

SimpleNodeData::SimpleNodeData(const QString& name, const QStringList& colorArray, bool isLeaf)
    : m_name(name)
    , m_colorArray(colorArray)
    , m_isLeaf(isLeaf)
    , m_isExpandable(!isLeaf) {
}

std::unique_ptr<SimpleNodeData> SimpleNodeData::groupDataWithName(const QString& name) {
    return std::make_unique<SimpleNodeData>(name, QStringList(), false);
}

std::unique_ptr<SimpleNodeData> SimpleNodeData::leafDataWithName(const QString& name,
                                                                 const QStringList& colorArray) {
    return std::make_unique<SimpleNodeData>(name, colorArray, true);
}

int SimpleNodeData::compare(const TreeNodeData& other) const {
    const auto* simple = dynamic_cast<const SimpleNodeData*>(&other);
    if (!simple) {
        return TreeNodeData::compare(other);
    }
    return m_name.compare(simple->m_name, Qt::CaseSensitive);
}

} // namespace tintmere
