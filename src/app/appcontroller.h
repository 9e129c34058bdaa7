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
class BlendTool;
class ClipboardCommands;
class ColorEditor;
class ContrastStrip;
class FavoritesModel;
class FavoritesOutline;
class FavoritesPane;
class FileCommands;
class GlobalPanelTool;
class HelpViewer;
class MagnifierControl;
class MagnifierTool;
class PickMode;
class SimpleTreeNode;
class UserPrompts;
struct MenuState;
struct Notification;
struct PickRequest;
struct PickResult;

namespace platform {
class GlobalHotKey;
class ScreenCapture;
} // namespace platform

// The application controller: starts and ends the program, owns the main window, the
// favorites tree, the preferences and help windows, and the role classes that do the work
// (colour editor, blend tool, magnifier, global panel, favorites outline, file commands,
// contrast strip, clipboard commands), each given only its own controls. It applies the palette
// changes the undo commands carry, opens one drawer at a time, answers the menus and passes the
// settings to the views.
// Public entry points whose work a role class does forward to it.
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
    QList<Color> colorArray() const override;
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
    int floatFormat() const;

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
    MagnifierControl* magnifier() const;

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
    QVGlobalPanel* globalPanel() const;
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
    FavoritesPane* favoritesPane() const;
    FavoritesModel* favoritesModel() const;
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
    void makeRoles();
    void connectRoles();
    void connectTools();
    void observeDrawers();
    void connectPaletteCommands();
    void reportLibraryProblem(const QString& text);
    void reportHotKeyStatus();
    void setUpPickMode();
    // The system-wide key: locks the magnifier while its drawer is out, picks otherwise
    // when Tintmere is not in front.
    void hotKeyPressed();
    void startPick(PickRequest request);
    void pickFinished(const PickResult& result);
    // Quit, Preferences, Help and the like answer their keys in every window of the program.
    void setUpApplicationShortcuts();
    void addApplicationShortcutsTo(QWidget* window);

    QVPaletteColorWell* mainWell(int index) const;
    void storePrimaryFormat(QStringView entry, int value);
    void setToolChecked(Tool tool, bool checked);
    void closeDrawers(std::initializer_list<QVDrawer*> drawers);
    void showBlendDrawer();
    void updateFavoritesCommands();
    void setAllWells(const Color& color);
    void copyColorStringOf(const Color& color, int family);
    UserPrompts& prompts() const;

    FavoritesLibrary m_library;
    std::unique_ptr<SimpleTreeNode> m_treeData;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<PrefsController> m_prefsController;
    std::unique_ptr<HelpViewer> m_helpViewer;
    std::unique_ptr<ApplicationShortcuts> m_shortcuts;
    std::unique_ptr<UserPrompts> m_prompts;
    FormatSettings m_formats;

    // The roles, made during start-up from the window's controls; they go before it.
    std::unique_ptr<ColorEditor> m_editor;
    std::unique_ptr<BlendTool> m_blend;
    std::unique_ptr<MagnifierTool> m_magnifierTool;
    std::unique_ptr<GlobalPanelTool> m_globalPanel;
    std::unique_ptr<FavoritesOutline> m_favorites;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<ContrastStrip> m_contrast;
    std::unique_ptr<ClipboardCommands> m_clipboard;
    std::unique_ptr<PickMode> m_pickMode;
};

} // namespace tintmere
