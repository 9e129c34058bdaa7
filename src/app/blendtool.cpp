// SPDX-License-Identifier: GPL-3.0-or-later
#include "blendtool.h"

#include "colorundocommands.h"
#include "defaults.h"
#include "qvblendview.h"
#include "qvcolorwell.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QUndoStack>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

// Amounts this close to the middle snap to it, so an even blend is easy to hit by hand.
constexpr int kSnapLow = 45;
constexpr int kSnapHigh = 55;
constexpr int kMiddle = 50;
constexpr int kQuickBlendPercent = 50;

QString shareText(int percent) {
    return u"%1%"_s.arg(percent);
}

} // namespace

BlendTool::BlendTool(const BlendToolWidgets& widgets, PaletteEditor& palette, QObject* parent)
    : QObject(parent)
    , m_w(widgets)
    , m_palette(palette) {
    m_w.leftLabel->setText(shareText(kMiddle));
    m_w.rightLabel->setText(shareText(kMiddle));

    const int mode = Defaults::standard().intValue(keys::BlendMode);
    m_w.blendView->setMode(mode);
    // A stored mode other than 0 or 1 draws no midpoints; the control then shows neither.
    if (QAbstractButton* segment = m_w.blendSegmentedControl->button(mode))
        segment->setChecked(true);

    const QList<Color> colors = m_palette.colorArray();
    m_w.colorOneBlend->setColorWithNoAction(colors.value(0, Color{1, 1, 1, 1}));
    m_w.blendView->setColorOne(m_w.colorOneBlend->color());
    m_w.colorTwoBlend->setColorWithNoAction(colors.value(3, Color{1, 1, 1, 1}));
    m_w.blendView->setColorTwo(m_w.colorTwoBlend->color());

    for (QVColorWell* well : {m_w.colorOneBlend, m_w.colorTwoBlend}) {
        connect(well, &QVColorWell::triggered, this, [this, well] { updateBlendColors(well); });
    }
    connect(m_w.percentAmount, &QSlider::valueChanged, this,
            [this] { updateBlendColors(m_w.percentAmount); });
    connect(m_w.blendSegmentedControl, &QButtonGroup::idClicked, this, &BlendTool::changeMidpoints);
}

void BlendTool::changeMidpoints() {
    m_w.blendView->setMode(m_w.blendSegmentedControl->checkedId() == 0 ? 0 : 1);
    Defaults::standard().setInt(keys::BlendMode, m_w.blendView->mode());
}

void BlendTool::updateBlendColors(const QObject* sender) {
    if (sender == m_w.colorOneBlend)
        m_w.blendView->setColorOne(m_w.colorOneBlend->color());
    else if (sender == m_w.colorTwoBlend)
        m_w.blendView->setColorTwo(m_w.colorTwoBlend->color());
    if (sender != m_w.percentAmount)
        return;

    QSlider* slider = m_w.percentAmount;
    if (const int value = slider->value(); value >= kSnapLow && value <= kSnapHigh) {
        const QSignalBlocker quiet(slider); // this call finishes the update itself
        slider->setValue(kMiddle);
    }
    const int value = slider->value();
    m_w.leftLabel->setText(shareText(100 - value));
    m_w.rightLabel->setText(shareText(value));
    m_w.blendView->setPercentAmount(float(value));
}

void BlendTool::loadBlendColor(int end, const Color& color) {
    QVColorWell* well = end == 0 ? m_w.colorOneBlend : m_w.colorTwoBlend;
    well->setColorWithNoAction(color);
    updateBlendColors(well);
}

void BlendTool::loadBlendTool(const Color& start, const Color& end) {
    loadBlendColor(0, start);
    loadBlendColor(1, end);
}

QList<Color> BlendTool::fourColors() const {
    const QVBlendView* view = m_w.blendView;
    return {view->colorOne(), view->fourColorOne(), view->fourColorTwo(), view->colorTwo()};
}

void BlendTool::quickBlend(const Color& start, const Color& end, int selected) {
    QSlider* slider = m_w.percentAmount;
    const auto setAmount = [this, slider](int value) {
        {
            const QSignalBlocker quiet(slider);
            slider->setValue(value);
        }
        updateBlendColors(slider);
    };
    // What the user left in the blend tool comes back afterwards; the midpoints control
    // is not touched.
    const Color savedStart = m_w.colorOneBlend->color();
    const Color savedEnd = m_w.colorTwoBlend->color();
    const int savedAmount = slider->value();
    const int savedMode = m_w.blendView->mode();

    m_w.blendView->setMode(Defaults::standard().intValue(keys::QuickBlendMidpoints));
    setAmount(kQuickBlendPercent);
    loadBlendTool(start, end);
    QList<Color> palette = m_palette.colorArray();
    if (m_w.blendView->mode() != 0)
        palette = fourColors();
    else if (selected >= 0 && selected < palette.size())
        palette[selected] = m_w.blendView->threeColor();

    m_w.blendView->setMode(savedMode);
    setAmount(savedAmount);
    loadBlendTool(savedStart, savedEnd);
    recordPalette(*m_w.undoStack, m_palette, palette);
}

void BlendTool::sendResult(int selected) {
    if (m_w.blendView->mode() != 0)
        recordPalette(*m_w.undoStack, m_palette, fourColors());
    else
        recordColor(*m_w.undoStack, m_palette, selected, m_w.blendView->threeColor());
}

void BlendTool::setDrawGloss(bool drawGloss) {
    m_w.colorOneBlend->setDrawGloss(drawGloss);
    m_w.colorTwoBlend->setDrawGloss(drawGloss);
}

} // namespace tintmere
