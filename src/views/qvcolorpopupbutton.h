// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QComboBox>
#include <QHash>

#include <optional>

// A pop-up of named colours, each with a chip, followed by a separator and "Other...", a
// free colour the user picks in the shared colour panel. Every change of the free colour
// posts "QVOtherColorChanged" with the pop-up as sender.
class QVColorPopUpButton : public QComboBox {
    Q_OBJECT

public:
    static const QString OtherTitle;

    explicit QVColorPopUpButton(QWidget* parent = nullptr);

    // Adds a named colour just above the separator, after the colours added before.
    void addItemWithTitle(const QString& title, const tintmere::Color& color);

    // The colour of the selected item; none for an item without a colour (for instance
    // "Other..." before a free colour exists).
    std::optional<tintmere::Color> colorOfSelectedItem() const;
    std::optional<tintmere::Color> colorWithTitle(const QString& title) const;

    std::optional<tintmere::Color> otherColor() const { return m_otherColor; }
    void setOtherColor(const tintmere::Color& color);

    // Runs when "Other..." is chosen: takes the shared colour panel, shows it with the free
    // colour (white the first time) and makes the panel's colour the free colour.
    void otherAction();

    // The colour chip of an item: a one-unit black frame around the colour.
    static QIcon swatchIcon(const tintmere::Color& color);
    static constexpr QSize SwatchSize{24, 12};

private:
    void newOtherColorSelected(const QColor& panelColor);
    void setOtherColorImage();
    void itemActivated(int index);

    QHash<QString, tintmere::Color> m_colorsDictionary;
    std::optional<tintmere::Color> m_otherColor;
};
