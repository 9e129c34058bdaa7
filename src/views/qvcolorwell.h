// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qvcolorwellbase.h"

class QMenu;
class QPixmap;

// A bezelled colour well: a click links it to the shared colour panel (a second click lets
// go), a drag carries its colour away, and colours or colour text can be dropped on it. Over
// the swatch it draws a gloss and, when asked, a triangle previewing the web-safe colour.
// Every change of its colour is reported through its action.
class QVColorWell : public QVColorWellBase {
    Q_OBJECT

public:
    explicit QVColorWell(QWidget* parent = nullptr);
    ~QVColorWell() override;

    // Stores the colour and sends the action, so the receiver always reads the new colour.
    void setColor(const tintmere::Color& color);
    void setColorWithNoAction(const tintmere::Color& color);
    // White, then the action once more.
    void resetColor();

    bool isActive() const { return m_active; }
    // Links the well to the shared colour panel; whatever held the panel lets go of it. The
    // panel serves one control at a time, so every activation is exclusive.
    virtual void activate(bool exclusive = true);
    virtual void deactivate();

    // A menu to show on right click; the well takes ownership.
    void setContextMenu(QMenu* menu);
    QMenu* contextMenu() const { return m_contextMenu; }

    QSize sizeHint() const override;

protected:
    bool performDrop(const QMimeData* mime) override;
    void concludeDrop() override;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void toggleActive();
    // Stores and keeps the colour panel showing the colour while the well holds it.
    void adoptColor(const tintmere::Color& color);
    void paintBezel(QPainter& painter) const;
    QPixmap bezel(qreal dpr) const;

    bool m_active = false;
    bool m_takingPanelColor = false;
    bool m_dragging = false;
    QMenu* m_contextMenu = nullptr;
};
