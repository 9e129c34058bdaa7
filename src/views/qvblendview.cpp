// SPDX-License-Identifier: GPL-3.0-or-later
#include "qvblendview.h"

#include "blendengine.h"
#include "qtcolor.h"

#include <QPainter>

using tintmere::Color;
namespace blend = tintmere::blend;

QVBlendView::QVBlendView(QWidget* parent)
    : QWidget(parent) {
    setAccessibleName(tr("Blend"));
    blendColors();
}

QSize QVBlendView::sizeHint() const {
    return QSize(196, 40);
}

void QVBlendView::setColorOne(const Color& color) {
    m_colorOne = color;
    blendColors();
    update();
}

void QVBlendView::setColorTwo(const Color& color) {
    m_colorTwo = color;
    blendColors();
    update();
}

void QVBlendView::setPercentAmount(float percentAmount) {
    m_percentAmount = percentAmount;
    blendColors();
    update();
}

void QVBlendView::setMode(int mode) {
    m_mode = mode;
    blendColors();
    update();
}

void QVBlendView::setThreeColor(const Color& color) {
    m_threeColor = color;
    update();
}

void QVBlendView::setFourColorOne(const Color& color) {
    m_fourColorOne = color;
    update();
}

void QVBlendView::setFourColorTwo(const Color& color) {
    m_fourColorTwo = color;
    update();
}

void QVBlendView::toggleMode() {
    if (m_mode == blend::kOneMidpoint)
        setMode(blend::kTwoMidpoints);
    else if (m_mode == blend::kTwoMidpoints)
        setMode(blend::kOneMidpoint);
}

void QVBlendView::blendColors() {
    if (m_mode == blend::kOneMidpoint) {
        m_threeColor = blend::oneMidpoint(m_colorOne, m_colorTwo, m_percentAmount);
    } else if (m_mode == blend::kTwoMidpoints) {
        const auto mids = blend::twoMidpoints(m_colorOne, m_colorTwo, m_percentAmount);
        m_fourColorOne = mids.first;
        m_fourColorTwo = mids.second;
    }
}

QList<Color> QVBlendView::swatchColors() const {
    if (m_mode == blend::kOneMidpoint)
        return {m_colorOne, m_threeColor, m_colorTwo};
    if (m_mode == blend::kTwoMidpoints)
        return {m_colorOne, m_fourColorOne, m_fourColorTwo, m_colorTwo};
    return {};
}

void QVBlendView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const QRect& line : blend::frameRects(size()))
        painter.fillRect(line, Qt::black);
    const QList<QRect> swatches = blend::swatchRects(m_mode, size());
    const QList<Color> colors = swatchColors();
    for (qsizetype k = 0; k < swatches.size(); ++k)
        painter.fillRect(swatches[k], tintmere::toQColor(colors[k]));
    for (const QRect& line : blend::separatorRects(m_mode, size()))
        painter.fillRect(line, Qt::black);
}
