// SPDX-License-Identifier: GPL-3.0-or-later
// GIMP palettes, CSS custom properties and JSON palettes: files from anyone. The first byte
// picks the format.
#include "fuzzcheck.h"
#include "interchangefiles.h"

#include <cstdint>

using namespace tintmere;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto format = static_cast<InterchangeFormat>(data[0] % 3);
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1),
                               static_cast<qsizetype>(size - 1));
    const Expected<InterchangeContents> contents = InterchangeFile::decode(format, bytes);
    if (!contents) {
        return 0;
    }
    // Whatever reads, writes a file of the same format that reads back with the same colours.
    const Expected<QByteArray> written = InterchangeFile::encode(format, *contents);
    FUZZ_CHECK(written.hasValue());
    const Expected<InterchangeContents> again = InterchangeFile::decode(format, *written);
    FUZZ_CHECK(again.hasValue());
    FUZZ_CHECK(again->allFavorites().size() == contents->allFavorites().size());
    for (qsizetype i = 0; i < again->allFavorites().size(); ++i) {
        FUZZ_CHECK(again->allFavorites()[i].colors == contents->allFavorites()[i].colors);
    }
    return 0;
}
