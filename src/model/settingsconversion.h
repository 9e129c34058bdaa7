// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileerror.h"

#include <optional>

namespace tintmere {

class Defaults;
class FavoritesLibrary;

// Brings settings written by older versions to the current form. Runs at every start
// before anything reads the settings; once a store is converted there is nothing left to
// do. Steps, in order:
//  1. the old "Preferences" dictionary is lifted to top-level keys (less its obsolete
//     entries and the two colours whose old values are not carried over), "Windows" is
//     dropped and "midpoint" becomes "Blend Mode";
//  2. "Saved Colors" kept as a dictionary under "1" to "4" becomes an array, and a stored
//     palette that is not four colour strings is mended with white;
//  3. favorites kept in the settings under "Favorites" move into the library file; the key
//     is removed only once they are written.
class SettingsConversion {
public:
    // A problem with the library file during step 3, for the user to see.
    static std::optional<FileError> run(Defaults& defaults, FavoritesLibrary& library);

private:
    static void liftLegacyPreferences(Defaults& defaults);
    static void mendSavedColors(Defaults& defaults);
    static std::optional<FileError> migrateFavorites(Defaults& defaults, FavoritesLibrary& library);
};

} // namespace tintmere
