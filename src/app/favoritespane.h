// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QList>
#include <QWidget>

#include <array>

class QAction;
class QMenu;
class QVCustomTableView;

namespace tintmere {

// The four colours of the selected favorite, what "Use selected item" applies.
class FavoritePreview : public QWidget {
    Q_OBJECT

public:
    explicit FavoritePreview(QWidget* parent = nullptr);

    void setColors(const QList<Color>& colors);
    QList<Color> colors() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<Color, 4> m_colors;
};

// What fills the main window's favorites area: the outline, the preview of the selected
// favorite and the buttons of the favorites commands. The commands are actions, so the
// buttons, the outline's context menu and their enabling stay in one place.
class FavoritesPane : public QWidget {
    Q_OBJECT

public:
    explicit FavoritesPane(QWidget* parent = nullptr);

    QVCustomTableView* outline() const { return m_outline; }
    FavoritePreview* preview() const { return m_preview; }

    QAction* addFavoriteAction() const { return m_addFavorite; }
    QAction* addGroupAction() const { return m_addGroup; }
    QAction* useAction() const { return m_use; }
    QAction* replaceAction() const { return m_replace; }
    QAction* deleteAction() const { return m_delete; }

private:
    QVCustomTableView* m_outline;
    FavoritePreview* m_preview;
    QMenu* m_contextMenu;
    QAction* m_addFavorite;
    QAction* m_addGroup;
    QAction* m_use;
    QAction* m_replace;
    QAction* m_delete;
};

} // namespace tintmere
