// SPDX-License-Identifier: GPL-3.0-or-later
#include "menucommand.h"

#include <QAction>
#include <QMenu>
#include <QVariant>

namespace tintmere {

namespace {

constexpr char kCommand[] = "tintmereMenuCommand";
constexpr char kChosenWell[] = "tintmereChosenWell";
constexpr char kFamily[] = "tintmereMenuFamily";

} // namespace

void setMenuCommand(QAction* item, MenuCommand command, int chosenWell) {
    item->setProperty(kCommand, int(command));
    item->setProperty(kChosenWell, chosenWell);
}

MenuCommand menuCommandOf(const QAction* item) {
    const QVariant command = item ? item->property(kCommand) : QVariant();
    return command.isValid() ? MenuCommand(command.toInt()) : MenuCommand::None;
}

int chosenWellOf(const QAction* item) {
    const QVariant well = item ? item->property(kChosenWell) : QVariant();
    return well.isValid() ? well.toInt() : -1;
}

void setMenuFamily(QMenu* menu, MenuFamily family) {
    menu->setProperty(kFamily, int(family));
}

MenuFamily menuFamilyOf(const QMenu* menu) {
    const QVariant family = menu ? menu->property(kFamily) : QVariant();
    return family.isValid() ? MenuFamily(family.toInt()) : MenuFamily::Other;
}

} // namespace tintmere
