// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorundocommands.h"

#include <QCoreApplication>
#include <QUndoStack>

#include <utility>

namespace tintmere {

SetColorCommand::SetColorCommand(PaletteEditor& editor, int index, const Color& before,
                                 const Color& after, ChangeState state)
    : m_editor(editor)
    , m_index(index)
    , m_before(before)
    , m_after(after)
    , m_skipRedo(state == ChangeState::AlreadyApplied) {
    setText(QCoreApplication::translate("AppController", "Color %1").arg(index + 1));
}

void SetColorCommand::undo() {
    m_editor.applyColor(m_index, m_before);
}

void SetColorCommand::redo() {
    if (std::exchange(m_skipRedo, false))
        return;
    m_editor.applyColor(m_index, m_after);
}

SetPaletteCommand::SetPaletteCommand(PaletteEditor& editor, QList<Color> before, QList<Color> after,
                                     ChangeState state)
    : m_editor(editor)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_skipRedo(state == ChangeState::AlreadyApplied) {
    setText(QCoreApplication::translate("AppController", "Palette"));
}

void SetPaletteCommand::undo() {
    m_editor.applyPalette(m_before);
}

void SetPaletteCommand::redo() {
    if (std::exchange(m_skipRedo, false))
        return;
    m_editor.applyPalette(m_after);
}

void recordColor(QUndoStack& stack, PaletteEditor& editor, int index, const Color& color) {
    const QList<Color> colors = editor.colorArray();
    if (index < 0 || index >= colors.size())
        return;
    stack.push(new SetColorCommand(editor, index, colors[index], color, ChangeState::ToApply));
}

void recordPalette(QUndoStack& stack, PaletteEditor& editor, const QList<Color>& colors) {
    if (colors.size() <= 3)
        return;
    stack.push(new SetPaletteCommand(editor, editor.colorArray(), colors, ChangeState::ToApply));
}

} // namespace tintmere
