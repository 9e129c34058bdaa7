// SPDX-License-Identifier: GPL-3.0-or-later
// The palette commands that go through the blend tool.
#include "appcontroller.h"
#include "qvcolorwell.h"

#include <QApplication>

namespace tintmere {

void AppController::loadBlendColor(int end, const Color& color) {
    const MainWindowOutlets& o = outlets();
    (end == 0 ? o.colorOneBlend : o.colorTwoBlend)->setColorWithNoAction(color);
}

void AppController::loadBlendTool(const Color& start, const Color& end) {
    loadBlendColor(0, start);
    loadBlendColor(1, end);
}

void AppController::quickBlend(const Color&, const Color&) {
    QApplication::beep();
}

void AppController::sendBlendResult(int) {
    QApplication::beep();
}

} // namespace tintmere
