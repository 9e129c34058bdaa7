// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "expected.h"
#include "favoriteentry.h"
#include "storedcolors.h"

#include <QList>
#include <QString>

#include <array>

namespace tintmere {

// Favorites in one group, as the interchange formats carry them: one level of groups, an
// empty name for favorites outside any group.
struct FavoriteGroup {
    QString name;
    QList<FavoriteEntry> favorites;

    friend bool operator==(const FavoriteGroup&, const FavoriteGroup&) = default;
};

// What a palette interchange file (GIMP palette, CSS custom properties, JSON) holds. Every
// format keeps favorites of four colours; a palette is written as one favorite.
struct InterchangeContents {
    QString title; // the file's own name for its colours; may be empty
    QList<FavoriteGroup> groups;
    bool palette = false; // the file says it is a palette of the four wells
    // The colours the file lists, before a favorite left short was filled with white.
    qsizetype colorCount = 0;

    // The favorites and palettes of the other stored forms.
    static InterchangeContents ofPalette(const QString& title,
                                         const std::array<Color, kPaletteSize>& palette);
    static InterchangeContents ofFavorites(const QString& title,
                                           const QList<FavoriteEntry>& favorites);
    // The first four colours, or why there are not four.
    Expected<std::array<Color, kPaletteSize>> firstPalette() const;
    // Every favorite, groups left out, in order.
    QList<FavoriteEntry> allFavorites() const;
    qsizetype favoriteCount() const;
};

// Files come from anyone: beyond these a file is refused with a message, so that a hostile
// one cannot fill the library or the memory.
inline constexpr qsizetype kMaxInterchangeColors = 100000;
inline constexpr qsizetype kMaxInterchangeName = 1000;

// Builds favorites from colours read one at a time, four to a favorite, for the formats that
// list colours rather than favorites. A favorite left with fewer than four colours is filled
// with white, as a stored palette is.
class FavoriteCollector {
public:
    // A colour of the favorite being read; `name` names the favorite when it is the first.
    // Fails past the limits.
    Expected<bool> add(const Color& color, const QString& name);
    // Starts a new favorite (and a new group when the name differs from the current one).
    Expected<bool> startGroup(const QString& group);
    void finishFavorite();
    qsizetype colorCount() const { return colors_; }
    // Everything read; fails when there was no colour at all.
    Expected<QList<FavoriteGroup>> finish();

private:
    QList<FavoriteGroup> groups_;
    QString group_;
    FavoriteEntry current_;
    qsizetype colors_ = 0;
};

// The name on one line, for formats that cannot carry line breaks, tabs or other control
// characters: each becomes a space.
QString oneLineName(const QString& name);

// Checks a name read from a file against the limit.
Expected<bool> checkedName(const QString& name);

} // namespace tintmere
