// SPDX-License-Identifier: GPL-3.0-or-later
// Palette and favorites files: exporting through the export sheets, opening from the
// Open dialog or the desktop, importing chosen favorites as a new group.
#include "filecommands.h"

#include "colorundocommands.h"
#include "defaults.h"
#include "exchangefiles.h"
#include "exportsheet.h"
#include "favoritesselectionsheet.h"
#include "simpletreenode.h"
#include "userprompts.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr int kStatusMessageMilliseconds = 8000;
const QString kPaletteType = u"tnp"_s;
const QString kFavoritesType = u"tnf"_s;

QString fileType(const QString& path) {
    return QFileInfo(path).suffix().toLower();
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

} // namespace

FileCommands::FileCommands(const FileCommandsWidgets& widgets, SimpleTreeNode& tree,
                           PaletteEditor& palette, Prompts prompts, QObject* parent)
    : QObject(parent)
    , m_w(widgets)
    , m_tree(tree)
    , m_palette(palette)
    , m_prompts(std::move(prompts)) {
    connect(m_w.exportItem, &QAction::triggered, this, &FileCommands::saveDocument);
    connect(m_w.importItem, &QAction::triggered, this, &FileCommands::openDocument);
}

QDialog* FileCommands::sheet() const {
    QDialog* shown = m_sheet.data();
    return shown && shown->isVisible() ? shown : nullptr;
}

void FileCommands::showSheet(QDialog* sheet) {
    // One sheet at a time; the files waiting for their turn follow when it goes.
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    m_sheet = sheet;
    connect(sheet, &QDialog::finished, this, [this] {
        QMetaObject::invokeMethod(this, &FileCommands::openNextFile, Qt::QueuedConnection);
    });
    sheet->open();
}

void FileCommands::saveDocument() {
    if (sheet())
        return;
    auto* sheet = new ExportSheet(m_w.window);
    connect(sheet, &QDialog::finished, this, [this](int result) {
        if (result == ExportSheet::ExportPalette)
            exportPalette();
        else if (result == ExportSheet::ExportFavorites)
            chooseFavoritesToExport();
    });
    showSheet(sheet);
}

void FileCommands::exportPalette() {
    Defaults& defaults = Defaults::standard();
    const QString path = m_prompts().saveFileName(
        m_w.window, defaults.pathValue(keys::LastSaveDirectory), kPaletteType);
    if (path.isEmpty())
        return;
    const QList<Color> colors = m_palette.colorArray();
    Palette palette;
    std::copy_n(colors.begin(), palette.size(), palette.begin());
    if (const std::optional<FileError> problem = PaletteFile::write(path, palette)) {
        m_prompts().reportError(m_w.window, problem->text());
        return;
    }
    defaults.setString(keys::LastSaveDirectory, folderOf(path));
}

void FileCommands::chooseFavoritesToExport() {
    auto* sheet = new FavoritesSelectionSheet(
        tr("Export Favorites"), tr("Choose the favorites to export."), tr("Next..."), m_w.window);
    sheet->setEntries(SimpleTreeNode::itemsArrayFromRootChildren(m_tree.children()));
    connect(sheet, &QDialog::accepted, this, [this, sheet] { exportFavorites(sheet->flags()); });
    // Set up before the export sheet's own finishing is over.
    QMetaObject::invokeMethod(
        this, [this, sheet] { showSheet(sheet); }, Qt::QueuedConnection);
}

void FileCommands::exportFavorites(const QList<int>& flags) {
    Defaults& defaults = Defaults::standard();
    const QString path = m_prompts().saveFileName(
        m_w.window, defaults.pathValue(keys::LastSaveDirectory), kFavoritesType);
    if (path.isEmpty())
        return;
    const QList<FavoriteEntry> favorites =
        SimpleTreeNode::itemsArrayFromRootChildren(m_tree.children());
    if (const std::optional<FileError> problem = FavoritesFile::write(path, favorites, flags)) {
        m_prompts().reportError(m_w.window, problem->text());
        return;
    }
    defaults.setString(keys::LastSaveDirectory, folderOf(path));
}

void FileCommands::openDocument() {
    if (sheet())
        return;
    Defaults& defaults = Defaults::standard();
    const QString path =
        m_prompts().openFileName(m_w.window, defaults.pathValue(keys::LastOpenDirectory));
    if (path.isEmpty())
        return;
    // Only palette files move the Open dialog's starting folder.
    if (fileType(path) == kPaletteType)
        defaults.setString(keys::LastOpenDirectory, folderOf(path));
    // The Open dialog has gone by now, so a favorites file's sheet can show.
    if (!openFile(path))
        m_prompts().reportError(
            m_w.window, tr("“%1” is neither a palette file (.tnp) nor a favorites file (.tnf).")
                            .arg(QFileInfo(path).fileName()));
}

void FileCommands::openFiles(const QStringList& files) {
    QStringList declined;
    for (const QString& path : files) {
        const QString type = fileType(path);
        if (type == kPaletteType || type == kFavoritesType)
            m_pendingFiles.append(path);
        else
            declined.append(QFileInfo(path).fileName());
    }
    if (!declined.isEmpty())
        m_w.window->statusBar()->showMessage(
            tr("Tintmere opens palette (.tnp) and favorites (.tnf) files only; not opened: %1")
                .arg(declined.join(u", "_s)),
            kStatusMessageMilliseconds);
    openNextFile();
}

bool FileCommands::openFile(const QString& path) {
    const QString type = fileType(path);
    if (type != kPaletteType && type != kFavoritesType)
        return false;
    m_pendingFiles.append(path);
    openNextFile();
    return true;
}

void FileCommands::openNextFile() {
    // Many files handed over at once give one message, not a stack of boxes.
    QStringList problems;
    // A favorites file waits until the sheet before it has gone.
    while (!sheet() && !m_pendingFiles.isEmpty()) {
        const QString path = m_pendingFiles.takeFirst();
        if (!m_w.window->isVisible())
            Q_EMIT windowNeeded();
        if (fileType(path) == kPaletteType) {
            const FileResult<Palette> palette = PaletteFile::read(path);
            if (!palette) {
                problems.append(palette.error().text());
                continue;
            }
            recordPalette(*m_w.undoStack, m_palette, {palette->begin(), palette->end()});
            Q_EMIT paletteOpened();
        } else {
            const FileResult<FavoritesImport> import = FavoritesFile::read(path);
            if (!import) {
                problems.append(import.error().text());
                continue;
            }
            showImportSheet(*import);
        }
    }
    if (!problems.isEmpty())
        m_prompts().reportError(m_w.window, gatheredProblems(problems));
}

QString FileCommands::gatheredProblems(const QStringList& problems) {
    if (problems.size() == 1)
        return problems.first();
    constexpr qsizetype kShown = 10;
    QString text = tr("%n files could not be opened:", nullptr, int(problems.size()));
    text += u"\n\n"_s + problems.first(std::min(kShown, problems.size())).join(u'\n');
    if (problems.size() > kShown)
        text += u"\n"_s + tr("… and %n more.", nullptr, int(problems.size() - kShown));
    return text;
}

void FileCommands::showImportSheet(const FavoritesImport& import) {
    auto* sheet = new FavoritesSelectionSheet(
        tr("Import Favorites"), tr("Choose the favorites to import from “%1”.").arg(import.name),
        tr("Import"), m_w.window);
    sheet->setEntries(import.favorites);
    connect(sheet, &QDialog::accepted, this,
            [this, sheet, import] { importData(import, sheet->flags()); });
    m_w.window->activateWindow();
    showSheet(sheet);
}

void FileCommands::importData(const FavoritesImport& import, const QList<int>& flags) {
    QVariantList entries;
    for (qsizetype i = 0; i < import.favorites.size(); ++i) {
        if (i < flags.size() && flags[i] == 1)
            entries.append(import.favorites[i].toDictionary());
    }
    std::unique_ptr<SimpleTreeNode> group = SimpleTreeNode::treeFromDictionary(
        {{entrykeys::Entries, entries}, {entrykeys::Group, import.name}});
    // Imports go at the end of the top level, closed; nothing is merged.
    if (SimpleNodeData* data = SimpleTreeNode::dataOf(group.get()))
        data->setExpStart(false);
    m_tree.insertChild(std::move(group), m_tree.numberOfChildren());
}

} // namespace tintmere
