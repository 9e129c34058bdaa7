// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <QMetaType>

// Lets a colour travel in QVariant, e.g. in a notification's user info:
// QVariant::fromValue(color) and variant.value<tintmere::Color>().
Q_DECLARE_METATYPE(tintmere::Color)
