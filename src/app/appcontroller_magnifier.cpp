// SPDX-License-Identifier: GPL-3.0-or-later
// The magnifier in its drawer, the colour it picks, and the system-wide key that locks it.
#include "appcontroller.h"
#include "globalhotkey.h"
#include "magnifyviewcontrol.h"
#include "prefscontroller.h"
#include "qvdrawer.h"
#include "qvlockview.h"
#include "qvmagnifyview.h"
#include "qvpaletteview.h"
#include "screencapture.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

void AppController::setUpMagnifier() {
    const MainWindowOutlets& o = outlets();
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    auto* view = new QVMagnifyView(o.magnifyArea);
    row->addWidget(view, 0, Qt::AlignTop);

    auto* use = new QPushButton(tr("Use"), o.magnifyArea);
    use->setObjectName(u"useMagnifiedColor"_s);
    use->setToolTip(tr("Put the picked color into the selected well"));
    use->setAccessibleName(tr("Use the picked color"));
    connect(use, &QPushButton::clicked, this, [this] { sendToCurrent(SendSource::Magnifier); });
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(use);
    buttons->addStretch();
    row->addLayout(buttons);
    row->addStretch();
    if (auto* area = qobject_cast<QBoxLayout*>(o.magnifyArea->layout()))
        area->addLayout(row);

    m_magnifyView = view;
    setScreenCapture(platform::createScreenCapture());
    m_magnifyControl = std::make_unique<MagnifyViewControl>(view);
    setMagnifier(m_magnifyControl.get());

    // Ctrl+L works exactly while the drawer is out, whether or not the menu was opened.
    const auto followDrawer = [this](QVDrawer::State state) {
        outlets().lockMagnify->setEnabled(state != QVDrawer::Closed);
    };
    connect(o.magnifyDrawer, &QVDrawer::stateChanged, this, followDrawer);
    followDrawer(o.magnifyDrawer->state());
}

QVMagnifyView* AppController::magnifyView() const {
    return m_magnifyView.data();
}

void AppController::setScreenCapture(std::unique_ptr<platform::ScreenCapture> capture) {
    if (QVMagnifyView* view = m_magnifyView.data())
        view->setScreenCapture(std::move(capture));
}

void AppController::setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey> hotKey) {
    m_hotKey = std::move(hotKey);
    if (m_hotKey) {
        // Queued: the key arrives inside the display connection's event dispatch, and
        // locking reads the screen through that same connection.
        connect(m_hotKey.get(), &platform::GlobalHotKey::activated, this,
                &AppController::hotKeyPressed, Qt::QueuedConnection);
        connect(m_hotKey.get(), &platform::GlobalHotKey::statusChanged, this,
                &AppController::reportHotKeyStatus);
    }
    reportHotKeyStatus();

    // Help goes on the indicator: a tooltip over the pixels would hide what is picked.
    const QString pick = tr("click a locked pixel, or move with the arrow keys and press "
                            "Return, to pick its color");
    if (m_hotKey && m_hotKey->isAvailable())
        outlets().lockStatus->setToolTip(
            tr("Ctrl+L, or Ctrl+Alt+Super+L from any program, locks and unlocks the image; %1")
                .arg(pick));
    else
        outlets().lockStatus->setToolTip(tr("Ctrl+L locks and unlocks the image; %1").arg(pick));
}

void AppController::reportHotKeyStatus() {
    if (!m_prefsController)
        return;
    if (m_hotKey)
        m_prefsController->setHotKeyStatus(m_hotKey->isAvailable(), m_hotKey->unavailableReason(),
                                           m_hotKey->binding());
    else
        m_prefsController->setHotKeyStatus(false, QString());
}

} // namespace tintmere
