// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QActionGroup;
class QIcon;
class QMainWindow;
class QStackedWidget;
class QToolBar;
class QWidget;

// Turns a stack of panes into a preferences window switched by a toolbar: one exclusive
// action per pane, with the pane's label and the icon named after its identifier. Choosing
// an action shows its pane, titles the window after it and remembers the pane for the next
// run. The stack's own currentChanged() tells the window's owner that the pane changed.
class ZRPrefsPanel : public QObject {
    Q_OBJECT

public:
    // The pane whose item only shows its pane and never stays selected in the toolbar.
    static const QString NonSelectableIdentifier;

    ZRPrefsPanel(QMainWindow* window, QStackedWidget* tabView, QObject* parent = nullptr);

    // Adds a pane at the end of the stack; returns its index.
    int addTab(const QString& identifier, const QString& label, QWidget* pane);

    QStackedWidget* tabView() const { return m_tabView; }

    // The toolbar's identifier is made from this name; the window's frame name by default.
    QString autosaveName() const { return m_autosaveName; }
    void setAutosaveName(const QString& name);

    // Opens on the pane chosen last ("Prefs Recent Page") and builds the toolbar.
    void load();
    // Builds the toolbar from the panes, or refreshes it.
    void mapTabsToToolbar();

    // Shows the pane of a toolbar item.
    void changePanes(QAction* item);
    // Brings the window to the front and gives it the keyboard.
    void orderFrontPrefsPanel();

    QToolBar* toolbar() const { return m_toolbar; }
    // Every pane's identifier, in pane order.
    QStringList defaultItemIdentifiers() const;
    // The identifiers whose items stay selected while their pane shows.
    QStringList selectableItemIdentifiers() const;
    // The toolbar item of a pane; null for an unknown identifier.
    QAction* itemForIdentifier(const QString& identifier) const;

    // The image of an identifier, drawn as SVG so it stays sharp at any pixel ratio.
    static QIcon imageNamed(const QString& identifier);

private:
    struct Tab {
        QString identifier;
        QString label;
    };

    QAction* makeItem(int index);
    void showSelection(int index);

    QMainWindow* m_window;
    QStackedWidget* m_tabView;
    QList<Tab> m_tabs;
    QString m_autosaveName;
    QToolBar* m_toolbar = nullptr;
    QActionGroup* m_items = nullptr;
};
