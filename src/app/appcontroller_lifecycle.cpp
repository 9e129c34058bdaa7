// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, termination, reopening and the window-level commands.
#include "appcontroller.h"
#include "applicationshortcuts.h"
#include "blendtool.h"
#include "clipboardcommands.h"
#include "coloreditor.h"
#include "contraststrip.h"
#include "defaults.h"
#include "favoritesoutline.h"
#include "filecommands.h"
#include "globalhotkey.h"
#include "globalpaneltool.h"
#include "helpviewer.h"
#include "magnifiertool.h"
#include "menuvalidation.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "pickmode.h"
#include "prefscontroller.h"
#include "qvcolorwell.h"
#include "qvdrawer.h"
#include "qvglobalpaletteview.h"
#include "qvglobalpanel.h"
#include "qvinfoview.h"
#include "qvpalettecolorwell.h"
#include "qvpaletteview.h"
#include "qvradiocolorwell.h"
#include "settingsconversion.h"
#include "simpletreenode.h"
#include "storedcolors.h"
#include "userprompts.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

AppController::AppController(const QString& libraryPath, QObject* parent)
    : QObject(parent)
    , m_library(libraryPath) {
    // Settings that cannot be written stay in memory; the user hears of it once, when the
    // window can show it.
    Defaults::standard().setWriteFailureHandler([this](const QString& text) {
        QMetaObject::invokeMethod(
            this, [this, text] { prompts().reportError(m_mainWindow.get(), text); },
            Qt::QueuedConnection);
    });
    // Older settings are brought up to date before anything reads them.
    const std::optional<FileError> migration =
        SettingsConversion::run(Defaults::standard(), m_library);

    FavoritesLibrary::LoadResult loaded = m_library.load();
    m_treeData = std::move(loaded.root);
    if (!m_treeData)
        m_treeData = SimpleTreeNode::emptyLibrary();

    registerObservers();
    m_mainWindow = std::make_unique<MainWindow>();
    awakeFromNib();
    if (loaded.upToDate)
        m_favorites->setFileHoldsTree();

    // Nothing of the user's is lost: a damaged library was set aside, and they are told.
    if (loaded.problem)
        reportLibraryProblem(loaded.problem->text());
    else if (migration)
        reportLibraryProblem(migration->text());
}

AppController::~AppController() {
    Defaults::standard().setWriteFailureHandler({});
    NotificationCenter::defaultCenter().removeObserver(this);
    m_favorites->detach();
}

void AppController::registerObservers() {
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, notifications::ColorInfoRightClick, nullptr,
                       [this](const Notification& n) { scrollColorFormat(n); });
    center.addObserver(this, notifications::PrefsUpdate, nullptr,
                       [this](const Notification& n) { updateGUI(n); });
}

void AppController::awakeFromNib() {
    const MainWindowOutlets& o = outlets();
    const Defaults& defaults = Defaults::standard();

    m_shortcuts = std::make_unique<ApplicationShortcuts>(m_mainWindow.get());
    connectMainWindow();
    m_magnifierTool = std::make_unique<MagnifierTool>(
        MagnifierToolWidgets{o.magnifyArea, o.magnifyDrawer, o.lockStatus, o.lockMagnify});
    connect(m_magnifierTool.get(), &MagnifierTool::useRequested, this,
            [this] { sendToCurrent(SendSource::Magnifier); });
    // The system-wide key locks the magnifier or, with its drawer in, picks.
    connect(m_magnifierTool.get(), &MagnifierTool::hotKeyPressed, this,
            &AppController::hotKeyPressed);
    setUpPickMode();

    for (const QString& text : defaults.paletteValue(keys::SavedColors))
        o.paletteView->addColorWellwithColor(colorFromStoredText(text).value_or(Color{1, 1, 1, 1}));

    m_formats = defaults.formatSettings();
    passFormatsToViews();
    o.paletteView->selectColorWellatIndex(defaults.intValue(keys::SelectedColorIndex));
    updateColorToolTips();

    o.infoView->setLabel(u"hex"_s, 0);
    o.infoView->setLabel(u"rgb"_s, 1);
    o.infoView->setLabel(u"web"_s, 2);

    m_blend = std::make_unique<BlendTool>(
        BlendToolWidgets{o.colorOneBlend, o.colorTwoBlend, o.percentAmount, o.leftLabel,
                         o.rightLabel, o.blendView, o.blendSegmentedControl, o.undoStack},
        *this);

    setFloatWithFormat(defaults.intValue(keys::FloatFormat));

    o.paletteView->setFocus();
    updateColorInfo(o.paletteView->selectedColorWell());

    m_globalPanel =
        std::make_unique<GlobalPanelTool>(GlobalPanelWidgets{o.undoStack}, *this, m_formats);
    // Its own close box hides it too; the tool button and menu item follow.
    connect(m_globalPanel.get(), &GlobalPanelTool::visibilityChanged, this,
            [this](bool visible) { setToolChecked(Tool::GlobalPanel, visible); });
    connect(m_globalPanel.get(), &GlobalPanelTool::paletteChanged, this,
            &AppController::updateColorLabels);
    m_globalPanel->showIfShownAtQuit();
    setDrawGloss(defaults.boolValue(keys::DrawGloss));
    updateGlobalPanel();
    setGlobalHotKey(platform::createGlobalHotKey());
    setUpApplicationShortcuts();

    const bool drawWeb = defaults.boolValue(keys::DrawWebPreview);
    o.paletteView->setDrawWeb(drawWeb);
    if (QVGlobalPaletteView* palette = globalPaletteView())
        palette->setDrawWeb(drawWeb);
    updateColorToolTips();
}

void AppController::connectMainWindow() {
    const MainWindowOutlets& o = outlets();
    MainWindow* window = m_mainWindow.get();
    connect(window, &MainWindow::windowWillClose, this, &AppController::windowWillClose);
    connect(o.newWindow, &QAction::triggered, this, &AppController::openMainWindow);
    connect(o.mainWindowItem, &QAction::triggered, this, &AppController::openMainWindow);
    // Close and Minimize act on the window the user is in, which need not be this one.
    connect(o.closeWindow, &QAction::triggered, this,
            [this] { m_shortcuts->keyWindow()->close(); });
    connect(o.minimize, &QAction::triggered, this,
            [this] { m_shortcuts->keyWindow()->showMinimized(); });
    connect(o.preferences, &QAction::triggered, this, &AppController::showPreferencePanel);
    connect(o.releaseNotes, &QAction::triggered, this, &AppController::showReleaseNotes);
    connect(o.acknowledgments, &QAction::triggered, this, &AppController::showAcknowledgments);
    connect(o.homePage, &QAction::triggered, this, &AppController::buyTintmerePro);
    connect(o.helpItem, &QAction::triggered, this, [this] { openHelpAnchor(u"userguide"_s); });
    connect(o.about, &QAction::triggered, this, &AppController::showAbout);
    for (QMenu* menu : window->allMenus())
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { validateMenu(menu); });
    for (int family = 0; family < 3; ++family) {
        connect(o.copyItems[std::size_t(family)], &QAction::triggered, this,
                [this, family] { copyColorString(family); });
    }
    connect(o.webPreview, &QAction::triggered, this, &AppController::toggleWebPreview);
    makeRoles();
    connectTools();
    connectPaletteCommands();
}

// The roles that need only the window's controls; the others wait for the palette.
void AppController::makeRoles() {
    const MainWindowOutlets& o = outlets();
    m_editor = std::make_unique<ColorEditor>(
        ColorEditorWidgets{o.paletteView, o.infoView, o.sliders, o.colorFields, o.floatLabels,
                           o.hexField, o.applyToColors, o.rgbDrawer, o.hexDrawer, o.colorItems,
                           o.undoStack},
        *this, m_formats);
    connect(m_editor.get(), &ColorEditor::refreshed, this, &AppController::updateGlobalPanel);

    m_contrast =
        std::make_unique<ContrastStrip>(ContrastStripWidgets{o.contrastView, o.showContrast});
    connect(m_contrast.get(), &ContrastStrip::shownChanged, m_mainWindow.get(),
            &MainWindow::setContrastStripShown);
    connect(m_editor.get(), &ColorEditor::refreshed, this, [this] {
        m_contrast->update(colorArray(), outlets().paletteView->selectedColorWellIndex());
    });
    m_contrast->restore();

    const auto askUser = [this]() -> UserPrompts& { return prompts(); };
    m_favorites = std::make_unique<FavoritesOutline>(
        FavoritesOutlineWidgets{o.favoritesArea, o.favoritesItems, m_mainWindow.get()}, m_library,
        *m_treeData, *this, askUser);
    connect(m_favorites.get(), &FavoritesOutline::problem, this,
            &AppController::reportLibraryProblem);
    connect(m_favorites.get(), &FavoritesOutline::selectionChanged, this,
            &AppController::updateFavoritesCommands);
    connect(m_favorites.get(), &FavoritesOutline::useRequested, this,
            [this] { sendToCurrent(SendSource::FavoritesPreview); });
    updateFavoritesCommands();

    m_files = std::make_unique<FileCommands>(
        FileCommandsWidgets{m_mainWindow.get(), o.importItem, o.exportItem, o.undoStack},
        *m_treeData, *this, askUser);
    connect(m_files.get(), &FileCommands::windowNeeded, this, &AppController::openMainWindow);
    connect(m_files.get(), &FileCommands::paletteOpened, this, &AppController::updateColorLabels);

    m_clipboard = std::make_unique<ClipboardCommands>(
        ClipboardCommandsWidgets{o.paletteView, o.infoView, o.copy, o.paste, o.copyAsMenu,
                                 m_mainWindow->statusBar(), o.undoStack},
        *this, m_formats);
}

void AppController::reportLibraryProblem(const QString& text) {
    // In full, in a box of its own: a status bar line is cut at the window's width.
    prompts().reportError(m_mainWindow.get(), text);
}

void AppController::applicationWillTerminate() {
    Defaults& defaults = Defaults::standard();
    m_globalPanel->saveState();
    defaults.setInt(keys::SelectedColorIndex, outlets().paletteView->selectedColorWellIndex());
    defaults.setBool(keys::GlobalStartup, isGlobalPanelVisible());
    m_magnifierTool->stop();
    m_favorites->saveLibrary();
    defaults.sync();
    Q_EMIT terminated();
}

void AppController::abandonLibraryForExit() {
    m_favorites->detach();
    static_cast<void>(m_treeData.release());
}

void AppController::applicationShouldHandleReopen() {
    // A new launch means the user is looking for the main window, even when the global panel
    // shows: the menu bar, and so Quit, lives in that window.
    openMainWindow();
}

void AppController::windowWillClose() {
    const MainWindowOutlets& o = outlets();
    closeDrawers({o.rgbDrawer, o.hexDrawer, o.blendDrawer, o.magnifyDrawer});
}

void AppController::openMainWindow() {
    MainWindow* window = m_mainWindow.get();
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void AppController::showPreferencePanel() {
    if (!m_prefsController) {
        m_prefsController = std::make_unique<PrefsController>();
        addApplicationShortcutsTo(m_prefsController->window());
    }
    reportHotKeyStatus();
    m_prefsController->showWindow();
}

bool AppController::validateMenuItem(const QAction* item) const {
    MenuState state;
    state.hasMainWindow = m_mainWindow->isVisible();
    m_favorites->describeSelection(state);
    state.magnifyDrawerClosed = outlets().magnifyDrawer->state() == QVDrawer::Closed;
    const QMenu* menu = menuHolding(item);
    return isMenuItemEnabled(menuCommandOf(item), menuFamilyOf(menu), state);
}

void AppController::validateMenu(QMenu* menu) const {
    const MainWindowOutlets& o = outlets();
    for (QAction* item : menu->actions()) {
        if (!item->isSeparator() && item != o.undo && item != o.redo)
            item->setEnabled(validateMenuItem(item));
    }
    o.webPreview->setChecked(o.paletteView->drawWeb());
}

} // namespace tintmere
