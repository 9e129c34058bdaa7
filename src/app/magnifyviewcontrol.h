// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "magnifiercontrol.h"

class QVMagnifyView;

namespace tintmere {

// The magnifier of the magnify drawer as the controller drives it. The view itself knows
// nothing of the controller.
class MagnifyViewControl final : public MagnifierControl {
public:
    explicit MagnifyViewControl(QVMagnifyView* view)
        : m_view(view) {}

    void setDrawLoading(bool loading) override;
    void beginMagnify() override;
    void stopMagnify() override;
    bool isStopped() const override;
    bool hasSelectedColor() const override;
    std::optional<Color> selectedColor() const override;
    void updateToolTip() override;
    void setBoxSize(int sizeIndex) override;
    void setDrawGrid(bool drawGrid) override;
    void setBorderColor(const Color& color) override;

private:
    QVMagnifyView* m_view;
};

} // namespace tintmere
