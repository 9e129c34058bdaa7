// SPDX-License-Identifier: GPL-3.0-or-later
#include "contraststrip.h"

#include "defaults.h"
#include "qvcontrastview.h"

#include <QAction>

namespace tintmere {

ContrastStrip::ContrastStrip(const ContrastStripWidgets& widgets, QObject* parent)
    : QObject(parent)
    , m_w(widgets) {
    m_w.showContrast->setCheckable(true);
    connect(m_w.showContrast, &QAction::triggered, this, &ContrastStrip::setShown);
}

void ContrastStrip::restore() {
    setShown(Defaults::standard().boolValue(keys::ShowContrast));
}

void ContrastStrip::setShown(bool shown) {
    m_w.showContrast->setChecked(shown);
    if (shown == m_shown)
        return;
    m_shown = shown;
    Defaults::standard().setBool(keys::ShowContrast, shown);
    // A hidden strip is brought up to date when it shows, not at every change.
    if (shown)
        m_w.view->setColors(m_colors, m_selected);
    Q_EMIT shownChanged(shown);
}

void ContrastStrip::update(const QList<Color>& colors, int selected) {
    m_colors = colors;
    m_selected = selected;
    if (m_shown)
        m_w.view->setColors(colors, selected);
}

} // namespace tintmere
