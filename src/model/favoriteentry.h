// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace tintmere {

// Keys of the stored dictionaries of the favorites library and the favorites file; literal
// strings, so looking them up allocates nothing.
namespace entrykeys {
inline const QString Group = QStringLiteral("Group");
inline const QString Entries = QStringLiteral("Entries");
inline const QString Expanded = QStringLiteral("Expanded");
inline const QString Name = QStringLiteral("Name");
inline const QString Colors = QStringLiteral("Colors");
} // namespace entrykeys

// The name of the library's root group.
inline const QString kRootGroupName = QStringLiteral("Root");

// One favorite as the stored forms keep it: a name and four colour strings.
struct FavoriteEntry {
    QString name;
    QStringList colors;

    // { "Name" = name, "Colors" = colors }
    QVariantMap toDictionary() const;

    friend bool operator==(const FavoriteEntry&, const FavoriteEntry&) = default;
};

} // namespace tintmere
