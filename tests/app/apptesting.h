// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "storedcolors.h"
#include "userprompts.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers the controller's questions as the test says, and keeps what it was asked.
class FakePrompts : public tintmere::UserPrompts {
public:
    bool deleteAnswer = false;
    QString fileToSave; // empty: cancelled
    QString fileToOpen;
    int deleteQuestions = 0;
    QStringList folders; // where each file dialog started
    QStringList errors;

    bool confirmDelete(QWidget*) override { return ++deleteQuestions, deleteAnswer; }
    QString saveFileName(QWidget*, const QString& folder, const QString&) override {
        folders << folder;
        return fileToSave;
    }
    QString openFileName(QWidget*, const QString& folder) override {
        folders << folder;
        return fileToOpen;
    }
    void reportError(QWidget*, const QString& text) override { errors << text; }
    // Answers to the question after a failed save at quit, in turn; then "Quit Anyway".
    QList<FailedSaveChoice> failedSaveChoices;
    QStringList failedSaveQuestions;
    FailedSaveChoice askAfterFailedSave(QWidget*, const QString& text) override {
        failedSaveQuestions << text;
        return failedSaveChoices.isEmpty() ? FailedSaveChoice::QuitAnyway
                                           : failedSaveChoices.takeFirst();
    }
};

// Colours as stored text, space separated: "ff0000 ffffff ...".
inline QString paletteText(const QList<tintmere::Color>& colors) {
    QStringList texts;
    for (const tintmere::Color& color : colors)
        texts << tintmere::storedColorText(color);
    return texts.join(u' ');
}
