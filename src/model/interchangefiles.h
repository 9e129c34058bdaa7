// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileerror.h"
#include "interchangecontents.h"

#include <QString>

#include <optional>

namespace tintmere {

// The palette interchange formats, known by the file's extension: ".gpl" (GIMP palette),
// ".css" (custom properties), ".json" (Tintmere's JSON form).
enum class InterchangeFormat { GimpPalette, CSS, JSON };
std::optional<InterchangeFormat> interchangeFormatOfPath(const QString& path);

// Reading and writing them with the same care as the palette and favorites files: bounded
// size and counts, linear time, an error naming the file and what is wrong, and nothing
// written that the reader would refuse.
class InterchangeFile {
public:
    // The file's bytes; refused when the reader would refuse them (too many colours, a name
    // too long).
    static Expected<QByteArray> encode(InterchangeFormat format,
                                       const InterchangeContents& contents);
    static Expected<InterchangeContents> decode(InterchangeFormat format, QByteArrayView data);

    // In the format of the path's extension unless one is given. An empty title becomes the
    // file's name without its extension.
    static std::optional<FileError> write(const QString& path, InterchangeContents contents,
                                          std::optional<InterchangeFormat> format = {});
    static FileResult<InterchangeContents> read(const QString& path);
};

} // namespace tintmere
