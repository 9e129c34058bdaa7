// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The names of the notifications views and controller exchange through the
// NotificationCenter, and the keys of their user info. The names are the API between the
// layers: observers match them exactly.
namespace tintmere::notifications {

using namespace Qt::Literals::StringLiterals;

// A string row of the info view was right-clicked; object: the row.
inline const QString ColorInfoRightClick = u"QVColorInfoRightClick"_s;
// A setting changed; user info { "object" = the changed key }.
inline const QString PrefsUpdate = u"QVPrefsUpdate"_s;
// A burst of slider movement ended; object: the selected well; user info { "color" }.
inline const QString SliderChange = u"QVSliderChange"_s;
// A palette well changed by a drop or the colour panel; object: the well; user info
// { "color" = the colour before the change }.
inline const QString ColorWellChange = u"QVColorWellChange"_s;
// A global-palette well changed by a drop; object: the well.
inline const QString SelectedColorWellChanged = u"QVSelectedColorWellChanged"_s;
// The delete key in the favorites outline; object: the outline.
inline const QString FavoriteDelete = u"QVFavoriteDelete"_s;
// The open panel went away; user info { "Return Code" }.
inline const QString OpenPanelClosed = u"QVOpenPanelClosed"_s;
// A named-colour pop-up's free colour changed; object: the pop-up.
inline const QString OtherColorChanged = u"QVOtherColorChanged"_s;
// The delete key in the main palette view; object: the view.
inline const QString PaletteDelete = u"QVPaletteDelete"_s;

// A drawer's transitions; object: the drawer.
inline const QString DrawerWillOpen = u"QVDrawerWillOpen"_s;
inline const QString DrawerDidOpen = u"QVDrawerDidOpen"_s;
inline const QString DrawerWillClose = u"QVDrawerWillClose"_s;
inline const QString DrawerDidClose = u"QVDrawerDidClose"_s;

} // namespace tintmere::notifications

namespace tintmere::userinfo {

using namespace Qt::Literals::StringLiterals;

// A colour (QVariant holding a tintmere::Color, see colormetatype.h).
inline const QString Color = u"color"_s;
// The settings key that changed.
inline const QString Object = u"object"_s;
// The result of a closed open panel.
inline const QString ReturnCode = u"Return Code"_s;

} // namespace tintmere::userinfo
