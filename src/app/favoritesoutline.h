// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QList>
#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QWidget;

namespace tintmere {

class FavoritesLibrary;
class FavoritesModel;
class FavoritesPane;
class LibraryAutosaver;
class PaletteEditor;
class SimpleTreeNode;
class UserPrompts;
struct MenuState;

// Where the favorites outline goes and the menu-bar commands that act on it.
struct FavoritesOutlineWidgets {
    QWidget* favoritesArea = nullptr;
    // "Use selected item", "Replace selected item with current palette",
    // "Delete selected item(s)"; adding goes in the menu before the first.
    std::array<QAction*, 3> favoritesItems{};
    // Where its questions show.
    QWidget* window = nullptr;
};

// The favorites outline: adding, replacing, deleting, the preview of the selected favorite,
// and the library written shortly after every change and once more at quit.
class FavoritesOutline : public QObject {
    Q_OBJECT

public:
    using Prompts = std::function<UserPrompts&()>;

    // library holds tree; neither is owned.
    FavoritesOutline(const FavoritesOutlineWidgets& widgets, FavoritesLibrary& library,
                     SimpleTreeNode& tree, PaletteEditor& palette, Prompts prompts,
                     QObject* parent = nullptr);
    ~FavoritesOutline() override;

    FavoritesPane* pane() const { return m_pane; }
    FavoritesModel* model() const { return m_model.get(); }
    // The library file holds the tree as loaded.
    void setFileHoldsTree();
    // The outline lets go of the model, and the model of the tree.
    void detach();

    void addFavorite();
    void addGroup();
    void replaceFavorite();
    // Asks first; also the answer to "QVFavoriteDelete".
    void remFavorite();
    void updatePreviewColors();
    void describeSelection(MenuState& state) const;
    // The colours of the one selected favorite; none for a group or several rows.
    std::optional<QList<Color>> chosenPalette() const;

    // At quit: waits for a running save, writes the final state, and asks the user what to
    // do when that fails.
    void saveLibrary();

Q_SIGNALS:
    void selectionChanged();
    // "Use": the selected favorite should become the palette.
    void useRequested();
    // The library could not be written, or the autosaver has something to say.
    void problem(const QString& text);

private:
    // Writes the library to a file the user chooses; true when it was written.
    bool saveLibraryCopy();

    FavoritesOutlineWidgets m_w;
    FavoritesLibrary& m_library;
    SimpleTreeNode& m_tree;
    PaletteEditor& m_palette;
    Prompts m_prompts;
    std::unique_ptr<FavoritesModel> m_model;
    std::unique_ptr<LibraryAutosaver> m_autosaver;
    FavoritesPane* m_pane = nullptr; // in favoritesArea, which outlives the outline
};

} // namespace tintmere
