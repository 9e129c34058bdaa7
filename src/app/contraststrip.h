// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QList>
#include <QObject>

class QAction;
class QVContrastView;

namespace tintmere {

// The contrast strip's controls.
struct ContrastStripWidgets {
    QVContrastView* view = nullptr;
    QAction* showContrast = nullptr; // "Show Contrast", checkable
};

// Shows or hides the contrast strip from its menu item, remembers the choice, and keeps the
// strip's figures in step with the palette while it shows.
class ContrastStrip : public QObject {
    Q_OBJECT

public:
    explicit ContrastStrip(const ContrastStripWidgets& widgets, QObject* parent = nullptr);

    bool isShown() const { return m_shown; }
    void setShown(bool shown);
    // Shows the strip if it was showing when the program last quit.
    void restore();
    // The palette changed, or the selection did.
    void update(const QList<Color>& colors, int selected);

Q_SIGNALS:
    // The window makes room for the strip, or takes it back.
    void shownChanged(bool shown);

private:
    ContrastStripWidgets m_w;
    QList<Color> m_colors;
    int m_selected = -1;
    bool m_shown = false;
};

} // namespace tintmere
