// SPDX-License-Identifier: GPL-3.0-or-later
// The favorites outline: adding, replacing, deleting, the preview of the selected
// favorite, and the library written shortly after every change.
#include "appcontroller.h"
#include "favoritesmodel.h"
#include "favoritespane.h"
#include "libraryautosaver.h"
#include "menuvalidation.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "qvcustomtableview.h"
#include "qvpaletteview.h"
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
#include <QStatusBar>

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

void AppController::setUpFavorites() {
    const MainWindowOutlets& o = outlets();
    m_favoritesModel = std::make_unique<FavoritesModel>();
    m_favoritesModel->setRoot(m_treeData.get());
    m_autosaver = std::make_unique<LibraryAutosaver>(&m_library, m_treeData.get());
    connect(m_favoritesModel.get(), &FavoritesModel::libraryChanged, m_autosaver.get(),
            &LibraryAutosaver::scheduleSave);
    connect(m_autosaver.get(), &LibraryAutosaver::saveFailed, this,
            &AppController::reportLibraryProblem);
    connect(m_autosaver.get(), &LibraryAutosaver::noticed, this,
            &AppController::reportLibraryProblem);

    m_favoritesPane = new FavoritesPane(o.favoritesArea);
    o.favoritesArea->layout()->addWidget(m_favoritesPane);
    // The drawers slide over the outline.
    m_favoritesPane->lower();
    QVCustomTableView* outline = m_favoritesPane->outline();
    outline->setFavoritesModel(m_favoritesModel.get());
    connect(outline->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        updatePreviewColors();
        updateFavoritesCommands();
    });

    FavoritesPane* pane = m_favoritesPane;
    connect(pane->addFavoriteAction(), &QAction::triggered, this, &AppController::addFavorite);
    connect(pane->addGroupAction(), &QAction::triggered, this, &AppController::addGroup);
    connect(pane->replaceAction(), &QAction::triggered, this, &AppController::replaceFavorite);
    connect(pane->deleteAction(), &QAction::triggered, this, &AppController::remFavorite);
    connect(pane->useAction(), &QAction::triggered, this,
            [this] { sendToCurrent(SendSource::FavoritesPreview); });
    // Adding is in the menu bar too, for the keyboard.
    pane->addFavoriteAction()->setShortcut(QKeySequence(u"Ctrl+D"_s));
    for (QObject* holder : o.favoritesItems[0]->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder)) {
            menu->insertActions(o.favoritesItems[0],
                                {pane->addFavoriteAction(), pane->addGroupAction()});
            menu->insertSeparator(o.favoritesItems[0]);
        }
    }
    connect(o.favoritesItems[0], &QAction::triggered, this,
            [this] { sendToCurrent(SendSource::FavoritesPreview); });
    connect(o.favoritesItems[1], &QAction::triggered, this, &AppController::replaceFavorite);
    connect(o.favoritesItems[2], &QAction::triggered, this, &AppController::remFavorite);

    NotificationCenter::defaultCenter().addObserver(this, notifications::FavoriteDelete, outline,
                                                    [this](const Notification&) { remFavorite(); });
    updatePreviewColors();
    updateFavoritesCommands();
}

void AppController::tearDownFavorites() {
    // The outline lets go of the model before the model lets go of the tree.
    if (m_favoritesPane)
        m_favoritesPane->outline()->setFavoritesModel(nullptr);
    m_favoritesModel.reset();
}

void AppController::setPrompts(std::unique_ptr<UserPrompts> prompts) {
    m_prompts = std::move(prompts);
}

UserPrompts& AppController::prompts() const {
    static DialogPrompts dialogs;
    return m_prompts ? *m_prompts : dialogs;
}

void AppController::saveLibrary() {
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
        switch (prompts().askAfterFailedSave(m_mainWindow.get(), problem)) {
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

bool AppController::saveLibraryCopy() {
    const QString path = prompts().saveFileName(m_mainWindow.get(), QDir::homePath(), u"plist"_s);
    if (path.isEmpty())
        return false;
    FavoritesLibrary copy(path);
    if (const std::optional<FileError> problem = copy.save(*m_treeData)) {
        prompts().reportError(m_mainWindow.get(), problem->text());
        return false;
    }
    return true;
}

void AppController::describeFavoritesSelection(MenuState& state) const {
    const QList<TreeNode*> selected = m_favoritesPane->outline()->selectedNodes();
    state.favoritesSelectedRows = int(selected.size());
    const SimpleNodeData* data =
        selected.isEmpty() ? nullptr : SimpleTreeNode::dataOf(selected.first());
    state.selectedFavoriteIsGroup = data && data->isGroup();
}

void AppController::updateFavoritesCommands() {
    // Adding is always possible; these depend on the selection.
    FavoritesPane* pane = m_favoritesPane;
    for (QAction* command : {pane->useAction(), pane->replaceAction(), pane->deleteAction()})
        command->setEnabled(validateMenuItem(command));
}

void AppController::addFavorite() {
    m_favoritesPane->outline()->addNewItem(
        FavoritesModel::newFavorite(storedTexts(colorArray()), QDateTime::currentDateTime()));
}

void AppController::addGroup() {
    m_favoritesPane->outline()->addNewItem(FavoritesModel::newGroup());
}

void AppController::replaceFavorite() {
    QVCustomTableView* outline = m_favoritesPane->outline();
    const QList<TreeNode*> selected = outline->selectedNodes();
    if (!singleFavorite(selected)) {
        QApplication::beep();
        return;
    }
    m_favoritesModel->setColors(m_favoritesModel->indexOfNode(selected.first()),
                                storedTexts(colorArray()));
    updatePreviewColors();
}

void AppController::remFavorite() {
    QApplication::beep();
    QVCustomTableView* outline = m_favoritesPane->outline();
    const QList<TreeNode*> selected = outline->selectedNodes();
    if (selected.isEmpty() || !prompts().confirmDelete(m_mainWindow.get()))
        return;
    outline->clearSelection();
    m_favoritesModel->removeNodes(selected);
    outline->clearSelection();
    updatePreviewColors();
}

void AppController::updatePreviewColors() {
    QList<Color> colors;
    if (const SimpleNodeData* favorite =
            singleFavorite(m_favoritesPane->outline()->selectedNodes())) {
        for (const QString& text : favorite->colorArray())
            colors.append(colorFromStoredText(text).value_or(Color{1, 1, 1, 1}));
    }
    // Anything else shows white.
    m_favoritesPane->preview()->setColors(colors);
}

} // namespace tintmere
