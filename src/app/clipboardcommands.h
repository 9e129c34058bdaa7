// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "formatpresets.h"

#include <QObject>

#include <optional>

class QAction;
class QMenu;
class QMimeData;
class QPoint;
class QStatusBar;
class QUndoStack;
class QVInfoView;
class QVPaletteView;
class QWidget;

namespace tintmere {

class PaletteEditor;

// The controls the clipboard commands use.
struct ClipboardCommandsWidgets {
    QVPaletteView* paletteView = nullptr; // its selected well is the one copied and pasted
    QVInfoView* infoView = nullptr;       // whose rows offer "Copy As" in their menus
    QAction* copy = nullptr;              // Edit ▸ Copy
    QAction* paste = nullptr;             // Edit ▸ Paste
    QMenu* copyAsMenu = nullptr;          // Edit ▸ Copy As, filled as it opens
    QStatusBar* statusBar = nullptr;
    QUndoStack* undoStack = nullptr;
};

// Copy and Paste of the current colour, the way other programs exchange colours: text and
// "application/x-color" out, either of them in. Also the "Copy As" items that write the
// colour as CSS text, in the Edit menu and in each colour string's menu.
class ClipboardCommands : public QObject {
    Q_OBJECT

public:
    // formats is read at every copy; the commands do not own it.
    ClipboardCommands(const ClipboardCommandsWidgets& widgets, PaletteEditor& palette,
                      const FormatSettings& formats, QObject* parent = nullptr);

    // The selected well's colour as its hex string in the user's variant, and as a colour.
    void copy() const;
    // The clipboard's colour, or the colour its text names, into the selected well as one
    // undo step. Beeps and changes nothing when there is none; answers whether it pasted.
    bool paste();

private:
    // What a paste takes from the clipboard's contents: a colour before text.
    static std::optional<Color> colorFromMimeData(const QMimeData* mime);
    // Adds the "Copy As" items for the colour to the menu: each shows what it copies.
    static void addCopyAsItems(QMenu* menu, const Color& color);
    // The menu of info row index: copy its string, its next notation, "Copy As".
    QMenu* rowMenu(int index, QWidget* parent) const;
    Color currentColor() const;
    void showRowMenu(int index, const QPoint& globalPos) const;
    void showMessage(const QString& text) const;

    ClipboardCommandsWidgets m_w;
    PaletteEditor& m_palette;
    const FormatSettings& m_formats;
};

} // namespace tintmere
