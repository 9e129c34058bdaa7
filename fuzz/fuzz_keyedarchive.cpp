// SPDX-License-Identifier: GPL-3.0-or-later
// Keyed archives from anywhere: the palette and favorites files people exchange.
#include "exchangefiles.h"
#include "fuzzcheck.h"
#include "keyedarchive.h"

#include <cstdint>

using namespace tintmere;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    if (const Expected<PaletteFile::Contents> palette = PaletteFile::parse(bytes)) {
        FUZZ_CHECK(palette->colors.size() == kPaletteSize);
        for (const QString& color : palette->colors) {
            FUZZ_CHECK(colorFromStoredText(color).has_value());
        }
        const Expected<PaletteFile::Contents> again =
            PaletteFile::parse(keyedArchiveWithRootObject(palette->colors));
        FUZZ_CHECK(again && again->colors == palette->colors && !again->olderForm);
    }

    if (const Expected<QList<FavoriteEntry>> favorites = FavoritesFile::parse(bytes)) {
        QVariantList root;
        for (const FavoriteEntry& favorite : *favorites) {
            FUZZ_CHECK(favorite.colors.size() == kPaletteSize);
            root.append(favorite.toDictionary());
        }
        // Written again, it reads back the same, unless the writer refused it as beyond the
        // exchange files' limits.
        if (const Expected<QByteArray> written =
                keyedArchiveWithRootObject(root, PropertyListLimits::exchangeFiles())) {
            const Expected<QList<FavoriteEntry>> again = FavoritesFile::parse(*written);
            FUZZ_CHECK(again && *again == *favorites);
        }
    }

    // Every lookup by reference is safe, whatever the reference.
    if (const Expected<KeyedUnarchiver> archive = KeyedUnarchiver::fromData(bytes)) {
        for (quint64 index = 0; index < 64; ++index) {
            const PlistUid object{index};
            (void)archive->className(object);
            (void)archive->stringAt(object);
            (void)archive->arrayAt(object);
            (void)archive->dictionaryAt(object);
        }
    }
    return 0;
}
