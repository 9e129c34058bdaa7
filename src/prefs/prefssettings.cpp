// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefssettings.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tintmere::prefs {

namespace {

constexpr NamedColor gray{QT_TRANSLATE_NOOP("PrefsController", "Gray"), {0.5f, 0.5f, 0.5f}};
constexpr NamedColor white{QT_TRANSLATE_NOOP("PrefsController", "White"), {1, 1, 1}};
constexpr NamedColor black{QT_TRANSLATE_NOOP("PrefsController", "Black"), {0, 0, 0}};

constexpr std::array resetColors{white, gray, black};

constexpr std::array zoomBorderColors{
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Red"), {1, 0, 0}},
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Orange"), {1, 0.5f, 0}},
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Yellow"), {1, 1, 0}},
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Green"), {0, 1, 0}},
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Blue"), {0, 0, 1}},
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Purple"), {0.5f, 0, 0.5f}},
    white,
    gray,
    black,
};

constexpr std::array globalBorderColors{
    gray,
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Silver"), {0.8f, 0.8f, 0.8f}},
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Aqua"), {0, 0.502f, 1}},
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Lavender"), {0.8f, 0.4f, 1}},
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Strawberry"), {1, 0, 0.502f}},
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Salmon"), {1, 0.4f, 0.4f}},
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Tangerine"), {1, 0.502f, 0}},
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Cantaloupe"), {1, 0.8f, 0.4f}},
    NamedColor{QT_TRANSLATE_NOOP("PrefsController", "Honeydew"), {0.8f, 1, 0.4f}},
};

} // namespace

const TaggedSetting* settingOfTag(int tag) {
    const auto found = std::ranges::find(taggedSettings, tag, &TaggedSetting::tag);
    return found == taggedSettings.end() ? nullptr : &*found;
}

const ColorPopUpSetting resetColor{keys::ResetColorIndex, keys::ResetOtherColor, keys::ResetColor,
                                   resetColors};
const ColorPopUpSetting zoomBorderColor{keys::ZoomBorderIndex, keys::ZoomOtherColor,
                                        keys::ZoomBorderColor, zoomBorderColors};
const ColorPopUpSetting globalBorderColor{keys::GlobalBorderIndex, keys::GlobalOtherColor,
                                          keys::GlobalBorderColor, globalBorderColors};

QStringList floatFormatTitles() {
    return u"0.0 0.00 0.000 0.0000 0.00000"_s.split(u' ');
}

} // namespace tintmere::prefs
