// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <optional>

namespace tintmere {

// What the controller asks of the magnifier in the magnify drawer: it runs exactly while
// the drawer is open and unlocked, and follows the magnifier settings.
class MagnifierControl {
public:
    virtual ~MagnifierControl() = default;

    virtual void setDrawLoading(bool loading) = 0;
    virtual void beginMagnify() = 0;
    virtual void stopMagnify() = 0;
    virtual bool isStopped() const = 0;

    // Whether a colour has been picked from the image, whose tooltip then shows its text.
    virtual bool hasSelectedColor() const = 0;
    // The picked colour, which the magnifier's send button puts into the selected well.
    virtual std::optional<Color> selectedColor() const { return std::nullopt; }
    virtual void updateToolTip() = 0;

    virtual void setBoxSize(int sizeIndex) = 0;
    virtual void setDrawGrid(bool drawGrid) = 0;
    virtual void setBorderColor(const Color& color) = 0;
};

} // namespace tintmere
