// SPDX-License-Identifier: GPL-3.0-or-later
#include "colormenus.h"

#include "menucommand.h"

#include <QCoreApplication>
#include <QMenu>

#include <array>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ColorMenus", text);
}

QAction* addCommand(QMenu* menu, const QString& title, MenuCommand command) {
    QAction* item = menu->addAction(title);
    setMenuCommand(item, command);
    return item;
}

QList<QAction*> addWellList(QMenu* menu, const QString& title, MenuFamily family,
                            MenuCommand command, const QString& tip) {
    QMenu* submenu = menu->addMenu(title);
    setMenuFamily(submenu, family);
    submenu->setToolTipsVisible(true);
    QList<QAction*> items;
    for (int i = 1; i <= 4; ++i) {
        QAction* item = submenu->addAction(u"Color %1"_s.arg(i));
        setMenuCommand(item, command, i - 1);
        item->setToolTip(tip.arg(i));
        items.append(item);
    }
    return items;
}

} // namespace

QList<QAction*> addCopyCommands(QMenu* copy) {
    return {addCommand(copy, u"Hex value"_s, MenuCommand::CopyHex),
            addCommand(copy, u"Rgb value"_s, MenuCommand::CopyRgb),
            addCommand(copy, u"Web value"_s, MenuCommand::CopyWeb)};
}

QList<QAction*> addColorCommands(QMenu* menu, ColorMenuPlace place) {
    QList<QAction*> commands;
    menu->setToolTipsVisible(true);
    QAction* pick = addCommand(menu, tr("Pick Color from Screen"), MenuCommand::PickColor);
    pick->setToolTip(tr("Click any pixel on the screen to take its color; Escape cancels"));
    commands << pick;
    menu->addSeparator();
    if (place == ColorMenuPlace::Well) {
        QMenu* copy = menu->addMenu(u"Copy"_s);
        setMenuFamily(copy, MenuFamily::Copy);
        commands << addCopyCommands(copy);
        menu->addSeparator();
    }
    QAction* reset = addCommand(menu, u"Reset"_s, MenuCommand::Reset);
    reset->setToolTip(tr("Give the color the reset color of the preferences"));
    QAction* randomize = addCommand(menu, u"Randomize"_s, MenuCommand::Randomize);
    QAction* webSafe = addCommand(menu, u"Make web-safe"_s, MenuCommand::MakeWebSafe);
    QAction* setAll = addCommand(menu,
                                 place == ColorMenuPlace::Well ? u"Set all to this color"_s
                                                               : u"Set all to selected color"_s,
                                 MenuCommand::SetAll);
    commands << reset << randomize << webSafe << setAll;
    menu->addSeparator();
    commands << addWellList(menu, u"Switch with"_s, MenuFamily::SwitchWith, MenuCommand::SwitchWith,
                            tr("Exchange the colors with color %1"));
    commands << addWellList(menu, u"Quick blend with"_s, MenuFamily::QuickBlendWith,
                            MenuCommand::QuickBlendWith,
                            tr("Blend halfway with color %1 without opening the blend tool"));
    commands << addWellList(menu, u"Blend with"_s, MenuFamily::BlendWith, MenuCommand::BlendWith,
                            tr("Blend with color %1 in the blend tool"));
    QMenu* send = menu->addMenu(u"Send to blend"_s);
    setMenuFamily(send, MenuFamily::SendToBlend);
    commands << addCommand(send, u"Start color"_s, MenuCommand::SendToBlendStart)
             << addCommand(send, u"End color"_s, MenuCommand::SendToBlendEnd);
    return commands;
}

QList<QAction*> addPaletteCommands(QMenu* menu, QAction* before) {
    QList<QAction*> commands;
    const std::array<std::pair<QString, MenuCommand>, 3> items{{
        {u"Reset palette"_s, MenuCommand::ResetPalette},
        {u"Randomize palette"_s, MenuCommand::RandomizePalette},
        {u"Make palette web-safe"_s, MenuCommand::MakePaletteWebSafe},
    }};
    for (const auto& [title, command] : items) {
        auto* item = new QAction(title, menu);
        setMenuCommand(item, command);
        menu->insertAction(before, item);
        commands.append(item);
    }
    if (before)
        menu->insertSeparator(before);
    return commands;
}

} // namespace tintmere
