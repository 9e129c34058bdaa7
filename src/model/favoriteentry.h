// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariantMap>

namespace tintmere {

// Keys of the stored dictionaries of the favorites library and the favorites file.
namespace entrykeys {
inline constexpr QStringView Group = u"Group";
inline constexpr QStringView Entries = u"Entries";
inline constexpr QStringView Expanded = u"Expanded";
inline constexpr QStringView Name = u"Name";
inline constexpr QStringView Colors = u"Colors";
} // namespace entrykeys

// The name of the library's root group.
inline constexpr QStringView kRootGroupName = u"Root";

// One favorite as the stored forms keep it: a name and four colour strings.
struct FavoriteEntry {
    QString name;
    QStringList colors;

    // { "Name" = name, "Colors" = colors }
    QVariantMap toDictionary() const;

    friend bool operator==(const FavoriteEntry&, const FavoriteEntry&) = default;
};

} // namespace tintmere
