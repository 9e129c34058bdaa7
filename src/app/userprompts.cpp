// SPDX-License-Identifier: GPL-3.0-or-later
#include "userprompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("UserPrompts", text);
}

QString fileTypeFilter(const QString& suffix) {
    if (suffix == u"tnp"_s)
        return tr("Tintmere palette (*.tnp)");
    if (suffix == u"tnf"_s)
        return tr("Tintmere favorites (*.tnf)");
    if (suffix == u"plist"_s)
        return tr("Tintmere favorites library (*.plist)");
    if (suffix == u"gpl"_s)
        return tr("GIMP palette (*.gpl)");
    if (suffix == u"css"_s)
        return tr("CSS custom properties (*.css)");
    if (suffix == u"json"_s)
        return tr("JSON palette (*.json)");
    return {};
}

} // namespace

bool DialogPrompts::confirmDelete(QWidget* window) {
    QMessageBox box(QMessageBox::Warning, u"Are you sure?"_s,
                    u"Are you sure you want to delete the selected item(s)?"_s,
                    QMessageBox::NoButton, window);
    box.setWindowModality(Qt::WindowModal);
    QPushButton* remove = box.addButton(u"Delete"_s, QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(u"Cancel"_s, QMessageBox::RejectRole);
    box.setDefaultButton(remove);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == remove;
}

QString DialogPrompts::saveFileName(QWidget* window, const QString& folder,
                                    const QStringList& types, QString* chosenType) {
    const QString first = types.value(0);
    const QString title = first == u"tnp"_s     ? tr("Save Palette File")
                          : first == u"plist"_s ? tr("Save Favorites Library")
                                                : tr("Save Favorites File");
    QStringList filters;
    for (const QString& type : types)
        filters << fileTypeFilter(type);
    QFileDialog dialog(window, title, folder);
    dialog.setNameFilters(filters);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(first);
    // A name typed without an extension takes the one of the chosen type.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &types, &filters](const QString& filter) {
                         dialog.setDefaultSuffix(types.value(int(filters.indexOf(filter))));
                     });
    dialog.selectFile((first == u"plist"_s ? u"Favorites."_s : u"Untitled."_s) + first);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (chosenType)
        *chosenType = types.value(int(filters.indexOf(dialog.selectedNameFilter())), first);
    return dialog.selectedFiles().constFirst();
}

QString DialogPrompts::openFileName(QWidget* window, const QString& folder) {
    const QStringList types{u"tnp"_s, u"tnf"_s, u"gpl"_s, u"css"_s, u"json"_s};
    QStringList filters{tr("Palettes and favorites (*.tnp *.tnf *.gpl *.css *.json)")};
    for (const QString& type : types)
        filters << fileTypeFilter(type);
    QFileDialog dialog(window, tr("Import"), folder);
    dialog.setNameFilters(filters);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void DialogPrompts::reportError(QWidget* window, const QString& text) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, tr("File Problem"), text, QMessageBox::Ok, window);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace tintmere

namespace tintmere {

UserPrompts::FailedSaveChoice DialogPrompts::askAfterFailedSave(QWidget* window,
                                                                const QString& text) {
    QMessageBox box(QMessageBox::Warning, tr("Favorites Not Saved"), text, QMessageBox::NoButton,
                    window);
    box.setInformativeText(
        tr("If you quit anyway, the changes to your favorites since the last save are lost."));
    box.setWindowModality(Qt::WindowModal);
    QPushButton* retry = box.addButton(tr("&Retry"), QMessageBox::AcceptRole);
    QPushButton* elsewhere = box.addButton(tr("&Save Elsewhere…"), QMessageBox::ActionRole);
    QPushButton* quit = box.addButton(tr("&Quit Anyway"), QMessageBox::DestructiveRole);
    box.setDefaultButton(retry);
    box.setEscapeButton(retry);
    box.exec();
    if (box.clickedButton() == quit)
        return FailedSaveChoice::QuitAnyway;
    return box.clickedButton() == elsewhere ? FailedSaveChoice::SaveElsewhere
                                            : FailedSaveChoice::Retry;
}

} // namespace tintmere
