// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include <array>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;
class QUndoStack;
class QVBlendView;
class QVColorWell;
class QVContrastView;
class QVDrawer;
class QVInfoView;
class QVLockView;
class QVPaletteView;
class QVScrollSlider;
class QVToolsView;
class QToolButton;

namespace tintmere {

class ComponentSpinBox;

// The controls of the main window the controller works with; the window owns them all.
struct MainWindowOutlets {
    QVPaletteView* paletteView = nullptr;
    QVInfoView* infoView = nullptr;
    // Under the strings; hidden until "Show Contrast" shows it.
    QVContrastView* contrastView = nullptr;
    QWidget* favoritesArea = nullptr;
    QVToolsView* toolsView = nullptr;
    // Tool buttons with their Tool value as id.
    QButtonGroup* toolButtons = nullptr;

    QVDrawer* rgbDrawer = nullptr;
    QVDrawer* hexDrawer = nullptr;
    QVDrawer* blendDrawer = nullptr;
    QVDrawer* magnifyDrawer = nullptr;

    // Red, green, blue.
    std::array<QVScrollSlider*, 3> sliders{};
    std::array<ComponentSpinBox*, 3> colorFields{};
    std::array<QLabel*, 3> floatLabels{};

    QLineEdit* hexField = nullptr;
    std::array<QCheckBox*, 4> applyToColors{};

    QVColorWell* colorOneBlend = nullptr;
    QVColorWell* colorTwoBlend = nullptr;
    // Share of the end colour, 0 to 100; the labels under its ends show both shares.
    QSlider* percentAmount = nullptr;
    QLabel* leftLabel = nullptr;
    QLabel* rightLabel = nullptr;
    QVBlendView* blendView = nullptr;
    // Two exclusive buttons: id 0 one midpoint, id 1 two midpoints.
    QButtonGroup* blendSegmentedControl = nullptr;
    // Sends the blend to the palette.
    QAbstractButton* sendBlend = nullptr;
    // Where the magnifier goes, above its lock indicator.
    QWidget* magnifyArea = nullptr;
    QVLockView* lockStatus = nullptr;

    QUndoStack* undoStack = nullptr;

    // Menu commands the controller answers.
    QAction* newWindow = nullptr;
    QAction* closeWindow = nullptr;
    QAction* quit = nullptr;
    QAction* preferences = nullptr;
    // Enabled by the undo stack itself.
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    // Edit ▸ Copy, Paste and the "Copy As" submenu, filled as it opens.
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QMenu* copyAsMenu = nullptr;
    std::array<QAction*, 4> colorItems{}; // "Color 1" to "Color 4"
    std::array<QAction*, 3> copyItems{};  // hex, RGB, web
    QAction* webPreview = nullptr;
    std::array<QAction*, 5> toolItems{}; // by tool tag
    QAction* lockMagnify = nullptr;
    QAction* showContrast = nullptr; // "Show Contrast"
    // "Pick Color from Screen" of the Color menu, also behind the eyedropper button.
    QAction* pickColor = nullptr;
    QToolButton* pickButton = nullptr;
    QAction* minimize = nullptr;
    QAction* mainWindowItem = nullptr;
    QAction* releaseNotes = nullptr;
    QAction* acknowledgments = nullptr;
    QAction* homePage = nullptr;
    QAction* helpItem = nullptr; // "Tintmere Help"
    QAction* about = nullptr;
    QMenu* colorMenu = nullptr;
    QMenu* toolsMenu = nullptr;

    // Files, favorites and palette commands.
    QAction* importItem = nullptr; // "Import..."
    QAction* exportItem = nullptr; // "Export..."
    QMenu* paletteMenu = nullptr;
    // "Use selected item", "Replace selected item with current palette",
    // "Delete selected item(s)".
    std::array<QAction*, 3> favoritesItems{};
    QList<QAction*> colorCommands;   // of the "Color" menu, acting on the selected well
    QList<QAction*> paletteCommands; // of the "Palette" menu
};

// The main window: the palette, the colour strings, the favorites area, the tools bar and
// the four drawers that slide out below it, and the menu bar. It only builds and lays
// out; the controller gives the controls their behaviour.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    const MainWindowOutlets& outlets() const { return m_outlets; }
    // Every menu of the menu bar and their submenus, for enabling before they show.
    QList<QMenu*> allMenus() const;
    // Shows or hides the contrast strip; the window grows or shrinks with it.
    void setContrastStripShown(bool shown);

Q_SIGNALS:
    // The user closed the window; it only hides.
    void windowWillClose();
    // The window was shown or hidden, by the program or by the user.
    void visibilityChanged(bool visible);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildToolsBar();
    QWidget* buildRgbDrawerContent();
    QWidget* buildHexDrawerContent();
    QWidget* buildBlendDrawerContent();
    QWidget* buildMagnifyDrawerContent();
    void buildMenus();
    // The room under the tools bar follows the drawer in it, and the window with it.
    void makeRoomForDrawers();
    void keepOnScreen();

    MainWindowOutlets m_outlets;
    QWidget* m_drawerRoom = nullptr;
};

} // namespace tintmere
