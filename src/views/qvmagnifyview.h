// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "magnifiergeometry.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

class QMimeData;

namespace tintmere::platform {
class ScreenCapture;
}

// Shows the screen pixels around the pointer, enlarged, and lets the user pick one.
//
// Live, it captures the 7 by 7 pixels around the pointer ten times a second. Locked, it holds
// one final sample of those pixels and becomes interactive: the pixel under the pointer is
// drawn enlarged and framed in the border colour, a click picks its colour, and a drag from
// outside the pixels carries the picked colour away as colour and text. The picked colour
// fills a strip beside the pixels and is kept across every change of state.
//
// From the keyboard, once locked: the arrow keys move the enlarged pixel and Return or Space
// picks it.
//
// Pixels are device pixels: on a high-DPI screen the magnifier shows what the display has
// and the middle pixel is the one under the pointer. Where the screen cannot be read, the
// view says why instead of showing pixels.
class QVMagnifyView : public QWidget {
    Q_OBJECT

public:
    explicit QVMagnifyView(QWidget* parent = nullptr);
    ~QVMagnifyView() override;

    void setScreenCapture(std::unique_ptr<tintmere::platform::ScreenCapture> capture);
    tintmere::platform::ScreenCapture* screenCapture() const { return m_capture.get(); }
    bool isCaptureAvailable() const;
    // Why the screen cannot be read, and what to do instead; empty when it can.
    QString unavailableReason() const;
    // Said in place of the capture's own reason; empty: the capture's.
    void setUnavailableReason(const QString& reason);

    // Goes live: follows the pointer until stopMagnify.
    void beginMagnify();
    // Locks: samples the pixels around the last live pointer position once more and holds
    // them. Locking again takes a fresh sample. Where the screen cannot be read, it holds the
    // last frame given to showLiveFrame, if any.
    void stopMagnify();
    // True when locked or never started.
    bool isStopped() const { return m_isStopped; }
    // One live refresh: captures the pixels around the pointer and redraws. The refresh timer
    // calls it while live.
    void captureLiveFrame();
    // While live, shows pixels someone else captured around the pointer's device pixel; a
    // null image takes them away again.
    void showLiveFrame(QPoint pointer, const QImage& pixels);

    // "Zoom Size" 0, 1 and 2 give paddings of 2, 4 and 6; other values change nothing.
    void setBoxSize(int sizeIndex);
    int boxPadding() const { return m_geometry.boxPadding(); }
    void setBoxPadding(int padding);
    const MagnifierGeometry& magnifierGeometry() const { return m_geometry; }

    std::optional<tintmere::Color> selectedColor() const { return m_selectedColor; }
    void setSelectedColor(const tintmere::Color& color);
    // The family (0 hex, 1 RGB, 2 web, other: none) the strip's tooltip is written in; it
    // takes effect at the next updateToolTip.
    void setToolTipFamily(int family) { m_toolTipFamily = family; }
    // Rewrites the strip's tooltip in the tooltip family.
    void updateToolTip();
    // The strip's tooltip; empty while nothing is picked.
    QString selectedColorToolTip() const { return m_toolTip; }

    tintmere::Color borderColor() const { return m_borderColor; }
    void setBorderColor(const tintmere::Color& color);
    bool drawGrid() const { return m_drawGrid; }
    void setDrawGrid(bool drawGrid);
    bool drawLoading() const { return m_drawLoading; }
    void setDrawLoading(bool drawLoading);
    int numberOfPixels() const { return m_geometry.numberOfPixels(); }
    void setNumberOfPixels(int numberOfPixels);
    // Seconds between live refreshes.
    float refreshRate() const { return m_refreshRate; }
    void setRefreshRate(float seconds);

    // The pointer's device pixel at the last live refresh.
    QPoint lastPointerPosition() const { return m_currMouse; }
    // A held sample by column and row from the top-left; none before the first lock.
    std::optional<tintmere::Color> lockedColorAt(QPoint pixel) const;
    bool mouseHover() const { return m_mouseHover; }
    QPoint hoveredPixel() const { return m_currHoverInfo; }

    // What a drag of the picked colour carries; null while nothing is picked.
    QMimeData* mimeDataForDrag() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // The user clicked a locked pixel.
    void colorPicked(const tintmere::Color& color);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool isInteractive() const;
    // Whether there are pixels to draw: locked ones, or a live frame.
    bool hasPixels() const;
    void setHover(std::optional<QPoint> pixel);
    void pickHovered();
    void applyGeometry();
    void lockPixels(const QImage& pixels);

    void paintPixels(QPainter& painter) const;
    void paintUnavailable(QPainter& painter) const;
    void paintSelectedColorStrip(QPainter& painter) const;
    void paintGrid(QPainter& painter) const;
    void paintFrame(QPainter& painter, bool withSeparator) const;
    void paintHover(QPainter& painter) const;
    void paintLoading(QPainter& painter) const;

    std::unique_ptr<tintmere::platform::ScreenCapture> m_capture;
    QString m_unavailableReason;
    QTimer m_timer;
    MagnifierGeometry m_geometry;
    float m_refreshRate = 0.1f;
    bool m_isStopped = true;
    bool m_drawGrid = false;
    bool m_drawLoading = false;
    bool m_mouseHover = false;
    QPoint m_currHoverInfo;
    QPoint m_currMouse;
    QPoint m_pressPosition;
    // The last live capture, one image pixel per screen pixel.
    QImage m_liveImage;
    // The held samples, row by row from the top-left; empty before the first lock.
    QList<tintmere::Color> m_lockedColors;
    std::optional<tintmere::Color> m_selectedColor;
    tintmere::Color m_borderColor{1.0f, 0.0f, 0.0f, 1.0f};
    int m_toolTipFamily = 0;
    QString m_toolTip;
};
