// SPDX-License-Identifier: GPL-3.0-or-later
#include "favoritespane.h"

#include "artwork.h"
#include "menucommand.h"
#include "qtcolor.h"
#include "qvcustomtableview.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

constexpr int kSwatchSide = 17;
const Color kWhite{1, 1, 1, 1};

} // namespace

FavoritePreview::FavoritePreview(QWidget* parent)
    : QWidget(parent) {
    m_colors.fill(kWhite);
    setAccessibleName(tr("Colors of the selected favorite"));
    setToolTip(tr("Colors of the selected favorite"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void FavoritePreview::setColors(const QList<Color>& colors) {
    for (std::size_t i = 0; i < m_colors.size(); ++i)
        m_colors[i] = i < std::size_t(colors.size()) ? colors[qsizetype(i)] : kWhite;
    update();
}

QList<Color> FavoritePreview::colors() const {
    return {m_colors.begin(), m_colors.end()};
}

QSize FavoritePreview::sizeHint() const {
    return {int(m_colors.size()) * kSwatchSide + 1, kSwatchSide + 1};
}

void FavoritePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    for (std::size_t i = 0; i < m_colors.size(); ++i) {
        painter.setBrush(toQColor(m_colors[i]));
        painter.drawRect(int(i) * kSwatchSide, 0, kSwatchSide, kSwatchSide);
    }
}

FavoritesPane::FavoritesPane(QWidget* parent)
    : QWidget(parent)
    , m_outline(new QVCustomTableView(this))
    , m_preview(new FavoritePreview(this))
    , m_contextMenu(new QMenu(this)) {
    setObjectName(u"favoritesPane"_s);
    const auto command = [this](const QString& title, const QString& tip) {
        auto* action = new QAction(title, this);
        action->setToolTip(tip);
        return action;
    };
    m_addFavorite = command(tr("Add Favorite"), tr("Keep the current palette as a favorite"));
    m_addGroup = command(tr("New Group"), tr("Add a group for favorites"));
    m_use = command(u"Use selected item"_s, tr("Make the selected favorite the current palette"));
    m_replace = command(u"Replace selected item with current palette"_s,
                        tr("Give the selected favorite the colors of the current palette"));
    m_delete =
        command(u"Delete selected item(s)"_s, tr("Delete the selected favorites and groups"));
    setMenuCommand(m_use, MenuCommand::UseFavorite);
    setMenuCommand(m_replace, MenuCommand::ReplaceFavorite);
    setMenuCommand(m_delete, MenuCommand::DeleteFavorites);
    m_addFavorite->setIcon(artwork::icon(u"palette-document"));
    m_addGroup->setIcon(artwork::folderIcon());

    m_contextMenu->addAction(m_use);
    m_contextMenu->addAction(m_replace);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(m_addFavorite);
    m_contextMenu->addAction(m_addGroup);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(m_delete);
    m_outline->setContextMenu(m_contextMenu);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(m_outline, 1);

    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(m_preview, 0, Qt::AlignVCenter);
    row->addStretch();
    const auto button = [this, row](QAction* action, const QString& text) {
        auto* tool = new QToolButton(this);
        // The button shows the icon text; the menus show the full title.
        action->setIconText(text);
        tool->setDefaultAction(action);
        tool->setAccessibleName(action->toolTip());
        tool->setToolButtonStyle(action->icon().isNull() ? Qt::ToolButtonTextOnly
                                                         : Qt::ToolButtonIconOnly);
        tool->setAutoRaise(true);
        row->addWidget(tool);
    };
    button(m_use, tr("Use"));
    button(m_addFavorite, tr("Add"));
    button(m_addGroup, tr("Group"));
    button(m_delete, u"\u2212"_s);
    column->addLayout(row);
}

} // namespace tintmere
