// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorargument.h"
#include "exchangefiles.h"
#include "interchangefiles.h"
#include "printable.h"
#include "subcommands.h"

#include <QFileInfo>

#include <iostream>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::cli {

namespace {

constexpr std::string_view kWriteOption = "--write";

QString pathArgument(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

// Stored colour text in its own lowercase form, however the file spelled it.
std::string canonical(const QString& storedText) {
    return colorFromStoredText(storedText)->colorValueWithFormat(kStoredColorFormat);
}

int reportError(const FileError& error) {
    std::cout.flush();
    // The message quotes the file's name and may quote its content.
    std::cerr << "tintmere-color: " << printable(error.text()) << '\n';
    return 1;
}

// The OUT of "--write OUT" or "--write=OUT" as the first argument; nothing without it.
std::optional<std::string_view> writeTarget(std::span<const std::string_view>& arguments) {
    if (arguments.empty() || !arguments.front().starts_with(kWriteOption)) {
        return std::nullopt;
    }
    const std::string_view first = arguments.front();
    if (first.size() > kWriteOption.size() && first[kWriteOption.size()] == '=') {
        arguments = arguments.subspan(1);
        return first.substr(kWriteOption.size() + 1);
    }
    if (first != kWriteOption) {
        return std::nullopt;
    }
    if (arguments.size() < 2) {
        throw UsageError("option --write needs a value");
    }
    const std::string_view target = arguments[1];
    arguments = arguments.subspan(2);
    return target;
}

int writePalette(const QString& path, std::span<const std::string_view> colors) {
    if (colors.size() != kPaletteSize) {
        throw UsageError("palette --write needs exactly four colours");
    }
    Palette palette;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        palette[i] = readColorArgument(colors[i], "colour " + std::to_string(i + 1));
    }
    const std::optional<FileError> error = PaletteFile::write(path, palette);
    return error ? reportError(*error) : 0;
}

int printPalette(const QString& path, std::ostream& out) {
    // Only looking: an older palette file is not rewritten.
    const FileResult<Palette> palette = PaletteFile::read(path, PaletteFile::OlderForm::LeaveAlone);
    if (!palette) {
        return reportError(palette.error());
    }
    const char* separator = "";
    for (const Color& color : *palette) {
        out << separator << color.colorValueWithFormat(kStoredColorFormat);
        separator = " ";
    }
    out << '\n';
    return 0;
}

void printFavoriteLines(const QList<FavoriteEntry>& favorites, std::ostream& out) {
    for (const FavoriteEntry& favorite : favorites) {
        out << printable(favorite.name) << '\t';
        const char* separator = "";
        for (const QString& color : favorite.colors) {
            out << separator << canonical(color);
            separator = " ";
        }
        out << '\n';
    }
}

int printFavorites(const QString& path, std::ostream& out) {
    const FileResult<FavoritesImport> favorites = FavoritesFile::read(path);
    if (!favorites) {
        return reportError(favorites.error());
    }
    printFavoriteLines(favorites->favorites, out);
    return 0;
}

enum class Kind { Palette, Favorites, Interchange };

Kind kindOf(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"tnp") {
        return Kind::Palette;
    }
    if (extension == u"tnf") {
        return Kind::Favorites;
    }
    if (interchangeFormatOfPath(path)) {
        return Kind::Interchange;
    }
    throw UsageError("FILE must be a palette (.tnp), favorites (.tnf), GIMP palette (.gpl), CSS "
                     "(.css) or JSON (.json) file");
}

// Any of the files as the interchange formats see it.
FileResult<InterchangeContents> readAny(const QString& path) {
    using Result = FileResult<InterchangeContents>;
    const QString title = QFileInfo(path).completeBaseName();
    switch (kindOf(path)) {
    case Kind::Palette: {
        const FileResult<Palette> palette =
            PaletteFile::read(path, PaletteFile::OlderForm::LeaveAlone);
        return palette ? Result(InterchangeContents::ofPalette(title, *palette))
                       : Result::failure(palette.error());
    }
    case Kind::Favorites: {
        const FileResult<FavoritesImport> favorites = FavoritesFile::read(path);
        return favorites ? Result(InterchangeContents::ofFavorites(title, favorites->favorites))
                         : Result::failure(favorites.error());
    }
    case Kind::Interchange:
        break;
    }
    FileResult<InterchangeContents> contents = InterchangeFile::read(path);
    if (contents && contents->title.isEmpty()) {
        contents->title = title;
    }
    return contents;
}

int printInterchange(const QString& path, std::ostream& out) {
    const FileResult<InterchangeContents> contents = InterchangeFile::read(path);
    if (!contents) {
        return reportError(contents.error());
    }
    if (contents->palette) {
        const auto palette = contents->firstPalette();
        const char* separator = "";
        for (const Color& color : *palette) {
            out << separator << color.colorValueWithFormat(kStoredColorFormat);
            separator = " ";
        }
        out << '\n';
        return 0;
    }
    printFavoriteLines(contents->allFavorites(), out);
    return 0;
}

constexpr OptionSpec kPaletteOptions[] = {{"--to", true}};

int convertFile(const QString& path, std::string_view to, std::optional<QString> out,
                std::ostream& stdOut) {
    const QString target = QString::fromUtf8(to.data(), static_cast<qsizetype>(to.size()));
    const std::optional<InterchangeFormat> format = interchangeFormatOfPath(u"x."_s + target);
    if (!format && target != u"tnp" && target != u"tnf") {
        throw UsageError("unknown target \"" + std::string(to) +
                         "\": use gpl, css, json, tnp or tnf");
    }
    if (!format && !out) {
        throw UsageError("--to " + std::string(to) + " writes a binary file: give OUT");
    }
    const FileResult<InterchangeContents> contents = readAny(path);
    if (!contents) {
        return reportError(contents.error());
    }
    std::optional<FileError> error;
    if (target == u"tnp") {
        const auto palette = contents->firstPalette();
        error = palette ? PaletteFile::write(*out, *palette)
                        : std::optional(FileError{path, palette.error()});
    } else if (target == u"tnf") {
        error = FavoritesFile::write(*out, contents->allFavorites());
    } else if (out) {
        error = InterchangeFile::write(*out, *contents, format);
    } else {
        const Expected<QByteArray> bytes = InterchangeFile::encode(*format, *contents);
        if (!bytes) {
            return reportError(FileError{path, bytes.error()});
        }
        stdOut.write(bytes->constData(), bytes->size());
    }
    return error ? reportError(*error) : 0;
}

} // namespace

int runPalette(std::span<const std::string_view> arguments, Streams& streams) {
    if (const std::optional<std::string_view> out = writeTarget(arguments)) {
        const CommandLine colors(arguments, {});
        return writePalette(pathArgument(*out), colors.operands());
    }
    CommandLine commandLine(arguments, kPaletteOptions);
    const QString path = pathArgument(commandLine.takeOperand("palette or favorites file"));
    if (commandLine.has("--to")) {
        std::optional<QString> out;
        if (!commandLine.operands().empty()) {
            out = pathArgument(commandLine.takeOperand("OUT"));
        }
        if (!commandLine.operands().empty()) {
            throw UsageError("palette --to writes one file at a time");
        }
        return convertFile(path, commandLine.value("--to"), out, streams.out);
    }
    if (!commandLine.operands().empty()) {
        throw UsageError("palette reads one file at a time");
    }
    switch (kindOf(path)) {
    case Kind::Palette:
        return printPalette(path, streams.out);
    case Kind::Favorites:
        return printFavorites(path, streams.out);
    case Kind::Interchange:
        break;
    }
    return printInterchange(path, streams.out);
}

} // namespace tintmere::cli
