// SPDX-License-Identifier: GPL-3.0-or-later
// Palette and favorites files: exporting through the export sheets, opening from the
// Open dialog or the desktop, importing chosen favorites as a new group; the palette
// interchange formats through the same flows.
#include "filecommands.h"

#include "colorundocommands.h"
#include "defaults.h"
#include "exchangefiles.h"
#include "exportsheet.h"
#include "favoritesselectionsheet.h"
#include "interchangefiles.h"
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
// Beside those, in the order the file dialogs offer them.
const QStringList kInterchangeTypes{u"gpl"_s, u"css"_s, u"json"_s};

QString fileType(const QString& path) {
    return QFileInfo(path).suffix().toLower();
}

// The file's extension when it names a type offered, else the type picked in the dialog.
QString typeToWrite(const QString& path, const QStringList& offered, const QString& picked) {
    const QString extension = fileType(path);
    return offered.contains(extension) ? extension : picked;
}

std::optional<FileError> writeInterchange(const QString& path, InterchangeContents contents,
                                          const QString& type) {
    const std::optional<InterchangeFormat> format = interchangeFormatOfPath(u"file."_s + type);
    return InterchangeFile::write(path, std::move(contents), format);
}

// The ticked favorites under their groups. The formats keep one level of groups, so a
// favorite in nested groups goes under their names joined ("Outer / Inner"). flags are one a
// favorite, in outline order.
void collectTicked(const QList<TreeNode*>& nodes, const QString& group, const QList<int>& flags,
                   qsizetype& row, QList<FavoriteGroup>& groups) {
    for (const TreeNode* node : nodes) {
        const SimpleNodeData* data = SimpleTreeNode::dataOf(node);
        if (!data)
            continue;
        if (data->isExpandable()) {
            const QString inner = group.isEmpty() ? data->name() : group + u" / "_s + data->name();
            collectTicked(node->children(), inner, flags, row, groups);
            continue;
        }
        if (flags.value(row++) != 1)
            continue;
        if (groups.isEmpty() || groups.last().name != group)
            groups.append(FavoriteGroup{group, {}});
        groups.last().favorites.append(FavoriteEntry{data->name(), data->colorArray()});
    }
}

// A file of one set of at most four colours outside any group is a palette, whatever
// program wrote it; JSON says so itself.
bool holdsOnePalette(const InterchangeContents& contents) {
    return contents.palette ||
           (contents.colorCount <= kPaletteSize && contents.favoriteCount() == 1 &&
            contents.groups.constFirst().name.isEmpty());
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
    const QStringList offered = QStringList{kPaletteType} + kInterchangeTypes;
    QString picked;
    const QString path = m_prompts().saveFileName(
        m_w.window, defaults.pathValue(keys::LastSaveDirectory), offered, &picked);
    if (path.isEmpty())
        return;
    const QList<Color> colors = m_palette.colorArray();
    Palette palette;
    std::copy_n(colors.begin(), palette.size(), palette.begin());
    const QString type = typeToWrite(path, offered, picked);
    const std::optional<FileError> problem =
        type == kPaletteType
            ? PaletteFile::write(path, palette)
            : writeInterchange(path, InterchangeContents::ofPalette({}, palette), type);
    if (problem) {
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
    const QStringList offered = QStringList{kFavoritesType} + kInterchangeTypes;
    QString picked;
    const QString path = m_prompts().saveFileName(
        m_w.window, defaults.pathValue(keys::LastSaveDirectory), offered, &picked);
    if (path.isEmpty())
        return;
    const QString type = typeToWrite(path, offered, picked);
    std::optional<FileError> problem;
    if (type == kFavoritesType) {
        problem = FavoritesFile::write(
            path, SimpleTreeNode::itemsArrayFromRootChildren(m_tree.children()), flags);
    } else {
        InterchangeContents contents;
        qsizetype row = 0;
        collectTicked(m_tree.children(), {}, flags, row, contents.groups);
        // A palette of no colours is no GIMP palette or style sheet anyone could read.
        if (contents.groups.isEmpty() && type != u"json") {
            m_prompts().reportError(
                m_w.window, tr("Nothing was exported: tick at least one favorite to write “%1”.")
                                .arg(QFileInfo(path).fileName()));
            return;
        }
        problem = writeInterchange(path, std::move(contents), type);
    }
    if (problem) {
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
    const QString type = fileType(path);
    if (type != kPaletteType && type != kFavoritesType && !kInterchangeTypes.contains(type)) {
        m_prompts().reportError(
            m_w.window,
            tr("“%1” is not a file Tintmere imports: a palette (.tnp), favorites (.tnf), GIMP "
               "palette (.gpl), CSS (.css) or JSON (.json) file.")
                .arg(QFileInfo(path).fileName()));
        return;
    }
    // Favorites files leave the Open dialog's starting folder alone.
    if (type != kFavoritesType)
        defaults.setString(keys::LastOpenDirectory, folderOf(path));
    // The Open dialog has gone by now, so a favorites file's sheet can show.
    m_pendingFiles.append(path);
    openNextFile();
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
        showStatus(
            tr("Tintmere opens palette (.tnp) and favorites (.tnf) files only; not opened: %1")
                .arg(declined.join(u", "_s)));
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
        const QString type = fileType(path);
        if (kInterchangeTypes.contains(type)) {
            const FileResult<InterchangeContents> contents = InterchangeFile::read(path);
            if (!contents) {
                problems.append(contents.error().text());
                continue;
            }
            openInterchange(path, *contents);
        } else if (type == kPaletteType) {
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
            showImportSheet(import->name, {FavoriteGroup{{}, import->favorites}});
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

void FileCommands::openInterchange(const QString& path, const InterchangeContents& contents) {
    const QString name =
        contents.title.isEmpty() ? QFileInfo(path).completeBaseName() : contents.title;
    if (!holdsOnePalette(contents)) {
        showImportSheet(name, contents.groups);
        return;
    }
    // Fewer than four colours leave the wells after them as they were.
    QList<Color> wells = m_palette.colorArray();
    const QStringList colors = contents.groups.constFirst().favorites.constFirst().colors;
    const qsizetype count = std::min<qsizetype>(contents.colorCount, kPaletteSize);
    for (qsizetype i = 0; i < count && i < wells.size(); ++i)
        wells[i] = colorFromStoredText(colors.value(i)).value_or(Color{1, 1, 1, 1});
    recordPalette(*m_w.undoStack, m_palette, wells);
    Q_EMIT paletteOpened();
    if (count < kPaletteSize)
        showStatus(tr("“%1” holds %n color(s); the other wells are unchanged.", nullptr, int(count))
                       .arg(QFileInfo(path).fileName()));
}

void FileCommands::showStatus(const QString& text) {
    m_w.window->statusBar()->showMessage(text, kStatusMessageMilliseconds);
}

void FileCommands::showImportSheet(const QString& name, const QList<FavoriteGroup>& groups) {
    auto* sheet = new FavoritesSelectionSheet(
        tr("Import Favorites"), tr("Choose the favorites to import from “%1”.").arg(name),
        tr("Import"), m_w.window);
    QList<FavoriteEntry> rows;
    for (const FavoriteGroup& group : groups) {
        for (FavoriteEntry entry : group.favorites) {
            if (!group.name.isEmpty())
                entry.name = group.name + u" / "_s + entry.name;
            rows.append(entry);
        }
    }
    sheet->setEntries(rows);
    connect(sheet, &QDialog::accepted, this,
            [this, sheet, name, groups] { importData(name, groups, sheet->flags()); });
    m_w.window->activateWindow();
    showSheet(sheet);
}

void FileCommands::importData(const QString& name, const QList<FavoriteGroup>& groups,
                              const QList<int>& flags) {
    QVariantList entries;
    qsizetype row = 0;
    for (const FavoriteGroup& group : groups) {
        QVariantList ticked;
        for (const FavoriteEntry& favorite : group.favorites) {
            if (flags.value(row++) == 1)
                ticked.append(favorite.toDictionary());
        }
        // The file's own groups go inside the new one.
        if (group.name.isEmpty())
            entries.append(ticked);
        else if (!ticked.isEmpty())
            entries.append(
                QVariantMap{{entrykeys::Group, group.name}, {entrykeys::Entries, ticked}});
    }
    std::unique_ptr<SimpleTreeNode> imported = SimpleTreeNode::treeFromDictionary(
        {{entrykeys::Entries, entries}, {entrykeys::Group, name}});
    // Imports go at the end of the top level, closed; nothing is merged.
    if (SimpleNodeData* data = SimpleTreeNode::dataOf(imported.get()))
        data->setExpStart(false);
    m_tree.insertChild(std::move(imported), m_tree.numberOfChildren());
}

} // namespace tintmere
