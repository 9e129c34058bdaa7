// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tintmere {

// The payload of a tree node. The base orders nothing: every comparison answers ascending.
class TreeNodeData {
public:
    TreeNodeData() = default;
    virtual ~TreeNodeData() = default;
    TreeNodeData(const TreeNodeData&) = delete;
    TreeNodeData& operator=(const TreeNodeData&) = delete;

    // Negative, zero or positive as this payload sorts before, with or after the other.
    virtual int compare(const TreeNodeData& other) const;
    virtual QString description() const;
};

} // namespace tintmere
