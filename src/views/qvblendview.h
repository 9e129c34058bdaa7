// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QWidget>

// The blend tool's strip of swatches: the start colour, one or two blended midpoints and the
// end colour. Every change of an end colour, the amount or the mode recomputes the midpoints
// at once, so they always match the inputs. Starts at 50 percent from red to blue with one
// midpoint.
class QVBlendView : public QWidget {
    Q_OBJECT

public:
    explicit QVBlendView(QWidget* parent = nullptr);

    // 0: one midpoint, 1: two midpoints; other modes draw only the frame.
    int mode() const { return m_mode; }
    float percentAmount() const { return m_percentAmount; }
    tintmere::Color colorOne() const { return m_colorOne; }
    tintmere::Color colorTwo() const { return m_colorTwo; }
    tintmere::Color threeColor() const { return m_threeColor; }
    tintmere::Color fourColorOne() const { return m_fourColorOne; }
    tintmere::Color fourColorTwo() const { return m_fourColorTwo; }

    void setColorOne(const tintmere::Color& color);
    void setColorTwo(const tintmere::Color& color);
    void setPercentAmount(float percentAmount);
    void setMode(int mode);

    // Show a midpoint as given, without blending.
    void setThreeColor(const tintmere::Color& color);
    void setFourColorOne(const tintmere::Color& color);
    void setFourColorTwo(const tintmere::Color& color);

    // Switches between one and two midpoints; other modes stay.
    void toggleMode();
    // Recomputes the midpoints of the current mode; the other mode's are kept.
    void blendColors();

    // The colours of the swatches, left to right.
    QList<tintmere::Color> swatchColors() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_mode = 0;
    float m_percentAmount = 50.0f;
    tintmere::Color m_threeColor;
    tintmere::Color m_fourColorOne;
    tintmere::Color m_fourColorTwo;
    tintmere::Color m_colorOne{1.0f, 0.0f, 0.0f, 1.0f};
    tintmere::Color m_colorTwo{0.0f, 0.0f, 1.0f, 1.0f};
};
