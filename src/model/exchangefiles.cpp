// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchangefiles.h"

#include "keyedarchive.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

PropertyListLimits exchangeLimits() {
    return PropertyListLimits::exchangeFiles();
}

template <typename T>
FileResult<T> refuse(const QString& path, const QString& message) {
    return FileResult<T>::failure(FileError{path, message});
}

Expected<KeyedUnarchiver> openArchive(QByteArrayView data) {
    return KeyedUnarchiver::fromData(data, exchangeLimits());
}

FileResult<QByteArray> readExchangeFile(const QString& path) {
    return readWholeFile(path, exchangeLimits().maxBytes);
}

// Nothing is written that the readers above would refuse.
std::optional<FileError> writeArchive(const QString& path, const QVariant& root) {
    Expected<QByteArray> bytes = keyedArchiveWithRootObject(root, exchangeLimits());
    if (!bytes) {
        return FileError{path, bytes.error(), FileError::Action::Save,
                         FileError::Kind::BeyondReadLimits};
    }
    return writeFileAtomically(path, *bytes);
}

// The four colour strings among the references, or what is wrong with them.
Expected<QStringList> colorStrings(const KeyedUnarchiver& archive, const QList<PlistUid>& refs) {
    if (refs.size() < kPaletteSize) {
        return Expected<QStringList>::failure(u"it holds fewer than four colours"_s);
    }
    QStringList colors;
    for (qsizetype i = 0; i < kPaletteSize; ++i) {
        const std::optional<QString> text = archive.stringAt(refs[i]);
        if (!text) {
            return Expected<QStringList>::failure(u"colour %1 is not text"_s.arg(i + 1));
        }
        const std::optional<Color> color = colorFromStoredText(*text);
        if (!color) {
            return Expected<QStringList>::failure(u"“%1” is not a colour"_s.arg(text->left(40)));
        }
        // Files made elsewhere may spell it "FF0000" or "#ff0000"; it is kept as stored text.
        colors.append(storedColorText(*color));
    }
    return colors;
}

Palette paletteOf(const QStringList& colors) {
    Palette palette;
    for (int i = 0; i < kPaletteSize; ++i) {
        palette[static_cast<std::size_t>(i)] = *colorFromStoredText(colors[i]);
    }
    return palette;
}

Expected<FavoriteEntry> favoriteAt(const KeyedUnarchiver& archive, PlistUid object) {
    const std::optional<PlistUid> nameRef = archive.valueForKey(object, entrykeys::Name);
    const std::optional<PlistUid> colorsRef = archive.valueForKey(object, entrykeys::Colors);
    const std::optional<QString> name = nameRef ? archive.stringAt(*nameRef) : std::nullopt;
    if (!name) {
        return Expected<FavoriteEntry>::failure(u"it has no “Name”"_s);
    }
    const std::optional<QList<PlistUid>> colorRefs =
        colorsRef ? archive.arrayAt(*colorsRef) : std::nullopt;
    if (!colorRefs) {
        return Expected<FavoriteEntry>::failure(u"it has no “Colors”"_s);
    }
    Expected<QStringList> colors = colorStrings(archive, *colorRefs);
    if (!colors) {
        return Expected<FavoriteEntry>::failure(colors.error());
    }
    return FavoriteEntry{*name, *colors};
}

} // namespace

std::optional<FileError> PaletteFile::write(const QString& path, const Palette& palette) {
    QStringList colors;
    for (const Color& color : palette) {
        colors.append(storedColorText(color));
    }
    return writeArchive(path, colors);
}

Expected<PaletteFile::Contents> PaletteFile::parse(QByteArrayView data) {
    using Result = Expected<Contents>;
    Expected<KeyedUnarchiver> archive = openArchive(data);
    if (!archive) {
        return Result::failure(archive.error());
    }
    const PlistUid root = archive->root();
    QList<PlistUid> refs;
    const bool olderForm = archive->isDictionary(root);
    if (olderForm) {
        const auto entries = archive->dictionaryAt(root);
        if (!entries) {
            return Result::failure(u"the file is damaged (a broken dictionary)"_s);
        }
        for (const auto& entry : *entries) {
            refs.append(entry.second);
        }
    } else if (const std::optional<QList<PlistUid>> elements = archive->arrayAt(root)) {
        refs = *elements;
    } else {
        return Result::failure(u"it does not hold a palette"_s);
    }
    Expected<QStringList> colors = colorStrings(*archive, refs);
    if (!colors) {
        return Result::failure(colors.error());
    }
    return Contents{*colors, olderForm};
}

FileResult<Palette> PaletteFile::read(const QString& path, OlderForm olderForm) {
    FileResult<QByteArray> bytes = readExchangeFile(path);
    if (!bytes) {
        return FileResult<Palette>::failure(bytes.error());
    }
    const Expected<Contents> contents = parse(*bytes);
    if (!contents) {
        return refuse<Palette>(path, contents.error());
    }
    // An older palette file becomes a current one the first time it is opened. If it
    // cannot be rewritten, its colours are still good to use.
    if (contents->olderForm && olderForm == OlderForm::ConvertInPlace) {
        (void)writeArchive(path, contents->colors);
    }
    return paletteOf(contents->colors);
}

QVariantList FavoritesImport::toImportList() const {
    QVariantList list;
    for (const FavoriteEntry& favorite : favorites) {
        list.append(favorite.toDictionary());
    }
    list.append(name);
    return list;
}

std::optional<FileError> FavoritesFile::write(const QString& path,
                                              const QList<FavoriteEntry>& favorites) {
    QVariantList root;
    root.reserve(favorites.size());
    for (FavoriteEntry favorite : favorites) {
        // Whatever spelling a favorite still holds goes out as stored colour text.
        for (QString& color : favorite.colors) {
            color = storedColorTextOf(color);
        }
        root.append(favorite.toDictionary());
    }
    return writeArchive(path, root);
}

std::optional<FileError> FavoritesFile::write(const QString& path,
                                              const QList<FavoriteEntry>& favorites,
                                              const QList<int>& flags) {
    QList<FavoriteEntry> ticked;
    for (qsizetype i = 0; i < favorites.size() && i < flags.size(); ++i) {
        if (flags[i] == 1) {
            ticked.append(favorites[i]);
        }
    }
    return write(path, ticked);
}

Expected<QList<FavoriteEntry>> FavoritesFile::parse(QByteArrayView data) {
    using Result = Expected<QList<FavoriteEntry>>;
    Expected<KeyedUnarchiver> archive = openArchive(data);
    if (!archive) {
        return Result::failure(archive.error());
    }
    const std::optional<QList<PlistUid>> refs = archive->arrayAt(archive->root());
    if (!refs) {
        return Result::failure(u"it does not hold a list of favorites"_s);
    }
    QList<FavoriteEntry> favorites;
    for (qsizetype i = 0; i < refs->size(); ++i) {
        Expected<FavoriteEntry> favorite = favoriteAt(*archive, refs->at(i));
        if (!favorite) {
            return Result::failure(
                u"favorite %1 cannot be used: %2"_s.arg(i + 1).arg(favorite.error()));
        }
        favorites.append(std::move(favorite).value());
    }
    return favorites;
}

FileResult<FavoritesImport> FavoritesFile::read(const QString& path) {
    FileResult<QByteArray> bytes = readExchangeFile(path);
    if (!bytes) {
        return FileResult<FavoritesImport>::failure(bytes.error());
    }
    Expected<QList<FavoriteEntry>> favorites = parse(*bytes);
    if (!favorites) {
        return refuse<FavoritesImport>(path, favorites.error());
    }
    return FavoritesImport{std::move(favorites).value(), QFileInfo(path).completeBaseName()};
}

} // namespace tintmere
