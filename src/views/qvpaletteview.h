// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "palettecells.h"
#include "qvpalettecolorwell.h"
#include "qvradiocolorwell.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>

class QAction;
class QMenu;

// The main window's palette: a grid of radio colour wells, exactly one of them selected,
// over a light vertical gradient. It owns and places the cells and keeps the selection;
// cells never move, colours move between them. The wells' actions, the radio buttons'
// clicks and the wells' context-menu commands come out as the view's signals.
//
// The keyboard moves the selection (arrow keys, wrapping around the ends), Space or Return
// links the selected well to the colour panel, and Delete or Backspace posts
// "QVPaletteDelete".
class QVPaletteView : public QWidget, public PaletteCells<QVPaletteView, QVRadioColorWell> {
    Q_OBJECT

public:
    explicit QVPaletteView(QWidget* parent = nullptr);
    ~QVPaletteView() override;

    qreal heightToFit() const;

    QVRadioColorWell* radioColorWellAtIndex(int index) const;
    QVRadioColorWell* selectedRadioColorWell() const;
    QVPaletteColorWell* selectedColorWell() const;
    tintmere::Color selectedColor() const;
    QList<tintmere::Color> colorArray() const;

    // The template of every well's context menu. Each well gets its own copy whose
    // commands carry the well's index as their tag (QAction::data); the template itself is
    // left tagged with the last index. The view does not own the template.
    void setColorWellMenu(QMenu* menu);
    QMenu* colorWellMenu() const;

    // Sets the tag of every command of menu and of its submenus' commands; separators and
    // the items that hold submenus keep theirs.
    static void tagMenu(QMenu* menu, int tag);

    QObject* delegate() const { return m_delegate; }
    void setDelegate(QObject* delegate) { m_delegate = delegate; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // A cell's colour well sent its action (touched, or its colour changed).
    void colorWellAction(QVPaletteColorWell* well);
    // A cell's radio button was clicked.
    void radioButtonAction(QVRadioColorWell* cell);
    // A command of a well's context menu was chosen; its data holds the well's index.
    void colorMenuItemSelected(QAction* item);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend PaletteCells;
    QVRadioColorWell* makeCell(int tag);
    static QVPaletteColorWell* wellOf(QVRadioColorWell* cell) { return cell->colorWell(); }
    static void setCellColor(QVRadioColorWell* cell, const tintmere::Color& color) {
        cell->colorWell()->setColorWithNoAction(color);
    }
    void setCellSelected(QVRadioColorWell* cell, bool selected);
    // Selects and clicks the cell's radio button, as if the user had.
    void clickCell(int index);
    void fitToCells() { updateGeometry(); }
    // A removal leaves the selection at its index.
    static constexpr bool kSelectionFollowsColor = false;
    static constexpr bool kResetClicksSelection = false;

    QMenu* copyOfColorWellMenu();

    QPointer<QMenu> m_colorMenu;
    QPointer<QObject> m_delegate;
    QImage m_background;
};
