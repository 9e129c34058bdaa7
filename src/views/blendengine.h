// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QList>
#include <QRect>
#include <QString>

// The arithmetic and layout behind the blend tool, apart from any widget. All colour
// arithmetic is single precision: the midpoints' digits depend on it.
namespace tintmere::blend {

// The blend modes; any other mode computes and draws no midpoints.
inline constexpr int kOneMidpoint = 0;
inline constexpr int kTwoMidpoints = 1;

struct TwoMidpoints {
    Color first;  // nearer the start colour
    Color second; // nearer the end colour
};

// The start and end colours mixed at percentAmount (0 to 100) of the way; alpha 1.
Color oneMidpoint(const Color& start, const Color& end, float percentAmount);

// Two midpoints that sit at one and two thirds at 50 and slide onto the start colour as the
// amount falls to 0, onto the end colour as it rises to 100; alpha 1.
TwoMidpoints twoMidpoints(const Color& start, const Color& end, float percentAmount);

// The amount slider snaps to the middle from 45 to 55.
int snappedAmount(int sliderValue);

// A label's text for a share of the blend in percent: "50%".
QString shareText(int share);

// The swatch strip of a view of `size`: one-point black frame, swatches of equal width
// separated by one-point black lines. Empty for a mode without swatches.
int swatchWidth(int mode, int viewWidth);
QList<QRect> swatchRects(int mode, QSize size);
QList<QRect> separatorRects(int mode, QSize size);
QList<QRect> frameRects(QSize size);

} // namespace tintmere::blend
