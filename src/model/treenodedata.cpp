// SPDX-License-Identifier: GPL-3.0-or-later
#include "treenodedata.h"

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

int TreeNodeData::compare(const TreeNodeData&) const {
    return -1;
}

QString TreeNodeData::description() const {
    return u"TreeNodeData"_s;
}

} // namespace tintmere
