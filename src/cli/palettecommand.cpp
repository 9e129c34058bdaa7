// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorargument.h"
#include "exchangefiles.h"
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

int printFavorites(const QString& path, std::ostream& out) {
    const FileResult<FavoritesImport> favorites = FavoritesFile::read(path);
    if (!favorites) {
        return reportError(favorites.error());
    }
    for (const FavoriteEntry& favorite : favorites->favorites) {
        out << printable(favorite.name) << '\t';
        const char* separator = "";
        for (const QString& color : favorite.colors) {
            out << separator << canonical(color);
            separator = " ";
        }
        out << '\n';
    }
    return 0;
}

} // namespace

int runPalette(std::span<const std::string_view> arguments, Streams& streams) {
    if (const std::optional<std::string_view> out = writeTarget(arguments)) {
        const CommandLine colors(arguments, {});
        return writePalette(pathArgument(*out), colors.operands());
    }
    CommandLine commandLine(arguments, {});
    const QString path = pathArgument(commandLine.takeOperand("palette or favorites file"));
    if (!commandLine.operands().empty()) {
        throw UsageError("palette reads one file at a time");
    }
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"tnp") {
        return printPalette(path, streams.out);
    }
    if (extension == u"tnf") {
        return printFavorites(path, streams.out);
    }
    throw UsageError("FILE must be a palette file (.tnp) or a favorites file (.tnf)");
}

} // namespace tintmere::cli
