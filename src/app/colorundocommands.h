// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QList>
#include <QUndoCommand>

class QUndoStack;

namespace tintmere {

// Where undo and redo put colours back. Applying must not record anything itself: the
// commands carry both directions.
class PaletteEditor {
public:
    virtual ~PaletteEditor() = default;
    // The colours of the palette as they are now.
    virtual QList<Color> colorArray() const = 0;
    virtual void applyColor(int index, const Color& color) = 0;
    virtual void applyPalette(const QList<Color>& colors) = 0;
};

// Whether the change a command stands for has already been made when it is pushed (a
// slider burst, a drop, a colour-panel edit): its first redo then leaves the wells alone.
enum class ChangeState { ToApply, AlreadyApplied };

class SetColorCommand : public QUndoCommand {
public:
    SetColorCommand(PaletteEditor& editor, int index, const Color& before, const Color& after,
                    ChangeState state);

    void undo() override;
    void redo() override;

private:
    PaletteEditor& m_editor;
    int m_index;
    Color m_before;
    Color m_after;
    bool m_skipRedo;
};

class SetPaletteCommand : public QUndoCommand {
public:
    SetPaletteCommand(PaletteEditor& editor, QList<Color> before, QList<Color> after,
                      ChangeState state);

    void undo() override;
    void redo() override;

private:
    PaletteEditor& m_editor;
    QList<Color> m_before;
    QList<Color> m_after;
    bool m_skipRedo;
};

// A change the user asked for, made as one undo step: one well (an index outside the palette
// changes nothing) or the whole palette (fewer than four colours change nothing).
void recordColor(QUndoStack& stack, PaletteEditor& editor, int index, const Color& color);
void recordPalette(QUndoStack& stack, PaletteEditor& editor, const QList<Color>& colors);

} // namespace tintmere
