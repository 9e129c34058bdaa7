// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QObject>

class QButtonGroup;
class QLabel;
class QSlider;
class QUndoStack;
class QVBlendView;
class QVColorWell;

namespace tintmere {

class PaletteEditor;

// The blend drawer's controls.
struct BlendToolWidgets {
    QVColorWell* colorOneBlend = nullptr;
    QVColorWell* colorTwoBlend = nullptr;
    // Share of the end colour, 0 to 100; the labels under its ends show both shares.
    QSlider* percentAmount = nullptr;
    QLabel* leftLabel = nullptr;
    QLabel* rightLabel = nullptr;
    QVBlendView* blendView = nullptr;
    // Two exclusive buttons: id 0 one midpoint, id 1 two midpoints.
    QButtonGroup* blendSegmentedControl = nullptr;
    QUndoStack* undoStack = nullptr;
};

// The blend tool: two end wells, the amount slider with its share labels, the
// one-or-two-midpoints control and the strip of blended swatches. Its results go into the
// palette as undo steps.
class BlendTool : public QObject {
    Q_OBJECT

public:
    // Starts from the palette's outer wells and the stored number of midpoints.
    BlendTool(const BlendToolWidgets& widgets, PaletteEditor& palette, QObject* parent = nullptr);

    // The segmented control chose one or two midpoints.
    void changeMidpoints();
    // sender: an end well, whose colour becomes that end of the blend, or the slider, whose
    // value (snapped to 50 near the middle) becomes the blend amount.
    void updateBlendColors(const QObject* sender);
    // The start (0) or end (1) colour.
    void loadBlendColor(int end, const Color& color);
    void loadBlendTool(const Color& start, const Color& end);
    // Blends halfway from start to end into the palette (the selected well, or all four with
    // two midpoints) and puts the tool back as it was.
    void quickBlend(const Color& start, const Color& end, int selected);
    // The midpoint into the selected well, or with two midpoints the whole blend into the
    // palette.
    void sendResult(int selected);
    void setDrawGloss(bool drawGloss);

private:
    QList<Color> fourColors() const;

    BlendToolWidgets m_w;
    PaletteEditor& m_palette;
};

} // namespace tintmere
