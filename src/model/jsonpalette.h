// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interchangecontents.h"

#include <QByteArray>
#include <QByteArrayView>

namespace tintmere::jsonpalette {

// Tintmere's JSON form (.json). A palette:
//
//   { "format": "tintmere-palette", "version": 1, "name": "Spring",
//     "colors": ["#336699", "#ff9933", "#ffffff", "#000000"] }
//
// Favorites, each of four colours, at the top or in groups (one level):
//
//   { "format": "tintmere-favorites", "version": 1, "name": "Spring",
//     "favorites": [
//       { "name": "Sky", "colors": ["#336699", "#87ceeb", "#ffffff", "#000000"] },
//       { "group": "Flowers", "favorites": [ { "name": ..., "colors": [...] } ] } ] }
//
// Colours are written "#rrggbb" and read in any CSS colour form ("rebeccapurple",
// "oklch(0.7 0.1 200)"). "name" may be left out; unknown keys are ignored.
QByteArray write(const InterchangeContents& contents);
Expected<InterchangeContents> parse(QByteArrayView data);

} // namespace tintmere::jsonpalette
