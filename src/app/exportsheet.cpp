// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportsheet.h"

#include "artwork.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tintmere {

ExportSheet::ExportSheet(QWidget* parent)
    : QDialog(parent)
    , m_paletteButton(new QPushButton(tr("&Palette"), this))
    , m_favoritesButton(new QPushButton(tr("&Favorites"), this)) {
    setWindowTitle(tr("Export"));
    setWindowModality(Qt::WindowModal);
    const QSize iconSize(32, 32);
    m_paletteButton->setIcon(artwork::icon(u"palette-document"));
    m_paletteButton->setIconSize(iconSize);
    m_paletteButton->setToolTip(tr("Write the current palette to a palette file"));
    m_favoritesButton->setIcon(artwork::icon(u"favorites-document"));
    m_favoritesButton->setIconSize(iconSize);
    m_favoritesButton->setToolTip(tr("Choose favorites to write to a favorites file"));
    connect(m_paletteButton, &QPushButton::clicked, this, [this] { done(ExportPalette); });
    connect(m_favoritesButton, &QPushButton::clicked, this, [this] { done(ExportFavorites); });

    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("What do you want to export?"), this));
    auto* choices = new QHBoxLayout;
    choices->addWidget(m_paletteButton);
    choices->addWidget(m_favoritesButton);
    column->addLayout(choices);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    m_paletteButton->setDefault(true);
}

} // namespace tintmere
