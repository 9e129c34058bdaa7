// SPDX-License-Identifier: GPL-3.0-or-later
// The blend drawer: two end wells, the amount slider with its share labels, the
// one-or-two-midpoints control and the strip of blended swatches.
#include "appcontroller.h"
#include "defaults.h"
#include "qvblendview.h"
#include "qvcolorwell.h"
#include "qvpalettecolorwell.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

namespace {

// Amounts this close to the middle snap to it, so an even blend is easy to hit by hand.
constexpr int kSnapLow = 45;
constexpr int kSnapHigh = 55;
constexpr int kMiddle = 50;

QString shareText(int percent) {
    return u"%1%"_s.arg(percent);
}

} // namespace

void AppController::setUpBlendTool() {
    const MainWindowOutlets& o = outlets();
    o.leftLabel->setText(shareText(kMiddle));
    o.rightLabel->setText(shareText(kMiddle));

    const int mode = Defaults::standard().intValue(keys::BlendMode);
    o.blendView->setMode(mode);
    // A stored mode other than 0 or 1 draws no midpoints; the control then shows neither.
    if (QAbstractButton* segment = o.blendSegmentedControl->button(mode))
        segment->setChecked(true);

    o.colorOneBlend->setColorWithNoAction(mainWell(0)->color());
    o.blendView->setColorOne(o.colorOneBlend->color());
    o.colorTwoBlend->setColorWithNoAction(mainWell(3)->color());
    o.blendView->setColorTwo(o.colorTwoBlend->color());
}

void AppController::connectBlend() {
    const MainWindowOutlets& o = outlets();
    for (QVColorWell* well : {o.colorOneBlend, o.colorTwoBlend}) {
        connect(well, &QVColorWell::triggered, this, [this, well] { updateBlendColors(well); });
    }
    connect(o.percentAmount, &QSlider::valueChanged, this,
            [this] { updateBlendColors(outlets().percentAmount); });
    connect(o.blendSegmentedControl, &QButtonGroup::idClicked, this,
            &AppController::changeMidpoints);
}

void AppController::changeMidpoints() {
    const MainWindowOutlets& o = outlets();
    o.blendView->setMode(o.blendSegmentedControl->checkedId() == 0 ? 0 : 1);
    Defaults::standard().setInt(keys::BlendMode, o.blendView->mode());
}

void AppController::updateBlendColors(const QObject* sender) {
    const MainWindowOutlets& o = outlets();
    if (sender == o.colorOneBlend)
        o.blendView->setColorOne(o.colorOneBlend->color());
    else if (sender == o.colorTwoBlend)
        o.blendView->setColorTwo(o.colorTwoBlend->color());
    if (sender != o.percentAmount)
        return;

    QSlider* slider = o.percentAmount;
    if (const int value = slider->value(); value >= kSnapLow && value <= kSnapHigh) {
        const QSignalBlocker quiet(slider); // this call finishes the update itself
        slider->setValue(kMiddle);
    }
    const int value = slider->value();
    o.leftLabel->setText(shareText(100 - value));
    o.rightLabel->setText(shareText(value));
    o.blendView->setPercentAmount(float(value));
}

} // namespace tintmere
