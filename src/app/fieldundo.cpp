// SPDX-License-Identifier: GPL-3.0-or-later
#include "fieldundo.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tintmere {

PaletteUndoPassThrough::PaletteUndoPassThrough(QLineEdit* editor, QWidget* focusTaker)
    : QObject(focusTaker)
    , m_editor(editor) {
    focusTaker->installEventFilter(this);
}

bool PaletteUndoPassThrough::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !m_editor)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool nothingOfItsOwn =
        (key->matches(QKeySequence::Undo) && !m_editor->isUndoAvailable()) ||
        (key->matches(QKeySequence::Redo) && !m_editor->isRedoAvailable());
    if (!nothingOfItsOwn)
        return QObject::eventFilter(watched, event);
    // Left unaccepted, the key press becomes the window's shortcut.
    event->ignore();
    return true;
}

void forgetTypingHistory(QLineEdit* field) {
    // Setting the text is the one public way to clear a line edit's history. The text stays
    // the same, so nobody needs to hear of it.
    const int cursor = field->cursorPosition();
    {
        const QSignalBlocker blocker(field);
        field->setText(field->text());
    }
    field->setCursorPosition(cursor);
}

} // namespace tintmere
