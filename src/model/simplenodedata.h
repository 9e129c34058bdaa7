// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "treenodedata.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace tintmere {

// The payload of a favorites node: a group (a folder the user names) or a favorite (a
// named palette of four colour strings).
class SimpleNodeData : public TreeNodeData {
public:
    SimpleNodeData(const QString& name, const QStringList& colorArray, bool isLeaf);

    static std::unique_ptr<SimpleNodeData> groupDataWithName(const QString& name);
    static std::unique_ptr<SimpleNodeData> leafDataWithName(const QString& name,
                                                            const QStringList& colorArray);

    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    // The icon the outline shows beside the name, kept as a variant so that this layer
    // needs no GUI types. Null until the outline first shows the node.
    QVariant iconRep() const { return m_iconRep; }
    void setIconRep(const QVariant& icon) { m_iconRep = icon; }
    // For a favorite, its palette as stored colour text; empty for a group.
    QStringList colorArray() const { return m_colorArray; }
    void setColorArray(const QStringList& colors) { m_colorArray = colors; }

    bool isLeaf() const { return m_isLeaf; }
    void setIsLeaf(bool isLeaf) { m_isLeaf = isLeaf; }
    bool isGroup() const { return !m_isLeaf; }
    // Decides group versus favorite for the stored forms; fixed when the payload is made.
    bool isExpandable() const { return m_isExpandable; }
    void setIsExpandable(bool isExpandable) { m_isExpandable = isExpandable; }
    // A group the outline expands when the library is first shown.
    bool expStart() const { return m_expStart; }
    void setExpStart(bool expStart) { m_expStart = expStart; }

    // By name, code unit by code unit: uppercase sorts before lowercase, no locale rules.
    int compare(const TreeNodeData& other) const override;
    QString description() const override { return m_name; }

private:
    QString m_name;
    QVariant m_iconRep;
    QStringList m_colorArray;
    bool m_isLeaf = false;
    bool m_isExpandable = true;
    bool m_expStart = false;
};

} // namespace tintmere
