// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchangefiles.h"

#include "keyedarchive.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

// Exchange files are small and shallow: an archive is a dictionary of a list of flat
// records, whatever it holds.
PropertyListLimits exchangeLimits() {
    PropertyListLimits limits;
    limits.maxBytes = 16 * 1024 * 1024;
    limits.maxDepth = 16;
    return limits;
}

template <typename T>
FileResult<T> refuse(const QString& path, const QString& message) {
    return FileResult<T>::failure(FileError{path, message});
}

FileResult<KeyedUnarchiver> openArchive(const QString& path) {
    const PropertyListLimits limits = exchangeLimits();
    FileResult<QByteArray> bytes = readWholeFile(path, limits.maxBytes);
    if (!bytes) {
        return FileResult<KeyedUnarchiver>::failure(bytes.error());
    }
    Expected<KeyedUnarchiver> archive = KeyedUnarchiver::fromData(*bytes, limits);
    if (!archive) {
        return refuse<KeyedUnarchiver>(path, archive.error());
    }
    return std::move(archive).value();
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
        if (!colorFromStoredText(*text)) {
            return Expected<QStringList>::failure(u"“%1” is not a colour"_s.arg(text->left(40)));
        }
        colors.append(*text);
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
    const std::optional<PlistUid> nameRef = archive.valueForKey(object, entrykeys::Name.toString());
    const std::optional<PlistUid> colorsRef =
        archive.valueForKey(object, entrykeys::Colors.toString());
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
    return writeFileAtomically(path, keyedArchiveWithRootObject(colors));
}

FileResult<Palette> PaletteFile::read(const QString& path, OlderForm olderForm) {
    FileResult<KeyedUnarchiver> archive = openArchive(path);
    if (!archive) {
        return FileResult<Palette>::failure(archive.error());
    }
    const PlistUid root = archive->root();
    if (archive->isDictionary(root)) {
        const auto entries = archive->dictionaryAt(root);
        if (!entries) {
            return refuse<Palette>(path, u"the file is damaged (a broken dictionary)"_s);
        }
        QList<PlistUid> values;
        for (const auto& entry : *entries) {
            values.append(entry.second);
        }
        Expected<QStringList> colors = colorStrings(*archive, values);
        if (!colors) {
            return refuse<Palette>(path, colors.error());
        }
        // An older palette file becomes a current one the first time it is opened. If it
        // cannot be rewritten, its colours are still good to use.
        if (olderForm == OlderForm::ConvertInPlace) {
            (void)writeFileAtomically(path, keyedArchiveWithRootObject(*colors));
        }
        return paletteOf(*colors);
    }
    const std::optional<QList<PlistUid>> refs = archive->arrayAt(root);
    if (!refs) {
        return refuse<Palette>(path, u"it does not hold a palette"_s);
    }
    Expected<QStringList> colors = colorStrings(*archive, *refs);
    if (!colors) {
        return refuse<Palette>(path, colors.error());
    }
    return paletteOf(*colors);
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
    for (const FavoriteEntry& favorite : favorites) {
        root.append(favorite.toDictionary());
    }
    return writeFileAtomically(path, keyedArchiveWithRootObject(root));
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

FileResult<FavoritesImport> FavoritesFile::read(const QString& path) {
    FileResult<KeyedUnarchiver> archive = openArchive(path);
    if (!archive) {
        return FileResult<FavoritesImport>::failure(archive.error());
    }
    const std::optional<QList<PlistUid>> refs = archive->arrayAt(archive->root());
    if (!refs) {
        return refuse<FavoritesImport>(path, u"it does not hold a list of favorites"_s);
    }
    FavoritesImport result;
    result.name = QFileInfo(path).completeBaseName();
    for (qsizetype i = 0; i < refs->size(); ++i) {
        Expected<FavoriteEntry> favorite = favoriteAt(*archive, refs->at(i));
        if (!favorite) {
            return refuse<FavoritesImport>(
                path, u"favorite %1 cannot be used: %2"_s.arg(i + 1).arg(favorite.error()));
        }
        result.favorites.append(std::move(favorite).value());
    }
    return result;
}

} // namespace tintmere
