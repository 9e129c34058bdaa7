// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefscontroller.h"

#include "defaults.h"
#include "notificationcenter.h"
#include "notificationnames.h"
#include "prefsaboutpane.h"
#include "qvcolorpopupbutton.h"
#include "windowframes.h"
#include "zrprefspanel.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QPropertyAnimation>
#include <QStackedWidget>
#include <QToolBar>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using tintmere::Defaults;
using tintmere::NotificationCenter;
using namespace tintmere::prefs;

namespace {

// Selects a stored index only when it names an item the user could choose; a damaged
// value leaves the pop-up showing nothing rather than a separator or a random item.
void selectStoredIndex(QComboBox* popUp, int index) {
    const bool choosable =
        index >= 0 && index < popUp->count() &&
        (popUp->model()->flags(popUp->model()->index(index, 0)) & Qt::ItemIsEnabled);
    popUp->setCurrentIndex(choosable ? index : -1);
}

QVariant valueOfControl(const QObject* control) {
    if (const auto* popUp = qobject_cast<const QComboBox*>(control))
        return popUp->currentIndex();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->isChecked();
    if (const auto* rows = qobject_cast<const QButtonGroup*>(control))
        return rows->checkedId();
    return {};
}

void showValue(QObject* control, const tintmere::SettingKey& key) {
    const Defaults& defaults = Defaults::standard();
    if (auto* popUp = qobject_cast<QComboBox*>(control)) {
        selectStoredIndex(popUp, defaults.intValue(key));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setChecked(defaults.boolValue(key));
    } else if (auto* rows = qobject_cast<QButtonGroup*>(control)) {
        if (QAbstractButton* row = rows->button(defaults.intValue(key)))
            row->setChecked(true);
    }
}

void announce(const tintmere::SettingKey& key, QObject* sender) {
    NotificationCenter::defaultCenter().post(tintmere::notifications::PrefsUpdate, sender,
                                             {{tintmere::userinfo::Object, key.name.toString()}});
}

} // namespace

PrefsController::PrefsController(QObject* parent)
    : QObject(parent)
    , m_window(std::make_unique<QMainWindow>())
    , m_tabView(new QStackedWidget)
    , m_panes(buildPanes()) {
    m_window->setObjectName(tintmere::keys::PrefsWindow.name.toString());
    m_window->setCentralWidget(m_tabView);
    m_window->setContextMenuPolicy(Qt::NoContextMenu);
    m_colorPopUps = {
        ColorPopUpBinding{m_panes.controls.resetColorPopUp, &resetColor},
        ColorPopUpBinding{m_panes.controls.zoomBorderColorPopUp, &zoomBorderColor},
        ColorPopUpBinding{m_panes.controls.globalBorderColorPopUp, &globalBorderColor}};

    addPanes();
    addCloseShortcuts();
    loadControls();
    measurePanes();
    restoreWindowFrame();

    // Only now: showing the stored values above must neither write nor announce anything.
    connectControls();
    connect(m_tabView, &QStackedWidget::currentChanged, this, &PrefsController::tabViewDidSelect);
    m_window->installEventFilter(this);
}

PrefsController::~PrefsController() {
    NotificationCenter::defaultCenter().removeObserver(this);
    // The stack may still announce pane changes while the window takes it down.
    m_tabView->disconnect();
    if (m_resizeAnimation)
        m_resizeAnimation->stop();
    m_window->removeEventFilter(this);
}

void PrefsController::addPanes() {
    const std::array labels{tr("General"),   tr("Formats"),      tr("RGB"),
                            tr("Magnifier"), tr("Global Panel"), tr("About")};
    m_panel = new ZRPrefsPanel(m_window.get(), m_tabView, this);
    m_panel->setAutosaveName(tintmere::keys::PrefsWindow.name.toString());
    const std::array panes = m_panes.all();
    for (std::size_t index = 0; index < panes.size(); ++index)
        m_panel->addTab(QString::number(index), labels.at(index), panes.at(index));
    m_panel->load();
}

void PrefsController::addCloseShortcuts() {
    auto* close = new QAction(tr("Close"), m_window.get());
    close->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)});
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, m_window.get(), &QWidget::close);
    m_window->addAction(close);
}

void PrefsController::measurePanes() {
    m_toolbarHeight = toolbarHeightForWindow(*m_window);
    // One width for all panes, so only the height changes between them.
    int width = kPaneWidth;
    for (int index = 0; index < m_tabView->count(); ++index)
        width = std::max(width, viewOfIndex(index)->sizeHint().width());
    for (int index = 0; index < m_tabView->count(); ++index)
        m_viewSize.at(index) = QSize(width, viewOfIndex(index)->sizeHint().height());
}

void PrefsController::loadControls() {
    for (const ColorPopUpBinding& binding : m_colorPopUps)
        loadColorPopUp(binding);
    m_panes.controls.floatFormatPopUp->clear();
    m_panes.controls.floatFormatPopUp->addItems(floatFormatTitles());
    for (QObject* control : plainControls())
        showValue(control, settingOfTag(control->property(kTagProperty).toInt())->key);
}

void PrefsController::loadColorPopUp(const ColorPopUpBinding& binding) {
    const Defaults& defaults = Defaults::standard();
    for (const NamedColor& named : binding.setting->namedColors)
        binding.popUp->addItemWithTitle(tr(named.title), named.color);
    selectStoredIndex(binding.popUp, defaults.intValue(binding.setting->indexKey));
    if (defaults.hasStoredValue(binding.setting->otherColorKey)) {
        if (const auto other = defaults.colorValue(binding.setting->otherColorKey))
            binding.popUp->setOtherColor(*other);
    }
}

void PrefsController::connectControls() {
    const PrefsControls& c = m_panes.controls;
    for (QComboBox* popUp :
         {c.tooltipFormatPopUp, c.dragFormatPopUp, c.floatFormatPopUp, c.zoomSizePopUp}) {
        connect(popUp, &QComboBox::activated, this, [this, popUp] { prefsItemChanged(popUp); });
    }
    for (QCheckBox* box : {c.glossCheckBox, c.uppercaseHexCheckBox, c.shorthandHexCheckBox,
                           c.gridLinesCheckBox, c.copyPickedHexCheckBox}) {
        connect(box, &QCheckBox::clicked, this, [this, box] { prefsItemChanged(box); });
    }
    connect(c.quickBlendMatrix, &QButtonGroup::idClicked, this,
            [this, rows = c.quickBlendMatrix] { prefsItemChanged(rows); });

    for (const ColorPopUpBinding& binding : m_colorPopUps) {
        QVColorPopUpButton* popUp = binding.popUp;
        connect(popUp, &QComboBox::activated, this, [this, popUp](int index) {
            // "Other..." reports through the free colour it takes from the colour panel.
            if (popUp->itemText(index) != QVColorPopUpButton::OtherTitle)
                newColorSelected(popUp);
        });
    }
    NotificationCenter::defaultCenter().addObserver(
        this, tintmere::notifications::OtherColorChanged, nullptr,
        [this](const tintmere::Notification& note) {
            if (auto* popUp = qobject_cast<QVColorPopUpButton*>(note.object.data()))
                newColorSelected(popUp);
        });
}

std::array<QObject*, 10> PrefsController::plainControls() const {
    const PrefsControls& c = m_panes.controls;
    return {c.tooltipFormatPopUp,   c.quickBlendMatrix,     c.dragFormatPopUp,  c.glossCheckBox,
            c.uppercaseHexCheckBox, c.shorthandHexCheckBox, c.floatFormatPopUp, c.zoomSizePopUp,
            c.gridLinesCheckBox,    c.copyPickedHexCheckBox};
}

void PrefsController::showWindow() {
    m_panel->orderFrontPrefsPanel();
}

void PrefsController::setHotKeyStatus(bool available, const QString& reason, const QString& binding,
                                      bool picks) {
    m_panes.updateView->setHotKeyStatus(available, reason, binding, picks);
}

void PrefsController::prefsItemChanged(QObject* sender) {
    const QVariant tag = sender->property(kTagProperty);
    const TaggedSetting* setting = tag.isValid() ? settingOfTag(tag.toInt()) : nullptr;
    if (!setting)
        return;
    const QVariant value = valueOfControl(sender);
    Defaults& defaults = Defaults::standard();
    if (setting->key.type == tintmere::SettingType::Boolean)
        defaults.setBool(setting->key, value.toBool());
    else
        defaults.setInt(setting->key, value.toInt());
    announce(setting->key, sender);
}

const ColorPopUpSetting* PrefsController::settingOfPopUp(const QVColorPopUpButton* popUp) const {
    const auto found = std::ranges::find(m_colorPopUps, popUp, &ColorPopUpBinding::popUp);
    return found == m_colorPopUps.end() ? nullptr : found->setting;
}

void PrefsController::newColorSelected(QVColorPopUpButton* popUp) {
    const ColorPopUpSetting* setting = settingOfPopUp(popUp);
    if (!setting)
        return;
    Defaults& defaults = Defaults::standard();
    defaults.setInt(setting->indexKey, popUp->currentIndex());
    if (const auto other = popUp->otherColor())
        defaults.setColor(setting->otherColorKey, *other);
    // "Other..." without a colour yet has nothing to store; the last colour stays.
    if (const auto color = popUp->colorOfSelectedItem())
        defaults.setColor(setting->colorKey, *color);
    announce(setting->colorKey, this);
}

QWidget* PrefsController::viewOfIndex(int index) const {
    const std::array panes = m_panes.all();
    return index >= 0 && index < int(panes.size()) ? panes.at(index) : m_panes.generalView;
}

QSize PrefsController::viewSize(int index) const {
    return index >= 0 && index < int(m_viewSize.size()) ? m_viewSize.at(index) : QSize();
}

int PrefsController::toolbarHeightForWindow(const QMainWindow& window) {
    const QList<QToolBar*> toolbars = window.findChildren<QToolBar*>();
    const bool showsToolbar = std::ranges::any_of(
        toolbars, [&](const QToolBar* toolbar) { return !toolbar->isHidden(); });
    if (!showsToolbar || !window.centralWidget())
        return 0;
    return window.layout()->sizeHint().height() - window.centralWidget()->sizeHint().height();
}

void PrefsController::tabViewDidSelect(int index) {
    resizeWindowToSize(viewSize(index));
    if (!m_resizeAnimation)
        saveWindowFrame();
}

void PrefsController::resizeWindowToSize(QSize paneSize) {
    const QSize content(paneSize.width(), paneSize.height() + m_toolbarHeight);
    if (m_resizeAnimation)
        m_resizeAnimation->stop();
    if (!m_window->isVisible()) {
        m_window->setFixedSize(content);
        return;
    }
    // The window grows and shrinks below its top edge, which stays where the user put it.
    const QRect target(m_window->geometry().topLeft(), content);
    m_window->setMinimumSize(1, 1);
    m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    auto* animation = new QPropertyAnimation(m_window.get(), "geometry", this);
    animation->setDuration(kResizeMilliseconds);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    animation->setStartValue(m_window->geometry());
    animation->setEndValue(target);
    connect(animation, &QPropertyAnimation::finished, this, [this, content] {
        m_window->setFixedSize(content);
        saveWindowFrame();
    });
    m_resizeAnimation = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void PrefsController::restoreWindowFrame() {
    const QByteArray frame = Defaults::standard().restoreGeometry(tintmere::keys::PrefsWindow);
    tintmere::restoreFrameOnScreens(m_window.get(), frame);
    // The frame keeps its place; its size is always the size of the pane it opens on.
    resizeWindowToSize(viewSize(m_tabView->currentIndex()));
}

void PrefsController::saveWindowFrame() {
    Defaults& defaults = Defaults::standard();
    defaults.saveGeometry(tintmere::keys::PrefsWindow,
                          tintmere::frameToSave(m_window.get(), defaults.restoreGeometry(
                                                                    tintmere::keys::PrefsWindow)));
}

bool PrefsController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window.get() && event->type() == QEvent::Move && m_window->isVisible())
        saveWindowFrame();
    return QObject::eventFilter(watched, event);
}
