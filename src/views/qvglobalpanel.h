// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QMouseEvent;
class QVGlobalColorInfoView;
class QVGlobalPaletteView;

// A small floating panel above the windows of every program: four wells of the global
// palette and the hex, RGB and web strings of the selected one. It never takes the keyboard
// focus and showing or clicking it does not activate the program, so colours and strings
// can be dragged out of it while the user works elsewhere. It is moved by dragging its
// background; its close box only hides it.
class QVGlobalPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWellCount = 4;

    explicit QVGlobalPanel(QWidget* parent = nullptr);

    QWidget* contentView() const { return m_contentView; }
    QVGlobalPaletteView* paletteView() const { return m_paletteView; }
    QVGlobalColorInfoView* infoView() const { return m_infoView; }

    // Shows the strings of the selected global colour in the rows "hex", "rgb" and "web".
    void setColorStrings(const QString& hex, const QString& rgb, const QString& web);

    // Where only the compositor keeps windows above others and places them (Wayland), the
    // panel is a normal window that the user pins with the desktop's own tools: a title of its
    // own, so that a window rule can tell it from the main window, and a tooltip that says how.
    void becomeNormalWindow(const QString& title, const QString& keepAboveHint);

    // Puts the panel where a saved frame (saveGeometry) says; false, and the panel left where
    // it is, when the frame is empty or unusable.
    bool restoreFrame(const QByteArray& frame);
    // The first-run place: the content's lower-left corner 200 points left of the right
    // edge and 200 points above the bottom edge of the main screen.
    void moveToFirstRunPosition();
    // Where the content's top-left corner goes on first run.
    static QPoint firstRunPosition(const QRect& screenGeometry, QSize contentSize);

    // Starts moving the window of widget when the left button went down on it; false when
    // the window system did not take the move.
    static bool moveByBackground(QWidget* widget, QMouseEvent* event);

    // The panel never becomes the window that takes key presses.
    bool canBecomeKeyWindow() const { return false; }

Q_SIGNALS:
    // The panel was shown or hidden, by the program, by its close box or by being
    // minimised.
    void visibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void styleRows();

    QWidget* m_contentView;
    QVGlobalPaletteView* m_paletteView;
    QVGlobalColorInfoView* m_infoView;
};
