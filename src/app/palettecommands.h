// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QStringView>

#include <cstdint>
#include <functional>

namespace tintmere {

// What a colour command does to its target well, decided from the item's title and the
// title of the menu holding it.
struct ColorCommand {
    enum Kind {
        None,
        CopyHex,
        CopyRgb,
        CopyWeb,
        Reset,
        Randomize,
        MakeWebSafe,
        SetAll,
        SwitchWith,
        QuickBlendWith,
        BlendWith,
        SendToBlendStart,
        SendToBlendEnd,
        // Another item of the "Send to blend" menu: the blend drawer only.
        ShowBlend,
    };
    Kind kind = None;
    // The other well of "Switch with", "Quick blend with" and "Blend with".
    int chosenWell = -1;

    friend bool operator==(const ColorCommand&, const ColorCommand&) = default;
};

ColorCommand colorCommandFor(QStringView menuTitle, QStringView itemTitle);

// "Color 1" to "Color 4" name wells 0 to 3; anything else names none (-1).
int wellNamedBy(QStringView itemTitle);

enum class PaletteCommand { None, ResetPalette, RandomizePalette, MakePaletteWebSafe, WebPreview };

PaletteCommand paletteCommandFor(QStringView itemTitle);

// A random opaque colour from three draws (blue, green, red); each component is
// (draw mod 255 + 1) / 255, so none is ever 0: a colour nobody mistakes for "unset".
Color randomColor(const std::function<std::uint32_t()>& draw);

// Random colours from a generator seeded with the current time in whole seconds: two
// commands within the same second give the same colours.
class RandomColors {
public:
    RandomColors();
    explicit RandomColors(std::uint32_t seed);
    Color next();

private:
    std::uint32_t m_state;
};

} // namespace tintmere
