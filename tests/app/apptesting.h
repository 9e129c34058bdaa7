// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "appcontroller.h"
#include "color.h"
#include "colorundocommands.h"
#include "defaults.h"
#include "favoritesmodel.h"
#include "magnifiercontrol.h"
#include "qvcustomtableview.h"
#include "simpletreenode.h"
#include "storedcolors.h"
#include "userprompts.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Answers the controller's questions as the test says, and keeps what it was asked.
class FakePrompts : public tintmere::UserPrompts {
public:
    bool deleteAnswer = false;
    QString fileToSave; // empty: cancelled
    QString typeToSave; // the type picked in the dialog; empty: the first offered
    QStringList typesOffered;
    QString fileToOpen;
    int deleteQuestions = 0;
    QStringList folders; // where each file dialog started
    QStringList errors;

    bool confirmDelete(QWidget*) override { return ++deleteQuestions, deleteAnswer; }
    QString saveFileName(QWidget*, const QString& folder, const QStringList& types,
                         QString* chosenType) override {
        folders << folder;
        typesOffered = types;
        if (chosenType)
            *chosenType = typeToSave.isEmpty() ? types.value(0) : typeToSave;
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

// The whole program on settings in memory, its library in a folder of its own.
class ProgramFixture {
protected:
    QTemporaryDir m_dir;
    std::unique_ptr<tintmere::AppController> m_controller;

    const tintmere::MainWindowOutlets& o() const { return m_controller->outlets(); }
    // A fresh start on the settings as they stand.
    void start() {
        m_controller.reset();
        m_controller = std::make_unique<tintmere::AppController>(
            m_dir.filePath(QStringLiteral("Favorites.plist")));
    }
    void startAfresh() {
        tintmere::Defaults::setStandardForTesting(tintmere::Defaults::inMemory());
        QFile::remove(m_dir.filePath(QStringLiteral("Favorites.plist")));
        start();
    }
};

// Colours as stored text, space separated: "ff0000 ffffff ...".
inline QString paletteText(const QList<tintmere::Color>& colors) {
    QStringList texts;
    for (const tintmere::Color& color : colors)
        texts << tintmere::storedColorText(color);
    return texts.join(u' ');
}
inline QList<tintmere::Color> paletteFromText(const QString& text) {
    QList<tintmere::Color> colors;
    for (const QString& color : text.split(u' '))
        colors << *tintmere::colorFromStoredText(color);
    return colors;
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
    std::optional<tintmere::Color> picked;

    void setDrawLoading(bool loading) override {
        calls << QString::fromLatin1(loading ? "loading" : "loaded");
    }
    void beginMagnify() override { stopped = false, calls << QStringLiteral("begin"); }
    void stopMagnify() override { stopped = true, calls << QStringLiteral("stop"); }
    bool isStopped() const override { return stopped; }
    bool hasSelectedColor() const override { return picked.has_value(); }
    std::optional<tintmere::Color> selectedColor() const override { return picked; }
    void updateToolTip() override {}
    void setBoxSize(int sizeIndex) override { boxSize = sizeIndex; }
    void setDrawGrid(bool) override {}
    void setBorderColor(const tintmere::Color&) override {}
};

inline QString nameOf(const tintmere::TreeNode* node) {
    return tintmere::SimpleTreeNode::dataOf(node)->name();
}

inline QString topLevelNames(const tintmere::TreeNode* root) {
    QStringList names;
    for (const tintmere::TreeNode* node : root->children())
        names << nameOf(node);
    return names.join(u',');
}

// Adds two groups, "A" (favorites a1, a2) and "B" (b1), and the favorite "top".
inline void addTestLibrary(tintmere::TreeNode* root) {
    const auto favorite = [](const char* name, const char* colors) {
        return QVariantMap{{QStringLiteral("Name"), QString::fromLatin1(name)},
                           {QStringLiteral("Colors"), QString::fromLatin1(colors).split(u' ')}};
    };
    const auto group = [](const char* name, const QVariantList& entries) {
        return QVariantMap{{QStringLiteral("Group"), QString::fromLatin1(name)},
                           {QStringLiteral("Entries"), entries}};
    };
    const auto library = tintmere::SimpleTreeNode::treeFromDictionary(
        group("Root", {group("A", {favorite("a1", "ff0000 00ff00 0000ff 000000"),
                                   favorite("a2", "111111 222222 333333 444444")}),
                       group("B", {favorite("b1", "aaaaaa bbbbbb cccccc dddddd")}),
                       favorite("top", "123456 654321 abcdef fedcba")}));
    root->insertChildren(library->removeChildrenIdenticalTo(library->children()), 0);
}

// Selects the nodes at the paths of child indexes ("0/1"), opening the groups on the way.
inline void selectPaths(QVCustomTableView* outline, tintmere::FavoritesModel* model,
                        const QStringList& paths) {
    tintmere::TreeNode* root = model->root();
    QList<tintmere::TreeNode*> nodes;
    for (const QString& path : paths) {
        tintmere::TreeNode* node = root;
        for (QStringView step : QStringView(path).split(u'/')) {
            if (node != root)
                outline->expand(model->indexOfNode(node));
            node = node->childAtIndex(step.toInt());
        }
        nodes << node;
    }
    outline->selectNodes(nodes);
}
