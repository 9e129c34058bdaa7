// SPDX-License-Identifier: GPL-3.0-or-later
#include "propertylist.h"

#include "binaryplistreader.h"
#include "xmlplistreader.h"

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

Expected<QVariant> readPropertyList(QByteArrayView data, const PropertyListLimits& limits) {
    if (data.size() > limits.maxBytes) {
        return Expected<QVariant>::failure(u"the file is too large"_s);
    }
    if (data.isEmpty()) {
        return Expected<QVariant>::failure(u"the file is empty"_s);
    }
    if (BinaryPlistReader::looksLikeBinary(data)) {
        return BinaryPlistReader(data, limits).read();
    }
    return XmlPlistReader(data, limits).read();
}

} // namespace tintmere
