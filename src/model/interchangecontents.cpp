// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchangecontents.h"

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

InterchangeContents InterchangeContents::ofPalette(const QString& title,
                                                   const std::array<Color, kPaletteSize>& palette) {
    FavoriteEntry entry{title, {}};
    for (const Color& color : palette) {
        entry.colors.append(storedColorText(color));
    }
    return {title, {FavoriteGroup{{}, {entry}}}, true, kPaletteSize};
}

InterchangeContents InterchangeContents::ofFavorites(const QString& title,
                                                     const QList<FavoriteEntry>& favorites) {
    return {title, {FavoriteGroup{{}, favorites}}, false, favorites.size() * kPaletteSize};
}

Expected<std::array<Color, kPaletteSize>> InterchangeContents::firstPalette() const {
    std::array<Color, kPaletteSize> wells;
    std::size_t count = 0;
    for (const FavoriteGroup& group : groups) {
        for (const FavoriteEntry& favorite : group.favorites) {
            for (const QString& text : favorite.colors) {
                if (count == wells.size()) {
                    return wells;
                }
                wells[count++] = colorFromStoredText(text).value_or(Color{1, 1, 1, 1});
            }
        }
    }
    if (count < wells.size()) {
        return Expected<std::array<Color, kPaletteSize>>::failure(
            u"it holds fewer than four colours"_s);
    }
    return wells;
}

QList<FavoriteEntry> InterchangeContents::allFavorites() const {
    QList<FavoriteEntry> all;
    for (const FavoriteGroup& group : groups) {
        all.append(group.favorites);
    }
    return all;
}

qsizetype InterchangeContents::favoriteCount() const {
    qsizetype count = 0;
    for (const FavoriteGroup& group : groups) {
        count += group.favorites.size();
    }
    return count;
}

QString oneLineName(const QString& name) {
    QString line = name;
    for (QChar& c : line) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            c = u' ';
        }
    }
    return line.trimmed();
}

Expected<bool> checkedName(const QString& name) {
    if (name.size() > kMaxInterchangeName) {
        return Expected<bool>::failure(
            u"a name is longer than %1 characters"_s.arg(kMaxInterchangeName));
    }
    return true;
}

Expected<bool> FavoriteCollector::add(const Color& color, const QString& name) {
    if (++colors_ > kMaxInterchangeColors) {
        return Expected<bool>::failure(
            u"it holds more than %1 colours"_s.arg(kMaxInterchangeColors));
    }
    if (current_.colors.isEmpty()) {
        if (Expected<bool> ok = checkedName(name); !ok) {
            return ok;
        }
        current_.name = name;
    }
    current_.colors.append(storedColorText(color));
    if (current_.colors.size() == kPaletteSize) {
        finishFavorite();
    }
    return true;
}

Expected<bool> FavoriteCollector::startGroup(const QString& group) {
    if (Expected<bool> ok = checkedName(group); !ok) {
        return ok;
    }
    finishFavorite();
    group_ = group;
    return true;
}

void FavoriteCollector::finishFavorite() {
    if (current_.colors.isEmpty()) {
        return;
    }
    while (current_.colors.size() < kPaletteSize) {
        current_.colors.append(u"ffffff"_s);
    }
    if (groups_.isEmpty() || groups_.last().name != group_) {
        groups_.append(FavoriteGroup{group_, {}});
    }
    groups_.last().favorites.append(current_);
    current_ = {};
}

Expected<QList<FavoriteGroup>> FavoriteCollector::finish() {
    finishFavorite();
    if (groups_.isEmpty()) {
        return Expected<QList<FavoriteGroup>>::failure(u"it holds no colours"_s);
    }
    return groups_;
}

} // namespace tintmere
