// SPDX-License-Identifier: GPL-3.0-or-later
#include "magnifyviewcontrol.h"

#include "qvmagnifyview.h"

namespace tintmere {

void MagnifyViewControl::setDrawLoading(bool loading) {
    m_view->setDrawLoading(loading);
}

void MagnifyViewControl::beginMagnify() {
    m_view->beginMagnify();
}

void MagnifyViewControl::stopMagnify() {
    m_view->stopMagnify();
}

bool MagnifyViewControl::isStopped() const {
    return m_view->isStopped();
}

bool MagnifyViewControl::hasSelectedColor() const {
    return m_view->selectedColor().has_value();
}

std::optional<Color> MagnifyViewControl::selectedColor() const {
    return m_view->selectedColor();
}

void MagnifyViewControl::updateToolTip() {
    m_view->updateToolTip();
}

void MagnifyViewControl::setBoxSize(int sizeIndex) {
    m_view->setBoxSize(sizeIndex);
}

void MagnifyViewControl::setDrawGrid(bool drawGrid) {
    m_view->setDrawGrid(drawGrid);
}

void MagnifyViewControl::setBorderColor(const Color& color) {
    m_view->setBorderColor(color);
}

} // namespace tintmere
