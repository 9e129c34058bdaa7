// SPDX-License-Identifier: GPL-3.0-or-later
#include "favoritesselectionsheet.h"

#include "qtcolor.h"
#include "storedcolors.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tintmere {

namespace {

enum Column { SelColumn, NameColumn, ColorsColumn };
constexpr int kSwatchSide = 17;

} // namespace

FavoritesSelectionSheet::FavoritesSelectionSheet(const QString& title, const QString& prompt,
                                                 const QString& acceptText, QWidget* parent)
    : QDialog(parent)
    , m_table(new QTreeWidget(this)) {
    setWindowTitle(title);
    setWindowModality(Qt::WindowModal);
    m_table->setColumnCount(3);
    m_table->setHeaderLabels({QString(), tr("Name"), tr("Colors")});
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setIconSize(QSize(kSwatchSide * 4, kSwatchSide + 3));
    m_table->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_table->header()->setStretchLastSection(false);
    m_table->setAccessibleName(prompt);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_acceptButton = buttons->addButton(acceptText, QDialogButtonBox::AcceptRole);
    m_acceptButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(prompt, this));
    column->addWidget(m_table, 1);
    column->addWidget(buttons);
    resize(360, 300);
}

void FavoritesSelectionSheet::setEntries(const QList<FavoriteEntry>& entries) {
    m_entries = entries;
    m_table->clear();
    const qreal dpr = devicePixelRatioF();
    for (const FavoriteEntry& entry : entries) {
        auto* item = new QTreeWidgetItem(m_table);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(SelColumn, Qt::Checked);
        item->setText(NameColumn, entry.name);
        item->setIcon(ColorsColumn, swatchImage(entry.colors, dpr));
        item->setToolTip(ColorsColumn, entry.colors.join(u", "));
    }
    m_table->resizeColumnToContents(SelColumn);
    m_table->resizeColumnToContents(ColorsColumn);
}

QList<int> FavoritesSelectionSheet::flags() const {
    QList<int> flags;
    for (int row = 0; row < m_table->topLevelItemCount(); ++row)
        flags.append(m_table->topLevelItem(row)->checkState(SelColumn) == Qt::Checked ? 1 : 0);
    return flags;
}

void FavoritesSelectionSheet::setTicked(int row, bool ticked) {
    if (QTreeWidgetItem* item = m_table->topLevelItem(row))
        item->setCheckState(SelColumn, ticked ? Qt::Checked : Qt::Unchecked);
}

QPixmap FavoritesSelectionSheet::swatchImage(const QStringList& colors, qreal devicePixelRatio) {
    const QSize size(kSwatchSide * 4, kSwatchSide + 3);
    QPixmap image(size * devicePixelRatio);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (int i = 0; i < 4; ++i) {
        const std::optional<Color> color =
            i < colors.size() ? colorFromStoredText(colors[i]) : std::nullopt;
        painter.fillRect(QRect(i * kSwatchSide, 3, kSwatchSide, kSwatchSide),
                         toQColor(color.value_or(Color{1, 1, 1, 1})));
    }
    return image;
}

} // namespace tintmere
