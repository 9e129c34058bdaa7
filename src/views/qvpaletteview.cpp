// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvpaletteview.h"

#include "gxgradientpainting.h"
#include "notificationcenter.h"
#include "notificationnames.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <functional>

using tintmere::Color;

namespace {

constexpr qreal kFirstX = 20;
constexpr qreal kTopMargin = 17;
constexpr int kDefaultWidth = 240;

// Whatever the menu's owner keeps on its items and menus (what they do) goes with the copy.
void copyDynamicProperties(const QObject* from, QObject* to) {
    for (const QByteArray& name : from->dynamicPropertyNames())
        to->setProperty(name.constData(), from->property(name.constData()));
}

// A copy of a menu command that follows the original's state each time it is shown.
QAction* copyOfAction(QAction* original, QMenu* into) {
    auto* copy = new QAction(original->icon(), original->text(), into);
    copy->setCheckable(original->isCheckable());
    copy->setChecked(original->isChecked());
    copy->setEnabled(original->isEnabled());
    copy->setVisible(original->isVisible());
    copy->setData(original->data());
    copy->setObjectName(original->objectName());
    copyDynamicProperties(original, copy);
    QObject::connect(into, &QMenu::aboutToShow, copy, [copy, source = QPointer(original)] {
        if (!source)
            return;
        copy->setText(source->text());
        copy->setEnabled(source->isEnabled());
        copy->setChecked(source->isChecked());
        copy->setVisible(source->isVisible());
    });
    return copy;
}

// Copies the menu with its submenus; every command's triggered goes to chosen.
QMenu* copyOfMenu(const QMenu* original, const std::function<void(QAction*)>& chosen) {
    auto* copy = new QMenu(original->title());
    copyDynamicProperties(original, copy);
    for (QAction* action : original->actions()) {
        if (action->isSeparator()) {
            copy->addSeparator();
        } else if (QMenu* submenu = action->menu()) {
            QMenu* subcopy = copyOfMenu(submenu, chosen);
            subcopy->setParent(copy, subcopy->windowFlags());
            QAction* holder = copy->addMenu(subcopy);
            holder->setData(action->data());
        } else {
            QAction* command = copyOfAction(action, copy);
            QObject::connect(command, &QAction::triggered, copy,
                             [command, chosen] { chosen(command); });
            copy->addAction(command);
        }
    }
    return copy;
}

} // namespace

QVPaletteView::QVPaletteView(QWidget* parent)
    : QWidget(parent) {
    m_grid.wellSize = QSizeF(45, 68);
    m_grid.wellPadding = 8;
    m_grid.firstX = kFirstX;
    m_grid.topMargin = kTopMargin;
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setAccessibleName(tr("Palette"));
    resize(kDefaultWidth, int(heightToFit()));
}

QVPaletteView::~QVPaletteView() = default;

QSize QVPaletteView::sizeHint() const {
    return QSize(std::max(width(), kDefaultWidth), int(std::ceil(heightToFit())));
}

qreal QVPaletteView::heightToFit() const {
    const int rows = std::max(m_grid.numberOfRows, 2);
    return rows * m_grid.wellSize.height() + (8 * rows - 8) + 40;
}

QVRadioColorWell* QVPaletteView::makeCell(int tag) {
    auto* cell = new QVRadioColorWell(this);
    cell->setTag(tag);
    // The view takes the keyboard for the whole palette.
    cell->radioButton()->setFocusPolicy(Qt::NoFocus);
    cell->colorWell()->setFocusPolicy(Qt::NoFocus);
    if (m_colorMenu) {
        tagMenu(m_colorMenu, tag);
        cell->colorWell()->setContextMenu(copyOfColorWellMenu());
    }
    connect(cell, &QVRadioColorWell::colorWellTriggered, this,
            [this, cell] { Q_EMIT colorWellAction(cell->colorWell()); });
    connect(cell, &QVRadioColorWell::radioButtonTriggered, this,
            [this, cell] { Q_EMIT radioButtonAction(cell); });
    return cell;
}

void QVPaletteView::setCellSelected(QVRadioColorWell* cell, bool selected) {
    cell->setState(selected);
    update(); // the focus ring follows the selection
}

void QVPaletteView::clickCell(int index) {
    selectColorWellatIndex(index);
    if (QVRadioColorWell* cell = selectedRadioColorWell())
        cell->radioButton()->click();
}

QVRadioColorWell* QVPaletteView::radioColorWellAtIndex(int index) const {
    return cellAtIndex(index);
}

QVRadioColorWell* QVPaletteView::selectedRadioColorWell() const {
    return selectedCell();
}

QVPaletteColorWell* QVPaletteView::selectedColorWell() const {
    QVRadioColorWell* cell = selectedRadioColorWell();
    return cell ? cell->colorWell() : nullptr;
}

Color QVPaletteView::selectedColor() const {
    QVPaletteColorWell* well = selectedColorWell();
    return well ? well->color() : Color{};
}

QList<Color> QVPaletteView::colorArray() const {
    QList<Color> colors;
    for (QVRadioColorWell* cell : m_wellsArray)
        colors.append(cell->colorWell()->color());
    return colors;
}

void QVPaletteView::tagMenu(QMenu* menu, int tag) {
    for (QAction* action : menu->actions()) {
        if (QMenu* submenu = action->menu()) {
            for (QAction* item : submenu->actions())
                item->setData(tag);
        } else if (!action->text().isEmpty()) {
            action->setData(tag);
        }
    }
}

QMenu* QVPaletteView::copyOfColorWellMenu() {
    return copyOfMenu(m_colorMenu,
                      [this](QAction* command) { Q_EMIT colorMenuItemSelected(command); });
}

QMenu* QVPaletteView::colorWellMenu() const {
    return m_colorMenu;
}

void QVPaletteView::setColorWellMenu(QMenu* menu) {
    m_colorMenu = menu;
    for (int i = 0; i < colorWellCount(); ++i) {
        QMenu* copy = nullptr;
        if (menu) {
            tagMenu(menu, i);
            copy = copyOfColorWellMenu();
        }
        m_wellsArray[i]->colorWell()->setContextMenu(copy);
    }
}

void QVPaletteView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The gradient only changes with the size, so it is evaluated once per size and
    // pixel ratio. The ratio comes from the transform: when the view is rendered elsewhere,
    // the painter's device is still the widget.
    const qreal dpr = painter.deviceTransform().m11();
    const QSize pixels = size() * dpr;
    if (m_background.size() != pixels || m_background.devicePixelRatio() != dpr) {
        m_background = QImage(pixels, QImage::Format_RGB32);
        m_background.setDevicePixelRatio(dpr);
        m_background.fill(Qt::white);
        QPainter fill(&m_background);
        tintmere::fillRect(tintmere::GXGradient::gradientWithBeginningColor(
                               Color{0.99f, 0.99f, 0.99f, 1.0f}, Color{0.93f, 0.93f, 0.93f, 1.0f}),
                           fill, rect(), 90);
    }
    painter.drawImage(QPointF(0, 0), m_background);
    if (hasFocus()) {
        if (QVRadioColorWell* cell = selectedRadioColorWell()) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(palette().highlight().color(), 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(QRectF(cell->geometry()).adjusted(-3, -3, 3, 3), 4, 4);
        }
    }
}

void QVPaletteView::keyPressEvent(QKeyEvent* event) {
    const int count = colorWellCount();
    const int selected = m_selectedColorWellIndex;
    // Cells per row: those level with the first.
    const int perRow = int(
        std::count_if(m_grid.frames.cbegin(), m_grid.frames.cend(), [this](const QRectF& frame) {
            return frame.y() == m_grid.frames.constFirst().y();
        }));
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        tintmere::NotificationCenter::defaultCenter().post(tintmere::notifications::PaletteDelete,
                                                           this);
        return;
    case Qt::Key_Left:
        if (count > 0)
            clickCell(PaletteGrid::wrappedIndex(selected, -1, count));
        return;
    case Qt::Key_Right:
        if (count > 0)
            clickCell(PaletteGrid::wrappedIndex(selected, 1, count));
        return;
    case Qt::Key_Up:
        if (perRow > 0 && selected - perRow >= 0)
            clickCell(selected - perRow);
        return;
    case Qt::Key_Down:
        if (perRow > 0 && selected + perRow < count)
            clickCell(selected + perRow);
        return;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (QVPaletteColorWell* well = selectedColorWell()) {
            if (well->isActive())
                well->deactivate();
            else
                well->activate(true);
        }
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void QVPaletteView::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void QVPaletteView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}
