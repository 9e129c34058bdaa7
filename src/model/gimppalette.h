// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interchangecontents.h"

#include <QByteArray>
#include <QByteArrayView>

namespace tintmere::gimppalette {

// GIMP palettes (.gpl), as GIMP, Inkscape, Krita and Aseprite read them:
//
//   GIMP Palette
//   Name: Spring
//   Columns: 4
//   # Group: Flowers
//    51 102 153	Sky
//
// Each favorite is four rows named after it; a "# Group:" comment, which other programs
// skip, starts a group. Names lose line breaks and tabs, which the format cannot carry.
QByteArray write(const InterchangeContents& contents);

// Any palette GIMP writes: rows of three values 0-255 and an optional name, comments and
// blank lines anywhere. Rows are taken four to a favorite, named after its first row.
Expected<InterchangeContents> parse(QByteArrayView data);

} // namespace tintmere::gimppalette
