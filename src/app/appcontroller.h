// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "apptags.h"
#include "color.h"
#include "colorundocommands.h"
#include "favoriteslibrary.h"
#include "formatpresets.h"
#include "mainwindow.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QDialog;
class QMenu;
class QVColorInfo;
class QVDrawer;
class QVGlobalColorInfoView;
class QVGlobalPaletteView;
class QVGlobalPanel;
class QVMagnifyView;
class QVPaletteColorWell;
class QVSelectedColorWell;
class QWidget;

class PrefsController;

namespace tintmere {

class ApplicationShortcuts;
class HelpViewer;
class FavoritesModel;
class FavoritesPane;
class LibraryAutosaver;
class MagnifierControl;
class MagnifyViewControl;
class PickMode;
class SimpleTreeNode;
class UserPrompts;
struct FavoritesImport;
struct MenuState;
struct Notification;
struct PickRequest;
struct PickResult;

namespace platform {
class GlobalHotKey;
class ScreenCapture;
} // namespace platform

// The application controller: starts and ends the program, keeps every display of the
// current colour (the selected well of the main palette) in step, records the palette
// changes for undo, and runs the tools and their drawers. It owns the main window, the
// favorites tree and the preferences window; the controls are the window's, held here as
// outlets.
//
// Split by role: lifecycle, current colour editing, tools and drawers, global panel.
class AppController : public QObject, public PaletteEditor {
    Q_OBJECT

public:
    // Converts older settings, loads the favorites library at libraryPath, builds the main
    // window and restores the saved state. The window is not shown.
    explicit AppController(const QString& libraryPath = FavoritesLibrary::standardPath(),
                           QObject* parent = nullptr);
    ~AppController() override;

    MainWindow* mainWindow() const { return m_mainWindow.get(); }
    const MainWindowOutlets& outlets() const { return m_mainWindow->outlets(); }
    SimpleTreeNode* treeData() const { return m_treeData.get(); }

    // --- lifecycle
    // Saves what the next start restores. Call once, from the termination routine.
    void applicationWillTerminate();
    // The process is about to end and everything is saved: the favorites tree is left for
    // the system to reclaim with the process, since freeing a large one node by node held
    // up the exit for seconds. The controller must not be used afterwards.
    void abandonLibraryForExit();
    // The user started Tintmere again while it runs.
    void applicationShouldHandleReopen();
    // The main window was closed: its drawers close with it.
    void windowWillClose();
    void openMainWindow();
    void showPreferencePanel();
    void showReleaseNotes();
    void showAcknowledgments();
    void buyTintmerePro();
    // Opens a help page or section ("userguide#magnifier") in the one help window.
    void openHelpAnchor(const QString& anchor);
    void showAbout();
    // Palette (.tnp) and favorites (.tnf) files handed over by the desktop.
    void openFiles(const QStringList& files);
    bool validateMenuItem(const QAction* item) const;
    void validateMenu(QMenu* menu) const;

    // --- current colour editing
    void updateColorInfo(QVPaletteColorWell* well);
    void updateColorLabels();
    // sender: one of the sliders, or the field row (any other object).
    void colorComponentChanged(QObject* sender);
    // A stepper of the component moved to value.
    void colorIncrement(int component, int value);
    // The fields were typed in.
    void controlTextDidChange();
    // The user typed in the hex field.
    void hexFieldTextEdited();
    void hexTextChanged();
    void copyFloatValue(int component);
    void copyColorString(int family);
    void setColor(const Color& color, int index);
    void newColorwellColor(const Notification& notification);
    QList<Color> colorArray() const;
    void setPaletteToColorArray(const QList<Color>& colors);
    void newColorSelected(int tag);
    void setFloatWithFormat(int floatFormat);
    void scrollColorFormat(const Notification& notification);
    void updateGUI(const Notification& notification);
    void updateColorToolTips();
    // Tells the views how to write colours for drags and tooltips; they never read the
    // settings themselves.
    void passFormatsToViews();
    void setDrawGloss(bool drawGloss);
    void saveMainColors();
    void toggleWebPreview();

    const FormatSettings& formatSettings() const { return m_formats; }
    int floatFormat() const { return m_floatFormat; }

    void applyColor(int index, const Color& color) override;
    void applyPalette(const QList<Color>& colors) override;

    // --- tools and drawers
    // The tool of a tool button's id (a Tool value); other ids do nothing.
    void toolItemSelected(int tag);
    // A "Tools" menu item: presses the matching tool button.
    void toolMenuItemSelected(const QAction* item);
    void drawerWillOpen(QVDrawer* drawer);
    void drawerDidOpen(QVDrawer* drawer);
    void drawerWillClose(QVDrawer* drawer);
    Tool indexOfDrawer(const QObject* drawer) const;
    void toggleMagnify();
    // Plugs in the magnifier of the magnify drawer (not owned); null unplugs it.
    void setMagnifier(MagnifierControl* magnifier);
    MagnifierControl* magnifier() const { return m_magnifier; }

    // --- blend tool
    // The segmented control chose one or two midpoints.
    void changeMidpoints();
    // sender: a blend well, whose colour becomes that end of the blend, or the slider, whose
    // value (snapped to 50 near the middle) becomes the blend amount.
    void updateBlendColors(const QObject* sender);

    // --- global panel
    void updateGlobalPanel();
    bool isGlobalPanelVisible() const;
    void setGlobalPanelVisible(bool visible);
    // A global well was clicked: it becomes the panel's selection, the main one stays.
    void globalColorSelected(QVSelectedColorWell* well);
    // A colour was dropped on a global well: the main palette takes it, with an undo step.
    void globalColorChanged();
    QVGlobalPanel* globalPanel() const { return m_globalPanel.get(); }
    // The panel's views; null until the panel is made.
    QVGlobalPaletteView* globalPaletteView() const;
    QVGlobalColorInfoView* globalInfoView() const;

    // --- magnifier and hot key
    QVMagnifyView* magnifyView() const;
    // Where the magnifier reads the screen; chosen at start for the display system.
    void setScreenCapture(std::unique_ptr<platform::ScreenCapture> capture);
    // The system-wide key that locks and unlocks the magnifier; the preferences say
    // whether it works.
    void setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey> hotKey);

    // --- pick mode
    // Turns on pick mode; the picked colour goes into the well (-1: the selected one) as one
    // undo step. Ignored while pick mode is on.
    void pickColorFromScreen(int well = -1);
    // Pick mode for a command line: reply gets the colour as the user's hex string, or
    // nothing when the pick did not happen; the palette is left alone. False, and no pick,
    // while one is under way.
    bool pickForCaller(std::function<void(const std::optional<QString>&)> reply);
    PickMode* pickMode() const { return m_pickMode.get(); }

    // --- favorites outline
    FavoritesPane* favoritesPane() const { return m_favoritesPane; }
    FavoritesModel* favoritesModel() const { return m_favoritesModel.get(); }
    void addFavorite();
    void addGroup();
    void replaceFavorite();
    // Asks first; also the answer to "QVFavoriteDelete".
    void remFavorite();
    void updatePreviewColors();
    // The questions asked while commands run; the tests answer them. Null: the dialogs.
    void setPrompts(std::unique_ptr<UserPrompts> prompts);

    // --- palette commands
    void colorMenuItemSelected(const QAction* item);
    void paletteMenuItemSelected(const QAction* item);
    void sendToCurrent(SendSource source);

    // --- import and export
    void saveDocument();
    void openDocument();
    // A file handed over by the desktop: false for one that is not a palette or favorites
    // file.
    bool openFile(const QString& path);
    // The sheet showing on the main window, if any.
    QDialog* sheet() const;

Q_SIGNALS:
    // The termination routine finished saving.
    void terminated();

private:
    void registerObservers();
    void awakeFromNib();
    void connectMainWindow();
    void connectEditing();
    void connectTools();
    void observeDrawers();
    void setUpGlobalPanel();
    void saveGlobalPanelState();
    void setGlobalColor(int index, const Color& color);
    void applyMagnifierSettings();
    void setUpBlendTool();
    void connectBlend();
    void reportLibraryProblem(const QString& text);
    // Quit, Preferences, Help and the like answer their keys in every window of the program.
    void setUpApplicationShortcuts();
    void addApplicationShortcutsTo(QWidget* window);

    QVPaletteColorWell* mainWell(int index) const;
    void showComponents(const Color& color);
    void showFloatLabels(const Color& color);
    void checkColorItem(int selectedIndex);
    void storePrimaryFormat(QStringView entry, int value);
    void setToolChecked(Tool tool, bool checked);
    void closeDrawers(std::initializer_list<QVDrawer*> drawers);

    FavoritesLibrary m_library;
    std::unique_ptr<SimpleTreeNode> m_treeData;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<PrefsController> m_prefsController;
    std::unique_ptr<HelpViewer> m_helpViewer;
    std::unique_ptr<ApplicationShortcuts> m_shortcuts;
    MagnifierControl* m_magnifier = nullptr;

    // A window of its own, made during start-up; null before that.
    std::unique_ptr<QVGlobalPanel> m_globalPanel;

    FormatSettings m_formats;
    int m_floatFormat = 3;

private:
    void setUpMagnifier();
    void reportHotKeyStatus();
    void setUpPickMode();
    // The system-wide key: locks the magnifier while its drawer is out, picks otherwise
    // when Tintmere is not in front.
    void hotKeyPressed();
    void startPick(PickRequest request);
    void pickFinished(const PickResult& result);
    std::unique_ptr<PickMode> m_pickMode;

    QPointer<QVMagnifyView> m_magnifyView;
    std::unique_ptr<MagnifyViewControl> m_magnifyControl;
    std::unique_ptr<platform::GlobalHotKey> m_hotKey;

    // Favorites, palette commands and files.
    void setUpFavorites();
    void tearDownFavorites();
    void connectPaletteCommands();
    void connectFiles();
    void updateFavoritesCommands();
    void describeFavoritesSelection(MenuState& state) const;
    // At quit: waits for a running save, writes the final state, and asks the user what to
    // do when that fails.
    void saveLibrary();
    // Writes the library to a file the user chooses; true when it was written.
    bool saveLibraryCopy();
    void showBlendDrawer();
    void setAllWells(const Color& color);
    void copyColorStringOf(const Color& color, int family);
    // The blend tool's start (0) or end (1) colour.
    void loadBlendColor(int end, const Color& color);
    void loadBlendTool(const Color& start, const Color& end);
    // Blends halfway through the blend tool and puts the tool back as it was.
    void quickBlend(const Color& start, const Color& end);
    void sendBlendResult(int selected);
    void exportPalette();
    void chooseFavoritesToExport();
    void exportFavorites(const QList<int>& flags);
    void openNextFile();
    // One message for the files that could not be opened, the first few named.
    static QString gatheredProblems(const QStringList& problems);
    void showImportSheet(const FavoritesImport& import);
    void importData(const FavoritesImport& import, const QList<int>& flags);
    void showSheet(QDialog* sheet);
    UserPrompts& prompts() const;

    std::unique_ptr<FavoritesModel> m_favoritesModel;
    std::unique_ptr<LibraryAutosaver> m_autosaver;
    std::unique_ptr<UserPrompts> m_prompts;
    FavoritesPane* m_favoritesPane = nullptr; // the main window's
    QPointer<QDialog> m_sheet;
    QStringList m_pendingFiles;
};

} // namespace tintmere
