// SPDX-License-Identifier: GPL-3.0-or-later
#include "jsonpalette.h"

#include "csscolor.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::jsonpalette {

namespace {

const QString kPaletteFormat = u"tintmere-palette"_s;
const QString kFavoritesFormat = u"tintmere-favorites"_s;

QJsonArray colorArray(const QStringList& stored) {
    QJsonArray colors;
    for (const QString& text : mendedPalette(stored)) {
        colors.append(u"#"_s + text.toLower());
    }
    return colors;
}

QJsonObject favoriteObject(const FavoriteEntry& favorite) {
    return {{u"name"_s, favorite.name}, {u"colors"_s, colorArray(favorite.colors)}};
}

class Reader {
public:
    Expected<InterchangeContents> read(const QJsonObject& root) {
        using Result = Expected<InterchangeContents>;
        const QString format = root.value(u"format"_s).toString();
        InterchangeContents contents;
        contents.title = root.value(u"name"_s).toString();
        Expected<bool> ok = checkedName(contents.title);
        if (ok && format == kPaletteFormat) {
            contents.palette = true;
            Expected<FavoriteEntry> palette = favorite(root, u"the palette"_s);
            ok = palette ? Expected<bool>(true) : Expected<bool>::failure(palette.error());
            if (palette) {
                palette->name = contents.title;
                contents.groups = {FavoriteGroup{{}, {*palette}}};
            }
        } else if (ok && format == kFavoritesFormat) {
            ok = favorites(root.value(u"favorites"_s), {}, contents.groups, true);
        } else if (ok) {
            return Result::failure(
                u"it is not a Tintmere palette or favorites file (its “format” is neither "
                u"“%1” nor “%2”)"_s.arg(kPaletteFormat, kFavoritesFormat));
        }
        if (!ok) {
            return Result::failure(ok.error());
        }
        contents.colorCount = contents.favoriteCount() * kPaletteSize;
        return contents;
    }

private:
    Expected<FavoriteEntry> favorite(const QJsonObject& object, const QString& what) {
        using Result = Expected<FavoriteEntry>;
        const QJsonArray colors = object.value(u"colors"_s).toArray();
        if (colors.size() != kPaletteSize) {
            return Result::failure(u"%1 does not have four “colors”"_s.arg(what));
        }
        if ((colorCount_ += kPaletteSize) > kMaxInterchangeColors) {
            return Result::failure(u"it holds more than %1 colours"_s.arg(kMaxInterchangeColors));
        }
        FavoriteEntry entry{object.value(u"name"_s).toString(), {}};
        if (Expected<bool> ok = checkedName(entry.name); !ok) {
            return Result::failure(ok.error());
        }
        for (const QJsonValue& value : colors) {
            const QString text = value.toString();
            const std::optional<Color> color =
                text.size() < 100 ? colorFromCSS(text.toStdString()) : std::nullopt;
            if (!color) {
                return Result::failure(
                    u"%1 has “%2”, which is not a colour"_s.arg(what, text.left(40)));
            }
            entry.colors.append(storedColorText(*color));
        }
        return entry;
    }

    // The favorites of one list; groups only at the top.
    Expected<bool> favorites(const QJsonValue& list, const QString& group,
                             QList<FavoriteGroup>& groups, bool top) {
        if (!list.isArray()) {
            return Expected<bool>::failure(u"it has no list of “favorites”"_s);
        }
        for (const QJsonValue& value : list.toArray()) {
            const QJsonObject object = value.toObject();
            if (top && object.contains(u"group"_s)) {
                const QString name = object.value(u"group"_s).toString();
                if (Expected<bool> ok = checkedName(name); !ok) {
                    return ok;
                }
                if (Expected<bool> ok =
                        favorites(object.value(u"favorites"_s), name, groups, false);
                    !ok) {
                    return ok;
                }
                continue;
            }
            ++count_;
            Expected<FavoriteEntry> entry = favorite(object, u"favorite %1"_s.arg(count_));
            if (!entry) {
                return Expected<bool>::failure(entry.error());
            }
            if (groups.isEmpty() || groups.last().name != group) {
                groups.append(FavoriteGroup{group, {}});
            }
            groups.last().favorites.append(*entry);
        }
        return true;
    }

    qsizetype count_ = 0;
    qsizetype colorCount_ = 0;
};

} // namespace

QByteArray write(const InterchangeContents& contents) {
    QJsonObject root{{u"version"_s, 1}, {u"name"_s, contents.title}};
    if (contents.palette) {
        root.insert(u"format"_s, kPaletteFormat);
        const QList<FavoriteEntry> all = contents.allFavorites();
        root.insert(u"colors"_s, colorArray(all.isEmpty() ? QStringList() : all.first().colors));
        return QJsonDocument(root).toJson();
    }
    root.insert(u"format"_s, kFavoritesFormat);
    QJsonArray list;
    for (const FavoriteGroup& group : contents.groups) {
        QJsonArray favorites;
        for (const FavoriteEntry& favorite : group.favorites) {
            favorites.append(favoriteObject(favorite));
        }
        if (group.name.isEmpty()) {
            for (const QJsonValue& favorite : favorites) {
                list.append(favorite);
            }
        } else {
            list.append(QJsonObject{{u"group"_s, group.name}, {u"favorites"_s, favorites}});
        }
    }
    root.insert(u"favorites"_s, list);
    return QJsonDocument(root).toJson();
}

Expected<InterchangeContents> parse(QByteArrayView data) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError) {
        return Expected<InterchangeContents>::failure(
            u"it is not valid JSON (%1 at byte %2)"_s.arg(error.errorString()).arg(error.offset));
    }
    if (!document.isObject()) {
        return Expected<InterchangeContents>::failure(u"it does not hold a JSON object"_s);
    }
    return Reader().read(document.object());
}

} // namespace tintmere::jsonpalette
