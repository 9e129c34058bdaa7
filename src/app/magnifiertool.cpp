// SPDX-License-Identifier: GPL-3.0-or-later
#include "magnifiertool.h"

#include "defaults.h"
#include "globalhotkey.h"
#include "magnifyviewcontrol.h"
#include "pickmode.h"
#include "platformreasons.h"
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
    updateHelp();
}

void MagnifierTool::followPickMode(PickMode* pickMode) {
    m_pickMode = pickMode;
    connect(pickMode, &PickMode::frameCaptured, this, &MagnifierTool::showPickFrame);
    connect(pickMode, &PickMode::finished, this, [this] {
        // A frame of a pick that is over is no live image.
        if (QVMagnifyView* view = m_view.data(); view && !view->isCaptureAvailable())
            view->showLiveFrame(view->lastPointerPosition(), QImage());
    });
    connect(pickMode, &PickMode::desktopChanged, this, &MagnifierTool::updateHelp);
    pickMode->setLockTarget([this](QPoint pointer, platform::ScreenCapture& pixels) {
        return lockInPickMode(pointer, pixels);
    });
    updateHelp();
}

void MagnifierTool::showPickFrame(QPoint pointer, const QImage& pixels) {
    QVMagnifyView* view = m_view.data();
    if (!view || view->isStopped())
        return;
    const int n = view->numberOfPixels();
    const int offset = pixels.width() / 2 - n / 2;
    view->showLiveFrame(pointer, pixels.copy(offset, offset, n, n));
}

bool MagnifierTool::lockInPickMode(QPoint pointer, platform::ScreenCapture& pixels) {
    QVMagnifyView* view = m_view.data();
    if (!view || m_w.magnifyDrawer->state() != QVDrawer::Open || !m_magnifier)
        return false;
    // Locked already, it locks afresh at the pointer.
    m_magnifier->beginMagnify();
    view->showLiveFrame(pointer, pixels.captureAround(pointer, view->numberOfPixels()));
    m_magnifier->stopMagnify();
    m_w.lockStatus->setIsLocked(true);
    return true;
}

void MagnifierTool::setGlobalHotKey(std::unique_ptr<platform::GlobalHotKey> hotKey) {
    m_hotKey = std::move(hotKey);
    if (m_hotKey) {
        // Queued: the key arrives inside the display connection's event dispatch, and
        // locking reads the screen through that same connection.
        connect(m_hotKey.get(), &platform::GlobalHotKey::activated, this,
                &MagnifierTool::hotKeyPressed, Qt::QueuedConnection);
        // A desktop may bind the key late, or the user choose other keys.
        connect(m_hotKey.get(), &platform::GlobalHotKey::statusChanged, this,
                &MagnifierTool::updateHelp);
    }
    updateHelp();
}

void MagnifierTool::updateHelp() {
    QVMagnifyView* view = m_view.data();
    if (!view)
        return;
    const bool live = view->isCaptureAvailable();
    const QString freezeReason = m_pickMode ? m_pickMode->freezeUnavailableReason() : QString();
    const bool followsPick = !live && m_pickMode && m_pickMode->canFreezeScreens();
    view->setUnavailableReason(live || freezeReason.isEmpty()
                                   ? QString()
                                   : platform::reasons::captureWithoutScreenshots());
    QString hotKey;
    if (m_hotKey && m_hotKey->isAvailable())
        hotKey = m_hotKey->binding().isEmpty() ? tr("Ctrl+Alt+Super+L") : m_hotKey->binding();
    // Help goes on the indicator: a tooltip over the pixels would hide what is picked.
    const QString pick = tr("click a locked pixel, or move with the arrow keys and press "
                            "Return, to pick its color");
    QString help;
    if (live && !hotKey.isEmpty())
        help =
            tr("Ctrl+L, or %1 from any program, locks and unlocks the image; %2").arg(hotKey, pick);
    else if (live)
        help = tr("Ctrl+L locks and unlocks the image; %1").arg(pick);
    else if (followsPick) {
        help = view->unavailableReason();
        if (!hotKey.isEmpty())
            help += u' ' + tr("%1 starts Pick Color from any program, and locks the magnifier "
                              "during it.")
                               .arg(hotKey);
        help += u' ' + tr("Once locked, %1.").arg(pick);
    } else
        help = freezeReason.isEmpty() ? view->unavailableReason()
                                      : tr("%1 (%2)").arg(view->unavailableReason(), freezeReason);
    m_w.lockStatus->setToolTip(help);
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
