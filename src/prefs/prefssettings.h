// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "settingskeys.h"

#include <QStringList>

#include <array>
#include <span>

// What the controls of the preferences window stand for: the key each one writes and the
// colours the colour pop-ups offer.
namespace tintmere::prefs {

// The dynamic property that carries a plain control's tag.
inline constexpr char kTagProperty[] = "tag";

// A plain control (pop-up, radio rows or check box) writes its value under the key of its
// tag: an index for integer keys, the checked state for Boolean ones.
struct TaggedSetting {
    int tag;
    SettingKey key;
};

inline constexpr std::array taggedSettings{
    TaggedSetting{0, keys::TooltipFormat}, TaggedSetting{1, keys::QuickBlendMidpoints},
    TaggedSetting{2, keys::DragFormat},    TaggedSetting{3, keys::DrawGloss},
    TaggedSetting{10, keys::UppercaseHex}, TaggedSetting{11, keys::UseShorthand},
    TaggedSetting{20, keys::FloatFormat},  TaggedSetting{30, keys::ZoomSize},
    TaggedSetting{31, keys::DrawGrid},     TaggedSetting{12, keys::CopyPickedHex},
};

// The setting of a tag; null for a tag that stands for nothing.
const TaggedSetting* settingOfTag(int tag);

struct NamedColor {
    const char* title; // translated through PrefsController's context
    Color color;
};

// A colour pop-up stores the selected index, its free ("Other...") colour and the colour
// the rest of the program reads.
struct ColorPopUpSetting {
    SettingKey indexKey;
    SettingKey otherColorKey;
    SettingKey colorKey;
    std::span<const NamedColor> namedColors;
};

extern const ColorPopUpSetting resetColor;
extern const ColorPopUpSetting zoomBorderColor;
extern const ColorPopUpSetting globalBorderColor;

// The float pop-up's titles; item n is "Float Format" n.
QStringList floatFormatTitles();

} // namespace tintmere::prefs
