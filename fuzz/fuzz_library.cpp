// SPDX-License-Identifier: GPL-3.0-or-later
// The favorites library file: the user's own, but read with the same bounds as anything.
#include "favoriteslibrary.h"
#include "fuzzcheck.h"
#include "propertylist.h"

#include <cstdint>

using namespace tintmere;

namespace {

QVariantMap reload(const QByteArray& file) {
    const Expected<QVariant> content = FavoritesLibrary::parse(file);
    FUZZ_CHECK(content.hasValue());
    return FavoritesLibrary::contentOfTree(*FavoritesLibrary::treeFromContent(*content));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Expected<QVariant> content = FavoritesLibrary::parse(bytes);
    if (!content) {
        return 0;
    }
    const auto tree = FavoritesLibrary::treeFromContent(*content);
    const QVariantMap saved = FavoritesLibrary::contentOfTree(*tree);
    // Whatever loads, saves as a library that loads again as itself. XML leaves out the
    // characters it cannot carry, so its second save is the one that must be stable.
    FUZZ_CHECK(reload(binaryPropertyList(saved)) == saved);
    const QVariantMap once = reload(xmlPropertyList(saved));
    FUZZ_CHECK(reload(xmlPropertyList(once)) == once);
    // What the writers accept within the library's limits, the reader reads.
    for (const PropertyListFormat format : {PropertyListFormat::Xml, PropertyListFormat::Binary}) {
        if (const Expected<QByteArray> bytes =
                writePropertyList(saved, format, PropertyListLimits::library())) {
            FUZZ_CHECK(FavoritesLibrary::parse(*bytes).hasValue());
        }
    }
    return 0;
}
