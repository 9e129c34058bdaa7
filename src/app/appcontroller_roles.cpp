// SPDX-License-Identifier: GPL-3.0-or-later
// The public entry points whose work a role class does.
#include "appcontroller.h"
#include "blendtool.h"
#include "coloreditor.h"
#include "favoritesoutline.h"
#include "filecommands.h"
#include "globalhotkey.h"
#include "globalpaneltool.h"
#include "magnifiertool.h"
#include "prefscontroller.h"
#include "qvglobalpanel.h"
#include "qvmagnifyview.h"
#include "screencapture.h"
#include "userprompts.h"

namespace tintmere {

// --- current colour editing
void AppController::updateColorInfo(QVPaletteColorWell* well) {
    m_editor->showWell(well);
}
void AppController::updateColorLabels() {
    m_editor->refresh();
}
void AppController::colorComponentChanged(QObject* sender) {
    m_editor->colorComponentChanged(sender);
}
void AppController::colorIncrement(int component, int value) {
    m_editor->colorIncrement(component, value);
}
void AppController::controlTextDidChange() {
    m_editor->controlTextDidChange();
}
void AppController::hexFieldTextEdited() {
    m_editor->hexFieldTextEdited();
}
void AppController::hexTextChanged() {
    m_editor->hexTextChanged();
}
void AppController::copyFloatValue(int component) {
    m_editor->copyFloatValue(component);
}
void AppController::newColorwellColor(const Notification& notification) {
    m_editor->recordWellChange(notification);
}
void AppController::newColorSelected(int tag) {
    m_editor->selectWell(tag);
}
void AppController::setFloatWithFormat(int floatFormat) {
    m_editor->setFloatFormat(floatFormat);
}
int AppController::floatFormat() const {
    return m_editor->floatFormat();
}
void AppController::updateColorToolTips() {
    m_editor->updateColorToolTips();
}
void AppController::saveMainColors() {
    m_editor->saveMainColors();
}

// --- blend tool
void AppController::changeMidpoints() {
    m_blend->changeMidpoints();
}
void AppController::updateBlendColors(const QObject* sender) {
    m_blend->updateBlendColors(sender);
}

// --- magnifier and hot key
QVMagnifyView* AppController::magnifyView() const {
    return m_magnifierTool->magnifyView();
}
MagnifierControl* AppController::magnifier() const {
    return m_magnifierTool->magnifier();
}
void AppController::setMagnifier(MagnifierControl* magnifier) {
    m_magnifierTool->setMagnifier(magnifier);
}
void AppController::toggleMagnify() {
    m_magnifierTool->toggleMagnify();
}

void AppController::setScreenCapture(std::unique_ptr<platform::ScreenCapture> capture) {
    m_magnifierTool->setScreenCapture(std::move(capture));
    reportHotKeyStatus();
}

void AppController::setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey> hotKey) {
    m_magnifierTool->setGlobalHotKey(std::move(hotKey));
    // A desktop portal confirms or rebinds the key some time after the start.
    if (const platform::GlobalHotKey* key = m_magnifierTool->globalHotKey())
        connect(key, &platform::GlobalHotKey::statusChanged, this,
                &AppController::reportHotKeyStatus);
    reportHotKeyStatus();
}

void AppController::reportHotKeyStatus() {
    if (!m_prefsController)
        return;
    // Where the screen cannot be read live the key picks first.
    const QVMagnifyView* view = magnifyView();
    const bool picks = !view || !view->isCaptureAvailable();
    if (const platform::GlobalHotKey* hotKey = m_magnifierTool->globalHotKey())
        m_prefsController->setHotKeyStatus(hotKey->isAvailable(), hotKey->unavailableReason(),
                                           hotKey->binding(), picks);
    else
        m_prefsController->setHotKeyStatus(false, QString(), QString(), picks);
}

// --- global panel
QVGlobalPanel* AppController::globalPanel() const {
    return m_globalPanel ? m_globalPanel->panel() : nullptr;
}
QVGlobalPaletteView* AppController::globalPaletteView() const {
    return m_globalPanel ? m_globalPanel->paletteView() : nullptr;
}
QVGlobalColorInfoView* AppController::globalInfoView() const {
    return m_globalPanel ? m_globalPanel->infoView() : nullptr;
}
bool AppController::isGlobalPanelVisible() const {
    return m_globalPanel && m_globalPanel->isVisible();
}
void AppController::setGlobalPanelVisible(bool visible) {
    m_globalPanel->setVisible(visible);
}
void AppController::globalColorSelected(QVSelectedColorWell* well) {
    m_globalPanel->globalColorSelected(well);
}
void AppController::globalColorChanged() {
    m_globalPanel->globalColorChanged();
}

void AppController::updateGlobalPanel() {
    if (m_globalPanel) // not yet while the window is made
        m_globalPanel->update();
}

// --- favorites outline
FavoritesPane* AppController::favoritesPane() const {
    return m_favorites->pane();
}
FavoritesModel* AppController::favoritesModel() const {
    return m_favorites->model();
}
void AppController::addFavorite() {
    m_favorites->addFavorite();
}
void AppController::addGroup() {
    m_favorites->addGroup();
}
void AppController::replaceFavorite() {
    m_favorites->replaceFavorite();
}
void AppController::remFavorite() {
    m_favorites->remFavorite();
}
void AppController::updatePreviewColors() {
    m_favorites->updatePreviewColors();
}
void AppController::setPrompts(std::unique_ptr<UserPrompts> prompts) {
    m_prompts = std::move(prompts);
}

UserPrompts& AppController::prompts() const {
    static DialogPrompts dialogs;
    return m_prompts ? *m_prompts : dialogs;
}

// --- import and export
void AppController::saveDocument() {
    m_files->saveDocument();
}
void AppController::openDocument() {
    m_files->openDocument();
}
void AppController::openFiles(const QStringList& files) {
    m_files->openFiles(files);
}
bool AppController::openFile(const QString& path) {
    return m_files->openFile(path);
}
QDialog* AppController::sheet() const {
    return m_files->sheet();
}

} // namespace tintmere
