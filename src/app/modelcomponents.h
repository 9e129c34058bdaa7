// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <array>
#include <optional>
#include <string_view>

namespace tintmere {

// How the sliders drawer edits the current colour. Only the drawer knows; the palette,
// the undo steps and every stored colour stay RGB.
enum class ColorModel { RGB, HSV, HSL, OKLCH };

inline constexpr std::array<ColorModel, 4> allColorModels{ColorModel::RGB, ColorModel::HSV,
                                                          ColorModel::HSL, ColorModel::OKLCH};

std::string_view nameOfColorModel(ColorModel model);
// RGB for a name that is none of the models (an old or damaged setting).
ColorModel colorModelNamed(std::string_view name);

// One component in the units the user reads: from 0 to maximum, typed with decimals places,
// stepped (and moved a slider notch) by step.
struct ComponentScale {
    double maximum = 255.0;
    int decimals = 0;
    double step = 1.0;
};

using Components = std::array<double, 3>;
// What the controls propose for each component; nothing keeps the present value.
using ProposedComponents = std::array<std::optional<double>, 3>;

// The three components of the current colour in one model. Components the user set are kept
// as they were set while the colour they gave is the one shown: a hue survives a drag of
// saturation to grey and back, and an out-of-gamut OKLCH value stays what was asked for.
class ModelComponents {
public:
    ColorModel model() const { return m_model; }
    // Starts afresh: the next colour shown gives every component.
    void setModel(ColorModel model);

    static const std::array<ComponentScale, 3>& scales(ColorModel model);
    const std::array<ComponentScale, 3>& scales() const { return scales(m_model); }
    const Components& components() const { return m_components; }

    // The components of color. A colour other than the last one given keeps the components it
    // leaves undefined (the hue of a grey, the saturation of black or white).
    void showColor(const Color& color);
    // Whether the field of component would read value: the user did not change it.
    bool reads(int component, double value) const;
    // The colour of the components with the proposals in, rounded to bytes like every slider
    // colour; the components become the proposed ones (limited to their scales).
    Color colorWith(const ProposedComponents& proposed);

    // Whether the components name a colour inside sRGB (only OKLCH can leave it).
    bool inGamut() const { return inGamut(m_components); }
    // The colour component takes at fraction 0..1 of its scale, the others as they are, and
    // whether it lies inside sRGB; outside it is brought in as the well would show it.
    Color trackColor(int component, double fraction) const;
    bool trackInGamut(int component, double fraction) const;

private:
    bool inGamut(const Components& components) const;
    Color exactColor(const Components& components) const;
    Components alongTrack(int component, double fraction) const;

    ColorModel m_model = ColorModel::RGB;
    Components m_components{};
    std::optional<Color> m_given; // the colour the components gave last
};

} // namespace tintmere
