// SPDX-License-Identifier: GPL-3.0-or-later
#include "favoriteentry.h"

namespace tintmere {

QVariantMap FavoriteEntry::toDictionary() const {
    return {{entrykeys::Name, name}, {entrykeys::Colors, colors}};
}

} // namespace tintmere
