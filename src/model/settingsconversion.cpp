// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsconversion.h"

#include "defaults.h"
#include "favoriteslibrary.h"
#include "storedcolors.h"

using namespace Qt::Literals::StringLiterals;

namespace tintmere {

std::optional<FileError> SettingsConversion::run(Defaults& defaults, FavoritesLibrary& library) {
    liftLegacyPreferences(defaults);
    mendSavedColors(defaults);
    return migrateFavorites(defaults, library);
}

void SettingsConversion::liftLegacyPreferences(Defaults& defaults) {
    if (!defaults.hasStoredValue(keys::LegacyPreferences)) {
        return;
    }
    QVariantMap preferences = defaults.dictionaryValue(keys::LegacyPreferences);
    for (const SettingKey& obsolete : {keys::LegacySecondaryFormat, keys::LegacyCrosshairColor,
                                       keys::LegacyDragTextFormat, keys::LegacyBorderWidth}) {
        preferences.remove(obsolete.name.toString());
    }
    defaults.removeValue(keys::LegacyWindows);
    // The old values of these two are not carried over: the registered defaults apply.
    preferences.remove(keys::GlobalBorderColor.name.toString());
    preferences.remove(keys::ResetColor.name.toString());
    defaults.setInt(keys::BlendMode, defaults.intValue(keys::LegacyMidpoint) != 0 ? 1 : 0);
    defaults.removeValue(keys::LegacyMidpoint);
    for (auto it = preferences.cbegin(); it != preferences.cend(); ++it) {
        defaults.setValueNamed(it.key(), it.value());
    }
    defaults.removeValue(keys::LegacyPreferences);
}

void SettingsConversion::mendSavedColors(Defaults& defaults) {
    if (!defaults.hasStoredValue(keys::SavedColors)) {
        return;
    }
    QStringList stored = defaults.stringArrayValue(keys::SavedColors);
    const QVariantMap legacy = defaults.dictionaryValue(keys::SavedColors);
    if (!legacy.isEmpty()) {
        stored.clear();
        for (int well = 1; well <= kPaletteSize; ++well) {
            const QVariant color = legacy.value(QString::number(well));
            stored.append(color.typeId() == QMetaType::QString ? color.toString() : QString());
        }
    }
    const QStringList mended = mendedPalette(stored);
    if (mended != defaults.stringArrayValue(keys::SavedColors)) {
        defaults.setStringArray(keys::SavedColors, mended);
    }
}

std::optional<FileError> SettingsConversion::migrateFavorites(Defaults& defaults,
                                                              FavoritesLibrary& library) {
    if (!defaults.hasStoredValue(keys::LegacyFavorites)) {
        return std::nullopt;
    }
    const FavoritesLibrary::MigrationResult result =
        library.migrate(defaults.value(keys::LegacyFavorites).toList());
    // The key stays while the favorites are nowhere else.
    if (result.written) {
        defaults.removeValue(keys::LegacyFavorites);
    }
    return result.problem;
}

} // namespace tintmere
