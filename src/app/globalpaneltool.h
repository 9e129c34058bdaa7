// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "formatpresets.h"

#include <QObject>

#include <memory>

class QUndoStack;
class QVGlobalColorInfoView;
class QVGlobalPaletteView;
class QVGlobalPanel;
class QVSelectedColorWell;

namespace tintmere {

class PaletteEditor;

// The global panel is a window of its own; of the main window it needs only the undo stack.
struct GlobalPanelWidgets {
    QUndoStack* undoStack = nullptr;
};

// The floating global panel: a copy of the palette with the strings of its own selected
// well, shown above every program. Colours dropped on it flow back into the palette as undo
// steps.
class GlobalPanelTool : public QObject {
    Q_OBJECT

public:
    // Makes the panel, hidden, where it was last. formats is read at every update; the tool
    // does not own it.
    GlobalPanelTool(const GlobalPanelWidgets& widgets, PaletteEditor& palette,
                    const FormatSettings& formats, QObject* parent = nullptr);
    ~GlobalPanelTool() override;
    void showIfShownAtQuit();

    QVGlobalPanel* panel() const { return m_panel.get(); }
    QVGlobalPaletteView* paletteView() const;
    QVGlobalColorInfoView* infoView() const;

    // Copies the palette's colours, tooltips and the selected well's strings while the panel
    // shows; a hidden panel catches up when it is shown.
    void update();
    // A global well was clicked: it becomes the panel's selection, the main one stays.
    void globalColorSelected(QVSelectedColorWell* well);
    // A colour was dropped on a global well: the palette takes it, with an undo step.
    void globalColorChanged();
    void setGlobalColor(int index, const Color& color);

    bool isVisible() const;
    // Showing brings it back from whatever state the window system left it in.
    void setVisible(bool visible);
    void saveState() const;

Q_SIGNALS:
    // Shown or hidden, also by its own close box.
    void visibilityChanged(bool visible);
    // A drop changed the palette.
    void paletteChanged();

private:
    void showPalette();

    GlobalPanelWidgets m_w;
    PaletteEditor& m_palette;
    const FormatSettings& m_formats;
    std::unique_ptr<QVGlobalPanel> m_panel;
};

} // namespace tintmere
