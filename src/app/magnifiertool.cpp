// SPDX-License-Identifier: GPL-3.0-or-later
#include "magnifiertool.h"

#include "defaults.h"
#include "globalhotkey.h"
#include "magnifyviewcontrol.h"
#include "qvdrawer.h"
#include "qvlockview.h"
#include "qvmagnifyview.h"
#include "screencapture.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

MagnifierTool::MagnifierTool(const MagnifierToolWidgets& widgets, QObject* parent)
    : QObject(parent)
    , m_w(widgets) {
    buildView();
    setScreenCapture(platform::createScreenCapture());
    m_control = std::make_unique<MagnifyViewControl>(m_view.data());
    setMagnifier(m_control.get());

    // Ctrl+L works exactly while the drawer is out, whether or not the menu was opened.
    const auto followDrawer = [this](QVDrawer::State state) {
        m_w.lockMagnify->setEnabled(state != QVDrawer::Closed);
    };
    connect(m_w.magnifyDrawer, &QVDrawer::stateChanged, this, followDrawer);
    followDrawer(m_w.magnifyDrawer->state());
}

MagnifierTool::~MagnifierTool() = default;

QVMagnifyView* MagnifierTool::magnifyView() const {
    return m_view.data();
}

void MagnifierTool::buildView() {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    auto* view = new QVMagnifyView(m_w.magnifyArea);
    row->addWidget(view, 0, Qt::AlignTop);

    auto* use = new QPushButton(tr("Use"), m_w.magnifyArea);
    use->setObjectName(u"useMagnifiedColor"_s);
    use->setToolTip(tr("Put the picked color into the selected well"));
    use->setAccessibleName(tr("Use the picked color"));
    connect(use, &QPushButton::clicked, this, &MagnifierTool::useRequested);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(use);
    buttons->addStretch();
    row->addLayout(buttons);
    row->addStretch();
    if (auto* area = qobject_cast<QBoxLayout*>(m_w.magnifyArea->layout()))
        area->addLayout(row);
    m_view = view;
}

void MagnifierTool::setScreenCapture(std::unique_ptr<platform::ScreenCapture> capture) {
    if (QVMagnifyView* view = m_view.data())
        view->setScreenCapture(std::move(capture));
}

void MagnifierTool::setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey> hotKey) {
    m_hotKey = std::move(hotKey);
    if (m_hotKey) {
        // Queued: the key arrives inside the display connection's event dispatch, and
        // locking reads the screen through that same connection.
        connect(m_hotKey.get(), &platform::GlobalHotKey::activated, this,
                &MagnifierTool::hotKeyPressed, Qt::QueuedConnection);
    }
    // Help goes on the indicator: a tooltip over the pixels would hide what is picked.
    const QString pick = tr("click a locked pixel, or move with the arrow keys and press "
                            "Return, to pick its color");
    if (m_hotKey && m_hotKey->isAvailable())
        m_w.lockStatus->setToolTip(
            tr("Ctrl+L, or Ctrl+Alt+Super+L from any program, locks and unlocks the image; %1")
                .arg(pick));
    else
        m_w.lockStatus->setToolTip(tr("Ctrl+L locks and unlocks the image; %1").arg(pick));
}

void MagnifierTool::setMagnifier(MagnifierControl* magnifier) {
    m_magnifier = magnifier;
    applySettings();
}

void MagnifierTool::applySettings() {
    if (!m_magnifier)
        return;
    const Defaults& defaults = Defaults::standard();
    m_magnifier->setBoxSize(defaults.intValue(keys::ZoomSize));
    m_magnifier->setDrawGrid(defaults.boolValue(keys::DrawGrid));
    m_magnifier->setBorderColor(defaults.colorValue(keys::ZoomBorderColor).value_or(Color{}));
}

void MagnifierTool::setToolTipFamily(int family) {
    if (QVMagnifyView* view = m_view.data())
        view->setToolTipFamily(family);
}

void MagnifierTool::refreshToolTip() {
    if (m_magnifier && m_magnifier->hasSelectedColor())
        m_magnifier->updateToolTip();
}

void MagnifierTool::toggleMagnify() {
    if (m_w.magnifyDrawer->state() == QVDrawer::Open && m_magnifier) {
        if (m_magnifier->isStopped())
            m_magnifier->beginMagnify();
        else
            m_magnifier->stopMagnify();
    }
    m_w.lockStatus->toggleStatus();
}

void MagnifierTool::drawerWillOpen() {
    if (m_magnifier)
        m_magnifier->setDrawLoading(true);
    m_w.lockStatus->setIsLocked(false);
}

void MagnifierTool::drawerDidOpen() {
    if (!m_magnifier)
        return;
    m_magnifier->setDrawLoading(false);
    m_magnifier->beginMagnify();
    // A lock pressed while the drawer slid out only flipped the indicator; it shows what
    // runs now.
    m_w.lockStatus->setIsLocked(false);
}

void MagnifierTool::drawerWillClose() {
    if (m_magnifier)
        m_magnifier->stopMagnify();
    m_w.lockStatus->setIsLocked(true);
}

void MagnifierTool::stop() {
    if (m_magnifier && !m_magnifier->isStopped())
        m_magnifier->stopMagnify();
}

std::optional<Color> MagnifierTool::pickedColor() const {
    return m_magnifier ? m_magnifier->selectedColor() : std::nullopt;
}

} // namespace tintmere
