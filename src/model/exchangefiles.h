// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "favoriteentry.h"
#include "fileerror.h"
#include "storedcolors.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QVariantList>

#include <array>
#include <optional>

namespace tintmere {

using Palette = std::array<Color, kPaletteSize>;

// Palette files (.tnp): a keyed archive whose root is an array of the four colours as
// stored colour text. Files come from other people, so everything in them is checked; a
// file that cannot be used gives an error naming the file and what is wrong, and nothing
// is changed.
class PaletteFile {
public:
    static std::optional<FileError> write(const QString& path, const Palette& palette);
    enum class OlderForm { ConvertInPlace, LeaveAlone };
    // An older palette file, whose root is a dictionary of colour strings, is rewritten in
    // place as the array of its first four values before the palette is returned (unless
    // the caller only looks).
    static FileResult<Palette> read(const QString& path,
                                    OlderForm olderForm = OlderForm::ConvertInPlace);

    struct Contents {
        QStringList colors; // four readable colour strings, as the file spells them
        bool olderForm = false;
    };
    // The palette in a file's bytes, or what is wrong with them.
    static Expected<Contents> parse(QByteArrayView data);
};

// What a favorites file offers for import: its favorites and the name of the group they
// go into, the file's name without its extension.
struct FavoritesImport {
    QList<FavoriteEntry> favorites;
    QString name;

    // The import list in its list form: the favorite dictionaries, then the name.
    QVariantList toImportList() const;
};

// Favorites files (.tnf): a keyed archive whose root is a flat array of favorite
// dictionaries { "Name", "Colors" }.
class FavoritesFile {
public:
    static std::optional<FileError> write(const QString& path,
                                          const QList<FavoriteEntry>& favorites);
    // Writes the favorites whose flag is 1, in order; the flags are one per favorite.
    static std::optional<FileError>
    write(const QString& path, const QList<FavoriteEntry>& favorites, const QList<int>& flags);
    static FileResult<FavoritesImport> read(const QString& path);
    // The favorites in a file's bytes, or what is wrong with them.
    static Expected<QList<FavoriteEntry>> parse(QByteArrayView data);
};

} // namespace tintmere
