// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvcolorpopupbutton.h"

#include "notificationcenter.h"
#include "notificationnames.h"
#include "qtcolor.h"
#include "qvcolorpanel.h"

#include <QPainter>
#include <QPixmap>

using namespace Qt::Literals::StringLiterals;

const QString QVColorPopUpButton::OtherTitle = u"Other..."_s;

QVColorPopUpButton::QVColorPopUpButton(QWidget* parent)
    : QComboBox(parent) {
    setIconSize(SwatchSize);
    setAccessibleName(tr("Color"));
    insertSeparator(0);
    addItem(OtherTitle);
    setOtherColorImage();
    if (currentIndex() == 0)
        setCurrentIndex(1);
    connect(this, &QComboBox::activated, this, &QVColorPopUpButton::itemActivated);
}

void QVColorPopUpButton::addItemWithTitle(const QString& title, const tintmere::Color& color) {
    insertItem(count() - 2, swatchIcon(color), title);
    m_colorsDictionary.insert(title, color);
}

std::optional<tintmere::Color> QVColorPopUpButton::colorOfSelectedItem() const {
    return colorWithTitle(currentText());
}

std::optional<tintmere::Color> QVColorPopUpButton::colorWithTitle(const QString& title) const {
    const auto found = m_colorsDictionary.constFind(title);
    if (found == m_colorsDictionary.cend())
        return std::nullopt;
    return *found;
}

void QVColorPopUpButton::setOtherColor(const tintmere::Color& color) {
    m_otherColor = color;
    setOtherColorImage();
    m_colorsDictionary.insert(OtherTitle, color);
    tintmere::NotificationCenter::defaultCenter().post(tintmere::notifications::OtherColorChanged,
                                                       this);
}

void QVColorPopUpButton::otherAction() {
    QVColorPanel& panel = QVColorPanel::shared();
    panel.attach(this, [this](const QColor& color) { newOtherColorSelected(color); });
    panel.orderFront();
    panel.setColor(tintmere::toQColor(m_otherColor.value_or(tintmere::Color{1, 1, 1, 1})));
    newOtherColorSelected(panel.color());
}

void QVColorPopUpButton::newOtherColorSelected(const QColor& panelColor) {
    setOtherColor(tintmere::colorFromQColor(panelColor));
}

void QVColorPopUpButton::setOtherColorImage() {
    if (!m_otherColor)
        return;
    setItemIcon(count() - 1, swatchIcon(*m_otherColor));
}

void QVColorPopUpButton::itemActivated(int index) {
    if (index == count() - 1)
        otherAction();
}

QIcon QVColorPopUpButton::swatchIcon(const tintmere::Color& color) {
    QIcon icon;
    // Drawn for both usual pixel ratios so the frame stays one unit wide and sharp.
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(SwatchSize * ratio);
        pixmap.setDevicePixelRatio(ratio);
        QPainter painter(&pixmap);
        painter.fillRect(QRectF(0, 0, SwatchSize.width(), SwatchSize.height()), Qt::black);
        painter.fillRect(QRectF(1, 1, SwatchSize.width() - 2, SwatchSize.height() - 2),
                         tintmere::toQColor(color));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
