// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interchangecontents.h"

#include <QByteArray>
#include <QByteArrayView>

namespace tintmere::csspalette {

// CSS custom properties (.css) for style sheets and design tools:
//
//   /* Spring */
//   :root {
//     /* Group: Flowers */
//     /* Favorite: Sky */
//     --flowers-sky-1: #336699;
//     ...
//   }
//
// Property names are made of the group and favorite names (letters and digits, dashes
// between words, made unique); the comments keep the names as they were.
QByteArray write(const InterchangeContents& contents);

// Every custom property whose value is a CSS colour, four to a favorite; other properties,
// rules and comments are skipped. "Group:" and "Favorite:" comments name what follows; a
// favorite without one is named after its first property.
Expected<InterchangeContents> parse(QByteArrayView data);

} // namespace tintmere::csspalette
