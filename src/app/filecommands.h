// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QAction;
class QDialog;
class QMainWindow;
class QUndoStack;

namespace tintmere {

class PaletteEditor;
class SimpleTreeNode;
class UserPrompts;
struct FavoriteGroup;
struct InterchangeContents;

// The file commands' menu items and the window their sheets and messages go on.
struct FileCommandsWidgets {
    QMainWindow* window = nullptr;
    QAction* importItem = nullptr; // "Import..."
    QAction* exportItem = nullptr; // "Export..."
    QUndoStack* undoStack = nullptr;
};

// Palette (.tnp) and favorites (.tnf) files: exporting through the export sheets, opening
// from the Open dialog or the desktop, importing chosen favorites as a new group. The same
// flows write and read GIMP palettes, CSS custom properties and JSON, chosen in the file
// dialogs. One sheet shows at a time; files handed over meanwhile wait their turn.
class FileCommands : public QObject {
    Q_OBJECT

public:
    using Prompts = std::function<UserPrompts&()>;

    // tree is the favorites library's, not owned.
    FileCommands(const FileCommandsWidgets& widgets, SimpleTreeNode& tree, PaletteEditor& palette,
                 Prompts prompts, QObject* parent = nullptr);

    void saveDocument();
    void openDocument();
    // Files handed over by the desktop; others than palettes and favorites are named in the
    // status bar.
    void openFiles(const QStringList& files);
    // False for a file that is not a palette or favorites file.
    bool openFile(const QString& path);
    // The sheet showing on the window, if any.
    QDialog* sheet() const;

Q_SIGNALS:
    // A file is about to open: the window it shows in should be up.
    void windowNeeded();
    // An opened palette file changed the palette.
    void paletteOpened();

private:
    void showSheet(QDialog* sheet);
    void exportPalette();
    void chooseFavoritesToExport();
    void exportFavorites(const QList<int>& flags);
    void openNextFile();
    // A palette goes into the wells; favorites are offered for import.
    void openInterchange(const QString& path, const InterchangeContents& contents);
    // One message for the files that could not be opened, the first few named.
    static QString gatheredProblems(const QStringList& problems);
    void showStatus(const QString& text);
    // name: the group the ticked favorites go into; groups: theirs inside it.
    void showImportSheet(const QString& name, const QList<FavoriteGroup>& groups);
    void importData(const QString& name, const QList<FavoriteGroup>& groups,
                    const QList<int>& flags);

    FileCommandsWidgets m_w;
    SimpleTreeNode& m_tree;
    PaletteEditor& m_palette;
    Prompts m_prompts;
    QPointer<QDialog> m_sheet;
    QStringList m_pendingFiles;
};

} // namespace tintmere
