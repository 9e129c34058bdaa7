// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "favoriteentry.h"

#include <QDialog>
#include <QList>
#include <QPixmap>

class QPushButton;
class QTreeWidget;

namespace tintmere {

// A list of favorites with a tick box each, all ticked at first: the favorites to export,
// or those of a file to import. Shown window-modal on the main window.
class FavoritesSelectionSheet : public QDialog {
    Q_OBJECT

public:
    FavoritesSelectionSheet(const QString& title, const QString& prompt, const QString& acceptText,
                            QWidget* parent = nullptr);

    void setEntries(const QList<FavoriteEntry>& entries);
    QList<FavoriteEntry> entries() const { return m_entries; }
    // One flag a row: 1 ticked, 0 not.
    QList<int> flags() const;
    void setTicked(int row, bool ticked);

    QPushButton* acceptButton() const { return m_acceptButton; }

    // The favorite's four colours side by side, 17 points square each.
    static QPixmap swatchImage(const QStringList& colors, qreal devicePixelRatio);

private:
    QTreeWidget* m_table;
    QPushButton* m_acceptButton;
    QList<FavoriteEntry> m_entries;
};

} // namespace tintmere
