// SPDX-License-Identifier: GPL-3.0-or-later
#include "favoritesoutline.h"

#include "colorundocommands.h"
#include "favoriteslibrary.h"
#include "favoritesmodel.h"
#include "favoritespane.h"
#include "libraryautosaver.h"
#include "menuvalidation.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qvcustomtableview.h"
#include "simpletreenode.h"
#include "storedcolors.h"
#include "userprompts.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QItemSelectionModel>
#include <QLayout>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

// The one selected favorite, or null when a group or several rows are selected.
SimpleNodeData* singleFavorite(const QList<TreeNode*>& selected) {
    if (selected.size() != 1)
        return nullptr;
    SimpleNodeData* data = SimpleTreeNode::dataOf(selected.first());
    return data && data->isLeaf() ? data : nullptr;
}

QStringList storedTexts(const QList<Color>& colors) {
    QStringList texts;
    for (const Color& color : colors)
        texts.append(storedColorText(color));
    return texts;
}

} // namespace

FavoritesOutline::FavoritesOutline(const FavoritesOutlineWidgets& widgets,
                                   FavoritesLibrary& library, SimpleTreeNode& tree,
                                   PaletteEditor& palette, Prompts prompts, QObject* parent)
    : QObject(parent)
    , m_w(widgets)
    , m_library(library)
    , m_tree(tree)
    , m_palette(palette)
    , m_prompts(std::move(prompts)) {
    m_model = std::make_unique<FavoritesModel>();
    m_model->setRoot(&m_tree);
    m_autosaver = std::make_unique<LibraryAutosaver>(&m_library, &m_tree);
    connect(m_model.get(), &FavoritesModel::libraryChanged, m_autosaver.get(),
            &LibraryAutosaver::scheduleSave);
    connect(m_autosaver.get(), &LibraryAutosaver::saveFailed, this, &FavoritesOutline::problem);
    connect(m_autosaver.get(), &LibraryAutosaver::noticed, this, &FavoritesOutline::problem);

    m_pane = new FavoritesPane(m_w.favoritesArea);
    m_w.favoritesArea->layout()->addWidget(m_pane);
    // The drawers slide over the outline.
    m_pane->lower();
    QVCustomTableView* outline = m_pane->outline();
    outline->setFavoritesModel(m_model.get());
    connect(outline->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        updatePreviewColors();
        Q_EMIT selectionChanged();
    });

    FavoritesPane* pane = m_pane;
    connect(pane->addFavoriteAction(), &QAction::triggered, this, &FavoritesOutline::addFavorite);
    connect(pane->addGroupAction(), &QAction::triggered, this, &FavoritesOutline::addGroup);
    connect(pane->replaceAction(), &QAction::triggered, this, &FavoritesOutline::replaceFavorite);
    connect(pane->deleteAction(), &QAction::triggered, this, &FavoritesOutline::remFavorite);
    connect(pane->useAction(), &QAction::triggered, this, &FavoritesOutline::useRequested);
    // Adding is in the menu bar too, for the keyboard.
    pane->addFavoriteAction()->setShortcut(QKeySequence(u"Ctrl+D"_s));
    const std::array<QAction*, 3>& items = m_w.favoritesItems;
    for (QObject* holder : items[0]->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder)) {
            menu->insertActions(items[0], {pane->addFavoriteAction(), pane->addGroupAction()});
            menu->insertSeparator(items[0]);
        }
    }
    connect(items[0], &QAction::triggered, this, &FavoritesOutline::useRequested);
    connect(items[1], &QAction::triggered, this, &FavoritesOutline::replaceFavorite);
    connect(items[2], &QAction::triggered, this, &FavoritesOutline::remFavorite);

    NotificationCenter::defaultCenter().addObserver(this, notifications::FavoriteDelete, outline,
                                                    [this](const Notification&) { remFavorite(); });
    updatePreviewColors();
}

FavoritesOutline::~FavoritesOutline() {
    NotificationCenter::defaultCenter().removeObserver(this);
    detach();
}

void FavoritesOutline::setFileHoldsTree() {
    m_autosaver->setFileHoldsTree();
}

void FavoritesOutline::detach() {
    if (m_model)
        m_pane->outline()->setFavoritesModel(nullptr);
    m_model.reset();
}

void FavoritesOutline::saveLibrary() {
    // A large library takes a while to write: quitting does not write it again when the
    // file already holds it. A write still running is waited for; it holds the tree unless
    // changes came after it began, and those are written after it.
    if (m_autosaver->fileHoldsTree() && m_library.isUnchangedOnDisk())
        return;
    if (!m_autosaver->isSaving())
        m_autosaver->scheduleSave();
    while (!m_autosaver->flush()) {
        const QString problem = m_autosaver->lastFailure()
                                    ? m_autosaver->lastFailure()->text()
                                    : tr("The favorites library could not be saved.");
        qWarning("%s", qUtf8Printable(problem));
        switch (m_prompts().askAfterFailedSave(m_w.window, problem)) {
        case UserPrompts::FailedSaveChoice::Retry:
            m_autosaver->scheduleSave();
            continue;
        case UserPrompts::FailedSaveChoice::SaveElsewhere:
            if (saveLibraryCopy())
                return;
            m_autosaver->scheduleSave();
            continue;
        case UserPrompts::FailedSaveChoice::QuitAnyway:
            return;
        }
    }
}

bool FavoritesOutline::saveLibraryCopy() {
    const QString path = m_prompts().saveFileName(m_w.window, QDir::homePath(), {u"plist"_s});
    if (path.isEmpty())
        return false;
    FavoritesLibrary copy(path);
    if (const std::optional<FileError> problem = copy.save(m_tree)) {
        m_prompts().reportError(m_w.window, problem->text());
        return false;
    }
    return true;
}

void FavoritesOutline::describeSelection(MenuState& state) const {
    const QList<TreeNode*> selected = m_pane->outline()->selectedNodes();
    state.favoritesSelectedRows = int(selected.size());
    const SimpleNodeData* data =
        selected.isEmpty() ? nullptr : SimpleTreeNode::dataOf(selected.first());
    state.selectedFavoriteIsGroup = data && data->isGroup();
}

void FavoritesOutline::addFavorite() {
    m_pane->outline()->addNewItem(FavoritesModel::newFavorite(storedTexts(m_palette.colorArray()),
                                                              QDateTime::currentDateTime()));
}

void FavoritesOutline::addGroup() {
    m_pane->outline()->addNewItem(FavoritesModel::newGroup());
}

void FavoritesOutline::replaceFavorite() {
    const QList<TreeNode*> selected = m_pane->outline()->selectedNodes();
    if (!singleFavorite(selected)) {
        QApplication::beep();
        return;
    }
    m_model->setColors(m_model->indexOfNode(selected.first()), storedTexts(m_palette.colorArray()));
    updatePreviewColors();
}

void FavoritesOutline::remFavorite() {
    QApplication::beep();
    QVCustomTableView* outline = m_pane->outline();
    const QList<TreeNode*> selected = outline->selectedNodes();
    if (selected.isEmpty() || !m_prompts().confirmDelete(m_w.window))
        return;
    outline->clearSelection();
    m_model->removeNodes(selected);
    outline->clearSelection();
    updatePreviewColors();
}

std::optional<QList<Color>> FavoritesOutline::chosenPalette() const {
    const SimpleNodeData* favorite = singleFavorite(m_pane->outline()->selectedNodes());
    if (!favorite)
        return std::nullopt;
    QList<Color> colors;
    for (const QString& text : favorite->colorArray())
        colors.append(colorFromStoredText(text).value_or(Color{1, 1, 1, 1}));
    return colors;
}

void FavoritesOutline::updatePreviewColors() {
    // Anything but a favorite shows white.
    m_pane->preview()->setColors(chosenPalette().value_or(QList<Color>()));
}

} // namespace tintmere
