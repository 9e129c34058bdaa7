// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvpalettecolorwell.h"

#include "colormetatype.h"
#include "notificationcenter.h"
#include "notificationnames.h"

using tintmere::Color;

void QVPaletteColorWell::activate(bool exclusive) {
    if (!isActive())
        m_currColor = color();
    QVColorWell::activate(exclusive);
}

void QVPaletteColorWell::deactivate() {
    if (isActive() && m_currColor != color())
        postChange(m_currColor);
    QVColorWell::deactivate();
}

bool QVPaletteColorWell::performDrop(const QMimeData* mime) {
    const Color before = color();
    const bool dropped = QVColorWell::performDrop(mime);
    if (dropped)
        postChange(before);
    return dropped;
}

void QVPaletteColorWell::postChange(const Color& before) {
    tintmere::NotificationCenter::defaultCenter().post(
        tintmere::notifications::ColorWellChange, this,
        {{tintmere::userinfo::Color, QVariant::fromValue(before)}});
}
