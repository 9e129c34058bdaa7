// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <array>

namespace tintmere {

enum class SettingType {
    Integer,
    Boolean,
    String,
    ColorString, // stored colour text, six hex digits
    ColorArray,  // exactly four colour strings, well 0 first
    IntegerMap,  // a dictionary of named integers
    Dictionary,  // a dictionary of anything
    WindowFrame, // an autosave name; the frame lives under keys::WindowFrames
    LegacyAny,   // only read by the conversion of older settings, then removed
};

// One settings key: its name in the store, its type and the default registered at start.
// Defaults are written as text and turned into values by their type: integers and
// Booleans as "3" or "true", colour arrays as colour strings separated by spaces, integer
// maps as "name=value" pairs separated by semicolons. An unregistered key reads as empty.
struct SettingKey {
    QStringView name;
    SettingType type;
    QStringView registeredDefault;
    bool registered = true;
};

namespace keys {

constexpr SettingKey unregistered(QStringView name, SettingType type) {
    return SettingKey{name, type, QStringView(), false};
}

// Registered at start-up.
inline constexpr SettingKey SavedColors{u"Saved Colors", SettingType::ColorArray,
                                        u"ffffff ffffff ffffff ffffff"};
inline constexpr SettingKey PrimaryFormat{u"Primary Format", SettingType::IntegerMap,
                                          u"Hex=0;RGB=0;Web Safe=0"};
inline constexpr SettingKey SelectedColorIndex{u"Selected Color Index", SettingType::Integer, u"0"};
inline constexpr SettingKey SelectedGlobalColor{u"Selected Global Color", SettingType::Integer,
                                                u"0"};
inline constexpr SettingKey BlendMode{u"Blend Mode", SettingType::Integer, u"0"};
inline constexpr SettingKey TooltipFormat{u"Tooltip Format", SettingType::Integer, u"0"};
inline constexpr SettingKey DragFormat{u"Drag Format", SettingType::Integer, u"0"};
inline constexpr SettingKey QuickBlendMidpoints{u"Quick Blend Midpoints", SettingType::Integer,
                                                u"0"};
inline constexpr SettingKey UppercaseHex{u"Uppercase Hex", SettingType::Boolean, u"false"};
inline constexpr SettingKey UseShorthand{u"Use Shorthand", SettingType::Boolean, u"false"};
inline constexpr SettingKey FloatFormat{u"Float Format", SettingType::Integer, u"3"};
inline constexpr SettingKey ZoomSize{u"Zoom Size", SettingType::Integer, u"1"};
inline constexpr SettingKey DrawGrid{u"Draw Grid", SettingType::Boolean, u"true"};
inline constexpr SettingKey GlobalStartup{u"Global Startup", SettingType::Boolean, u"false"};
inline constexpr SettingKey LastSaveDirectory{u"LastSaveDirectory", SettingType::String,
                                              u"~/Desktop"};
inline constexpr SettingKey LastOpenDirectory{u"LastOpenDirectory", SettingType::String,
                                              u"~/Desktop"};
inline constexpr SettingKey DrawGloss{u"Draw Gloss", SettingType::Boolean, u"true"};
inline constexpr SettingKey ResetColor{u"Reset Color", SettingType::ColorString, u"ffffff"};
inline constexpr SettingKey ResetColorIndex{u"Reset Color Index", SettingType::Integer, u"0"};
inline constexpr SettingKey ZoomBorderColor{u"Zoom Border Color", SettingType::ColorString,
                                            u"ff0000"};
inline constexpr SettingKey ZoomBorderIndex{u"Zoom Border Index", SettingType::Integer, u"0"};
inline constexpr SettingKey GlobalBorderColor{u"Global Border Color", SettingType::ColorString,
                                              u"808080"};
inline constexpr SettingKey GlobalBorderIndex{u"Global Border Index", SettingType::Integer, u"0"};
// A pick from the screen also puts the colour's hex string on the clipboard.
inline constexpr SettingKey CopyPickedHex{u"Copy Picked Hex", SettingType::Boolean, u"false"};

// Not registered: absent reads as false, 0 or no colour.
inline constexpr SettingKey DrawWebPreview =
    unregistered(u"Draw Web Preview", SettingType::Boolean);
// The contrast strip under the colour strings shows.
inline constexpr SettingKey ShowContrast = unregistered(u"Show Contrast", SettingType::Boolean);
inline constexpr SettingKey ResetOtherColor =
    unregistered(u"Reset Other Color", SettingType::ColorString);
inline constexpr SettingKey ZoomOtherColor =
    unregistered(u"Zoom Other Color", SettingType::ColorString);
inline constexpr SettingKey GlobalOtherColor =
    unregistered(u"Global Other Color", SettingType::ColorString);
inline constexpr SettingKey PrefsRecentPage =
    unregistered(u"Prefs Recent Page", SettingType::Integer);

// Window frame autosave names.
inline constexpr SettingKey GlobalPanel = unregistered(u"Global Panel", SettingType::WindowFrame);
inline constexpr SettingKey PrefsWindow = unregistered(u"Prefs Window", SettingType::WindowFrame);
// Where the frames are kept: a dictionary from autosave name to the saved geometry.
inline constexpr SettingKey WindowFrames = unregistered(u"Window Frames", SettingType::Dictionary);

// Settings of older versions, read once by the start-up conversion and removed.
inline constexpr SettingKey LegacyPreferences =
    unregistered(u"Preferences", SettingType::LegacyAny);
inline constexpr SettingKey LegacyMidpoint = unregistered(u"midpoint", SettingType::LegacyAny);
inline constexpr SettingKey LegacyWindows = unregistered(u"Windows", SettingType::LegacyAny);
inline constexpr SettingKey LegacyFavorites = unregistered(u"Favorites", SettingType::LegacyAny);
// Entries of the old "Preferences" dictionary that are dropped rather than carried over.
inline constexpr SettingKey LegacySecondaryFormat =
    unregistered(u"Secondary Format", SettingType::LegacyAny);
inline constexpr SettingKey LegacyCrosshairColor =
    unregistered(u"Crosshair Color", SettingType::LegacyAny);
inline constexpr SettingKey LegacyDragTextFormat =
    unregistered(u"Drag Text Format", SettingType::LegacyAny);
inline constexpr SettingKey LegacyBorderWidth =
    unregistered(u"Border Width", SettingType::LegacyAny);

// Entry names inside "Primary Format".
inline constexpr QStringView PrimaryFormatHex = u"Hex";
inline constexpr QStringView PrimaryFormatRgb = u"RGB";
inline constexpr QStringView PrimaryFormatWebSafe = u"Web Safe";

// Every key the program knows, for registration and for checks over the whole table.
inline constexpr std::array allKeys{
    SavedColors,
    PrimaryFormat,
    SelectedColorIndex,
    SelectedGlobalColor,
    BlendMode,
    TooltipFormat,
    DragFormat,
    QuickBlendMidpoints,
    UppercaseHex,
    UseShorthand,
    FloatFormat,
    ZoomSize,
    DrawGrid,
    GlobalStartup,
    LastSaveDirectory,
    LastOpenDirectory,
    DrawGloss,
    ResetColor,
    ResetColorIndex,
    ZoomBorderColor,
    ZoomBorderIndex,
    GlobalBorderColor,
    GlobalBorderIndex,
    CopyPickedHex,
    DrawWebPreview,
    ShowContrast,
    ResetOtherColor,
    ZoomOtherColor,
    GlobalOtherColor,
    PrefsRecentPage,
    GlobalPanel,
    PrefsWindow,
    WindowFrames,
    LegacyPreferences,
    LegacyMidpoint,
    LegacyWindows,
    LegacyFavorites,
    LegacySecondaryFormat,
    LegacyCrosshairColor,
    LegacyDragTextFormat,
    LegacyBorderWidth,
};

} // namespace keys
} // namespace tintmere
