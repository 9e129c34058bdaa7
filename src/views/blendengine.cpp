// SPDX-License-Identifier: GPL-3.0-or-later
#include "blendengine.h"

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::blend {

namespace {

constexpr std::array kChannels{Channel::Red, Channel::Green, Channel::Blue};

int swatchCount(int mode) {
    switch (mode) {
    case kOneMidpoint:
        return 3;
    case kTwoMidpoints:
        return 4;
    default:
        return 0;
    }
}

} // namespace

Color oneMidpoint(const Color& start, const Color& end, float percentAmount) {
    const float p = percentAmount / 100.0f;
    Color mid;
    for (Channel channel : kChannels) {
        const float a = start.component(channel);
        const float b = end.component(channel);
        mid.component(channel) = a + (b - a) * p;
    }
    return mid;
}

TwoMidpoints twoMidpoints(const Color& start, const Color& end, float percentAmount) {
    const float p = percentAmount / 100.0f;
    // The comparison is made in double precision: 51 / 100 in single precision lies just
    // below 0.51 and still takes the rule that spreads from the start colour.
    const bool fromStart = double(p) < 0.51;
    TwoMidpoints mids;
    for (Channel channel : kChannels) {
        const float a = start.component(channel);
        const float b = end.component(channel);
        if (fromStart) {
            const float d = (b - a) / 3.0f * (p + p);
            mids.first.component(channel) = a + d;
            mids.second.component(channel) = mids.first.component(channel) + d;
        } else {
            const float q = 1.0f - p;
            const float e = (a - b) / 3.0f * (q + q);
            mids.second.component(channel) = b + e;
            mids.first.component(channel) = mids.second.component(channel) + e;
        }
    }
    return mids;
}

int snappedAmount(int sliderValue) {
    return sliderValue > 44 && sliderValue < 56 ? 50 : sliderValue;
}

QString shareText(int share) {
    return u"%1%"_s.arg(share);
}

int swatchWidth(int mode, int viewWidth) {
    float width = 0.0f;
    if (mode == kOneMidpoint)
        width = float(viewWidth - 4) / 3.0f;
    else if (mode == kTwoMidpoints)
        width = float(viewWidth - 5) * 0.25f;
    // Cut toward zero; a view too narrow for the frame has no room for swatches.
    return std::max(int(width), 0);
}

QList<QRect> swatchRects(int mode, QSize size) {
    const int s = swatchWidth(mode, size.width());
    QList<QRect> rects;
    for (int k = 0; k < swatchCount(mode); ++k)
        rects.append(QRect(1 + k * (s + 1), 1, s, std::max(size.height() - 2, 0)));
    return rects;
}

QList<QRect> separatorRects(int mode, QSize size) {
    const int s = swatchWidth(mode, size.width());
    QList<QRect> rects;
    for (int k = 1; k < swatchCount(mode); ++k)
        rects.append(QRect(k * (s + 1), 0, 1, size.height()));
    return rects;
}

QList<QRect> frameRects(QSize size) {
    const int w = size.width();
    const int h = size.height();
    return {QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h), QRect(0, h - 1, w, 1), QRect(0, 0, w, 1)};
}

} // namespace tintmere::blend
