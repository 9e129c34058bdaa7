// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tintmere {

// The questions the controller asks the user while a command runs. Behind an interface so
// that the tests answer them; the program uses DialogPrompts.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // "Are you sure?" before favorites are deleted; true for "Delete".
    virtual bool confirmDelete(QWidget* window) = 0;
    // The file to write, in one of the types (suffixes such as "tnp", "tnf", "gpl", or
    // "plist" for a copy of the library; the first is offered first); empty when the user
    // cancelled. chosenType, when given, gets the type the user picked in the dialog.
    virtual QString saveFileName(QWidget* window, const QString& folder, const QStringList& types,
                                 QString* chosenType = nullptr) = 0;
    // A palette, favorites or palette interchange file to open; empty when the user
    // cancelled.
    virtual QString openFileName(QWidget* window, const QString& folder) = 0;
    // A file could not be read or written; nothing was changed.
    virtual void reportError(QWidget* window, const QString& text) = 0;

    // The favorites could not be saved while the program quits: what to do about it.
    enum class FailedSaveChoice { Retry, SaveElsewhere, QuitAnyway };
    virtual FailedSaveChoice askAfterFailedSave(QWidget* window, const QString& text) = 0;
};

// Window-modal message boxes and file dialogs on the main window.
class DialogPrompts : public UserPrompts {
public:
    bool confirmDelete(QWidget* window) override;
    QString saveFileName(QWidget* window, const QString& folder, const QStringList& types,
                         QString* chosenType = nullptr) override;
    QString openFileName(QWidget* window, const QString& folder) override;
    void reportError(QWidget* window, const QString& text) override;
    FailedSaveChoice askAfterFailedSave(QWidget* window, const QString& text) override;
};

} // namespace tintmere
