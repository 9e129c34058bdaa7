// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;

namespace tintmere {

// Ctrl+Z and its redo in a text field work on the field's own typing while there is some;
// with none left they go on to the window's undo, which holds the palette. An applied entry
// forgets its typing (forgetTypingHistory), so right after Return the palette's undo wins.
class PaletteUndoPassThrough : public QObject {
    Q_OBJECT

public:
    // Watches focusTaker, the widget that gets the key presses (the field itself, or the
    // spin box around it); editor is the field whose history counts.
    PaletteUndoPassThrough(QLineEdit* editor, QWidget* focusTaker);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QLineEdit> m_editor;
};

// Clears the field's undo and redo history, keeping its text and cursor.
void forgetTypingHistory(QLineEdit* field);

} // namespace tintmere
