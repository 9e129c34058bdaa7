// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;

namespace tintmere {

// Asks what to export: the current palette or a choice of favorites. Shown window-modal on
// the main window; it finishes with one of the results below, or Rejected.
class ExportSheet : public QDialog {
    Q_OBJECT

public:
    enum Result { ExportPalette = 2, ExportFavorites = 3 };

    explicit ExportSheet(QWidget* parent = nullptr);

    QPushButton* paletteButton() const { return m_paletteButton; }
    QPushButton* favoritesButton() const { return m_favoritesButton; }

private:
    QPushButton* m_paletteButton;
    QPushButton* m_favoritesButton;
};

} // namespace tintmere
