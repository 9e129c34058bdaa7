// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "colorundocommands.h"
#include "magnifiercontrol.h"
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

// A palette of four white wells in memory, as the role classes reach it.
class FakePaletteEditor : public tintmere::PaletteEditor {
public:
    QList<tintmere::Color> colors = QList<tintmere::Color>(4, tintmere::Color{1, 1, 1, 1});

    QList<tintmere::Color> colorArray() const override { return colors; }
    void applyColor(int index, const tintmere::Color& color) override { colors[index] = color; }
    void applyPalette(const QList<tintmere::Color>& palette) override { colors = palette; }
};

// Keeps what the magnifier was asked to do.
class FakeMagnifier : public tintmere::MagnifierControl {
public:
    QStringList calls;
    bool stopped = true;
    int boxSize = -1;

    void setDrawLoading(bool loading) override {
        calls << QString::fromLatin1(loading ? "loading" : "loaded");
    }
    void beginMagnify() override { stopped = false, calls << QStringLiteral("begin"); }
    void stopMagnify() override { stopped = true, calls << QStringLiteral("stop"); }
    bool isStopped() const override { return stopped; }
    bool hasSelectedColor() const override { return false; }
    std::optional<tintmere::Color> selectedColor() const override { return std::nullopt; }
    void updateToolTip() override {}
    void setBoxSize(int sizeIndex) override { boxSize = sizeIndex; }
    void setDrawGrid(bool) override {}
    void setBorderColor(const tintmere::Color&) override {}
};
