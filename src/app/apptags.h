// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tintmere {

// The tools, by the id of their button and the place of their "Tools" menu item.
enum class Tool { Rgb = 0, Hex = 1, Blend = 2, Magnifier = 3, GlobalPanel = 4 };

// What sendToCurrent puts into the selected well: the blend result, the selected favorite
// (the whole palette) or the magnifier's pick.
enum class SendSource { Blend = 0, FavoritesPreview = 1, Magnifier = 2 };

} // namespace tintmere
