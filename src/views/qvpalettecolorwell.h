// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qvcolorwell.h"

// The swatch of a main-palette cell. It reports each completed change, with the colour it
// replaced, as "QVColorWellChange" so the change can be undone: once per drop, and once per
// stint with the colour panel in which the colour changed.
class QVPaletteColorWell : public QVColorWell {
    Q_OBJECT

public:
    using QVColorWell::QVColorWell;

    void activate(bool exclusive = true) override;
    void deactivate() override;

protected:
    bool performDrop(const QMimeData* mime) override;

private:
    void postChange(const tintmere::Color& before);

    // The colour the well had when the colour panel took it.
    tintmere::Color m_currColor;
};
