// SPDX-License-Identifier: GPL-3.0-or-later
// Pick mode: one command takes a colour from anywhere on the screen into a well.
#include "appcontroller.h"
#include "defaults.h"
#include "desktopcolorpicker.h"
#include "magnifiertool.h"
#include "pickmode.h"
#include "pointergrab.h"
#include "qvdrawer.h"
#include "qvmagnifyview.h"
#include "qvpaletteview.h"
#include "screencapture.h"
#include "screensnapshot.h"
#include "settingskeys.h"

#include <QApplication>
#include <QClipboard>
#include <QStatusBar>

namespace tintmere {

namespace {

constexpr int kStatusMessageMs = 4000;

QString hexText(const Color& color, const FormatSettings& formats) {
    return QString::fromStdString(hexStringOfColor(color, formats));
}

} // namespace

void AppController::setUpPickMode() {
    m_pickMode = std::make_unique<PickMode>(
        [this] {
            QVMagnifyView* view = magnifyView();
            return view ? view->screenCapture() : nullptr;
        },
        platform::createPointerGrab());
    m_pickMode->setDesktop(platform::createScreenSnapshot(), platform::createDesktopColorPicker());
    connect(m_pickMode.get(), &PickMode::finished, this, &AppController::pickFinished);
    // Whatever Tintmere copies (a string row, a menu command, a pick) says so for a moment.
    QClipboard* clipboard = QGuiApplication::clipboard();
    connect(clipboard, &QClipboard::dataChanged, this, [this, clipboard] {
        if (clipboard->ownsClipboard() && !clipboard->text().isEmpty())
            m_mainWindow->statusBar()->showMessage(tr("Copied %1").arg(clipboard->text()),
                                                   kStatusMessageMs);
    });
    // The open magnifier shows what the loupe shows and takes its locks.
    m_magnifierTool->followPickMode(m_pickMode.get());
}

void AppController::pickColorFromScreen(int well) {
    startPick({well >= 0 ? well : outlets().paletteView->selectedColorWellIndex(), nullptr});
}

bool AppController::pickForCaller(std::function<void(const std::optional<QString>&)> reply) {
    if (m_pickMode->isActive())
        return false;
    startPick({-1, [this, reply = std::move(reply)](const std::optional<Color>& color) {
                   reply(color ? std::optional(hexText(*color, m_formats)) : std::nullopt);
               }});
    return true;
}

void AppController::startPick(PickRequest request) {
    if (m_pickMode->isActive())
        return;
    m_pickMode->setSettings(PickSettings::fromDefaults(Defaults::standard()));
    m_pickMode->start(std::move(request));
}

void AppController::hotKeyPressed() {
    if (m_pickMode->isActive()) {
        m_pickMode->lockOrPick();
        return;
    }
    // Where the screen cannot be read live (Wayland) the magnifier has nothing to lock: the
    // key picks.
    const QVMagnifyView* view = magnifyView();
    const bool live = view && view->screenCapture() && view->screenCapture()->isAvailable();
    if (!live ||
        (outlets().magnifyDrawer->state() == QVDrawer::Closed && !QApplication::activeWindow()))
        pickColorFromScreen();
    else
        toggleMagnify();
}

void AppController::pickFinished(const PickResult& result) {
    QStatusBar* status = m_mainWindow->statusBar();
    switch (result.outcome) {
    case PickResult::Outcome::Picked:
        if (result.request.well < 0)
            return;
        setColor(result.color, result.request.well);
        if (Defaults::standard().boolValue(keys::CopyPickedHex))
            QGuiApplication::clipboard()->setText(hexText(result.color, m_formats));
        status->showMessage(tr("Picked %1 into well %2")
                                .arg(hexText(result.color, m_formats))
                                .arg(result.request.well + 1),
                            kStatusMessageMs);
        return;
    case PickResult::Outcome::Failed:
        QApplication::beep();
        [[fallthrough]];
    case PickResult::Outcome::Cancelled:
        if (!result.message.isEmpty())
            status->showMessage(result.message, kStatusMessageMs);
        return;
    }
}

} // namespace tintmere
