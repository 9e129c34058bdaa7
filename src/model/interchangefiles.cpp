// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchangefiles.h"

#include "csspalette.h"
#include "gimppalette.h"
#include "jsonpalette.h"
#include "propertylist.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

const QString kUnknownKind = u"it is not a GIMP palette (.gpl), CSS (.css) or JSON (.json) file"_s;

// Why the reader would refuse what is about to be written, if it would.
std::optional<QString> beyondReadLimits(const InterchangeContents& contents) {
    qsizetype colors = 0;
    bool longName = contents.title.size() > kMaxInterchangeName;
    for (const FavoriteGroup& group : contents.groups) {
        longName = longName || group.name.size() > kMaxInterchangeName;
        for (const FavoriteEntry& favorite : group.favorites) {
            longName = longName || favorite.name.size() > kMaxInterchangeName;
            colors += kPaletteSize;
        }
    }
    if (longName) {
        return u"a name is longer than %1 characters"_s.arg(kMaxInterchangeName);
    }
    if (colors > kMaxInterchangeColors) {
        return u"it would hold more than %1 colours"_s.arg(kMaxInterchangeColors);
    }
    return std::nullopt;
}

} // namespace

std::optional<InterchangeFormat> interchangeFormatOfPath(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"gpl") {
        return InterchangeFormat::GimpPalette;
    }
    if (extension == u"css") {
        return InterchangeFormat::CSS;
    }
    if (extension == u"json") {
        return InterchangeFormat::JSON;
    }
    return std::nullopt;
}

Expected<QByteArray> InterchangeFile::encode(InterchangeFormat format,
                                             const InterchangeContents& contents) {
    if (const std::optional<QString> why = beyondReadLimits(contents)) {
        return Expected<QByteArray>::failure(*why);
    }
    switch (format) {
    case InterchangeFormat::GimpPalette:
        return gimppalette::write(contents);
    case InterchangeFormat::CSS:
        return csspalette::write(contents);
    case InterchangeFormat::JSON:
        break;
    }
    return jsonpalette::write(contents);
}

Expected<InterchangeContents> InterchangeFile::decode(InterchangeFormat format,
                                                      QByteArrayView data) {
    switch (format) {
    case InterchangeFormat::GimpPalette:
        return gimppalette::parse(data);
    case InterchangeFormat::CSS:
        return csspalette::parse(data);
    case InterchangeFormat::JSON:
        break;
    }
    return jsonpalette::parse(data);
}

std::optional<FileError> InterchangeFile::write(const QString& path, InterchangeContents contents,
                                                std::optional<InterchangeFormat> format) {
    if (!format) {
        format = interchangeFormatOfPath(path);
    }
    if (!format) {
        return FileError{path, kUnknownKind, FileError::Action::Save};
    }
    if (contents.title.isEmpty()) {
        contents.title = QFileInfo(path).completeBaseName();
    }
    const Expected<QByteArray> bytes = encode(*format, contents);
    if (!bytes) {
        return FileError{path, bytes.error(), FileError::Action::Save,
                         FileError::Kind::BeyondReadLimits};
    }
    return writeFileAtomically(path, *bytes);
}

FileResult<InterchangeContents> InterchangeFile::read(const QString& path) {
    using Result = FileResult<InterchangeContents>;
    const std::optional<InterchangeFormat> format = interchangeFormatOfPath(path);
    if (!format) {
        return Result::failure(FileError{path, kUnknownKind});
    }
    FileResult<QByteArray> bytes =
        readWholeFile(path, PropertyListLimits::exchangeFiles().maxBytes);
    if (!bytes) {
        return Result::failure(bytes.error());
    }
    Expected<InterchangeContents> contents = decode(*format, *bytes);
    if (!contents) {
        return Result::failure(FileError{path, contents.error()});
    }
    return std::move(contents).value();
}

} // namespace tintmere
