// SPDX-License-Identifier: GPL-3.0-or-later
#include "zrprefspanel.h"

#include "defaults.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QIcon>
#include <QMainWindow>
#include <QStackedWidget>
#include <QToolBar>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

// The icons live in a static library: register them before the first use, or the linker
// may leave them out.
static void registerPrefsResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(prefs);
        return true;
    }();
    Q_UNUSED(registered);
}

const QString ZRPrefsPanel::NonSelectableIdentifier = u"5"_s;

ZRPrefsPanel::ZRPrefsPanel(QMainWindow* window, QStackedWidget* tabView, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_tabView(tabView)
    , m_autosaveName(u"org.tintmere.Tintmere.prefs"_s) {
    connect(m_tabView, &QStackedWidget::currentChanged, this, &ZRPrefsPanel::showSelection);
}

int ZRPrefsPanel::addTab(const QString& identifier, const QString& label, QWidget* pane) {
    m_tabs.append(Tab{identifier, label});
    return m_tabView->addWidget(pane);
}

void ZRPrefsPanel::setAutosaveName(const QString& name) {
    m_autosaveName = name;
}

void ZRPrefsPanel::load() {
    const int recent = tintmere::Defaults::standard().intValue(tintmere::keys::PrefsRecentPage);
    // A page that no longer exists (a damaged or older settings file) opens the first one.
    m_tabView->setCurrentIndex(recent >= 0 && recent < m_tabView->count() ? recent : 0);
    mapTabsToToolbar();
}

void ZRPrefsPanel::mapTabsToToolbar() {
    if (!m_toolbar) {
        m_toolbar = new QToolBar(m_window);
        m_toolbar->setObjectName(m_autosaveName + u".prefspanel.toolbar"_s);
        m_toolbar->setWindowTitle(tr("Panes"));
        m_toolbar->setMovable(false);
        m_toolbar->setFloatable(false);
        m_toolbar->setIconSize(QSize(32, 32));
        m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        // The toolbar is the only way between panes: nobody may hide it.
        m_toolbar->toggleViewAction()->setVisible(false);
        m_window->addToolBar(Qt::TopToolBarArea, m_toolbar);
    }
    m_toolbar->clear();
    delete m_items;
    m_items = new QActionGroup(this);
    m_items->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int index = 0; index < m_tabs.size(); ++index)
        m_toolbar->addAction(makeItem(index));
    showSelection(m_tabView->currentIndex());
}

QAction* ZRPrefsPanel::makeItem(int index) {
    const Tab& tab = m_tabs.at(index);
    auto* item = new QAction(imageNamed(tab.identifier), tab.label, m_items);
    item->setObjectName(tab.identifier);
    item->setData(index);
    item->setCheckable(tab.identifier != NonSelectableIdentifier);
    // The toolbar's buttons take no keyboard focus; Ctrl+1, Ctrl+2, ... reach the panes.
    if (index < 9) {
        item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + index)));
        item->setToolTip(
            tr("%1 (%2)").arg(tab.label, item->shortcut().toString(QKeySequence::NativeText)));
    }
    connect(item, &QAction::triggered, this, [this, item] { changePanes(item); });
    return item;
}

void ZRPrefsPanel::changePanes(QAction* item) {
    const int index = item->data().toInt();
    m_tabView->setCurrentIndex(index);
    showSelection(index);
    tintmere::Defaults::standard().setInt(tintmere::keys::PrefsRecentPage, index);
}

void ZRPrefsPanel::showSelection(int index) {
    if (index < 0 || index >= m_tabs.size())
        return;
    m_window->setWindowTitle(m_tabs.at(index).label);
    QAction* item = itemForIdentifier(m_tabs.at(index).identifier);
    if (!item)
        return;
    if (item->isCheckable())
        item->setChecked(true);
    else if (QAction* checked = m_items->checkedAction())
        checked->setChecked(false); // no other pane's item may claim this pane
}

void ZRPrefsPanel::orderFrontPrefsPanel() {
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

QStringList ZRPrefsPanel::defaultItemIdentifiers() const {
    QStringList identifiers;
    for (const Tab& tab : m_tabs)
        identifiers << tab.identifier;
    return identifiers;
}

QStringList ZRPrefsPanel::selectableItemIdentifiers() const {
    QStringList identifiers = defaultItemIdentifiers();
    identifiers.removeAll(NonSelectableIdentifier);
    return identifiers;
}

QAction* ZRPrefsPanel::itemForIdentifier(const QString& identifier) const {
    if (!m_items)
        return nullptr;
    const QList<QAction*> items = m_items->actions();
    const auto found = std::find_if(items.cbegin(), items.cend(), [&](const QAction* item) {
        return item->objectName() == identifier;
    });
    return found == items.cend() ? nullptr : *found;
}

QIcon ZRPrefsPanel::imageNamed(const QString& identifier) {
    registerPrefsResources();
    const QString path = u":/prefs/%1.svg"_s.arg(identifier);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}
