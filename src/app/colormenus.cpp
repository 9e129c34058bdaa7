// SPDX-License-Identifier: GPL-3.0-or-later
#include "colormenus.h"

#include <QCoreApplication>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ColorMenus", text);
}

QList<QAction*> addWellList(QMenu* menu, const QString& title, const QString& tip) {
    QMenu* submenu = menu->addMenu(title);
    submenu->setToolTipsVisible(true);
    QList<QAction*> items;
    for (int i = 1; i <= 4; ++i) {
        QAction* item = submenu->addAction(u"Color %1"_s.arg(i));
        item->setToolTip(tip.arg(i));
        items.append(item);
    }
    return items;
}

} // namespace

QList<QAction*> addColorCommands(QMenu* menu, ColorMenuPlace place) {
    QList<QAction*> commands;
    menu->setToolTipsVisible(true);
    if (place == ColorMenuPlace::Well) {
        QMenu* copy = menu->addMenu(u"Copy"_s);
        commands << copy->addAction(u"Hex value"_s) << copy->addAction(u"Rgb value"_s)
                 << copy->addAction(u"Web value"_s);
        menu->addSeparator();
    }
    QAction* reset = menu->addAction(u"Reset"_s);
    reset->setToolTip(tr("Give the color the reset color of the preferences"));
    QAction* randomize = menu->addAction(u"Randomize"_s);
    QAction* webSafe = menu->addAction(u"Make web-safe"_s);
    QAction* setAll =
        menu->addAction(place == ColorMenuPlace::Well ? u"Set all to this color"_s
                                                      : u"Set all to selected color"_s);
    commands << reset << randomize << webSafe << setAll;
    menu->addSeparator();
    commands << addWellList(menu, u"Switch with"_s, tr("Exchange the colors with color %1"));
    commands << addWellList(menu, u"Quick blend with"_s,
                            tr("Blend halfway with color %1 without opening the blend tool"));
    commands << addWellList(menu, u"Blend with"_s, tr("Blend with color %1 in the blend tool"));
    QMenu* send = menu->addMenu(u"Send to blend"_s);
    commands << send->addAction(u"Start color"_s) << send->addAction(u"End color"_s);
    return commands;
}

QList<QAction*> addPaletteCommands(QMenu* menu, QAction* before) {
    QList<QAction*> commands;
    for (const QString& title :
         {u"Reset palette"_s, u"Randomize palette"_s, u"Make palette web-safe"_s}) {
        auto* item = new QAction(title, menu);
        menu->insertAction(before, item);
        commands.append(item);
    }
    if (before)
        menu->insertSeparator(before);
    return commands;
}

} // namespace tintmere
