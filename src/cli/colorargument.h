// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <string>
#include <string_view>

namespace tintmere::cli {

// A COLOR operand: three components from 0 to 1 separated by commas ("1,0.6,0.2", each read
// as a 32-bit float), hex colour text ("ff9933", "#f93") or CSS colour text ("rebeccapurple",
// "oklch(0.7 0.1 200)", which may carry an alpha). Throws UsageError for anything else;
// `origin` says where the text came from.
Color readColorArgument(std::string_view text, const std::string& origin);

} // namespace tintmere::cli
