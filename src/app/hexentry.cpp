// SPDX-License-Identifier: GPL-3.0-or-later
#include "hexentry.h"

namespace tintmere {

QString trimmedHexFieldText(const QString& text) {
    if (text.size() <= 6)
        return text;
    if (text.startsWith(u'#'))
        return text.mid(1);
    return text.left(6);
}

} // namespace tintmere
