// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "palettegrid.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>

class QAction;
class QMenu;
class QVPaletteColorWell;
class QVRadioColorWell;

// The main window's palette: a grid of radio colour wells, exactly one of them selected,
// over a light vertical gradient. It owns and places the cells and keeps the selection;
// cells never move, colours move between them. The wells' actions, the radio buttons'
// clicks and the wells' context-menu commands come out as the view's signals.
//
// The keyboard moves the selection (arrow keys, wrapping around the ends), Space or Return
// links the selected well to the colour panel, and Delete or Backspace posts
// "QVPaletteDelete".
class QVPaletteView : public QWidget {
    Q_OBJECT

public:
    explicit QVPaletteView(QWidget* parent = nullptr);
    ~QVPaletteView() override;

    // Appends a cell; true when it started a new row.
    bool addColorWellwithColor(const tintmere::Color& color);
    // Adds a cell at the end of the grid and moves the colours from index on up by one, so
    // the colour appears at index (clamped to the end). True when a row was started.
    bool addColorWellAtIndex(int index, const tintmere::Color& color);
    // Moves the colours above index down by one and drops the last cell. Refused (false)
    // when fewer than two cells exist.
    bool removeColorWellAtIndex(int index);
    // count cells, all of the colour, cell 0 selected.
    void resetWithNumberOfWells(int count, const tintmere::Color& color);

    // Selects the cell; an index outside the palette selects cell 0. Sends no action.
    void selectColorWellatIndex(int index);
    void selectNextColorWell();
    void selectPrevColorWell();

    int selectedColorWellIndex() const { return m_selectedColorWellIndex; }
    int colorWellCount() const { return int(m_wellsArray.size()); }
    int numberOfRows() const { return m_grid.numberOfRows; }

    bool setupNextSpot();
    qreal heightToFit() const;

    QSizeF wellSize() const { return m_grid.wellSize; }
    void setWellSize(const QSizeF& size) { m_grid.wellSize = size; }
    int wellPadding() const { return m_grid.wellPadding; }
    void setWellPadding(int padding) { m_grid.wellPadding = padding; }
    QPointF nextSpot() const { return m_grid.nextSpot; }
    void setNextSpot(const QPointF& spot) { m_grid.nextSpot = spot; }

    bool drawGloss() const { return m_drawGloss; }
    void setDrawGloss(bool drawGloss);
    bool drawWeb() const { return m_drawWeb; }
    void setDrawWeb(bool drawWeb);

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
    QMenu* copyOfColorWellMenu();
    // Selects and clicks the cell's radio button, as if the user had.
    void clickCell(int index);

    PaletteGrid m_grid;
    QList<QVRadioColorWell*> m_wellsArray;
    int m_selectedColorWellIndex = 0;
    QPointer<QMenu> m_colorMenu;
    bool m_drawGloss = true;
    bool m_drawWeb = false;
    QPointer<QObject> m_delegate;
    QImage m_background;
};
