// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: the help pages, the home page and the About box.
#include "aboutdialog.h"
#include "appcontroller.h"
#include "helpviewer.h"

#include <QDesktopServices>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr auto kHomePage = "https://tintmere.org/"_L1;

} // namespace

void AppController::openHelpAnchor(const QString& anchor) {
    if (!m_helpViewer) {
        m_helpViewer = std::make_unique<HelpViewer>();
        addApplicationShortcutsTo(m_helpViewer.get());
    }
    m_helpViewer->openHelpAnchor(anchor);
}

void AppController::showReleaseNotes() {
    openHelpAnchor(u"releasenotes"_s);
}

void AppController::showAcknowledgments() {
    openHelpAnchor(u"acknowledgments"_s);
}

void AppController::buyTintmerePro() {
    QDesktopServices::openUrl(QUrl(kHomePage));
}

void AppController::showAbout() {
    // Window-modal: a second About cannot stack up while this one shows.
    auto* box = new AboutDialog(m_mainWindow.get());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

} // namespace tintmere
