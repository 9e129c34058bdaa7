// SPDX-License-Identifier: GPL-3.0-or-later
// The palette commands that go through the blend tool.
#include "appcontroller.h"
#include "defaults.h"
#include "qvblendview.h"
#include "qvcolorwell.h"
#include "qvpaletteview.h"

#include <QSignalBlocker>
#include <QSlider>

namespace tintmere {

namespace {

constexpr int kQuickBlendPercent = 50;

} // namespace

void AppController::loadBlendColor(int end, const Color& color) {
    QVColorWell* well = end == 0 ? outlets().colorOneBlend : outlets().colorTwoBlend;
    well->setColorWithNoAction(color);
    updateBlendColors(well);
}

void AppController::loadBlendTool(const Color& start, const Color& end) {
    loadBlendColor(0, start);
    loadBlendColor(1, end);
}

void AppController::quickBlend(const Color& start, const Color& end) {
    const MainWindowOutlets& o = outlets();
    QSlider* slider = o.percentAmount;
    const auto setAmount = [this, slider](int value) {
        {
            const QSignalBlocker quiet(slider);
            slider->setValue(value);
        }
        updateBlendColors(slider);
    };
    // What the user left in the blend tool comes back afterwards; the midpoints control
    // is not touched.
    const Color savedStart = o.colorOneBlend->color();
    const Color savedEnd = o.colorTwoBlend->color();
    const int savedAmount = slider->value();
    const int savedMode = o.blendView->mode();

    o.blendView->setMode(Defaults::standard().intValue(keys::QuickBlendMidpoints));
    setAmount(kQuickBlendPercent);
    loadBlendTool(start, end);
    QList<Color> palette = colorArray();
    if (o.blendView->mode() == 0) {
        palette[o.paletteView->selectedColorWellIndex()] = o.blendView->threeColor();
    } else {
        palette = {o.blendView->colorOne(), o.blendView->fourColorOne(),
                   o.blendView->fourColorTwo(), o.blendView->colorTwo()};
    }

    o.blendView->setMode(savedMode);
    setAmount(savedAmount);
    loadBlendTool(savedStart, savedEnd);
    setPaletteToColorArray(palette);
}

void AppController::sendBlendResult(int selected) {
    const MainWindowOutlets& o = outlets();
    if (o.blendView->mode() != 0) {
        setPaletteToColorArray({o.blendView->colorOne(), o.blendView->fourColorOne(),
                                o.blendView->fourColorTwo(), o.blendView->colorTwo()});
    } else {
        setColor(o.blendView->threeColor(), selected);
    }
}

} // namespace tintmere
